// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CSharedText.h"

// What an item shows: every value of an item but its sub-menu.
struct CItemFields {
    // Texts are CSharedText: one pointer wide, and a project's reader lays
    // them out together (see CTextArena). The items that name one media
    // file share its path.
    CSharedText m_strLabel;  // may hold CR LF
    CSharedText m_strDescription;
    CSharedText m_strNormalImage;
    CSharedText m_strOverImage;
    CSharedText m_strClickImage;
    CSharedText m_strOverAudio;
    CSharedText m_strClickAudio;
    CSharedText m_strTarget;  // empty means "_self" in the page
    CSharedText m_strLink;
    int m_bVisible = 1;

    bool operator==(const CItemFields&) const = default;
};
