// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CSlicedProjectText.h"

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
    m_bDone = false;
}

// The walk, then the structure value, then the head.
void CSlicedProjectText::StepWalk(size_t maxItems)
{
    if (!m_bNumbered) {
        m_bNumbered = m_walk.Step(maxItems);
        if (m_bNumbered) {
            m_strStructure.reserve(m_state.m_strRelation.size() * 3 + 16);
            m_strText.reserve(1024 + m_state.m_arrMenus.size() * 240 + m_state.m_arrWritten.size() * 160);
        }
        return;
    }
    if (!m_walk.AppendStructure(m_strStructure, maxItems))
        return;
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
