// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CRecordText.h"
#include "core/model/CAppletParameters.h"

// Joins the menus that the reader built into a tree by the relation entries of
// the structure record ("-m" a top-level menu, "i-m" menu m opens from global
// item i). A damaged list cannot make an object owned twice or lost: entries
// that name a missing menu or item, or a menu or item already named, are
// skipped; menus that no top-level menu reaches (cycles included) and menus
// with items nested deeper than CAppletParameters::kMaxDepth are freed. Each
// skip adds a warning. Items of the reached menus that get no sub-menu from
// the list (the reader makes them without one) get an empty one.
class CMenuLinker {
public:
    static constexpr const char* kTooDeep =
        "The project nests menus deeper than 1000 levels; the deeper menus were left out.";

    CMenuLinker(std::vector<CMenuSlot>& menus, const std::vector<CTavelinItem*>& items,
                const std::vector<size_t>& firstItemOfMenu, std::vector<std::string>& warnings);

    // A relation entry as its item (-1 for a top-level menu) and menu; any
    // spelling reads as some numbers, which Link then judges.
    static void ReadEntry(std::string_view entry, long long& item, long long& menu);
    // "I-M" or "-M" as the writers spell them, taken from the front of text;
    // false for any other spelling, which ReadEntry reads the general way.
    static bool TakePlainEntry(std::string_view& text, long long& item, long long& menu)
    {
        std::uint32_t number = 0;
        item = -1;
        if (CRecordText::TakeNumber(text, number))
            item = number;
        if (text.empty() || text.front() != '-')
            return false;
        text.remove_prefix(1);
        if (!CRecordText::TakeNumber(text, number))
            return false;
        menu = number;
        return true;
    }
    void Link(long long item, long long menu);
    // Moves the reached menus into the model; the rest is freed.
    void Attach(CAppletParameters& params);

private:
    void Warn(const std::string& text);
    void AttachSubMenus(size_t top);
    static void GiveEmptySubMenu(CTavelinItem& item);

    std::vector<CMenuSlot>& m_menus;
    const std::vector<CTavelinItem*>& m_items;
    const std::vector<size_t>& m_firstItemOfMenu;
    std::vector<std::string>& m_warnings;
    std::vector<bool> m_claimed;
    std::vector<int> m_subOfItem;  // by global item index; -1 for none
    std::vector<size_t> m_tops;
    size_t m_nSkipped = 0;
    bool m_bTooDeep = false;
};
