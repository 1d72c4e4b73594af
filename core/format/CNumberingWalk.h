// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "CWriteState.h"
#include "core/model/CAppletParameters.h"

// Gives the menus their numbers in depth-first order: a menu takes the
// counter's value, its items are collected, the counter goes up, then the
// sub-menus of its items are visited in item order.
// Page mode writes only visible menus with at least one visible item and only
// visible items; project mode writes every menu and every item.
// Fills the walk's values of the CWriteState it is given (the menus in number
// order, the written items, the relation) and changes nothing in the model.
class CNumberingWalk {
public:
    CNumberingWalk(CAppletParameters& params, bool pageMode, CWriteState& state)
        : m_params(params), m_state(state), m_bPageMode(pageMode)
    {
    }

    // The written menus in number order: a menu's number is its index.
    const std::vector<const CTavelin*>& Run();
    const std::vector<const CTavelin*>& Menus() const { return m_state.m_arrMenus; }
    // Whether the item goes into the output of this walk.
    bool Writes(const CTavelinItem& item) const { return !m_bPageMode || item.m_bVisible != 0; }
    // The structure value: N, the item counts, the relation entries (each
    // with its final comma). Empties the written items of the state.
    std::string StructureValue();

private:
    bool IsWritten(const CTavelin& menu) const;
    // Gives menu the next number and writes its items; the index of the
    // first among the written items.
    size_t Number(const CTavelin& menu);

    CAppletParameters& m_params;
    CWriteState& m_state;
    bool m_bPageMode;
    std::vector<int> m_topNumbers;       // written top-level menus, list order
    std::vector<int> m_subNumberOfItem;  // by global item index; -1 for none
};
