// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "editor/IUserPrompts.h"

class ISoundPlayer;

// The real prompts: Qt's message boxes, file and colour dialogs, the
// desktop's "open" and detached processes. player plays the sounds that the
// media file dialog lets the author hear.
class CQtPrompts : public IUserPrompts {
public:
    explicit CQtPrompts(ISoundPlayer& player) : m_player(player) {}

    void Message(QWidget* parent, const QString& text, Icon icon) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    SaveAnswer AskSave(QWidget* parent, const QString& text) override;
    RecoverAnswer AskRecover(QWidget* parent, const QString& text) override;
    RecoverListAnswer AskRecoverList(QWidget* parent, const QString& text, const QStringList& rows) override;
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& initial) override;
    QString OpenMediaFileName(QWidget* parent, const QString& filter, const QString& initial) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& initial) override;
    QString FolderName(QWidget* parent, const QString& caption, const QString& initial) override;
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
    int Exec(QDialog& dialog) override;
    bool OpenUrl(const QUrl& url) override;
    bool StartDetached(const QString& program, const QStringList& arguments, const QString& workingDirectory) override;

    static QString Title();

private:
    ISoundPlayer& m_player;
};
