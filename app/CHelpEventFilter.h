#pragma once

#include <QObject>
#include <QPointer>

class QStatusBar;
class QWidget;

// Watches the application's events for the help: the keys F1 and Shift+F1
// in every window, and, in context-help mode, the click that picks the
// widget whose help is shown (Escape leaves the mode). One per run.
class CHelpEventFilter : public QObject {
    Q_OBJECT
public:
    static CHelpEventFilter& Instance();

    void SetHandlesKeys(bool on);
    // Entering shows the prompt in statusBar (when given) and the "what's
    // this" pointer; leaving takes both back.
    void SetContextMode(bool on, QStatusBar* statusBar);
    bool InContextMode() const { return m_bContextMode; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CHelpEventFilter();
    void UpdateInstalled();
    bool OnMouse(QWidget* widget, QEvent* event);
    bool OnKey(QWidget* widget, QEvent* event);

    bool m_bHandlesKeys = false;
    bool m_bContextMode = false;
    bool m_bSwallowRelease = false;
    bool m_bInstalled = false;
    QPointer<QStatusBar> m_pStatusBar;
};
