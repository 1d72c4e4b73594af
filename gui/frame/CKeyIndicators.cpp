// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CKeyIndicators.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>

namespace {
const char* const kTexts[3] = {"CAP", "NUM", "SCRL"};
}

CKeyIndicators::CKeyIndicators(QStatusBar* bar) : QObject(bar)
{
    for (int i = 0; i < 3; ++i) {
        m_panes[i] = new QLabel(bar);
        m_panes[i]->setFrameShape(QFrame::Panel);
        m_panes[i]->setFrameShadow(QFrame::Sunken);
        m_panes[i]->setAlignment(Qt::AlignCenter);
        const int width = m_panes[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12;
        m_panes[i]->setMinimumWidth(width);
        bar->addPermanentWidget(m_panes[i]);
    }
    qApp->installEventFilter(this);
    Refresh();
}

void CKeyIndicators::Refresh()
{
    const std::optional<LockState> state = ReadLockState();
    const bool on[3] = {state && state->caps, state && state->num, state && state->scroll};
    for (int i = 0; i < 3; ++i) {
        QLabel* pane = m_panes[i];
        if (!state) {
            pane->setText(QString::fromLatin1(kTexts[i]));
            pane->setEnabled(false);
        } else {
            pane->setEnabled(true);
            pane->setText(on[i] ? QString::fromLatin1(kTexts[i]) : QString());
        }
    }
}

bool CKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // Key events reach the window first and then every widget up the chain:
    // read the state once, at the window.
    if ((type == QEvent::KeyRelease && watched->isWindowType()) || type == QEvent::ApplicationStateChange)
        Refresh();
    return QObject::eventFilter(watched, event);
}

// Xlib's macros (KeyRelease, Success...) clash with Qt's names: it comes last.
#ifdef ATW_HAVE_X11
#include <X11/XKBlib.h>
#endif

std::optional<CKeyIndicators::LockState> CKeyIndicators::ReadLockState()
{
#ifdef ATW_HAVE_X11
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    unsigned int state = 0;
    if (display && XkbGetIndicatorState(display, XkbUseCoreKbd, &state) == Success)
        return LockState{(state & 1u) != 0, (state & 2u) != 0, (state & 4u) != 0};
#endif
    return std::nullopt;
}
