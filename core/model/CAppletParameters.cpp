// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAppletParameters.h"

#include <algorithm>
#include <utility>

#include "CItemWalk.h"

CAppletParameters::CAppletParameters() = default;

CAppletParameters::~CAppletParameters()
{
    Reset();
}

void CAppletParameters::Reset()
{
    while (!m_arrMenus.empty()) {
        m_arrMenus.back()->RemoveAllItems();
        m_arrMenus.pop_back();
    }
    m_strName = "Tavelina Applet";
    m_nAlign = 0;
    m_nWidth = 400;
    m_nHeight = 200;
    m_crBackground = 0;
    m_strBackImage.clear();
    m_nImageMode = 0;
    m_nImageX = 0;
    m_nImageY = 0;
    m_strBackAudio.clear();
}

CTavelin* CAppletParameters::AddTopMenu()
{
    auto menu = std::make_unique<CTavelin>(0, "top-level Tavelina");
    if (const CTavelin* model = FindMenuAtDepth(0))
        menu->CopyStyle(*model);
    m_arrMenus.insert(m_arrMenus.begin(), std::move(menu));
    return m_arrMenus.front().get();
}

bool CAppletParameters::AttachTopMenu(std::unique_ptr<CTavelin> menu, bool atFront)
{
    if (!menu)
        return false;
    menu->m_strName = "top-level Tavelina";
    if (atFront)
        m_arrMenus.insert(m_arrMenus.begin(), std::move(menu));
    else
        m_arrMenus.push_back(std::move(menu));
    return true;
}

int CAppletParameters::IndexOfTopMenu(const CTavelin* menu) const
{
    for (size_t i = 0; i < m_arrMenus.size(); ++i)
        if (m_arrMenus[i].get() == menu)
            return static_cast<int>(i);
    return -1;
}

std::unique_ptr<CTavelin> CAppletParameters::DetachTopMenu(const CTavelin* menu)
{
    const int index = menu ? IndexOfTopMenu(menu) : -1;
    if (index < 0)
        return nullptr;
    auto owned = std::move(m_arrMenus[static_cast<size_t>(index)]);
    m_arrMenus.erase(m_arrMenus.begin() + index);
    return owned;
}

bool CAppletParameters::RemoveTopMenu(const CTavelin* menu)
{
    auto owned = DetachTopMenu(menu);
    if (!owned)
        return false;
    owned->RemoveAllItems();
    return true;
}

bool CAppletParameters::MoveTopMenuUp(const CTavelin* menu)
{
    const int i = IndexOfTopMenu(menu);
    if (i < 1)
        return false;
    std::swap(m_arrMenus[static_cast<size_t>(i)], m_arrMenus[static_cast<size_t>(i - 1)]);
    return true;
}

bool CAppletParameters::MoveTopMenuDown(const CTavelin* menu)
{
    const int i = IndexOfTopMenu(menu);
    if (i < 0 || i >= static_cast<int>(m_arrMenus.size()) - 1)
        return false;
    std::swap(m_arrMenus[static_cast<size_t>(i)], m_arrMenus[static_cast<size_t>(i + 1)]);
    return true;
}

// Depth-first, top-level menus at depth 0; menus without items are never
// returned. An item holds the sub-menu one level below its own menu.
CTavelin* CAppletParameters::FindMenuAtDepth(int depth) const
{
    const CTavelin* found = nullptr;
    const auto look = [&found, depth](const CItemWalk::CStep& step) {
        const int below = step.Depth() + 1;
        const CTavelin& sub = step.item.SubMenu();
        if (below == depth && !sub.m_arrItems.empty()) {
            found = &sub;
            return CItemWalk::Next::Stop;
        }
        return below < depth ? CItemWalk::Next::Into : CItemWalk::Next::Past;
    };
    for (const auto& top : m_arrMenus) {
        if (top->m_arrItems.empty())
            continue;
        if (depth == 0)
            return top.get();
        if (!CItemWalk::Walk(*top, look))
            return const_cast<CTavelin*>(found);  // a menu of this model, reached read-only
    }
    return nullptr;
}

CTavelin* CAppletParameters::FindMenuOfItem(const CTavelin* menu, const CTavelinItem* item)
{
    if (!menu || !item)
        return nullptr;
    const CTavelin* holder = nullptr;
    CItemWalk::Walk(*menu, [&holder, item](const CItemWalk::CStep& step) {
        if (&step.item != item)
            return CItemWalk::Next::Into;
        holder = &step.menu;
        return CItemWalk::Next::Stop;
    });
    return const_cast<CTavelin*>(holder);
}

CTavelin* CAppletParameters::FindMenuOfItem(const CTavelinItem* item) const
{
    for (const auto& menu : m_arrMenus)
        if (CTavelin* found = FindMenuOfItem(menu.get(), item))
            return found;
    return nullptr;
}
