// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "CItemStyle.h"
#include "Color.h"

// The look of a menu: what CopyStyle carries from one menu to another
// (the name, the geometry, the background and the three state blocks).
struct CMenuStyle {
    std::string m_strName;
    COLORREF m_crBackground = 0;
    int m_nBackStyle = 0;  // 0..3, see the menu background list
    int m_nReserved1 = 0;
    int m_nReserved2 = 0;
    int m_nIndent = 40;
    int m_nStartY = 15;
    int m_nItemWidth = 80;
    int m_nItemHeight = 20;
    int m_nItemGap = 5;
    int m_nBorderThick = 0;
    CItemStyle m_styleNormal;
    CItemStyle m_styleOver;
    CItemStyle m_styleClick;

    CItemStyle& Style(int state);  // 0 normal, 1 mouse over, 2 clicked
    const CItemStyle& Style(int state) const;

    bool operator==(const CMenuStyle&) const = default;
};
