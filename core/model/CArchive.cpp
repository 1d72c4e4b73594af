// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CArchive.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "CAppletParameters.h"
#include "CItemWalk.h"
#include "CSharedText.h"
#include "CTavelin.h"
#include "CTavelinItem.h"

namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;

// The classes that a block may name: created by name when a block is read.
struct CClassInfo {
    const char* m_pszName;
    const char* m_pszNoun;  // how a message calls an object of the class
    int m_nSchema;
};

constexpr CClassInfo kClasses[] = {
    {CTavelin::kClassName, "a menu", CArchive::kSchema},
    {CTavelinItem::kClassName, "an item", CArchive::kSchema},
};

int FindClass(const std::string& name)
{
    for (std::size_t i = 0; i < std::size(kClasses); ++i)
        if (name == kClasses[i].m_pszName)
            return static_cast<int>(i);
    return -1;
}

// Menus a block may nest below its item. The item may come from a top-level
// menu (depth 0), so its sub-menu is at depth 1: menus down to the deepest
// level that holds items, and their items' empty sub-menus one level further.
constexpr int kMaxBlockDepth = CAppletParameters::kMaxDepth + 1;

// Menus nested below the item at the top of a block, counted without recursion.
int MenuDepth(const CTavelinItem& item)
{
    int deepest = 1;
    CItemWalk::Walk(item.SubMenu(), [&deepest](const CItemWalk::CStep& step) {
        deepest = std::max(deepest, step.Depth() + 2);  // the sub-menu of an item at step's depth
        return CItemWalk::Next::Into;
    });
    return deepest;
}

}  // namespace

CArchive::CArchive(bool storing, const std::string* source) : m_bStoring(storing), m_pSource(source)
{
}

std::string CArchive::StoreItem(CTavelinItem& item)
{
    if (MenuDepth(item) > kMaxBlockDepth)
        return {};
    CArchive ar(true);
    item.Persist(ar);
    return std::move(ar.m_strBytes);
}

std::unique_ptr<CTavelinItem> CArchive::LoadItem(const std::string& bytes, std::string* error)
{
    CArchive ar(false, &bytes);
    auto item = std::make_unique<CTavelinItem>("item");
    std::string reason;
    try {
        item->Persist(ar);
        return item;
    } catch (const CLoadError& e) {
        reason = e.what();
    } catch (const std::bad_alloc&) {
        reason = "there is not enough memory to read it";
    }
    if (error)
        *error = "The clipboard does not hold a valid menu item: " + reason + ".";
    return nullptr;
}

void CArchive::Fail(const std::string& reason)
{
    throw CLoadError(reason);
}

// --- values -------------------------------------------------------------------

void CArchive::Exchange(int& value)
{
    if (m_bStoring)
        WriteInt(value);
    else
        value = ReadInt();
}

void CArchive::Exchange(std::uint32_t& value)
{
    if (m_bStoring)
        WriteDword(value);
    else
        value = ReadDword();
}

void CArchive::Exchange(std::string& text)
{
    if (m_bStoring)
        WriteText(text);
    else
        ReadText(text);
}

void CArchive::Exchange(CSharedText& text)
{
    if (m_bStoring) {
        WriteText(text);
    } else {
        std::string read;
        ReadText(read);
        text = read;
    }
}

void CArchive::WriteWord(std::uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    m_strBytes.append(bytes, 2);
}

void CArchive::WriteDword(std::uint32_t value)
{
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>(value >> 24)};
    m_strBytes.append(bytes, 4);
}

void CArchive::WriteInt(int value)
{
    WriteDword(static_cast<std::uint32_t>(value));
}

void CArchive::WriteText(std::string_view text)
{
    const std::size_t length = text.size();
    if (length < 0xFF) {
        m_strBytes += static_cast<char>(length);
    } else {
        m_strBytes += static_cast<char>(0xFF);
        if (length < 0xFFFE) {
            WriteWord(static_cast<std::uint16_t>(length));
        } else {
            WriteWord(0xFFFF);
            WriteDword(static_cast<std::uint32_t>(length));
        }
    }
    m_strBytes += text;
}

const char* CArchive::Take(std::size_t count)
{
    if (count > m_pSource->size() - m_nPos)
        Fail("the data ends early");
    const char* data = m_pSource->data() + m_nPos;
    m_nPos += count;
    return data;
}

