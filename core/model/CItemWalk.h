// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "CTavelin.h"

// Visits every item of a menu's subtree, visible or not, in display order:
// an item, then the items below it, then the next item. Uses no recursion.
class CItemWalk {
public:
    using Visit = std::function<void(const CTavelinItem& item)>;
    static void ForEach(const CTavelin& menu, const Visit& visit);
};
