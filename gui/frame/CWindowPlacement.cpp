// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CWindowPlacement.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <climits>

QString CWindowPlacement::Format() const
{
    const QRect& r = m_rcNormalPosition;
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
        .arg(m_nFlags)
        .arg(m_nShowCmd)
        .arg(m_ptMinPosition.x())
        .arg(m_ptMinPosition.y())
        .arg(m_ptMaxPosition.x())
        .arg(m_ptMaxPosition.y())
        .arg(r.left())
        .arg(r.top())
        .arg(r.left() + r.width())
        .arg(r.top() + r.height());
}

std::optional<CWindowPlacement> CWindowPlacement::Parse(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([-+]?\\d+)"));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < 10)
        return std::nullopt;
    long long values[10] = {};
    for (int i = 0; i < 10; ++i) {
        const auto match = number.match(fields[i]);
        bool ok = false;
        values[i] = match.hasMatch() ? match.captured(1).toLongLong(&ok) : 0;
        if (!ok || values[i] < INT_MIN || values[i] > INT_MAX)
            return std::nullopt;
    }
    CWindowPlacement p;
    p.m_nFlags = static_cast<unsigned>(values[0]);
    p.m_nShowCmd = static_cast<unsigned>(values[1]);
    p.m_ptMinPosition = QPoint(int(values[2]), int(values[3]));
    p.m_ptMaxPosition = QPoint(int(values[4]), int(values[5]));
    p.m_rcNormalPosition =
        QRect(QPoint(int(values[6]), int(values[7])), QPoint(int(values[8]) - 1, int(values[9]) - 1));
    return p;
}

CWindowPlacement CWindowPlacement::Of(const QWidget& window)
{
    CWindowPlacement p;
    const Qt::WindowStates state = window.windowState();
    if (state & Qt::WindowMaximized)
        p.m_nFlags = kRestoreToMaximized;
    if (state & Qt::WindowMinimized)
        p.m_nShowCmd = ShowMinimized;
    else if (state & Qt::WindowMaximized)
        p.m_nShowCmd = ShowMaximized;
    const QRect normal = window.normalGeometry();
    p.m_rcNormalPosition = normal.isValid() && !normal.isEmpty() ? normal : window.geometry();
    return p;
}

void CWindowPlacement::Apply(QWidget& window, unsigned showCmd) const
{
    QRect rect = m_rcNormalPosition;
    if (rect.width() > 0 && rect.height() > 0) {
        const QScreen* screen = QGuiApplication::screenAt(rect.center());
        if (!screen && QGuiApplication::primaryScreen()) {
            const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
            rect.setSize(rect.size().boundedTo(avail.size()));
            rect.moveTopLeft(avail.topLeft());
        }
        window.setGeometry(rect);
    }
    const unsigned cmd = showCmd != ShowNormal ? showCmd : m_nShowCmd;
    if (cmd == ShowMaximized) {
        window.showMaximized();
    } else if (cmd == ShowMinimized) {
        window.setWindowState((m_nFlags & kRestoreToMaximized) ? Qt::WindowMinimized | Qt::WindowMaximized
                                                               : Qt::WindowMinimized);
        window.show();
    } else {
        window.show();
    }
}