std::uint16_t CArchive::ReadWord()
{
    const auto* p = reinterpret_cast<const unsigned char*>(Take(2));
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CArchive::ReadDword()
{
    const auto* p = reinterpret_cast<const unsigned char*>(Take(4));
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

int CArchive::ReadInt()
{
    return static_cast<int>(ReadDword());
}

std::string CArchive::ReadText()
{
    std::string text;
    ReadText(text);
    return text;
}

void CArchive::ReadText(std::string& text)
{
    std::size_t length = static_cast<unsigned char>(*Take(1));
    if (length == 0xFF) {
        length = ReadWord();
        if (length == 0xFFFE)
            Fail("a text is stored in a form this program does not write");
        if (length == 0xFFFF)
            length = ReadDword();
    }
    const char* data = Take(length);
    text.assign(data, length);
}

int CArchive::ReadCount()
{
    const int count = ReadInt();
    if (count < 0)
        Fail("a menu has a negative item count (" + std::to_string(count) + ")");
    // Every item takes a tag of two bytes at least.
    if (static_cast<std::size_t>(count) > (m_pSource->size() - m_nPos) / 2)
        Fail("a menu claims " + std::to_string(count) + " items, more than the data can hold");
    return count;
}

// --- objects ------------------------------------------------------------------

void CArchive::WriteClassTag(int classIndex)
{
    const auto known = m_mapClassNumbers.find(classIndex);
    if (known == m_mapClassNumbers.end()) {
        const CClassInfo& info = kClasses[classIndex];
        const std::size_t length = std::strlen(info.m_pszName);
        WriteWord(kNewClassTag);
        WriteWord(static_cast<std::uint16_t>(info.m_nSchema));
        WriteWord(static_cast<std::uint16_t>(length));
        m_strBytes.append(info.m_pszName, length);
        m_mapClassNumbers[classIndex] = ++m_nCounter;
    } else if (known->second < kBigObjectTag) {
        WriteWord(static_cast<std::uint16_t>(kClassTag | known->second));
    } else {
        WriteWord(kBigObjectTag);
        WriteDword(kBigClassTag | known->second);
    }
}

template <class T>
void CArchive::WriteObject(T& object)
{
    WriteClassTag(FindClass(T::kClassName));
    ++m_nCounter;  // the object's own number
    object.Persist(*this);
}

int CArchive::ReadNewClass()
{
    const int schema = ReadWord();
    const std::size_t length = ReadWord();
    const std::string name(Take(length), length);
    const int classIndex = FindClass(name);
    if (classIndex < 0)
        Fail("unknown class \"" + name + "\"");
    if (schema != kClasses[classIndex].m_nSchema)
        Fail("class \"" + name + "\" has schema " + std::to_string(schema) + ", not " +
             std::to_string(kClasses[classIndex].m_nSchema));
    m_arrEntries.push_back({classIndex, false, false});
    return classIndex;
}

int CArchive::ClassAt(std::uint32_t number)
{
    if (number == 0 || number > m_arrEntries.size() || m_arrEntries[number - 1].m_bObject)
        Fail("a reference to class number " + std::to_string(number) + ", which the data does not hold");
    return m_arrEntries[number - 1].m_nClass;
}

void CArchive::RefuseReference(std::uint32_t number)
{
    if (number == 0 || number > m_arrEntries.size() || !m_arrEntries[number - 1].m_bObject)
        Fail("a reference to object number " + std::to_string(number) + ", which the data does not hold");
    if (!m_arrEntries[number - 1].m_bComplete)
        Fail("object number " + std::to_string(number) + " refers back to itself");
    Fail("object number " + std::to_string(number) + " is used twice, but a menu tree cannot share its parts");
}

// Reads the tag of an object that is about to follow and returns its class.
int CArchive::ReadClassOfNewObject()
{
    const std::uint16_t tag = ReadWord();
    if (tag == kNullTag)
        Fail("an object is missing");
    if (tag == kNewClassTag)
        return ReadNewClass();
    if (tag & kClassTag)
        return ClassAt(tag & ~kClassTag);
    if (tag != kBigObjectTag)
        RefuseReference(tag);
    const std::uint32_t number = ReadDword();
    if (!(number & kBigClassTag))
        RefuseReference(number);
    return ClassAt(number & ~kBigClassTag);
}

template <class T>
std::unique_ptr<T> CArchive::ReadObject()
{
    const int classIndex = ReadClassOfNewObject();
    const int expected = FindClass(T::kClassName);
    if (classIndex != expected)
        Fail(std::string(kClasses[classIndex].m_pszNoun) + " (class \"" + kClasses[classIndex].m_pszName +
             "\") stands where " + kClasses[expected].m_pszNoun + " belongs");
    constexpr bool isMenu = std::is_same_v<T, CTavelin>;
    if (isMenu && ++m_nMenuDepth > kMaxBlockDepth)
        Fail("menus are nested deeper than " + std::to_string(CAppletParameters::kMaxDepth) + " levels");
    m_arrEntries.push_back({classIndex, true, false});
    const std::size_t slot = m_arrEntries.size() - 1;
    auto object = std::make_unique<T>();
    object->Persist(*this);
    m_arrEntries[slot].m_bComplete = true;
    if (isMenu)
        --m_nMenuDepth;
    return object;
}

template void CArchive::WriteObject<CTavelin>(CTavelin&);
template void CArchive::WriteObject<CTavelinItem>(CTavelinItem&);
template std::unique_ptr<CTavelin> CArchive::ReadObject<CTavelin>();
template std::unique_ptr<CTavelinItem> CArchive::ReadObject<CTavelinItem>();
