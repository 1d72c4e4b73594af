// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CProjectReader.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <iterator>
#include <new>
#include <tuple>
#include <utility>

#include "CFieldEscape.h"
#include "CMenuLinker.h"
#include "CRecordText.h"
#include "CStructureRecord.h"

namespace {
COLORREF ToColor(std::string_view field)
{
    return static_cast<COLORREF>(CRecordText::ToNumber(field));
}

}  // namespace

CProjectReader::CProjectReader(CAppletParameters& params, IFileSystem& fs, std::string programDir)
    : m_params(params), m_fs(fs), m_strProgramDir(std::move(programDir))
{
}

bool CProjectReader::ReadIniMap(IFileSystem& fs, const std::string& file, CIniMap& map)
{
    std::string text;
    if (!fs.IsRegularFile(file) || !fs.ReadFile(file, text))
        return false;
    ParseIni(text, map);
    return true;
}

void CProjectReader::ParseIni(const std::string& text, CIniMap& map)
{
    std::string key;
    CRecordText::ForEachEntry(text, [&](std::string_view header, std::string_view name, std::string_view value) {
        key.assign(header);
        key.append(name);
        auto found = map.find(key);
        if (found != map.end())
            found->second.assign(value);
        else
            map.emplace(key, std::string(value));
    });
}

void CProjectReader::GetValues(const CIniMap& map, const std::string& section, const std::string& key,
                               const std::string& defaultText, int count, std::vector<std::string>& list)
{
    const auto found = map.find("[" + section + "]" + key);
    const std::string& text = found != map.end() ? found->second : defaultText;
    std::vector<std::string_view> parts;
    CRecordText::SplitAll(text, ',', parts);
    list.assign(parts.begin(), parts.end());
    list.resize(count > 0 ? static_cast<size_t>(count) : 0);
}

