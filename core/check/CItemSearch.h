// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/CAppletParameters.h"

// Find in a big menu: the next item, in tree order, whose label, description
// or link holds a text, ignoring the case of ASCII letters; the search goes
// on after the given item and wraps around to the top. The index keeps the
// texts of all items, folded to small letters, in one block, so that a
// search is one scan of contiguous memory instead of a walk over the tree;
// it must be built again after the model changes.
class CItemSearch {
public:
    explicit CItemSearch(const CAppletParameters& params);

    // Null when no item matches or text is empty; after may be null (search
    // from the top) or an item the index does not know.
    const CTavelinItem* FindNext(const CTavelinItem* after, std::string_view text) const;
    size_t ItemCount() const { return m_items.size(); }

private:
    const CTavelinItem* ItemAt(size_t position) const;

    std::string m_strText;         // per item: label \0 description \0 link \0
    std::vector<size_t> m_starts;  // where each item's texts begin
    std::vector<const CTavelinItem*> m_items;
};
