#pragma once

#include <string>

// What an item shows: every value of an item but its sub-menu.
struct CItemFields {
    std::string m_strLabel;           // may hold CR LF
    std::string m_strDescription;
    std::string m_strNormalImage;     // full paths of the media files
    std::string m_strOverImage;
    std::string m_strClickImage;
    std::string m_strOverAudio;
    std::string m_strClickAudio;
    std::string m_strTarget;          // empty means "_self" in the page
    std::string m_strLink;
    int m_bVisible = 1;

    bool operator==(const CItemFields&) const = default;
};