std::string CProjectReader::ExtractField(const std::string& text, int index, char separator)
{
    if (index < 0)
        return {};
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const size_t pos = text.find(separator, start);
        if (pos == std::string::npos)
            return {};
        start = pos + 1;
    }
    const size_t end = text.find(separator, start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

bool CProjectReader::LoadProject(const std::string& path)
{
    m_params.Reset();
    m_bMissingSection = false;
    if (!LoadModel(path, kProjectSection, false))
        return false;
    if (SectionFound())
        return true;
    m_params.Reset();
    m_bMissingSection = true;
    return false;
}

void CProjectReader::LoadProjectText(std::string text)
{
    m_params.Reset();
    m_warnings.clear();
    // The text is held as the file's bytes would be.
    try {
        m_buffer = std::make_unique_for_overwrite<char[]>(text.size());
    } catch (const std::bad_alloc&) {
        return;
    }
    std::copy(text.begin(), text.end(), m_buffer.get());
    m_text = std::string_view(m_buffer.get(), text.size());
    ParseText(kProjectSection, false);
}

bool CProjectReader::LoadModel(const std::string& file, const std::string& section, bool templateMode)
{
    m_warnings.clear();
    m_map.clear();
    m_numbered.clear();
    m_occurrences.clear();
    m_bOutOfMemory = false;
    m_text = {};
    if (!m_fs.IsRegularFile(file))
        return false;
    bool read = false;
    try {
        size_t size = 0;
        read = m_fs.ReadBytes(file, m_buffer, size);
        m_text = read ? std::string_view(m_buffer.get(), size) : std::string_view();
    } catch (const std::bad_alloc&) {
        read = false;
        m_bOutOfMemory = true;
    }
    return read && ParseText(section, templateMode);
}

// A text too large for the memory left counts as one that cannot be opened:
// the model is reset rather than left half built. The text and the indexes
// are let go of either way.
bool CProjectReader::ParseText(const std::string& section, bool templateMode)
{
    bool loaded = true;
    try {
        Load(section, templateMode);
    } catch (const std::bad_alloc&) {
        m_items.clear();
        m_params.Reset();
        loaded = false;
        m_bOutOfMemory = true;
    }
    m_map.clear();
    m_numbered.clear();
    m_numbered.shrink_to_fit();
    for (auto& looks : m_menuLooks)
        looks.clear();
    m_itemLooks.clear();
    m_lastMenuLook[0] = m_lastMenuLook[1] = {};
    m_lastItemLook = {};
    m_emptyMenus.clear();
    m_lastEmptyMenu = {};
    m_mediaPaths.clear();
    m_text = {};
    m_buffer.reset();
    return loaded;
}

void CProjectReader::Load(const std::string& section, bool templateMode)
{
    if (m_text.size() > UINT32_MAX)
        throw std::bad_alloc();  // beyond what the record index can point into
    m_map.clear();
    m_numbered.clear();
    // Room for more records than a file of this size usually holds (a line
    // takes 100 to 200 bytes): what is never filled is never touched, while
    // growing would copy the index and fault in fresh pages each time.
    m_numbered.reserve(m_text.size() / 64);
    const std::string header = "[" + section + "]";
    m_occurrences.clear();
    m_nMarked = 0;
    bool inSection = false;
    CRecordText::ForEachLine(m_text, [&](std::string_view line) {
        if (inSection && AddRecordLine(line))
            return;
        std::string_view text;
        std::string_view value;
        switch (CRecordText::ReadLine(line, text, value)) {
        case CRecordText::Line::Empty: break;
        case CRecordText::Line::Header:
            inSection = text == header;
            if (inSection)
                m_occurrences.emplace_back(static_cast<size_t>(text.data() - m_text.data()), false);
            break;
        case CRecordText::Line::Key:
            if (!inSection)
                break;
            if (text == "Notice")
                NoteNotice(value);
            AddEntry(text, value);
            break;
        }
    });
    const auto before = [](const CNumbered& a, const CNumbered& b) { return a.m_nKey < b.m_nKey; };
    // Stable: of equal keys the last in the file stays last, and wins.
    m_bReleasable = std::is_sorted(m_numbered.begin(), m_numbered.end(), before);
    m_nReleased = 0;
    if (!m_bReleasable)
        std::stable_sort(m_numbered.begin(), m_numbered.end(), before);
    m_nCursor = 0;
    m_bTemplateMode = templateMode;
    m_items.clear();
    m_nMadeUp = 0;
    ReadApplet();
    ReadMenus();
}

bool CProjectReader::TakeRecordKey(std::string_view& text, std::uint64_t& key)
{
    std::uint32_t menu = 0;
    if (text.size() > 7 && (text[0] == 'M' || text[0] == 'I') && text.substr(1, 6) == "Style-") {
        const Kind kind = text[0] == 'M' ? Kind::MenuStyle : Kind::ItemStyle;
        text.remove_prefix(7);
        if (!CRecordText::TakeNumber(text, menu))
            return false;
        key = KeyOf(menu, kind, 0);
        return true;
    }
    std::uint32_t item = 0;
    if (text.empty() || text[0] != 'I')
        return false;
    text.remove_prefix(1);
    if (!CRecordText::TakeNumber(text, menu) || text.empty() || text[0] != '-')
        return false;
    text.remove_prefix(1);
    if (!CRecordText::TakeNumber(text, item) || item == 0)
        return false;
    key = KeyOf(menu, Kind::Item, item);
    return true;
}

// The menu and item records go to the numbered records, every other key to
// the map, the last value of a key winning.
void CProjectReader::AddEntry(std::string_view key, std::string_view value)
{
    std::string_view rest = key;
    std::uint64_t number = 0;
    if (TakeRecordKey(rest, number) && rest.empty())
        AddRecord(number, value);
    else
        m_map.insert_or_assign(key, value);
}

// The key read as it stands, the value stripped at its end as ReadLine does:
// the line begins with the key, which holds no white space and no "=".
bool CProjectReader::AddRecordLine(std::string_view line)
{
    std::uint64_t key = 0;
    if (!TakeRecordKey(line, key) || line.empty() || line.front() != '=')
        return false;
    line.remove_prefix(1);
    AddRecord(key, CRecordText::TrimEnd(line));
    return true;
}

void CProjectReader::ReadMenus()
{
    const std::string_view* misc = Find("Misc");
    if (!misc || misc->empty())
        return;
    CStructureRecord structure;
    // Fields of two or more digits and a comma, and no more than two for each
    // menu there can be (a damaged list may be one long run of digits).
    if (!structure.Read(*misc, std::min(misc->size() / 4, 2 * (m_numbered.size() + m_nMadeUpLimit) + 1)))
        return;
    const std::vector<int>& counts = structure.Counts();
    const size_t menuCount = counts.size();

    std::vector<CMenuSlot> menus;
    std::vector<size_t> firstItem;
    menus.reserve(menuCount);
    firstItem.reserve(menuCount + 1);
    size_t madeUpMenus = 0;
    for (size_t m = 0; m < menuCount; ++m) {
        if (!HasRecordOfMenu(static_cast<std::uint32_t>(m)) && ++madeUpMenus > m_nMadeUpLimit) {
            m_warnings.push_back("The project counts far more menus than it holds; the menus beyond " +
                                 std::to_string(m_nMadeUpLimit) + " without a record were left out.");
            break;
        }
        firstItem.push_back(m_items.size());
        const int items = counts[m];
        menus.push_back(ReadMenu(static_cast<int>(m), items <= 0));
        if (items > 0)
            ReadItems(static_cast<int>(m), items, *menus.back());
        ReleaseRead(*misc);
    }
    firstItem.push_back(m_items.size());
    if (m_nMadeUp > m_nMadeUpLimit)
        m_warnings.push_back("The project counts far more items than it holds; the items beyond " +
                             std::to_string(m_nMadeUpLimit) + " without a record were left out.");

    CMenuLinker linker(menus, m_items, firstItem, m_warnings);
    for (const CStructureRecord::CEntry& entry : structure.Entries())
        linker.Link(entry.m_nItem, entry.m_nMenu);
    linker.Attach(m_params);
    m_items.clear();
}

const std::string_view* CProjectReader::Find(std::string_view key) const
{
    const auto found = m_map.find(key);
    return found == m_map.end() ? nullptr : &found->second;
}

// Only the records and the relation list ("Misc") are read once the menus
// are: the looks keep their own copies of the style records' text.
void CProjectReader::ReleaseRead(std::string_view keep)
{
    constexpr size_t kStep = 1u << 20;
    if (!m_bReleasable)
        return;
    const char* const text = m_text.data();
    const char* limit = text + (m_nCursor < m_numbered.size() ? m_numbered[m_nCursor].m_nOffset : m_text.size());
    const std::less<const char*> before;
    if (!before(keep.data(), text) && before(keep.data(), limit))
        limit = keep.data();
    const auto end = static_cast<size_t>(limit - text);
    if (end < m_nReleased + kStep)
        return;
    m_fs.ReleaseBytes(m_text, m_nReleased, end);
    m_nReleased = end;
}

bool CProjectReader::HasRecordOfMenu(std::uint32_t menu)
{
    while (m_nCursor < m_numbered.size() && MenuOf(m_numbered[m_nCursor].m_nKey) < menu)
        ++m_nCursor;
    return m_nCursor < m_numbered.size() && MenuOf(m_numbered[m_nCursor].m_nKey) == menu;
}

// The item records of the menu still ahead of the cursor.
size_t CProjectReader::ItemRecordsOf(std::uint32_t menu) const
{
    const auto first = m_numbered.begin() + static_cast<std::ptrdiff_t>(m_nCursor);
    const auto byKey = [](const CNumbered& r, std::uint64_t key) { return r.m_nKey < key; };
    const auto from = std::lower_bound(first, m_numbered.end(), KeyOf(menu, Kind::Item, 0), byKey);
    const auto to = std::upper_bound(from, m_numbered.end(), KeyOf(menu, Kind::Item, INT_MAX),
                                     [](std::uint64_t key, const CNumbered& r) { return key < r.m_nKey; });
    return static_cast<size_t>(to - from);
}

const CProjectReader::Fields& CProjectReader::Record(std::string_view key, std::string_view defaultText, size_t count)
{
    const std::string_view* value = Find(key);
    CRecordText::SplitAll(value ? *value : defaultText, ',', m_fields);
    m_fields.resize(count);
    return m_fields;
}

void CProjectReader::NoteNotice(std::string_view value)
{
    if (!m_occurrences.back().second && CFieldEscape::IsMarked(value)) {
        m_occurrences.back().second = true;
        ++m_nMarked;
    }
}

bool CProjectReader::IsMarkedAt(std::string_view field) const
{
    // Fields of the default records lie outside the file's text.
    const char* const text = m_text.data();
    const std::less<const char*> before;
    if (before(field.data(), text) || !before(field.data(), text + m_text.size()))
        return false;
    if (m_nMarked == m_occurrences.size())
        return true;
    const auto offset = static_cast<size_t>(field.data() - text);
    const auto after = std::upper_bound(m_occurrences.begin(), m_occurrences.end(), offset,
                                        [](size_t o, const std::pair<size_t, bool>& s) { return o < s.first; });
    return after != m_occurrences.begin() && std::prev(after)->second;
}

std::string_view CProjectReader::FieldText(std::string_view field, bool marked, bool label, std::string& scratch)
{
    if (marked) {
        scratch.clear();
        CFieldEscape::Unescape(field, scratch);
        return scratch;
    }
    if (label && field.find('|') != std::string_view::npos) {
        scratch.clear();
        CFieldEscape::UnescapeLabel(field, scratch);
        return scratch;
    }
    return field;
}

void CProjectReader::SetText(std::string& target, std::string_view field, bool label) const
{
    std::string scratch;
    target.assign(FieldText(field, IsMarked(field), label, scratch));
}

void CProjectReader::SetText(CSharedText& target, std::string_view field, bool label)
{
    target = ItemText(field, IsMarked(field), label);
}

std::string CProjectReader::MediaPath(std::string_view field, const char* sampleFolder) const
{
    std::string path;
    SetText(path, field);
    // A template records the bare names of the files it copied into its
    // sample folders; a path that names a folder (the applet's image or sound
    // whose file was missing when the template was saved) stays as it is.
    if (m_bTemplateMode && !path.empty() && path.find_first_of("/\\") == std::string::npos) {
        std::string own = m_strProgramDir + sampleFolder + path;
        if (!m_strSharedDir.empty() && m_strSharedDir != m_strProgramDir && !m_fs.Exists(own)) {
            std::string shared = m_strSharedDir + sampleFolder + path;
            if (m_fs.Exists(shared))
                return shared;
        }
        path = std::move(own);
    }
    return path;
}

CSharedText CProjectReader::ItemMediaPath(std::string_view field, bool marked, const char* sampleFolder)
{
    if (field.empty())
        return {};
    // A plain field of a project is the path itself.
    std::string made;
    std::string_view path = field;
    if (m_bTemplateMode || marked) {
        made = MediaPath(field, sampleFolder);
        path = made;
    }
    auto found = m_mediaPaths.find(path);
    if (found == m_mediaPaths.end()) {
        CSharedText text = m_texts.Make(path);
        const std::string_view key = text.view();
        found = m_mediaPaths.try_emplace(key, std::move(text)).first;
    }
    return found->second.Copy();
}

void CProjectReader::ReadApplet()
{
    const Fields& f = Record("ApStyle", kDefaultApStyle, 23);
    CAppletParameters& p = m_params;
    SetText(p.m_strName, f[0]);
    p.m_nAlign = ToNumber(f[1]);
    p.m_nWidth = ToNumber(f[2]);
    p.m_nHeight = ToNumber(f[3]);
    p.m_crBackground = ToColor(f[4]);
    p.m_strBackImage = MediaPath(f[6], "/Sample/Image/");
    p.m_nImageMode = ToNumber(f[7]);
    p.m_nImageX = ToNumber(f[8]);
    p.m_nImageY = ToNumber(f[9]);
    p.m_strBackAudio = MediaPath(f[10], "/Sample/Audio/");
    int* const numbers[] = {&p.m_bShowSelection, &p.m_nOpenSpeed, &p.m_nCloseSpeed, &p.m_bShowAllBranches,
                            &p.m_bHasLines,      &p.m_nBorder,    &p.m_nBackStyle,  &p.m_nGradientDir,
                            &p.m_nLineIndent,    &p.m_nLineThick};
    for (size_t i = 0; i < std::size(numbers); ++i)
        *numbers[i] = ToNumber(f[11 + i]);
    p.m_crLine = ToColor(f[21]);
    p.m_nDisplayFromY = ToNumber(f[22]);
}

CMenuSlot CProjectReader::ReadMenu(int number, bool empty)
{
    const auto menuNumber = static_cast<std::uint32_t>(number);
    const std::optional<std::string_view> menuRecord = FindNumbered(menuNumber, Kind::MenuStyle, 0);
    const CMenuLook& look = MenuLook(menuRecord ? *menuRecord : std::string_view());
    const std::optional<std::string_view> itemRecord = FindNumbered(menuNumber, Kind::ItemStyle, 0);
    const ItemLooks& states = ItemLook(itemRecord ? *itemRecord : std::string_view());
    if (!empty)
        return CMenuSlot(MakeMenu(look, states));
    // Most empty menus have the looks of the one before.
    if (m_lastEmptyMenu.first != std::make_pair(&look, &states)) {
        std::shared_ptr<const CTavelin>& shared = m_emptyMenus[{&look, &states}];
        if (!shared)
            shared = MakeMenu(look, states);
        m_lastEmptyMenu = {{&look, &states}, &shared};
    }
    return CMenuSlot(*m_lastEmptyMenu.second);
}

std::unique_ptr<CTavelin> CProjectReader::MakeMenu(const CMenuLook& look, const ItemLooks& states)
{
    auto menu = std::make_unique<CTavelin>(0, "Menu");
    static_cast<CMenuStyle&>(*menu) = look.m_style;
    menu->m_bVisible = look.m_bVisible;
    for (int state = 0; state < 3; ++state)
        menu->Style(state) = states[static_cast<size_t>(state)];
    return menu;
}

const CProjectReader::CMenuLook& CProjectReader::MenuLook(std::string_view record)
{
    const bool marked = IsMarked(record);
    auto& last = m_lastMenuLook[marked];
    if (last.second && last.first == record)
        return *last.second;
    auto found = m_menuLooks[marked].find(record);
    const bool added = found == m_menuLooks[marked].end();
    if (added)
        found = m_menuLooks[marked].emplace(std::string(record), CMenuLook()).first;
    CMenuLook& look = found->second;
    if (added) {
        CRecordText::SplitAll(record, ',', m_fields);
        m_fields.resize(12);
        const Fields& f = m_fields;
        CMenuStyle& m = look.m_style;
        m.m_crBackground = ToColor(f[0]);
        int* const numbers[] = {&m.m_nBackStyle, &m.m_nReserved1,  &m.m_nReserved2, &m.m_nIndent,     &m.m_nStartY,
                                &m.m_nItemWidth, &m.m_nItemHeight, &m.m_nItemGap,   &m.m_nBorderThick};
        for (size_t i = 0; i < std::size(numbers); ++i)
            *numbers[i] = ToNumber(f[1 + i]);
        SetText(m.m_strName, f[10]);
        look.m_bVisible = ToNumber(f[11]);
    }
    last = {found->first, &look};
    return look;
}

const CProjectReader::ItemLooks& CProjectReader::ItemLook(std::string_view record)
{
    if (m_lastItemLook.second && m_lastItemLook.first == record)
        return *m_lastItemLook.second;
    auto found = m_itemLooks.find(record);
    const bool added = found == m_itemLooks.end();
    if (added)
        found = m_itemLooks.emplace(std::string(record), ItemLooks()).first;
    ItemLooks& states = found->second;
    if (added) {
        CRecordText::SplitAll(record, ',', m_fields);
        m_fields.resize(45);
        const Fields& s = m_fields;
        for (size_t state = 0; state < 3; ++state) {
            CItemStyle& st = states[state];
            const size_t b = state * 15;
            st.m_crBack = ToColor(s[b]);
            st.m_crFont = ToColor(s[b + 1]);
            int* const values[] = {&st.m_nBackStyle,  &st.m_nFontEffect,  &st.m_nFontName,  &st.m_nFontSize,
                                   &st.m_nFontStyle,  &st.m_nImageAlign,  &st.m_nTextAlign, &st.m_nImageOffset,
                                   &st.m_nTextOffset, &st.m_nGradientDir, &st.m_nBorder};
            for (size_t i = 0; i < std::size(values); ++i)
                *values[i] = ToNumber(s[b + 2 + i]);
        }
    }
    m_lastItemLook = {found->first, &states};
    return states;
}

void CProjectReader::ReadItems(int number, int count, CTavelin& menu)
{
    // Room for the records really there and the few made up for missing
    // ones, never for what a damaged count claims.
    const size_t madeUpLeft = m_nMadeUp < m_nMadeUpLimit ? m_nMadeUpLimit - m_nMadeUp : 0;
    const size_t likely = ItemRecordsOf(static_cast<std::uint32_t>(number)) + std::min<size_t>(madeUpLeft, 64);
    menu.m_arrItems.reserve(count > 0 ? std::min(static_cast<size_t>(count), likely) : 0);
    for (int j = 1; j <= count; ++j) {
        const std::optional<std::string_view> found =
            FindNumbered(static_cast<std::uint32_t>(number), Kind::Item, static_cast<std::uint32_t>(j));
        if (!found && ++m_nMadeUp > m_nMadeUpLimit)
            break;
        if (m_nNextSerial == m_nSerialsEnd) {
            constexpr std::uint64_t kSerials = 1024;
            m_nNextSerial = CTavelinItem::ReserveSerials(kSerials);
            m_nSerialsEnd = m_nNextSerial + kSerials;
        }
        auto item = std::make_unique<CTavelinItem>(CTavelinItem::NoSubMenuYet{m_nNextSerial++});
        ItemFields fields;
        CRecordText::SplitFirst(found ? *found : std::string_view(), ',', fields.data(), fields.size());
        ReadItem(fields, *item);
        m_items.push_back(item.get());
        menu.m_arrItems.push_back(std::move(item));
    }
}

void CProjectReader::ReadItem(const ItemFields& f, CTavelinItem& item)
{
    // A record lies in one occurrence of the section: its first field tells
    // for all (a record without fields has only empty ones).
    const bool marked = IsMarked(f[0]);
    item.m_strLabel = ItemText(f[0], marked, true);
    item.m_strDescription = ItemText(f[1], marked);
    item.m_strLink = ItemText(f[2], marked);
    item.m_strTarget = ItemText(f[3], marked);
    item.m_strNormalImage = ItemMediaPath(f[4], marked, "/Sample/Image/");
    item.m_strOverImage = ItemMediaPath(f[5], marked, "/Sample/Image/");
    item.m_strClickImage = ItemMediaPath(f[6], marked, "/Sample/Image/");
    item.m_strOverAudio = ItemMediaPath(f[7], marked, "/Sample/Audio/");
    item.m_strClickAudio = ItemMediaPath(f[8], marked, "/Sample/Audio/");
    item.m_bVisible = ToNumber(f[9]);
}
