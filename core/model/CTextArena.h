// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstddef>
#include <cstring>
#include <new>
#include <string_view>

#include "CSharedText.h"

// Makes the texts of one pass (a project being read) side by side in chunks
// of memory, one allocation for many texts. Each text is a CSharedText like
// any other: copies share it and it lives for as long as a value names it.
// A chunk is given back when the arena has moved past it and the last text
// laid out in it is gone, so a model that outlives its reader keeps only the
// chunks that still hold its texts.
class CTextArena {
public:
    CTextArena() = default;
    CTextArena(const CTextArena&) = delete;
    CTextArena& operator=(const CTextArena&) = delete;
    ~CTextArena();

    // A text of these bytes. A long one gets a block of its own.
    CSharedText Make(std::string_view text)
    {
        const size_t need = RoundUp(sizeof(CSharedText::Block) + text.size() + 1);
        if (text.empty() || text.size() > kLongText || m_nUsed + need > kChunkSize)
            return MakeElsewhere(text, need);
        return Lay(text, need);
    }

private:
    friend class CSharedText;
    // While the arena fills a chunk, the chunk's count starts from
    // CSharedText::kHeld and only the texts that go take from it; the arena
    // settles the texts it made when it leaves the chunk. Making a text needs
    // no atomic step.
    struct Chunk {
        std::atomic<size_t> m_nLive;
    };
    static constexpr size_t kChunkSize = 64 * 1024 - 64;  // stays in the allocator's heap
    static constexpr size_t kLongText = 2048;
    static_assert(kChunkSize < (size_t(1) << 31) && kLongText < kChunkSize / 4);
    static constexpr size_t RoundUp(size_t n) { return (n + (alignof(size_t) - 1)) & ~(alignof(size_t) - 1); }
    static void ReleaseChunk(char* chunk, size_t count = 1) noexcept;
    // Make for a text that is empty, long, or does not fit the chunk; need
    // is the room it would take in a chunk.
    CSharedText MakeElsewhere(std::string_view text, size_t need);
    CSharedText Lay(std::string_view text, size_t need) noexcept
    {
        char* const at = m_pChunk + m_nUsed;
        const size_t offset = m_nUsed;
        m_nUsed += need;
        ++m_nMade;
        using Block = CSharedText::Block;
        auto* const block = new (at) Block{{1}, Block::kInChunk | (offset << 32) | text.size()};
        char* const bytes = at + sizeof(Block);
        std::memcpy(bytes, text.data(), text.size());
        bytes[text.size()] = '\0';
        return CSharedText(block);
    }
    void LeaveChunk() noexcept;
    void NewChunk();

    char* m_pChunk = nullptr;
    size_t m_nUsed = kChunkSize;  // full: the first text takes a chunk
    size_t m_nMade = 0;           // texts made in the chunk being filled
};
