// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CItemWalk.h"

#include <utility>
#include <vector>

void CItemWalk::ForEach(const CTavelin& menu, const Visit& visit)
{
    std::vector<std::pair<const CTavelin*, size_t>> stack{{&menu, 0}};
    while (!stack.empty()) {
        auto& [current, index] = stack.back();
        if (index >= current->m_arrItems.size()) {
            stack.pop_back();
            continue;
        }
        const CTavelinItem& item = *current->m_arrItems[index++];
        visit(item);
        stack.emplace_back(item.m_pSubMenu.get(), 0);
    }
}
