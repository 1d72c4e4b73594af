// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CNumberingWalk.h"

#include <algorithm>
#include <cstdint>

#include "CNumberText.h"

bool CNumberingWalk::IsWritten(const CTavelin& menu) const
{
    if (!m_bPageMode)
        return true;
    return menu.m_bVisible != 0 && menu.GetItemCount(false) > 0;
}

// The walk meets the sub-menus in number order: a menu's items are written
// when it takes its number, and an item is met before the items below it.
const std::vector<const CTavelin*>& CNumberingWalk::Run()
{
    Begin();
    while (!Step(SIZE_MAX)) {
    }
    return m_state.m_arrMenus;
}

void CNumberingWalk::Begin()
{
    m_state.ClearWalk();
    m_topNumbers.clear();
    m_subNumberOfItem.clear();
    m_path.clear();
    m_nTop = 0;
    m_nEntry = 0;
    m_bStructureBegun = false;
}

// Depth first without recursion: the path holds the menus from a top-level
// menu down to the one whose items are being met.
bool CNumberingWalk::Step(size_t maxItems)
{
    size_t items = 0;
    while (items < maxItems) {
        if (m_path.empty()) {
            if (m_nTop == m_params.m_arrMenus.size())
                return true;
            const CTavelin& top = *m_params.m_arrMenus[m_nTop++];
            if (!IsWritten(top))
                continue;
            m_topNumbers.push_back(m_state.MenuCount());
            m_path.push_back({&top, 0, Number(top)});
            items += top.m_arrItems.size() + 1;
            continue;
        }
        CFrame& frame = m_path.back();
        if (frame.item == frame.menu->m_arrItems.size()) {
            m_path.pop_back();
            continue;
        }
        const CTavelinItem& item = *frame.menu->m_arrItems[frame.item++];
        ++items;
        if (!Writes(item))
            continue;
        const size_t index = frame.next++;
        const CTavelin& sub = item.SubMenu();
        if (!IsWritten(sub))
            continue;
        m_subNumberOfItem[index] = m_state.MenuCount();
        m_path.push_back({&sub, 0, Number(sub)});
        items += sub.m_arrItems.size();
    }
    return m_path.empty() && m_nTop == m_params.m_arrMenus.size();
}

size_t CNumberingWalk::Number(const CTavelin& menu)
{
    m_state.m_arrMenus.push_back(&menu);
    const size_t first = m_state.m_arrWritten.size();
    int count = 0;
    for (const auto& item : menu.m_arrItems) {
        if (!Writes(*item))
            continue;
        m_state.m_arrWritten.push_back(item.get());
        m_subNumberOfItem.push_back(-1);
        ++count;
    }
    CNumberText::Append(m_state.m_strRelation, count);
    m_state.m_strRelation += ',';
    return first;
}

std::string CNumberingWalk::StructureValue()
{
    std::string value;
    value.reserve(m_state.m_strRelation.size() * 3 + 16);
    AppendStructure(value, SIZE_MAX);
    return value;
}

void CNumberingWalk::AppendStructureHead(std::string& value) const
{
    CNumberText::Append(value, m_state.MenuCount());
    value += ',';
    value += m_state.m_strRelation;
    for (int number : m_topNumbers) {
        value += '-';
        CNumberText::Append(value, number);
        value += ',';
    }
}

bool CNumberingWalk::AppendStructure(std::string& value, size_t maxEntries)
{
    if (!m_bStructureBegun) {
        m_bStructureBegun = true;
        m_nEntry = 0;
        AppendStructureHead(value);
    }
    const size_t end = m_nEntry + std::min(maxEntries, m_subNumberOfItem.size() - m_nEntry);
    for (; m_nEntry < end; ++m_nEntry) {
        const int sub = m_subNumberOfItem[m_nEntry];
        if (sub < 0)
            continue;
        CNumberText::Append(value, static_cast<long long>(m_nEntry));
        value += '-';
        CNumberText::Append(value, sub);
        value += ',';
    }
    if (m_nEntry < m_subNumberOfItem.size())
        return false;
    m_state.m_arrWritten.clear();
    m_bStructureBegun = false;
    return true;
}
