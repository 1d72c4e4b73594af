// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHelpEventFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStatusBar>
#include <QWidget>

#include "CHelpSystem.h"

namespace {

const char* const kPrompt = QT_TRANSLATE_NOOP("CHelpEventFilter", "Select an object on which to get Help");

bool IsHelpKey(const QKeyEvent* key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return key->key() == Qt::Key_F1 && mods == modifiers;
}

// A Help button's request: the context whose page is wanted.
class CHelpRequestEvent : public QEvent {
public:
    static QEvent::Type Kind()
    {
        static const auto kind = QEvent::Type(QEvent::registerEventType());
        return kind;
    }
    explicit CHelpRequestEvent(int context) : QEvent(Kind()), m_nContext(context) {}
    int Context() const { return m_nContext; }

private:
    int m_nContext;
};

}  // namespace

CHelpEventFilter::CHelpEventFilter(CHelpSystem& help) : m_help(help)
{
}

CHelpEventFilter::~CHelpEventFilter()
{
    SetContextMode(false, nullptr);
    m_bHandlesKeys = false;
    m_bSwallowRelease = false;
    UpdateInstalled();
}

void CHelpEventFilter::Request(QWidget* from, int context)
{
    CHelpRequestEvent request(context);
    QCoreApplication::sendEvent(from, &request);
}

void CHelpEventFilter::SetHandlesKeys(bool on)
{
    m_bHandlesKeys = on;
    UpdateInstalled();
}

void CHelpEventFilter::SetContextMode(bool on, QStatusBar* statusBar)
{
    if (on == m_bContextMode)
        return;
    m_bContextMode = on;
    if (on) {
        m_pStatusBar = statusBar;
        if (m_pStatusBar)
            m_pStatusBar->showMessage(tr(kPrompt));
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    } else {
        if (m_pStatusBar)
            m_pStatusBar->clearMessage();
        m_pStatusBar = nullptr;
        QApplication::restoreOverrideCursor();
    }
    UpdateInstalled();
}

void CHelpEventFilter::UpdateInstalled()
{
    const bool wanted = m_bHandlesKeys || m_bContextMode || m_bSwallowRelease;
    if (wanted == m_bInstalled)
        return;
    if (wanted)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
    m_bInstalled = wanted;
}

bool CHelpEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Window-level copies of input reach the widgets next; only those count.
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == CHelpRequestEvent::Kind()) {
        m_help.ShowTopic(widget, static_cast<CHelpRequestEvent*>(event)->Context());
        return true;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: return OnMouse(widget, event);
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: return OnKey(widget, event);
    default: return false;
    }
}

bool CHelpEventFilter::OnMouse(QWidget* widget, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress) {
        // The release (and a double click) of the click that picked a widget
        // belongs to the mode, not to the widget.
        if (!m_bSwallowRelease)
            return false;
        if (event->type() == QEvent::MouseButtonRelease) {
            m_bSwallowRelease = false;
            UpdateInstalled();
        }
        return true;
    }
    if (!m_bContextMode)
        return false;
    const int context = CHelpSystem::ContextOf(widget);
    m_bSwallowRelease = true;
    SetContextMode(false, nullptr);
    m_help.ShowTopic(widget, context);
    return true;
}

bool CHelpEventFilter::OnKey(QWidget* widget, QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    const bool escape = m_bContextMode && key->key() == Qt::Key_Escape;
    const bool help = m_bHandlesKeys && (IsHelpKey(key, Qt::NoModifier) || IsHelpKey(key, Qt::ShiftModifier));
    if (!escape && !help)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the key, so that no shortcut takes it before it arrives here.
        event->accept();
        return true;
    }
    if (key->isAutoRepeat())
        return true;
    if (escape)
        SetContextMode(false, nullptr);
    else if (key->modifiers() & Qt::ShiftModifier)
        m_help.EnterContextHelpMode(widget);
    else
        m_help.ShowForFocus(widget);
    return true;
}
