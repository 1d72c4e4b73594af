// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "CRecordText.h"
#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/model/CTextArena.h"
#include "core/model/CTextCopies.h"
#include "core/model/CTextKeyed.h"

// "[section]key" -> value, the last occurrence in the file winning.
using CIniMap = std::unordered_map<std::string, std::string>;

// Reads a project file, or one section of the template file, into the model.
class CProjectReader {
public:
    static constexpr const char* kProjectSection = "Tavelin1.0";
    static constexpr const char* kDefaultApStyle = "My Tavelina,0,200,500,0,0,,,,,,1,5,5,0,1,0,1,1,0,0,5,0";
    // Items that a menu count names beyond the records in the file are made
    // up to this number in all; the rest are left out (a damaged count).
    static constexpr size_t kMaxItemsWithoutRecord = 10000;

    CProjectReader(CAppletParameters& params, IFileSystem& fs, std::string programDir);
    // A template's sample file that the program folder lacks is taken from
    // the same place under dataDir (the samples shipped with the program,
    // read where they lie).
    void SetSharedSamples(std::string dataDir) { m_strSharedDir = std::move(dataDir); }
    // A smaller limit than kMaxItemsWithoutRecord on the items made up (the
    // fuzzer's, so that a short damaged input does not cost a large project).
    void SetMadeUpLimit(size_t limit) { m_nMadeUpLimit = limit; }

    static bool ReadIniMap(IFileSystem& fs, const std::string& file, CIniMap& map);
    static void ParseIni(const std::string& text, CIniMap& map);
    static void GetValues(const CIniMap& map, const std::string& section, const std::string& key,
                          const std::string& defaultText, int count, std::vector<std::string>& list);
    static std::string ExtractField(const std::string& text, int index, char separator);
    // The number rule of every field the reader reads (see CRecordText).
    static int ToNumber(std::string_view text) { return CRecordText::ToNumber(text); }

    // Fills the (reset) model from the section; false only when the file
    // cannot be opened, or is too large: 4 GiB or more, or more than the
    // memory left (the model is then reset). Menus and items that the file
    // counts without holding a record of them are made up to
    // kMaxItemsWithoutRecord each.
    bool LoadModel(const std::string& file, const std::string& section, bool templateMode);
    // Reset, then LoadModel with the project section; false also for a
    // file without that section (damaged, or no project file at all).
    bool LoadProject(const std::string& path);
    // Reset, then the project section of text held in memory (a recovery copy).
    void LoadProjectText(std::string text);

    // What was skipped in a damaged file (bad relations, nesting too deep);
    // empty for a sound file.
    const std::vector<std::string>& Warnings() const { return m_warnings; }
    // After a load: whether the file held the section asked for; after a
    // failed one, whether it was read but held no project section, or failed
    // for want of memory.
    bool SectionFound() const { return !m_occurrences.empty(); }
    bool MissingSection() const { return m_bMissingSection; }
    bool OutOfMemory() const { return m_bOutOfMemory; }

private:
    using Fields = std::vector<std::string_view>;
    // Key -> value of one section, as views into m_text.
    using SectionMap = std::unordered_map<std::string_view, std::string_view>;

    // The records of menus and items are kept apart from the other keys, in
    // file order and sorted by (menu, kind, item), so that reading them in
    // number order walks them once from front to back. A record is 16 bytes:
    // that triple in one number that sorts alike, and where its value lies in
    // m_text (which is why a text of 4 GiB or more is refused).
    enum class Kind : std::uint8_t { MenuStyle, ItemStyle, Item };
    struct CNumbered {
        std::uint64_t m_nKey;
        std::uint32_t m_nOffset;
        std::uint32_t m_nSize;
    };
    // menu and item are at most INT_MAX; item is 0 for the style records.
    static std::uint64_t KeyOf(std::uint32_t menu, Kind kind, std::uint32_t item)
    {
        return std::uint64_t{menu} << 33 | std::uint64_t{static_cast<std::uint8_t>(kind)} << 31 | item;
    }
    static std::uint32_t MenuOf(std::uint64_t key) { return static_cast<std::uint32_t>(key >> 33); }
    std::string_view ValueOf(const CNumbered& r) const { return {m_text.data() + r.m_nOffset, r.m_nSize}; }
    // Reads "MStyle-N", "IStyle-N" or "IN-J" (J from 1) from the front of
    // text, as the key of a menu or item record.
    static bool TakeRecordKey(std::string_view& text, std::uint64_t& key);

