// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDeferredIconEngine.h"

#include <utility>

CDeferredIconEngine::CDeferredIconEngine(std::function<QIcon()> make) : m_made(std::make_shared<CMade>())
{
    m_made->m_make = std::move(make);
}

const QIcon& CDeferredIconEngine::Icon()
{
    if (!m_made->m_bMade) {
        m_made->m_icon = m_made->m_make();
        m_made->m_bMade = true;
    }
    return m_made->m_icon;
}

void CDeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap CDeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().pixmap(size, mode, state);
}

QPixmap CDeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return Icon().pixmap(size, scale, mode, state);
}

QSize CDeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return Icon().actualSize(size, mode, state);
}

QList<QSize> CDeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return Icon().availableSizes(mode, state);
}

QString CDeferredIconEngine::key() const
{
    return QStringLiteral("CDeferredIconEngine");
}

QIconEngine* CDeferredIconEngine::clone() const
{
    return new CDeferredIconEngine(*this);
}
