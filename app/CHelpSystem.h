#pragma once

class QWidget;

// The help: HTML pages shipped in "help" beside the program, opened in the
// chosen browser. Widgets name their help context with the dynamic property
// "helpContext" (an int); context help (Shift+F1) shows the help of what is
// clicked next.
class CHelpSystem {
public:
    static constexpr int kGettingStarted = 65657;
    static constexpr int kFaq = 65658;

    static void ShowContents(QWidget* owner);
    static void ShowTopic(QWidget* owner, int context);
    static void ShowIndex(QWidget* owner);
    // F1: the help of the focused widget or its nearest ancestor with a
    // context; the contents when none has one.
    static void ShowForFocus(QWidget* owner);
    static void EnterContextHelpMode(QWidget* owner);
};
