// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

class CHelpSystem;
class QStatusBar;
class QWidget;

// Watches the application's events for the help: the keys F1 and Shift+F1
// in every window, and, in context-help mode, the click that picks the
// widget whose help is shown (Escape leaves the mode), and the help requests
// of the dialogs' Help buttons. The help system of the run owns it.
class CHelpEventFilter : public QObject {
    Q_OBJECT
public:
    explicit CHelpEventFilter(CHelpSystem& help);
    ~CHelpEventFilter() override;

    // Sends a request for the page of context through the application's
    // filters; it does nothing when no help system answers it.
    static void Request(QWidget* from, int context);

    void SetHandlesKeys(bool on);
    // Entering shows the prompt in statusBar (when given) and the "what's
    // this" pointer; leaving takes both back.
    void SetContextMode(bool on, QStatusBar* statusBar);
    bool InContextMode() const { return m_bContextMode; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateInstalled();
    bool OnMouse(QWidget* widget, QEvent* event);
    bool OnKey(QWidget* widget, QEvent* event);

    CHelpSystem& m_help;
    bool m_bHandlesKeys = false;
    bool m_bContextMode = false;
    bool m_bSwallowRelease = false;
    bool m_bInstalled = false;
    QPointer<QStatusBar> m_pStatusBar;
};
