// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CNumberingWalk.h"

#include <utility>

#include "CNumberText.h"

bool CNumberingWalk::IsWritten(const CTavelin& menu) const
{
    if (!m_bPageMode)
        return true;
    return menu.m_bVisible != 0 && menu.GetItemCount(false) > 0;
}

const std::vector<const CTavelin*>& CNumberingWalk::Run()
{
    m_state.ClearWalk();
    m_topNumbers.clear();
    m_subNumberOfItem.clear();

    // Each entry: a menu to visit and the global index of the item it opens
    // from (-1 for a top-level menu). Pushed in reverse so that pops run in
    // list order.
    std::vector<std::pair<const CTavelin*, int>> stack;
    for (auto it = m_params.m_arrMenus.rbegin(); it != m_params.m_arrMenus.rend(); ++it)
        stack.emplace_back(it->get(), -1);
    std::vector<std::pair<const CTavelin*, int>> children;
    while (!stack.empty()) {
        auto [menu, parent] = stack.back();
        stack.pop_back();
        if (!IsWritten(*menu))
            continue;
        const int number = m_state.MenuCount();
        m_state.m_arrMenus.push_back(menu);
        if (parent < 0)
            m_topNumbers.push_back(number);
        else
            m_subNumberOfItem[static_cast<size_t>(parent)] = number;
        int count = 0;
        children.clear();
        for (const auto& item : menu->m_arrItems) {
            if (!Writes(*item))
                continue;
            children.emplace_back(&item->SubMenu(), static_cast<int>(m_state.m_arrWritten.size()));
            m_state.m_arrWritten.push_back(item.get());
            m_subNumberOfItem.push_back(-1);
            ++count;
        }
        CNumberText::Append(m_state.m_strRelation, count);
        m_state.m_strRelation += ',';
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return m_state.m_arrMenus;
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
