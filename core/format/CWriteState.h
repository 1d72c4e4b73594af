// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CTavelin;
class CTavelinItem;

// The working values of one write: what the numbering walk found and the
// sizes the check sums up. Each writer keeps its own, so the model holds no
// scratch values and two writers on one model share nothing here.
class CWriteState {
public:
    // Forgets the walk's values; the sizes stay.
    void ClearWalk();

    // A menu's number is its index here.
    int MenuCount() const { return static_cast<int>(m_arrMenus.size()); }

    // The written menus in number order.
    std::vector<const CTavelin*> m_arrMenus;
    // The written items in walk order (an item's global index is its index).
    std::vector<const CTavelinItem*> m_arrWritten;
    // The written item count of each menu in number order, each with its
    // final comma.
    std::string m_strRelation;

    // The check's sums over the open menus.
    int m_nMaxWidth = 0;
    int m_nTotalHeight = 0;
};
