// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CSharedText.h"

#include <cstring>
#include <new>
#include <ostream>

#include "CTextArena.h"

CSharedText::CSharedText(std::string_view text)
{
    if (text.empty())
        return;
    void* memory = ::operator new(sizeof(Block) + text.size() + 1);
    m_pBlock = new (memory) Block{{1}, text.size()};
    char* const bytes = reinterpret_cast<char*>(m_pBlock + 1);
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
}

CSharedText::CSharedText(const CSharedText& other) noexcept : m_pBlock(other.m_pBlock)
{
    if (m_pBlock)
        m_pBlock->m_nRefs.fetch_add(1, std::memory_order_relaxed);
}

CSharedText& CSharedText::operator=(const CSharedText& other) noexcept
{
    if (other.m_pBlock)
        other.m_pBlock->m_nRefs.fetch_add(1, std::memory_order_relaxed);
    Release();
    m_pBlock = other.m_pBlock;
    return *this;
}

void CSharedText::Drop() noexcept
{
    Block* const block = m_pBlock;
    m_pBlock = nullptr;
    if (block->m_nRefs.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    const size_t word = block->m_nWord;
    block->~Block();
    if (word & Block::kInChunk)
        CTextArena::ReleaseChunk(reinterpret_cast<char*>(block) - ((word & ~Block::kInChunk) >> 32));
    else
        ::operator delete(block);
}

std::ostream& operator<<(std::ostream& out, const CSharedText& text)
{
    return out << text.view();
}
