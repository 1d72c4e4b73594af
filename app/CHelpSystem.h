#pragma once

#include <QList>
#include <QString>

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

    static void ShowContents(QWidget* owner);
    static void ShowTopic(QWidget* owner, int context);
    // "Search for Help on ...": the keyword index.
    static void ShowIndex(QWidget* owner);
    // F1: the help of the focused widget or its nearest ancestor with a
    // context; the contents when none has one.
    static void ShowForFocus(QWidget* owner);
    // Shift+F1: the status bar asks to select an object, the pointer becomes
    // the "what's this" pointer; the next click shows the help of what was
    // clicked, Escape leaves the mode.
    static void EnterContextHelpMode(QWidget* owner);
    static void LeaveContextHelpMode();
    static bool InContextHelpMode();
    // Makes F1 and Shift+F1 work in every window of the program, modal
    // dialogs and the property window included. Runs by itself when the
    // application object of Qt is made.
    static void InstallHelpKeys();

    // The folder of the pages: "help" under the program folder.
    static QString HelpFolder();
    // The page file (inside the help folder) of a context; the contents page
    // for a context that has none.
    static QString PageFor(int context);
    // Every context that has a page of its own.
    static QList<int> Contexts();
    // The "helpContext" of the widget or of its nearest ancestor; 0 for none.
    static int ContextOf(const QWidget* widget);
    // The full path of a page of the help folder (the contents page when the
    // page is missing).
    static QString PagePath(const QString& page);
};
