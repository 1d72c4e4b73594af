#pragma once

#include <string>

#include "CSharedText.h"

// What an item shows: every value of an item but its sub-menu.
struct CItemFields {
    std::string m_strLabel;           // may hold CR LF
    std::string m_strDescription;
    // Full paths of the media files; the items that name one file share
    // its path (see CSharedText).
    CSharedText m_strNormalImage;
    CSharedText m_strOverImage;
    CSharedText m_strClickImage;
    CSharedText m_strOverAudio;
    CSharedText m_strClickAudio;
    std::string m_strTarget;          // empty means "_self" in the page
    std::string m_strLink;
    int m_bVisible = 1;

    bool operator==(const CItemFields&) const = default;
};
