// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "RandomModel.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
const char* const kPieces[] = {",", "\r", "\n",   "\r\n",     "|_#`", "|_#", "|_#r`", "|_#c", "\"",      "=", "[", "]",
                               "&", "<",  "\xe9", "\xff\x80", " ",    "\t",  "a",     "word", "x=1&y=2", "|", "#`"};

std::string DiffMenu(const CTavelin& a, const CTavelin& b, const std::string& where);

std::string DiffItem(const CTavelinItem& a, const CTavelinItem& b, const std::string& where)
{
    if (!(static_cast<const CItemFields&>(a) == static_cast<const CItemFields&>(b)))
        return where + ": item fields differ (label \"" + a.m_strLabel + "\" vs \"" + b.m_strLabel + "\")";
    return DiffMenu(*a.m_pSubMenu, *b.m_pSubMenu, where + "/sub");
}

// Recursion is fine here: test models are shallow.
std::string DiffMenu(const CTavelin& a, const CTavelin& b, const std::string& where)
{
    if (!(static_cast<const CMenuStyle&>(a) == static_cast<const CMenuStyle&>(b)))
        return where + ": menu style differs (\"" + a.m_strName + "\" vs \"" + b.m_strName + "\")";
    if (a.m_bVisible != b.m_bVisible)
        return where + ": menu visibility differs";
    if (a.m_arrItems.size() != b.m_arrItems.size())
        return where + ": item count " + std::to_string(a.m_arrItems.size()) + " vs " +
               std::to_string(b.m_arrItems.size());
    for (size_t i = 0; i < a.m_arrItems.size(); ++i) {
        std::string d = DiffItem(*a.m_arrItems[i], *b.m_arrItems[i], where + "/" + std::to_string(i));
        if (!d.empty())
            return d;
    }
    return {};
}
}  // namespace

int RandomModel::Int()
{
    switch (Small(4)) {
    case 0: return static_cast<int>(m_rng());
    case 1: return -Small(1000);
    default: return Small(200);
    }
}

int RandomModel::Small(int limit)
{
    return static_cast<int>(m_rng() % static_cast<std::uint32_t>(limit));
}

std::string RandomModel::Text(bool awkward, int longTextPercent)
{
    std::string text;
    const int pieces = Small(6);
    for (int i = 0; i < pieces; ++i)
        text += awkward ? kPieces[Small(static_cast<int>(std::size(kPieces)))] : kPieces[18 + Small(2)];
    if (Small(100) < longTextPercent) {
        const char* chunk = awkward ? "a long text, with commas;\r\n" : "a long plain text ";
        while (text.size() < 10240u + static_cast<unsigned>(Small(3000)))
            text += chunk;
    }
    return text;
}

void RandomModel::FillStyle(CMenuStyle& m)
{
    m.m_strName = Text(true, 0);
    m.m_crBackground = m_rng();
    for (int* n : {&m.m_nBackStyle, &m.m_nReserved1, &m.m_nReserved2, &m.m_nIndent, &m.m_nStartY, &m.m_nItemWidth,
                   &m.m_nItemHeight, &m.m_nItemGap, &m.m_nBorderThick})
        *n = Int();
    for (int state = 0; state < 3; ++state) {
        CItemStyle& s = m.Style(state);
        s.m_crBack = m_rng();
        s.m_crFont = m_rng();
        for (int* n :
             {&s.m_nBorder, &s.m_nBackStyle, &s.m_nGradientDir, &s.m_nFontEffect, &s.m_nFontName, &s.m_nFontSize,
              &s.m_nFontStyle, &s.m_nTextAlign, &s.m_nTextOffset, &s.m_nImageAlign, &s.m_nImageOffset})
            *n = Int();
    }
}

std::string RandomModel::Media(const Options& options)
{
    if (Small(3) == 0)
        return {};
    if (!options.mediaPaths.empty())
        return options.mediaPaths[static_cast<size_t>(Small(static_cast<int>(options.mediaPaths.size())))];
    return "/no/such/folder/" + Text(options.awkwardText, 0) + ".gif";
}

