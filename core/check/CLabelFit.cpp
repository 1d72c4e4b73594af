// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CLabelFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace {
// Average character width per pixel of font size, by font (see the class).
constexpr double kAverage[] = {0.50, 0.56, 0.60};
constexpr double kBold = 1.1;

// Characters, not bytes: continuation bytes of UTF-8 do not count.
int LongestLine(std::string_view label)
{
    int longest = 0, current = 0;
    for (const char c : label) {
        if (c == '\r' || c == '\n') {
            current = 0;
            continue;
        }
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            longest = std::max(longest, ++current);
    }
    return longest;
}

// Calls visit(menu, path of the item that holds it) for every visible menu
// with visible items, top-level menus first, each before its sub-menus.
void ForEachShownMenu(const CAppletParameters& params,
                      const std::function<void(const CTavelin&, const std::string&)>& visit)
{
    std::function<void(const CTavelin&, const std::string&)> walk = [&](const CTavelin& menu, const std::string& path) {
        if (menu.GetItemCount(false) == 0)
            return;
        visit(menu, path);
        for (const auto& item : menu.m_arrItems)
            if (item->m_bVisible != 0)
                walk(item->SubMenu(), (path.empty() ? "" : path + " > ") + CLabelFit::OneLine(item->m_strLabel));
    };
    for (const auto& top : params.m_arrMenus)
        if (top->m_bVisible != 0)
            walk(*top, std::string());
}
// Widths are clamped to this, so that no sum of them overflows.
constexpr long long kLimit = 1'000'000'000;
}  // namespace

std::string CLabelFit::OneLine(std::string_view label)
{
    std::string out;
    for (const char c : label) {
        if (c == '\n')
            out += ' ';
        else if (c != '\r')
            out += c;
    }
    return out;
}

int CLabelFit::TextWidth(std::string_view label, const CMenuStyle& menu)
{
    double average = 0;
    for (int state = 0; state < 3; ++state) {
        const CItemStyle& style = menu.Style(state);
        const int font = std::clamp(style.m_nFontName, 0, 2);
        const double bold = style.m_nFontStyle == 1 ? kBold : 1.0;
        average = std::max(average, std::max(style.m_nFontSize, 0) * kAverage[font] * bold);
    }
    // Fields hold any number a file gave them: the width stays within int.
    return static_cast<int>(std::min(std::ceil(LongestLine(label) * average), double(kLimit)));
}

int CLabelFit::Room(const CMenuStyle& menu)
{
    long long offset = 0;
    for (int state = 0; state < 3; ++state)
        offset = std::max(offset, std::llabs(menu.Style(state).m_nTextOffset));
    const long long room =
        static_cast<long long>(menu.m_nItemWidth) - 2LL * std::max(menu.m_nBorderThick, 0) - offset - 2LL * kPadding;
    return static_cast<int>(std::clamp(room, -kLimit, kLimit));
}

int CLabelFit::NeededItemWidth(const CTavelin& menu)
{
    int widest = 0;
    for (const auto& item : menu.m_arrItems)
        if (item->m_bVisible != 0)
            widest = std::max(widest, TextWidth(item->m_strLabel, menu));
    const long long needed = static_cast<long long>(menu.m_nItemWidth) - Room(menu) + widest;
    return std::max(menu.m_nItemWidth, static_cast<int>(std::clamp(needed, -kLimit, kLimit)));
}

std::vector<CLabelFit::Misfit> CLabelFit::Find(const CAppletParameters& params)
{
    std::vector<Misfit> found;
    ForEachShownMenu(params, [&](const CTavelin& menu, const std::string& path) {
        const int room = Room(menu);
        for (const auto& item : menu.m_arrItems) {
            if (item->m_bVisible == 0)
                continue;
            const int width = TextWidth(item->m_strLabel, menu);
            if (width > room)
                found.push_back(
                    {item.get(), (path.empty() ? "" : path + " > ") + OneLine(item->m_strLabel), width, room});
        }
    });
    return found;
}

// Shared sub-menus hold no items: every menu with items is the item's own.
std::vector<std::pair<CTavelin*, int>> CLabelFit::MenusToWiden(CAppletParameters& params)
{
    std::vector<std::pair<CTavelin*, int>> menus;
    std::function<void(CTavelin&)> walk = [&](CTavelin& menu) {
        if (menu.GetItemCount(false) == 0)
            return;
        if (const int needed = NeededItemWidth(menu); needed > menu.m_nItemWidth)
            menus.emplace_back(&menu, needed);
        for (auto& item : menu.m_arrItems)
            if (CTavelin* sub = item->OwnSubMenu(); sub && item->m_bVisible != 0)
                walk(*sub);
    };
    for (auto& top : params.m_arrMenus)
        if (top->m_bVisible != 0)
            walk(*top);
    return menus;
}
