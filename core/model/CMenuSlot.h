// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <memory>

class CTavelin;

// Where an item keeps its sub-menu. Most items of a large project are leaves
// whose empty sub-menus differ only in look, so an empty sub-menu may be one
// read-only menu shared by every slot of that look. Reading through a const
// slot never copies anything; the first access that may change the menu
// gives the slot a menu of its own, which from then on stays its own, so a
// pointer once handed out for changing it keeps naming this slot's menu.
class CMenuSlot {
public:
    // The shared empty menu of the default look, named "Menu".
    CMenuSlot();
    CMenuSlot(std::unique_ptr<CTavelin> menu);  // NOLINT: takes a menu like a unique_ptr does
    // Shares emptyMenu, which must hold no items and is never changed.
    explicit CMenuSlot(std::shared_ptr<const CTavelin> emptyMenu);
    // A shared menu stays shared; a menu of the other slot's own is copied.
    CMenuSlot(const CMenuSlot& other);
    CMenuSlot(CMenuSlot&&) noexcept = default;
    CMenuSlot& operator=(CMenuSlot&&) noexcept = default;
    CMenuSlot& operator=(const CMenuSlot&) = delete;
    CMenuSlot& operator=(std::unique_ptr<CTavelin> menu);
    ~CMenuSlot();

    // The default empty menu every new item starts with.
    static const std::shared_ptr<const CTavelin>& DefaultEmpty();

    const CTavelin* get() const { return m_pOwn ? m_pOwn.get() : m_pShared.get(); }
    const CTavelin& Read() const { return *get(); }
    const CTavelin* operator->() const { return get(); }
    const CTavelin& operator*() const { return Read(); }

    CTavelin* get() { return &Own(); }
    CTavelin* operator->() { return &Own(); }
    CTavelin& operator*() { return Own(); }

    explicit operator bool() const { return m_pOwn || m_pShared; }
    friend bool operator==(const CMenuSlot& slot, std::nullptr_t) { return !slot; }

    // True while the slot shares its (empty) menu with others.
    bool IsShared() const { return !m_pOwn && m_pShared; }
    // Hands over a menu of the caller's own (a copy when shared) and leaves
    // the slot without a menu.
    std::unique_ptr<CTavelin> release();

private:
    CTavelin& Own();

    std::unique_ptr<CTavelin> m_pOwn;
    std::shared_ptr<const CTavelin> m_pShared;
};