    // Fills the model from the section of m_text, then lets go of the
    // text and the indexes; false when the memory ran out on the way.
    bool ParseText(const std::string& section, bool templateMode);
    void Load(const std::string& section, bool templateMode);
    void AddEntry(std::string_view key, std::string_view value);
    // A record line as the writers write it, its key from the line's start
    // up to "=", is added; false for any other line, which is read whole.
    bool AddRecordLine(std::string_view line);
    void AddRecord(std::uint64_t key, std::string_view value)
    {
        m_numbered.push_back(
            {key, static_cast<std::uint32_t>(value.data() - m_text.data()), static_cast<std::uint32_t>(value.size())});
    }
    // The fields of "[section]key" (or of defaultText when absent), exactly
    // count of them; views into the map or defaultText.
    const Fields& Record(std::string_view key, std::string_view defaultText, size_t count);
    const std::string_view* Find(std::string_view key) const;
    // The value of a menu or item record; the calls must come in increasing
    // (menu, kind, item) order.
    std::optional<std::string_view> FindNumbered(std::uint32_t menu, Kind kind, std::uint32_t item)
    {
        const std::uint64_t key = KeyOf(menu, kind, item);
        const CNumbered* const all = m_numbered.data();
        const CNumbered* const end = all + m_numbered.size();
        const CNumbered* at = all + m_nCursor;
        while (at != end && at->m_nKey < key)
            ++at;
        const CNumbered* found = nullptr;
        for (; at != end && at->m_nKey == key; ++at)
            found = at;  // the last of equal keys wins
        m_nCursor = static_cast<size_t>(at - all);
        return found ? std::optional<std::string_view>(ValueOf(*found)) : std::nullopt;
    }
    bool HasRecordOfMenu(std::uint32_t menu);
    // Lets go of the text before the next record and before keep.
    void ReleaseRead(std::string_view keep);
    size_t ItemRecordsOf(std::uint32_t menu) const;
    void ReadApplet();
    void ReadMenus();
    // A menu with items is made; an empty one (most menus of a large
    // project: each leaf's sub-menu) shares one menu per look.
    CMenuSlot ReadMenu(int number, bool empty);
    // The looks that a menu's two style records give, each record parsed
    // once per distinct text: a large project repeats the same records for
    // most of its (empty) menus.
    struct CMenuLook {
        CMenuStyle m_style;
        int m_bVisible = 1;
    };
    using ItemLooks = std::array<CItemStyle, 3>;
    const CMenuLook& MenuLook(std::string_view record);
    const ItemLooks& ItemLook(std::string_view record);
    static std::unique_ptr<CTavelin> MakeMenu(const CMenuLook& look, const ItemLooks& states);
    void ReadItems(int number, int count, CTavelin& menu);
    // The fields of an item record; those that the record lacks are empty.
    using ItemFields = std::array<std::string_view, 10>;
    void ReadItem(const ItemFields& f, CTavelinItem& item);
    std::string MediaPath(std::string_view field, const char* sampleFolder) const;
    // The same path, shared with every item of this run that names it;
    // marked as IsMarked(field) tells.
    CSharedText ItemMediaPath(std::string_view field, bool marked, const char* sampleFolder);
    // Text fields: escapes are read back only in a section that the writer
    // marked as using them; elsewhere only a label's "|_#`" means a line break.
    // A "Notice" value of the section occurrence begun last.
    void NoteNotice(std::string_view value);
    bool IsMarked(std::string_view field) const { return m_nMarked != 0 && IsMarkedAt(field); }
    bool IsMarkedAt(std::string_view field) const;
    // The text field stands for: field itself, or its unescaped text in
    // scratch (which it overwrites); marked as IsMarked(field) tells.
    static std::string_view FieldText(std::string_view field, bool marked, bool label, std::string& scratch);
    CSharedText ItemText(std::string_view field, bool marked, bool label = false)
    {
        return m_texts.Make(FieldText(field, marked, label, m_strScratch));
    }
    void SetText(std::string& target, std::string_view field, bool label = false) const;
    void SetText(CSharedText& target, std::string_view field, bool label = false);

    CAppletParameters& m_params;
    IFileSystem& m_fs;
    std::string m_strProgramDir;
    std::string m_strSharedDir;
    std::vector<std::string> m_warnings;

    // State of one LoadModel run.
    bool m_bOutOfMemory = false;
    bool m_bMissingSection = false;
    std::unique_ptr<char[]> m_buffer;
    std::string_view m_text;
    SectionMap m_map;
    std::vector<CNumbered> m_numbered;
    size_t m_nCursor = 0;
    bool m_bTemplateMode = false;
    Fields m_fields;
    std::vector<CTavelinItem*> m_items;
    // Serial numbers taken for the items still to be made: [next, end).
    std::uint64_t m_nNextSerial = 0;
    std::uint64_t m_nSerialsEnd = 0;
    size_t m_nMadeUp = 0;
    size_t m_nMadeUpLimit = kMaxItemsWithoutRecord;
    // Where each occurrence of the section's header begins in m_text, and
    // whether its "Notice" marks it: a section named twice (two saves of one
    // template) may mix marked and unmarked values.
    std::vector<std::pair<size_t, bool>> m_occurrences;
    size_t m_nMarked = 0;
    // Records in file order are read from front to back, so the text behind
    // them goes back to the system as the menus are read (see ReleaseRead):
    // whether it may, and how far it has.
    bool m_bReleasable = false;
    size_t m_nReleased = 0;
    // Parsed style records by their text (a menu's name may read differently
    // in a marked section, hence one table for each); the last one looked up
    // is checked first.
    CTextKeyed<CMenuLook> m_menuLooks[2];
    CTextKeyed<ItemLooks> m_itemLooks;
    std::pair<std::string_view, const CMenuLook*> m_lastMenuLook[2];
    std::pair<std::string_view, const ItemLooks*> m_lastItemLook;
    // The media paths read so far, by their text (views into the values);
    // each is handed to the items that name it without a count per item.
    std::unordered_map<std::string_view, CTextCopies> m_mediaPaths;
    // Where the items' texts are made, side by side, and room for one
    // unescaped on its way there.
    CTextArena m_texts;
    std::string m_strScratch;
    // The shared empty menu of each pair of looks.
    using LooksPair = std::pair<const CMenuLook*, const ItemLooks*>;
    std::map<LooksPair, std::shared_ptr<const CTavelin>> m_emptyMenus;
    std::pair<LooksPair, const std::shared_ptr<const CTavelin>*> m_lastEmptyMenu;
};
