// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "Color.h"

// The applet's own settings: every value of the model root but its menus.
// Kept as one copyable group so that an editor can take and give it whole.
struct CAppletSettings {
    std::string m_strName = "My Tavelina";
    int m_nAlign = 0;  // 0 Center, 1 Left, 2 Right
    int m_nWidth = 400;
    int m_nHeight = 200;
    COLORREF m_crBackground = 0;
    std::string m_strBackImage;  // full path
    int m_nImageMode = 0;        // 0 placed at X/Y, 1 tiled
    int m_nImageX = 0;
    int m_nImageY = 0;
    std::string m_strBackAudio;  // full path
    int m_bShowSelection = 1;
    int m_nOpenSpeed = 5;  // 0 fastest .. 50 slowest
    int m_nCloseSpeed = 5;
    int m_bShowAllBranches = 0;
    int m_bHasLines = 1;
    int m_nBorder = 0;     // 0 Plain, 1 Raised, 2 Sunken
    int m_nBackStyle = 1;  // 0 filled, 1..4 vertical gradients
    int m_nGradientDir = 1;
    int m_nLineIndent = 0;
    int m_nLineThick = 0;
    COLORREF m_crLine = 5;
    int m_nDisplayFromY = 0;

    bool operator==(const CAppletSettings&) const = default;
};
