// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CNumberingWalk.h"

#include "CNumberText.h"
#include "core/model/CItemWalk.h"

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
    m_state.ClearWalk();
    m_topNumbers.clear();
    m_subNumberOfItem.clear();
    std::vector<size_t> next;  // by depth: the index among the written items of the next one met
    for (const auto& top : m_params.m_arrMenus) {
        if (!IsWritten(*top))
            continue;
        m_topNumbers.push_back(m_state.MenuCount());
        next.assign(1, Number(*top));
        CItemWalk::Walk(*top, [&](const CItemWalk::CStep& step) {
            if (!Writes(step.item))
                return CItemWalk::Next::Past;
            const auto depth = static_cast<size_t>(step.Depth());
            const size_t index = next[depth]++;
            const CTavelin& sub = step.item.SubMenu();
            if (!IsWritten(sub))
                return CItemWalk::Next::Past;
            m_subNumberOfItem[index] = m_state.MenuCount();
            next.resize(depth + 1);
            next.push_back(Number(sub));
            return CItemWalk::Next::Into;
        });
    }
    return m_state.m_arrMenus;
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
    CNumberText::Append(value, m_state.MenuCount());
    value += ',';
    value += m_state.m_strRelation;
    for (int number : m_topNumbers) {
        value += '-';
        CNumberText::Append(value, number);
        value += ',';
    }
    for (size_t i = 0; i < m_subNumberOfItem.size(); ++i) {
        if (m_subNumberOfItem[i] < 0)
            continue;
        CNumberText::Append(value, static_cast<long long>(i));
        value += '-';
        CNumberText::Append(value, m_subNumberOfItem[i]);
        value += ',';
    }
    m_state.m_arrWritten.clear();
    return value;
}
