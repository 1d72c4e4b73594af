// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CSlicedProjectText.h"

#include <algorithm>
#include <cstdint>

#include "CProjectReader.h"

CSlicedProjectText::CSlicedProjectText(CAppletParameters& params, IFileSystem& fs)
    : m_params(params), m_media(fs), m_walk(params, false, m_state)
{
}

void CSlicedProjectText::Start()
{
    m_walk.Begin();
    m_bNumbered = false;
    m_bStructured = false;
    m_strStructure.clear();
    m_strText.clear();
    m_text.reset();
    m_nNext = 0;
    m_nItem = 0;
    m_nTail = 0;
    m_bDone = false;
}

// Room for the tail line, so that it never grows by a copy: the relation,
// then for each sub-menu two numbers below the item count and two marks.
size_t CSlicedProjectText::StructureBytes() const
{
    size_t digits = 1;
    for (size_t n = std::max(m_state.m_arrWritten.size(), m_state.m_arrMenus.size()); n >= 10; n /= 10)
        ++digits;
    return 64 + m_state.m_strRelation.size() + m_state.m_arrMenus.size() * (2 * digits + 2);
}

// The walk, then the structure value, then the head.
void CSlicedProjectText::StepWalk(size_t maxItems)
{
    if (!m_bNumbered) {
        m_bNumbered = m_walk.Step(maxItems);
        if (m_bNumbered) {
            m_strStructure.reserve(StructureBytes());
            m_strText.reserve(1024 + m_state.m_arrMenus.size() * 240 + m_state.m_arrWritten.size() * 160);
            CProjectText::TailOpen(m_strStructure);
        }
        return;
    }
    if (!m_walk.AppendStructure(m_strStructure, maxItems))
        return;
    CProjectText::TailClose(m_strStructure);
    m_bStructured = true;
    m_text.emplace(m_params, m_media, false);
    m_text->Head(CProjectReader::kProjectSection, m_strText);
}

bool CSlicedProjectText::Step(size_t maxItems)
{
    if (m_bDone)
        return true;
    if (!m_bStructured) {
        StepWalk(maxItems);
        return false;
    }
    if (!StepLines(maxItems) || !StepTail(maxItems))
        return false;
    m_strStructure.clear();
    m_state.ClearWalk();
    m_bDone = true;
    return true;
}

// Menus' lines up to about maxItems items, a menu's style lines counted as
// one; a menu longer than what is left of the slice goes on in the next.
bool CSlicedProjectText::StepLines(size_t maxItems)
{
    const auto& menus = m_state.m_arrMenus;
    size_t items = 0;
    while (m_nNext < menus.size() && (items == 0 || items < maxItems)) {
        const int number = static_cast<int>(m_nNext);
        const CTavelin& menu = *menus[m_nNext];
        if (m_nItem == 0) {
            m_text->AppendMenuHead(menu, number, m_strText);
            ++items;
        }
        const size_t count = menu.m_arrItems.size();
        const size_t room = items < maxItems ? maxItems - items : 1;
        const size_t last = std::min(count, m_nItem + room);
        m_text->AppendItemLines(menu, number, m_nItem, last, m_strText);
        items += last - m_nItem;
        m_nItem = last;
        if (m_nItem == count) {
            ++m_nNext;
            m_nItem = 0;
        }
        if (m_text->NeedsEscapes()) {
            Restart();
            return false;
        }
    }
    return m_nNext == menus.size();
}

// The tail line, which holds a number for every menu and sub-menu (megabytes
// at a million items), copied in a piece of about a line's size per item.
bool CSlicedProjectText::StepTail(size_t maxItems)
{
    constexpr size_t kBytesPerItem = 256;
    const size_t piece = maxItems < m_strStructure.size() / kBytesPerItem ? maxItems * kBytesPerItem : SIZE_MAX;
    const size_t count = std::min(piece, m_strStructure.size() - m_nTail);
    m_strText.append(m_strStructure, m_nTail, count);
    m_nTail += count;
    return m_nTail == m_strStructure.size();
}

// As Compose does when a text needs the escapes: the whole text again.
void CSlicedProjectText::Restart()
{
    m_text->UseEscapes();
    m_strText.clear();
    m_text->Head(CProjectReader::kProjectSection, m_strText);
    m_nNext = 0;
    m_nItem = 0;
}
