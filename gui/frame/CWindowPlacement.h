// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QString>
#include <optional>

class QWidget;

// The main window's placement as kept in "Settings"/"WindowPos": the text
// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d" of flags, show command, minimized x, y,
// maximized x, y and the normal rectangle left, top, right, bottom.
class CWindowPlacement {
public:
    static constexpr unsigned kRestoreToMaximized = 2;
    enum ShowCmd : unsigned { ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3 };

    unsigned m_nFlags = 0;
    unsigned m_nShowCmd = ShowNormal;
    QPoint m_ptMinPosition{-1, -1};
    QPoint m_ptMaxPosition{-1, -1};
    QRect m_rcNormalPosition;

    QString Format() const;
    // Nothing unless all ten numbers are there.
    static std::optional<CWindowPlacement> Parse(const QString& text);

    // The placement of a window as it is now.
    static CWindowPlacement Of(const QWidget& window);
    // Gives the window the normal rectangle (moved onto a screen when it lies
    // on none) and shows it as showCmd says; showCmd 1 keeps the stored one.
    void Apply(QWidget& window, unsigned showCmd) const;
};
