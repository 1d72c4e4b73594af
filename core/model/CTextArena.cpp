// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTextArena.h"

#include <cstring>
#include <new>

// A block in a chunk keeps its distance from the chunk's start and its size
// in one word (see CSharedText::Block).
static_assert(sizeof(size_t) == 8, "the block word needs 64 bits");

CTextArena::~CTextArena()
{
    LeaveChunk();
}

CSharedText CTextArena::MakeElsewhere(std::string_view text, size_t need)
{
    if (text.empty())
        return {};
    if (text.size() > kLongText)
        return CSharedText(text);
    NewChunk();
    return Lay(text, need);
}

void CTextArena::LeaveChunk() noexcept
{
    if (m_pChunk)
        ReleaseChunk(m_pChunk, CSharedText::kHeld - m_nMade);
    m_pChunk = nullptr;
    m_nUsed = kChunkSize;
}

void CTextArena::NewChunk()
{
    LeaveChunk();
    m_pChunk = static_cast<char*>(::operator new(kChunkSize));
    new (m_pChunk) Chunk{{CSharedText::kHeld}};
    m_nUsed = RoundUp(sizeof(Chunk));
    m_nMade = 0;
}

void CTextArena::ReleaseChunk(char* chunk, size_t count) noexcept
{
    auto* const header = reinterpret_cast<Chunk*>(chunk);
    if (header->m_nLive.fetch_sub(count, std::memory_order_acq_rel) == count) {
        header->~Chunk();
        ::operator delete(chunk);
    }
}
