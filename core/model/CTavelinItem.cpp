// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTavelinItem.h"

#include <atomic>

#include "CArchive.h"
#include "CTavelin.h"

namespace {

std::atomic<std::uint64_t> g_nextSerial{1};

std::uint64_t NextSerial()
{
    return g_nextSerial.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

CTavelinItem::CTavelinItem(const std::string& label) : m_nSerial(NextSerial())
{
    m_strLabel = label;
}

CTavelinItem::CTavelinItem(NoSubMenuYet made) : m_pSubMenu(std::unique_ptr<CTavelin>()), m_nSerial(made.m_nSerial)
{
}

std::uint64_t CTavelinItem::ReserveSerials(std::uint64_t count)
{
    return g_nextSerial.fetch_add(count, std::memory_order_relaxed);
}

CTavelinItem::CTavelinItem(const CTavelinItem& other)
    : CItemFields(other), m_pSubMenu(other.m_pSubMenu), m_nSerial(NextSerial())
{
}

CTavelinItem::~CTavelinItem() = default;

void CTavelinItem::SetSubMenu(std::unique_ptr<CTavelin> menu)
{
    if (menu)
        m_pSubMenu = std::move(menu);
}

std::unique_ptr<CTavelin> CTavelinItem::TakeSubMenu()
{
    auto old = m_pSubMenu.release();
    m_pSubMenu = CMenuSlot();
    return old;
}

// The nine texts, the visibility, then the sub-menu as a tagged object.
void CTavelinItem::Persist(CArchive& ar)
{
    ar.Exchange(m_strLabel);
    ar.Exchange(m_strDescription);
    for (CSharedText* path : {&m_strNormalImage, &m_strOverImage, &m_strClickImage, &m_strOverAudio, &m_strClickAudio})
        ar.Exchange(*path);
    ar.Exchange(m_strTarget);
    ar.Exchange(m_strLink);
    ar.Exchange(m_bVisible);
    if (ar.IsStoring())  // storing only reads the menu: a shared one stays shared
        ar.WriteObject(const_cast<CTavelin&>(SubMenu()));
    else
        SetSubMenu(ar.ReadObject<CTavelin>());
}
