// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CItemWalk.h"

#include <type_traits>

#include "CAppletParameters.h"

namespace {

const CTavelin* Below(const CTavelinItem& item)
{
    return &item.SubMenu();
}

CTavelin* Below(CTavelinItem& item)
{
    return item.OwnSubMenu();
}

// The walk for both kinds of menu: Menu is CTavelin or const CTavelin.
// before(item, menu, path) returns a Next; after(item, menu, path) comes
// once the items below item are done.
template <typename Menu, typename BeforeFn, typename AfterFn>
bool WalkItems(Menu& start, const BeforeFn& before, const AfterFn& after)
{
    using Item = std::conditional_t<std::is_const_v<Menu>, const CTavelinItem, CTavelinItem>;
    struct Frame {
        Menu* menu;
        size_t next;
    };
    std::vector<Frame> stack{{&start, 0}};
    std::vector<const CTavelinItem*> path;
    std::vector<Item*> items;  // path, as the kind of item the walk hands out
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next >= frame.menu->m_arrItems.size()) {
            stack.pop_back();
            if (!items.empty()) {
                after(*items.back(), *stack.back().menu, path);
                items.pop_back();
                path.pop_back();
            }
            continue;
        }
        Menu& menu = *frame.menu;
        Item& item = *menu.m_arrItems[frame.next++];
        items.push_back(&item);
        path.push_back(&item);
        const CItemWalk::Next next = before(item, menu, path);
        if (next == CItemWalk::Next::Stop)
            return false;
        if (Menu* sub = next == CItemWalk::Next::Into ? Below(item) : nullptr) {
            stack.push_back({sub, 0});
            continue;
        }
        after(item, menu, path);
        items.pop_back();
        path.pop_back();
    }
    return true;
}

template <typename Menu, typename Fn>
void EachItem(Menu& start, const Fn& fn)
{
    WalkItems(
        start,
        [&fn](auto& item, Menu&, const std::vector<const CTavelinItem*>&) {
            fn(item);
            return CItemWalk::Next::Into;
        },
        [](auto&, Menu&, const std::vector<const CTavelinItem*>&) {});
}

}  // namespace

void CItemWalk::ForEach(const CTavelin& menu, const Visit& visit)
{
    EachItem(menu, visit);
}

void CItemWalk::ForEach(const CAppletParameters& params, const Visit& visit)
{
    for (const auto& menu : params.m_arrMenus)
        EachItem(static_cast<const CTavelin&>(*menu), visit);
}

void CItemWalk::ForEachToChange(CAppletParameters& params, const Change& change)
{
    for (const auto& menu : params.m_arrMenus)
        EachItem(*menu, change);
}

CTavelinItem* CItemWalk::Find(CAppletParameters& params, const Test& test)
{
    CTavelinItem* found = nullptr;
    const auto before = [&](CTavelinItem& item, CTavelin&, const std::vector<const CTavelinItem*>&) {
        if (!test(item))
            return Next::Into;
        found = &item;
        return Next::Stop;
    };
    const auto after = [](CTavelinItem&, CTavelin&, const std::vector<const CTavelinItem*>&) {};
    for (const auto& menu : params.m_arrMenus)
        if (!WalkItems(*menu, before, after))
            break;
    return found;
}

bool CItemWalk::Walk(const CTavelin& menu, const Before& before, const After& after)
{
    return WalkItems(
        menu,
        [&before](const CTavelinItem& item, const CTavelin& holder, const std::vector<const CTavelinItem*>& path) {
            return before(CStep{item, holder, path});
        },
        [&after](const CTavelinItem& item, const CTavelin& holder, const std::vector<const CTavelinItem*>& path) {
            if (after)
                after(CStep{item, holder, path});
        });
}
