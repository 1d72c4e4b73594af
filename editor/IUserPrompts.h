// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QDialog;
class QUrl;
class QWidget;

// Every place where the editor waits on the user or hands something to the
// desktop goes through here: message boxes, file and colour dialogs, modal
// dialogs of our own, opening addresses and starting programs. The editor
// uses CQtPrompts; tests install a scripted one, so a test never waits on a
// modal loop and never starts a real browser.
class IUserPrompts {
public:
    enum class Icon { Information, Warning, Stop, Question };
    enum class SaveAnswer { Yes, No, Cancel };
    enum class RecoverAnswer { Recover, Discard, Later, RecoverAll };

    virtual ~IUserPrompts() = default;

    // A box with the one button "OK".
    virtual void Message(QWidget* parent, const QString& text, Icon icon = Icon::Warning) = 0;
    // "OK" and "Cancel"; true only for OK.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // "Yes", "No" and "Cancel", for "Save changes to %1?".
    virtual SaveAnswer AskSave(QWidget* parent, const QString& text) = 0;
    // "Recover", "Discard" and "Later", for "Recover unsaved changes to %1
    // from %2?"; closing the box is Later.
    virtual RecoverAnswer AskRecover(QWidget* parent, const QString& text) = 0;
    // The choice made in the list of several recovery copies: Recover opens
    // the copy in row, Discard removes them all, Later keeps them all,
    // RecoverAll saves them all into a folder of the user's choice.
    struct RecoverListAnswer {
        RecoverAnswer answer = RecoverAnswer::Later;
        int row = -1;
    };
    // One list of recovery copies (a row each) under text, with "Recover"
    // (the chosen row), "Recover All...", "Discard All" and "Later"; closing
    // it is Later.
    virtual RecoverListAnswer AskRecoverList(QWidget* parent, const QString& text, const QStringList& rows) = 0;
    // Empty when cancelled. filter uses Qt's "Text (*.a *.b)" form.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& initial) = 0;
    // The file dialog of a picture or sound field: beside the files it shows
    // a thumbnail of the highlighted picture and lets the author play the
    // highlighted sound. Empty when cancelled.
    virtual QString OpenMediaFileName(QWidget* parent, const QString& filter, const QString& initial)
    {
        return OpenFileName(parent, QStringLiteral("Open"), filter, initial);
    }
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& initial) = 0;
    // An existing folder; empty when cancelled.
    virtual QString FolderName(QWidget* parent, const QString& caption, const QString& initial) = 0;
    // The full colour dialog; nothing when cancelled.
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
    // Runs one of our modal dialogs and gives its result (QDialog::Accepted or
    // QDialog::Rejected).
    virtual int Exec(QDialog& dialog) = 0;
    // The desktop's "open" on a file or address.
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Starts a program without waiting for it.
    virtual bool StartDetached(const QString& program, const QStringList& arguments,
                               const QString& workingDirectory) = 0;
};
