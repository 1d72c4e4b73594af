// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "CItemFields.h"
#include "CMenuSlot.h"

class CArchive;
class CTavelin;

// One entry of a menu: its label, link, media files and the sub-menu that
// opens from it. An item always has a sub-menu; an empty one makes it a leaf
// (and may be shared with other leaves until it is changed, see CMenuSlot).
class CTavelinItem : public CItemFields {
public:
    explicit CTavelinItem(const std::string& label = "item");
    // An item whose sub-menu comes later: a reader that links menus to
    // items makes these and gives each one a sub-menu (SetSubMenu) before
    // anything else sees it, so that no empty menu is made only to be replaced.
    // Its texts are empty: the reader sets them all. The reader takes the
    // serial numbers of its items in blocks (ReserveSerials).
    struct NoSubMenuYet {
        std::uint64_t m_nSerial;
    };
    explicit CTavelinItem(NoSubMenuYet made);
    // The first of count serial numbers that no item has had or will have
    // unless made with them.
    static std::uint64_t ReserveSerials(std::uint64_t count);
    CTavelinItem(const CTavelinItem& other);
    CTavelinItem& operator=(const CTavelinItem&) = delete;
    virtual ~CTavelinItem();

    static constexpr const char* kClassName = "CTavelinItem";
    virtual const char* GetClassName() const { return kClassName; }

    // Takes ownership of menu (which must not be null) and drops the old one.
    void SetSubMenu(std::unique_ptr<CTavelin> menu);
    // Hands the sub-menu over to the caller and leaves a fresh empty one.
    std::unique_ptr<CTavelin> TakeSubMenu();
    // The sub-menu for reading: walks that only look use this, so that no
    // shared empty sub-menu is copied on the way.
    const CTavelin& SubMenu() const { return m_pSubMenu.Read(); }
    // The sub-menu when it is this item's own, else null. Every sub-menu
    // with items is; walks that may change items go down through this one,
    // so that they pass shared empty sub-menus by without copying them.
    CTavelin* OwnSubMenu() { return m_pSubMenu && !m_pSubMenu.IsShared() ? m_pSubMenu.get() : nullptr; }

    // Writes or reads the item's fields (see CArchive).
    virtual void Persist(CArchive& ar);

    // A number no other item of this run has had or will have: a copy gets
    // a new one, and a deleted item's number is never given again. Views
    // outside the tree name items by it.
    std::uint64_t Serial() const { return m_nSerial; }

    CMenuSlot m_pSubMenu;

private:
    const std::uint64_t m_nSerial;
};