void RandomModel::FillItem(CTavelinItem& item, const Options& o)
{
    std::string label = Text(o.awkwardText, o.longTextPercent);
    for (char& c : label)
        if (c == '\t')
            c = ' ';
    item.m_strLabel = std::move(label);
    item.m_strDescription = Text(o.awkwardText, o.longTextPercent);
    item.m_strLink = Text(o.awkwardText, o.longTextPercent);
    item.m_strTarget = Small(2) ? std::string() : Text(o.awkwardText, 0);
    for (CSharedText* media : {&item.m_strNormalImage, &item.m_strOverImage, &item.m_strClickImage,
                               &item.m_strOverAudio, &item.m_strClickAudio})
        *media = Media(o);
    item.m_bVisible = Small(100) < o.hiddenPercent ? 0 : 1;
}

void RandomModel::Fill(CAppletParameters& params, const Options& o)
{
    params.Reset();
    CAppletSettings& s = params;
    s.m_strName = Text(o.awkwardText, 0);
    s.m_strBackImage = Media(o);
    s.m_strBackAudio = Media(o);
    s.m_crBackground = m_rng();
    s.m_crLine = m_rng();
    for (int* n :
         {&s.m_nAlign, &s.m_nWidth, &s.m_nHeight, &s.m_nImageMode, &s.m_nImageX, &s.m_nImageY, &s.m_bShowSelection,
          &s.m_nOpenSpeed, &s.m_nCloseSpeed, &s.m_bShowAllBranches, &s.m_bHasLines, &s.m_nBorder, &s.m_nBackStyle,
          &s.m_nGradientDir, &s.m_nLineIndent, &s.m_nLineThick, &s.m_nDisplayFromY})
        *n = Int();

    std::vector<std::pair<CTavelin*, int>> menus;  // menu and its level
    const int tops = 1 + Small(3);
    for (int i = 0; i < tops; ++i) {
        auto menu = std::make_unique<CTavelin>(0, "top-level Tavelina");
        FillStyle(*menu);
        menu->m_strName = "top-level Tavelina";
        menu->m_bVisible = Small(100) < o.hiddenPercent ? 0 : 1;
        menus.emplace_back(menu.get(), 1);
        params.m_arrMenus.push_back(std::move(menu));
    }
    for (int i = 0; i < o.items; ++i) {
        // Favour the newest menus now and then so that deep branches appear.
        const size_t pick = Small(4) == 0
                                ? menus.size() - 1 - static_cast<size_t>(Small(std::min<int>(3, menus.size())))
                                : static_cast<size_t>(Small(static_cast<int>(menus.size())));
        auto [menu, level] = menus[pick];
        auto item = std::make_unique<CTavelinItem>("item");
        FillItem(*item, o);
        FillStyle(*item->m_pSubMenu);
        item->m_pSubMenu->m_bVisible = Small(100) < o.hiddenPercent ? 0 : 1;
        if (level < o.maxDepth)
            menus.emplace_back(item->m_pSubMenu.get(), level + 1);
        menu->m_arrItems.push_back(std::move(item));
    }
}

std::string RandomModel::Difference(const CAppletParameters& a, const CAppletParameters& b)
{
    if (!(static_cast<const CAppletSettings&>(a) == static_cast<const CAppletSettings&>(b)))
        return "applet settings differ (name \"" + a.m_strName + "\" vs \"" + b.m_strName + "\")";
    if (a.m_arrMenus.size() != b.m_arrMenus.size())
        return "top-level menu count " + std::to_string(a.m_arrMenus.size()) + " vs " +
               std::to_string(b.m_arrMenus.size());
    for (size_t i = 0; i < a.m_arrMenus.size(); ++i) {
        std::string d = DiffMenu(*a.m_arrMenus[i], *b.m_arrMenus[i], "top " + std::to_string(i));
        if (!d.empty())
            return d;
    }
    return {};
}
