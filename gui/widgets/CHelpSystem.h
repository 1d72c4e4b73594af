// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <string>

class CBrowserLauncher;
class CHelpEventFilter;
class QWidget;

// The help: HTML pages shipped in "help" beside the program, opened in the
// chosen browser. Widgets name their help context with the dynamic property
// "helpContext" (an int); context help (Shift+F1) shows the help of what is
// clicked next.
class CHelpSystem {
public:
    static constexpr int kMenuSheet = 65655;
    static constexpr int kItemSheet = 65656;
    static constexpr int kGettingStarted = 65657;
    static constexpr int kFaq = 65658;

    // Pages and dialogs: 0x20000 + the number of their dialog.
    static constexpr int kDialogBase = 0x20000;
    static constexpr int kAboutDialog = kDialogBase + 100;
    static constexpr int kAppletParameters = kDialogBase + 103;
    static constexpr int kWebBrowserDialog = kDialogBase + 131;
    static constexpr int kFontDialog = kDialogBase + 139;
    static constexpr int kMenuStyle = kDialogBase + 141;
    static constexpr int kItemNormal = kDialogBase + 144;
    static constexpr int kItem = kDialogBase + 146;
    static constexpr int kItemMouseOver = kDialogBase + 147;
    static constexpr int kItemClicked = kDialogBase + 148;
    static constexpr int kImageDialog = kDialogBase + 150;
    static constexpr int kAudioDialog = kDialogBase + 151;
    static constexpr int kNewDialog = kDialogBase + 152;
    static constexpr int kHtmlDialog = kDialogBase + 153;
    static constexpr int kSaveTemplateDialog = kDialogBase + 154;
    static constexpr int kManageTemplatesDialog = kDialogBase + 155;
    static constexpr int kMoreStyles = kDialogBase + 167;
    static constexpr int kAnimateSpeedDialog = kDialogBase + 169;
    static constexpr int kBackgroundStyleDialog = kDialogBase + 170;

    static constexpr const char* kContentsPage = "index.htm";
    static constexpr const char* kIndexPage = "keywords.htm";

    // Pages under "help" in dataDir (the shipped data, read where it lies),
    // shown by browser (kept, not owned).
    CHelpSystem(const std::string& dataDir, const CBrowserLauncher& browser);
    ~CHelpSystem();

    void ShowContents(QWidget* owner);
    void ShowTopic(QWidget* owner, int context);
    // "Search for Help on ...": the keyword index.
    void ShowIndex(QWidget* owner);
    // F1: the help of the focused widget or its nearest ancestor with a
    // context; the contents when none has one.
    void ShowForFocus(QWidget* owner);
    // Shift+F1: the status bar asks to select an object, the pointer becomes
    // the "what's this" pointer; the next click shows the help of what was
    // clicked, Escape leaves the mode.
    void EnterContextHelpMode(QWidget* owner);
    void LeaveContextHelpMode();
    bool InContextHelpMode() const;
    // Makes F1 and Shift+F1 work in every window of the program, modal
    // dialogs and the property window included, and answers Request.
    void InstallHelpKeys();

    // A dialog's Help button: asks the help system of the run, if there is
    // one, for the page of context.
    static void Request(QWidget* from, int context);

    // The folder of the pages: "help" under the shipped data.
    QString HelpFolder() const { return m_strFolder; }
    // The page file (inside the help folder) of a context; the contents page
    // for a context that has none.
    static QString PageFor(int context);
    // Every context that has a page of its own.
    static QList<int> Contexts();
    // The "helpContext" of the widget or of its nearest ancestor; 0 for none.
    static int ContextOf(const QWidget* widget);
    // The full path of a page of the help folder (the contents page when the
    // page is missing).
    QString PagePath(const QString& page) const;

private:
    QString m_strFolder;
    const CBrowserLauncher& m_browser;
    std::unique_ptr<CHelpEventFilter> m_pFilter;
};
