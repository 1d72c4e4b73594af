// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CStructureRecord.h"

#include <algorithm>

#include "CMenuLinker.h"
#include "CRecordText.h"

bool CStructureRecord::Read(std::string_view record, size_t splitRoom)
{
    m_counts.clear();
    m_entries.clear();
    if (ReadPlain(record))
        return true;
    m_counts.clear();
    m_entries.clear();
    return ReadSplit(record, splitRoom);
}

// "N," then N counts and N entries ("I-M" or "-M"), each followed by a
// comma, the last one perhaps not: numbers without leading zeros.
bool CStructureRecord::ReadPlain(std::string_view record)
{
    std::uint32_t menus = 0;
    if (!CRecordText::TakeNumber(record, menus) || menus == 0 || record.empty() || record.front() != ',')
        return false;
    record.remove_prefix(1);
    // A count takes two bytes at least and an entry three: a damaged N that
    // claims more is read the other way.
    if (record.size() / 5 + 1 < menus)
        return false;
    m_counts.reserve(menus);
    m_entries.reserve(menus);
    const auto takeComma = [&record] {
        if (record.empty() || record.front() != ',')
            return false;
        record.remove_prefix(1);
        return true;
    };
    for (std::uint32_t m = 0; m < menus; ++m) {
        std::uint32_t count = 0;
        if (!CRecordText::TakeNumber(record, count) || !takeComma())
            return false;
        m_counts.push_back(static_cast<int>(count));
    }
    for (std::uint32_t m = 0; m < menus; ++m) {
        CEntry entry{-1, -1};
        if (!CMenuLinker::TakePlainEntry(record, entry.m_nItem, entry.m_nMenu))
            return false;
        if (!takeComma() && (!record.empty() || m + 1 < menus))
            return false;
        m_entries.push_back(entry);
    }
    return true;
}

bool CStructureRecord::ReadSplit(std::string_view record, size_t splitRoom)
{
    std::vector<std::string_view> fields;
    fields.reserve(splitRoom);
    CRecordText::SplitAll(record, ',', fields);
    // A menu needs at least its item count in the record: a larger N can
    // only come from a damaged file.
    const int count = CRecordText::ToNumber(fields[0]);
    if (count <= 0)
        return false;
    const size_t menus = std::min(static_cast<size_t>(count), fields.size());
    fields.resize(2 * menus + 1);
    m_counts.reserve(menus);
    m_entries.reserve(menus);
    for (size_t m = 0; m < menus; ++m)
        m_counts.push_back(CRecordText::ToNumber(fields[m + 1]));
    for (size_t m = 0; m < menus; ++m) {
        CEntry entry{-1, -1};
        CMenuLinker::ReadEntry(fields[menus + 1 + m], entry.m_nItem, entry.m_nMenu);
        m_entries.push_back(entry);
    }
    return true;
}
