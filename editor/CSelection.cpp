// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CSelection.h"

#include "core/model/CAppletParameters.h"

void CSelection::Set(CTavelinItem* item, CTavelin* menu)
{
    CTavelin* const held = item ? menu : nullptr;
    if (item == m_pItem && held == m_pMenu)
        return;
    m_pItem = item;
    m_pMenu = held;
    emit Changed();
}

void CSelection::SetItemSheetMode(bool itemMode)
{
    if (itemMode == m_bItemSheetMode)
        return;
    m_bItemSheetMode = itemMode;
    emit Changed();
}

void CSelection::DropInside(const CTavelin* menu, const CTavelinItem* item)
{
    if (m_pItem && (m_pItem == item || CAppletParameters::FindMenuOfItem(menu, m_pItem)))
        Clear();
}
