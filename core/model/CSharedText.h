// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

class CTextArena;

// A text that copies share: one pointer wide, the bytes held once however
// many values name them. An item's texts are such values: a large project
// names the same few media files from thousands of items, and a reader lays
// the texts of a whole file out together (CTextArena) instead of asking the
// allocator for each. The bytes never change; assigning gives the value
// other bytes. Copies may be made and dropped from several threads at once.
class CSharedText {
public:
    CSharedText() noexcept = default;
    CSharedText(std::string_view text);  // NOLINT: stands in for a std::string
    CSharedText(const std::string& text) : CSharedText(std::string_view(text)) {}  // NOLINT
    CSharedText(const char* text) : CSharedText(std::string_view(text)) {}         // NOLINT
    CSharedText(const CSharedText& other) noexcept;
    CSharedText(CSharedText&& other) noexcept : m_pBlock(other.m_pBlock) { other.m_pBlock = nullptr; }
    CSharedText& operator=(const CSharedText& other) noexcept;
    CSharedText& operator=(CSharedText&& other) noexcept
    {
        if (this != &other) {
            Release();
            m_pBlock = other.m_pBlock;
            other.m_pBlock = nullptr;
        }
        return *this;
    }
    CSharedText& operator=(std::string_view text) { return *this = CSharedText(text); }
    CSharedText& operator=(const std::string& text) { return *this = CSharedText(text); }
    CSharedText& operator=(const char* text) { return *this = CSharedText(text); }
    ~CSharedText() { Release(); }

    std::string_view view() const noexcept
    {
        return m_pBlock ? std::string_view(Text(), m_pBlock->Size()) : std::string_view();
    }
    operator std::string_view() const noexcept { return view(); }  // NOLINT
    std::string str() const { return std::string(view()); }
    explicit operator std::string() const { return str(); }

    const char* c_str() const noexcept { return m_pBlock ? Text() : ""; }
    const char* data() const noexcept { return c_str(); }
    size_t size() const noexcept { return m_pBlock ? m_pBlock->Size() : 0; }
    size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return !m_pBlock; }
    void clear() noexcept { Release(); }
    // Whether both name the same bytes (not only equal ones).
    bool SharesWith(const CSharedText& other) const noexcept { return m_pBlock == other.m_pBlock; }

    friend bool operator==(const CSharedText& a, const CSharedText& b) noexcept
    {
        return a.m_pBlock == b.m_pBlock || a.view() == b.view();
    }
    friend bool operator==(const CSharedText& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const CSharedText& a, const std::string& b) noexcept { return a.view() == b; }
    friend bool operator==(const CSharedText& a, const char* b) noexcept { return a.view() == b; }
    friend std::string operator+(const std::string& a, const CSharedText& b) { return a + std::string(b.view()); }
    friend std::string operator+(const CSharedText& a, const std::string& b) { return a.str() + b; }
    friend std::string operator+(const char* a, const CSharedText& b) { return a + std::string(b.view()); }
    friend std::string operator+(const CSharedText& a, const char* b) { return a.str() + b; }
    friend std::ostream& operator<<(std::ostream& out, const CSharedText& text);

private:
    friend class CTextArena;
    friend class CTextCopies;
    // What a maker that hands out many copies (or lays many texts into one
    // chunk) adds to a count at once, so that it need not count each with an
    // atomic step: it takes back what it did not hand out when it lets go.
    static constexpr size_t kHeld = size_t(1) << 62;
    // The bytes follow the block, Size() of them and a NUL. A block of its
    // own holds its size in m_nWord. A block laid out in an arena's chunk
    // has the top bit set, its distance from the chunk's start in the bits
    // below it and its size in the low 32 bits; the chunk counts the
    // blocks that are still named and goes when the last one does.
    struct Block {
        static constexpr size_t kInChunk = size_t(1) << 63;
        std::atomic<size_t> m_nRefs;
        size_t m_nWord;
        size_t Size() const noexcept { return m_nWord & kInChunk ? static_cast<std::uint32_t>(m_nWord) : m_nWord; }
    };
    explicit CSharedText(Block* block) noexcept : m_pBlock(block) {}
    const char* Text() const noexcept { return reinterpret_cast<const char*>(m_pBlock + 1); }
    void Release() noexcept
    {
        if (m_pBlock)
            Drop();
    }
    void Drop() noexcept;

    Block* m_pBlock = nullptr;  // null for the empty text
};
