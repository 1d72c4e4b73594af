// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
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
// The walk and the structure value can also be taken a slice at a time
// (Begin, Step, AppendStructure), for a copy composed between key presses;
// the model must not change until they are done.
class CNumberingWalk {
public:
    CNumberingWalk(CAppletParameters& params, bool pageMode, CWriteState& state)
        : m_params(params), m_state(state), m_bPageMode(pageMode)
    {
    }

    // The written menus in number order: a menu's number is its index.
    const std::vector<const CTavelin*>& Run();
    // Run in slices: Begin, then Step until it is true. A step looks at
    // about maxItems items (a menu's items are numbered together).
    void Begin();
    bool Step(size_t maxItems);
    const std::vector<const CTavelin*>& Menus() const { return m_state.m_arrMenus; }
    // Whether the item goes into the output of this walk.
    bool Writes(const CTavelinItem& item) const { return !m_bPageMode || item.m_bVisible != 0; }
    // The structure value: N, the item counts, the relation entries (each
    // with its final comma). Empties the written items of the state.
    std::string StructureValue();
    // The same appended to value in slices of about maxEntries relation
    // entries; true when complete (the written items are then emptied).
    bool AppendStructure(std::string& value, size_t maxEntries);

private:
    bool IsWritten(const CTavelin& menu) const;
    // Gives menu the next number and writes its items; the index of the
    // first among the written items.
    size_t Number(const CTavelin& menu);
    void AppendStructureHead(std::string& value) const;

    // A menu the walk is in: its next item and, among the written items,
    // the index of its next written one.
    struct CFrame {
        const CTavelin* menu;
        size_t item;
        size_t next;
    };

    CAppletParameters& m_params;
    CWriteState& m_state;
    bool m_bPageMode;
    std::vector<int> m_topNumbers;       // written top-level menus, list order
    std::vector<int> m_subNumberOfItem;  // by global item index; -1 for none
    std::vector<CFrame> m_path;          // from a top-level menu down
    size_t m_nTop = 0;                   // the next top-level menu
    size_t m_nEntry = 0;                 // the next item whose relation entry is due
    bool m_bStructureBegun = false;
};
