// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

#include "CTavelin.h"

class CAppletParameters;

// The one walk over the model: every item of a menu's subtree, visible or
// not, in display order: an item, then the items below it, then the next
// item. Uses no recursion, so that depth costs no stack. A walk that only
// looks goes down through CTavelinItem::SubMenu, one that changes items
// through OwnSubMenu, so that neither copies a shared empty sub-menu.
class CItemWalk {
public:
    // Where a walk stands: the item, the menu that holds it, and the items
    // from the starting menu's down to it, the item itself last.
    struct CStep {
        const CTavelinItem& item;
        const CTavelin& menu;
        const std::vector<const CTavelinItem*>& path;
        // 0 for the items of the starting menu.
        int Depth() const { return static_cast<int>(path.size()) - 1; }
    };
    // What the walk does after an item's first visit.
    enum class Next {
        Into,  // the items below it, then the next item
        Past,  // straight on to the next item
        Stop,  // nothing more
    };
    using Visit = std::function<void(const CTavelinItem& item)>;
    using Change = std::function<void(CTavelinItem& item)>;
    using Test = std::function<bool(const CTavelinItem& item)>;
    using Before = std::function<Next(const CStep& step)>;
    using After = std::function<void(const CStep& step)>;

    static void ForEach(const CTavelin& menu, const Visit& visit);
    // Every top-level menu in order.
    static void ForEach(const CAppletParameters& params, const Visit& visit);
    // change may set an item's fields, not move items or sub-menus.
    static void ForEachToChange(CAppletParameters& params, const Change& change);
    // The first item in display order for which test holds; null for none.
    static CTavelinItem* Find(CAppletParameters& params, const Test& test);
    // before sees each item on the way down and says where to go on; after,
    // when given, sees it again once the items below it are done (also when
    // before went past them). False when before stopped the walk.
    static bool Walk(const CTavelin& menu, const Before& before, const After& after = After());
};
