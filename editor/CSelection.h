// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class CTavelin;
class CTavelinItem;

// What the property pages edit: the current item and the menu that holds it
// (both null for the applet), and which of the two sheets an item shows, the
// item sheet or the menu sheet. The tree view and the property frame set it;
// the pages read it. Changed follows every change.
class CSelection : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    CTavelinItem* Item() const { return m_pItem; }
    CTavelin* Menu() const { return m_pMenu; }
    bool HasItem() const { return m_pItem && m_pMenu; }
    bool ItemSheetMode() const { return m_bItemSheetMode; }

    // item in menu; the menu is dropped with a null item.
    void Set(CTavelinItem* item, CTavelin* menu);
    void Clear() { Set(nullptr, nullptr); }
    void SetItemSheetMode(bool itemMode);
    // Clears the selection when its item is item or lies inside menu (a part
    // of the tree about to be removed).
    void DropInside(const CTavelin* menu, const CTavelinItem* item);

signals:
    void Changed();

private:
    CTavelinItem* m_pItem = nullptr;
    CTavelin* m_pMenu = nullptr;
    bool m_bItemSheetMode = true;
};
