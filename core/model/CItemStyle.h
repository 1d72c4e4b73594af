// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "Color.h"

// The look of a menu's items in one state (normal, mouse over, clicked).
// A menu holds three of these.
struct CItemStyle {
    COLORREF m_crBack = 0;  // item background colour
    COLORREF m_crFont = RGB(255, 255, 255);
    int m_nBorder = 0;       // 0 Plain, 1 Raised, 2 Sunken
    int m_nBackStyle = 1;    // 0..9, see the item background list
    int m_nGradientDir = 1;  // 0 single, 1 bi-direction
    int m_nFontEffect = 0;   // 0..4
    int m_nFontName = 0;     // 0 TimesRoman, 1 Helvetica, 2 Courier
    int m_nFontSize = 14;
    int m_nFontStyle = 0;  // 0 Plain, 1 Bold, 2 Italic
    int m_nTextAlign = 0;  // 0 Left, 1 Center, 2 Right
    int m_nTextOffset = 0;
    int m_nImageAlign = 0;  // 0 Left, 1 Center, 2 Right
    int m_nImageOffset = 0;
    std::string m_strExtra;  // spare text, kept on the clipboard only

    bool operator==(const CItemStyle&) const = default;
};
