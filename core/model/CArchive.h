// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class CSharedText;
class CTavelinItem;

// The byte-stream archive of items and menus that the clipboard carries.
//
// Numbers are little-endian; an int takes 4 bytes; a text is a 1-byte length
// (below 255), or 0xFF and a 2-byte length (below 0xFFFE), or 0xFF, 0xFFFF and
// a 4-byte length, then its bytes. An object is written as a 2-byte tag:
// 0x0000 null, 0xFFFF a class not seen before (2-byte schema, 2-byte name
// length, name, then the object), 0x8000 + k an object of class number k,
// k below 0x7FFF a reference to object number k, 0x7FFF a 4-byte number
// (0x80000000 + class number, or an object number). One counter from 1
// numbers classes and objects in the order they first appear.
class CArchive {
public:
    static constexpr int kSchema = 1;

    // What a loading archive throws on bad input; LoadItem turns it into the
    // message for the user.
    class CLoadError : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // The clipboard block of an item with its whole subtree: the item's own
    // fields without a tag, then its sub-menu as the first tagged object.
    // Empty when the subtree nests more menus than any reader accepts.
    static std::string StoreItem(CTavelinItem& item);
    // Reads a clipboard block into a fresh item; bytes after the item are
    // ignored. Null with a message in *error when the bytes are not a valid
    // block (nothing leaks).
    static std::unique_ptr<CTavelinItem> LoadItem(const std::string& bytes, std::string* error);

    bool IsStoring() const { return m_bStoring; }

    // Storing writes the value, loading reads into it (and may throw CLoadError).
    void Exchange(int& value);
    void Exchange(std::uint32_t& value);
    void Exchange(std::string& text);
    void Exchange(CSharedText& text);

    void WriteInt(int value);
    void WriteText(std::string_view text);
    // Writes the tag (and the class on first sight), then the object's fields.
    template <class T>
    void WriteObject(T& object);

    int ReadInt();
    std::string ReadText();
    void ReadText(std::string& text);
    // Reads a tagged object that must be of class T; null objects, shared
    // objects and objects of another class are refused.
    template <class T>
    std::unique_ptr<T> ReadObject();
    // A non-negative count of objects that the remaining bytes can hold.
    int ReadCount();

private:
    explicit CArchive(bool storing, const std::string* source = nullptr);

    struct CEntry {
        int m_nClass = -1;  // index into the class table; -1 for an object entry
        bool m_bObject = false;
        bool m_bComplete = false;
    };

    void WriteWord(std::uint16_t value);
    void WriteDword(std::uint32_t value);
    void WriteClassTag(int classIndex);
    std::uint16_t ReadWord();
    std::uint32_t ReadDword();
    const char* Take(std::size_t count);
    int ReadClassOfNewObject();
    int ReadNewClass();
    int ClassAt(std::uint32_t number);
    [[noreturn]] void RefuseReference(std::uint32_t number);
    [[noreturn]] static void Fail(const std::string& reason);

    bool m_bStoring;
    std::string m_strBytes;                  // storing: the block so far
    const std::string* m_pSource = nullptr;  // loading: the block
    std::size_t m_nPos = 0;
    std::uint32_t m_nCounter = 0;                    // the last number given out
    std::map<int, std::uint32_t> m_mapClassNumbers;  // storing: class index -> number
    std::vector<CEntry> m_arrEntries;                // loading: number - 1 -> entry
    int m_nMenuDepth = 0;
};
