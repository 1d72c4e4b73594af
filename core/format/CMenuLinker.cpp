// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuLinker.h"

#include <utility>

#include "CProjectReader.h"

namespace {
constexpr size_t kMaxDetailedWarnings = 50;
}

CMenuLinker::CMenuLinker(std::vector<CMenuSlot>& menus, const std::vector<CTavelinItem*>& items,
                         const std::vector<size_t>& firstItemOfMenu, std::vector<std::string>& warnings)
    : m_menus(menus), m_items(items), m_firstItemOfMenu(firstItemOfMenu), m_warnings(warnings),
      m_claimed(menus.size(), false), m_subOfItem(items.size(), -1)
{
}

void CMenuLinker::Warn(const std::string& text)
{
    if (++m_nSkipped <= kMaxDetailedWarnings)
        m_warnings.push_back(text);
}

void CMenuLinker::ReadEntry(std::string_view entry, long long& item, long long& menu)
{
    std::string_view rest = entry;
    if (TakePlainEntry(rest, item, menu) && rest.empty())
        return;
    const size_t dash = entry.find('-');
    const std::string_view itemPart = entry.substr(0, dash);
    const std::string_view menuPart = dash == std::string_view::npos ? std::string_view() : entry.substr(dash + 1);
    menu = CProjectReader::ToNumber(menuPart.substr(0, menuPart.find('-')));
    item = itemPart.empty() ? -1 : CProjectReader::ToNumber(itemPart);
}

void CMenuLinker::Link(long long item, long long menu)
{
    if (menu < 0 || menu >= static_cast<long long>(m_menus.size()))
        return Warn("The project's menu list names menu " + std::to_string(menu) +
                    ", which does not exist; the entry was skipped.");
    if (m_claimed[static_cast<size_t>(menu)])
        return Warn("The project's menu list names menu " + std::to_string(menu) +
                    " twice; the second entry was skipped.");
    if (item == -1) {
        m_tops.push_back(static_cast<size_t>(menu));
    } else {
        if (item < 0 || item >= static_cast<long long>(m_items.size()))
            return Warn("The project's menu list names item " + std::to_string(item) +
                        ", which does not exist; the entry was skipped.");
        if (m_subOfItem[static_cast<size_t>(item)] >= 0)
            return Warn("The project's menu list gives item " + std::to_string(item) +
                        " a second sub-menu; the entry was skipped.");
        m_subOfItem[static_cast<size_t>(item)] = static_cast<int>(menu);
    }
    m_claimed[static_cast<size_t>(menu)] = true;
}

void CMenuLinker::GiveEmptySubMenu(CTavelinItem& item)
{
    if (!item.m_pSubMenu)
        item.m_pSubMenu = CMenuSlot();
}

void CMenuLinker::AttachSubMenus(size_t top)
{
    std::vector<std::pair<size_t, int>> stack{{top, 0}};
    while (!stack.empty()) {
        const auto [number, depth] = stack.back();
        stack.pop_back();
        const size_t first = m_firstItemOfMenu[number];
        for (size_t g = first; g < m_items.size() && g < m_firstItemOfMenu[number + 1]; ++g) {
            const int sub = m_subOfItem[g];
            if (sub < 0) {
                GiveEmptySubMenu(*m_items[g]);
                continue;
            }
            // Items of a menu at the deepest level have sub-menus one level
            // further; those are empty and are kept, with their looks.
            const auto subNumber = static_cast<size_t>(sub);
            const bool holdsItems = m_firstItemOfMenu[subNumber + 1] > m_firstItemOfMenu[subNumber];
            if (depth + 1 > CAppletParameters::kMaxDepth && holdsItems) {
                m_bTooDeep = true;
                GiveEmptySubMenu(*m_items[g]);
                continue;
            }
            stack.emplace_back(static_cast<size_t>(sub), depth + 1);
            m_items[g]->m_pSubMenu = std::move(m_menus[subNumber]);
            GiveEmptySubMenu(*m_items[g]);
        }
    }
}

void CMenuLinker::Attach(CAppletParameters& params)
{
    for (size_t top : m_tops) {
        AttachSubMenus(top);
        params.AttachTopMenu(m_menus[top].release(), false);
    }
    if (m_bTooDeep)
        m_warnings.push_back(kTooDeep);
    for (size_t m = 0; m < m_menus.size(); ++m) {
        if (m_menus[m] && m_claimed[m] && m_bTooDeep)
            continue;  // under a menu left out for depth: told above
        if (m_menus[m])
            Warn("The project's menu list leaves menu " + std::to_string(m) + " unattached; it was left out.");
    }
    if (m_nSkipped > kMaxDetailedWarnings)
        m_warnings.push_back("The project's menu list was damaged in " + std::to_string(m_nSkipped) +
                             " places; only the first were listed.");
    m_menus.clear();
}
