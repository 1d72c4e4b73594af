// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CItemStyle.h"
#include "CMenuStyle.h"
#include "CTavelinItem.h"
#include "Color.h"

class CArchive;

// A menu: the look shared by a group of sibling items, and the items.
class CTavelin : public CMenuStyle {
public:
    CTavelin(int itemCount = 0, const std::string& name = "Menu");
    CTavelin(const CTavelin& other);
    CTavelin& operator=(const CTavelin&) = delete;
    virtual ~CTavelin();

    static constexpr const char* kClassName = "CTavelin";
    virtual const char* GetClassName() const { return kClassName; }

    bool SetItemCount(int count, bool keep);
    int GetItemCount(bool all = true) const;
    // Null when index lies outside 0..count-1.
    CTavelinItem* GetItem(int index) const;
    int IndexOf(const CTavelinItem* item) const;

    CTavelinItem* InsertNewItem();
    bool AddItem(std::unique_ptr<CTavelinItem> item, bool atFront);
    CTavelinItem* InsertItemCopy(const CTavelinItem* item);
    void CopyStyle(const CTavelin& other);

    bool RemoveAllItems();
    bool RemoveItemAt(int index);
    bool RemoveItem(const CTavelinItem* item);
    // Takes the item out without deleting it; null when not an item here.
    std::unique_ptr<CTavelinItem> DetachItem(const CTavelinItem* item);

    bool MoveItemUp(int index);
    bool MoveItemUp(const CTavelinItem* item);
    bool MoveItemDown(int index);
    bool MoveItemDown(const CTavelinItem* item);

    virtual void Persist(CArchive& ar);

    std::vector<std::unique_ptr<CTavelinItem>> m_arrItems;
    int m_bVisible = 1;
};
