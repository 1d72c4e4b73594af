// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTextCopies.h"

#include <utility>

CTextCopies::CTextCopies(CSharedText text) noexcept : m_text(std::move(text))
{
    if (m_text.m_pBlock)
        m_text.m_pBlock->m_nRefs.fetch_add(CSharedText::kHeld, std::memory_order_relaxed);
}

CTextCopies::~CTextCopies()
{
    // Copies dropped meanwhile took from the raised count, which never
    // reached zero while this held it; the own value lets go as any other.
    if (m_text.m_pBlock)
        m_text.m_pBlock->m_nRefs.fetch_sub(CSharedText::kHeld - m_nGiven, std::memory_order_acq_rel);
}

CSharedText CTextCopies::Copy() noexcept
{
    if (!m_text.m_pBlock)
        return {};
    ++m_nGiven;
    return CSharedText(m_text.m_pBlock);
}
