// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CNativeWindowKeeper.h"

#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QWindow>

CNativeWindowKeeper::CNativeWindowKeeper(QWidget& window) : QObject(&window), m_window(window)
{
    m_window.installEventFilter(this);
    Watch();
}

void CNativeWindowKeeper::Watch()
{
    QWindow* handle = m_window.windowHandle();
    if (handle == m_pWatched)
        return;
    if (m_pWatched)
        m_pWatched->removeEventFilter(this);
    m_pWatched = handle;
    if (handle)
        handle->installEventFilter(this);
}

// The place is followed while the window is shown; when the old native
// window goes, the last place is kept for the new one, whose coming the
// widget hears of (WinIdChange) before it is shown.
bool CNativeWindowKeeper::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_window && (type == QEvent::Move || type == QEvent::Resize) && m_window.isVisible() &&
        m_geometry.isEmpty())
        m_last = m_window.saveGeometry();
    if (watched == m_pWatched && type == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
        m_geometry = m_last;
    if (watched == &m_window && (type == QEvent::WinIdChange || type == QEvent::Show)) {
        Watch();
        if (!m_geometry.isEmpty())
            QTimer::singleShot(0, this, &CNativeWindowKeeper::Restore);
    }
    return QObject::eventFilter(watched, event);
}

void CNativeWindowKeeper::Restore()
{
    if (m_geometry.isEmpty())
        return;
    ++m_nRemade;
    m_window.restoreGeometry(m_geometry);
    m_geometry.clear();
}
