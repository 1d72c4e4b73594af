// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "editor/IUserPrompts.h"

// Answers the editor's prompts from queues filled by a test and records what
// was asked, so that no test waits on a modal loop or starts a browser.
class CScriptedPrompts : public IUserPrompts {
public:
    struct Start {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };

    void Message(QWidget*, const QString& text, Icon) override
    {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    bool Confirm(QWidget*, const QString& text) override
    {
        confirmations << text;
        return Pop(confirmAnswers, true);
    }
    SaveAnswer AskSave(QWidget*, const QString& text) override
    {
        saveQuestions << text;
        return Pop(saveAnswers, SaveAnswer::No);
    }
    RecoverAnswer AskRecover(QWidget*, const QString& text) override
    {
        recoverQuestions << text;
        return Pop(recoverAnswers, RecoverAnswer::Later);
    }
    RecoverListAnswer AskRecoverList(QWidget*, const QString& text, const QStringList& rows) override
    {
        recoverQuestions << text;
        recoverLists.push_back(rows);
        return Pop(recoverListAnswers, RecoverListAnswer{});
    }
    QString OpenFileName(QWidget*, const QString&, const QString& filter, const QString&) override
    {
        filters << filter;
        return Pop(fileNames, QString());
    }
    QString SaveFileName(QWidget*, const QString&, const QString& filter, const QString& initial) override
    {
        filters << filter;
        saveInitials << initial;
        return Pop(fileNames, QString());
    }
    QString FolderName(QWidget*, const QString&, const QString&) override { return Pop(folderNames, QString()); }
    std::optional<QColor> ChooseColor(QWidget*, const QColor&) override { return Pop(colors, std::optional<QColor>()); }
    // Each queued handler may fill the dialog's controls and returns its result.
    int Exec(QDialog& dialog) override
    {
        dialogs << dialog.windowTitle();
        auto handler = Pop(dialogHandlers, std::function<int(QDialog&)>());
        return handler ? handler(dialog) : int(QDialog::Rejected);
    }
    bool OpenUrl(const QUrl& url) override
    {
        urls << url;
        return openUrlResult;
    }
    bool StartDetached(const QString& program, const QStringList& arguments, const QString& workingDirectory) override
    {
        starts.push_back({program, arguments, workingDirectory});
        return startResult;
    }

    // Runs while a message is up, to look at what the user sees behind it.
    std::function<void(const QString&)> onMessage;
    QStringList messages, confirmations, saveQuestions, recoverQuestions, filters, dialogs;
    QStringList saveInitials;  // the paths Save As dialogs started at
    QList<QUrl> urls;
    std::vector<Start> starts;
    std::deque<bool> confirmAnswers;
    std::deque<SaveAnswer> saveAnswers;
    std::deque<RecoverAnswer> recoverAnswers;
    std::vector<QStringList> recoverLists;  // the rows of each list of copies shown
    std::deque<RecoverListAnswer> recoverListAnswers;
    std::deque<QString> fileNames;
    std::deque<QString> folderNames;
    std::deque<std::optional<QColor>> colors;
    std::deque<std::function<int(QDialog&)>> dialogHandlers;
    bool openUrlResult = true;
    bool startResult = true;

private:
    template <typename T>
    static T Pop(std::deque<T>& queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};
