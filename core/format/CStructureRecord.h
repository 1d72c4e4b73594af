// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The structure record ("Misc"): the number of menus N, the item count of
// each menu, then a relation entry for each (see CMenuLinker). The writers'
// spelling is read in one pass, field by field; any other record is split
// whole and each field read on its own, the fields it lacks as empty ones.
class CStructureRecord {
public:
    struct CEntry {
        long long m_nItem;  // -1: a top-level menu
        long long m_nMenu;
    };

    // False when the record names no menu. splitRoom: how many fields a
    // record split whole may be given room for at once.
    bool Read(std::string_view record, size_t splitRoom);
    // One for each menu the record has room for: at most N.
    const std::vector<int>& Counts() const { return m_counts; }
    const std::vector<CEntry>& Entries() const { return m_entries; }

private:
    bool ReadPlain(std::string_view record);
    bool ReadSplit(std::string_view record, size_t splitRoom);

    std::vector<int> m_counts;
    std::vector<CEntry> m_entries;
};
