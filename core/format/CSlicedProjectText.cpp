// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CSlicedProjectText.h"

#include "CNumberingWalk.h"
#include "CProjectReader.h"

CSlicedProjectText::CSlicedProjectText(CAppletParameters& params, IFileSystem& fs) : m_params(params), m_media(fs)
{
}

void CSlicedProjectText::Start()
{
    CNumberingWalk walk(m_params, false, m_state);
    const auto& menus = walk.Run();
    m_strText.clear();
    m_strText.reserve(1024 + menus.size() * 240 + m_state.m_arrWritten.size() * 160);
    m_strStructure = walk.StructureValue();
    m_text.emplace(m_params, m_media, false);
    m_text->Head(CProjectReader::kProjectSection, m_strText);
    m_nNext = 0;
    m_bDone = false;
}

bool CSlicedProjectText::Step(size_t maxItems)
{
    if (m_bDone)
        return true;
    if (!m_text)
        Start();
    size_t items = 0;
    while (m_nNext < m_state.m_arrMenus.size() && (items == 0 || items < maxItems)) {
        const int number = static_cast<int>(m_nNext);
        const CTavelin* menu = m_state.m_arrMenus[m_nNext++];
        m_text->AppendMenuLines(*menu, number, m_strText);
        items += menu->m_arrItems.size() + 1;
        if (m_text->NeedsEscapes()) {
            // As Compose does: the whole text again, with the escapes.
            m_text->UseEscapes();
            m_strText.clear();
            m_text->Head(CProjectReader::kProjectSection, m_strText);
            m_nNext = 0;
            return false;
        }
    }
    if (m_nNext < m_state.m_arrMenus.size())
        return false;
    CProjectText::Tail(m_strStructure, m_strText);
    m_strStructure.clear();
    m_state.ClearWalk();
    m_bDone = true;
    return true;
}
