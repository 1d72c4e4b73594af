// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTemplateStore.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/format/CProjectReader.h"
#include "core/io/CLockHold.h"
#include "core/io/CPath.h"
#include "core/project/CProjectService.h"
#include "core/publish/CPageWriter.h"

namespace {
constexpr const char* kDefaultList = "Normal";
constexpr const char* kWhite = " \t\r\n\v\f";

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(kWhite);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

std::string Header(const std::string& name)
{
    return "[" + name + "]";
}

bool IsHeader(const std::string& trimmed)
{
    return !trimmed.empty() && trimmed[0] == '[';
}

// The raw entries of the stored text split at every comma; a trailing comma
// gives a last, empty entry.
std::vector<std::string> Entries(const std::string& list)
{
    std::vector<std::string> entries;
    size_t start = 0;
    for (;;) {
        const auto comma = list.find(',', start);
        entries.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos)
            return entries;
        start = comma + 1;
    }
}

std::string JoinEntries(const std::vector<std::string>& entries)
{
    std::string list;
    for (size_t i = 0; i < entries.size(); ++i)
        list += (i ? "," : "") + entries[i];
    return list;
}

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}
}  // namespace

CTemplateStore::CTemplateStore(ISettingsStore& settings, IFileSystem& fs, std::string programDir, std::string sharedDir)
    : m_settings(settings), m_fs(fs), m_strProgramDir(std::move(programDir)), m_strSharedDir(std::move(sharedDir))
{
}

std::string CTemplateStore::TemplateFilePath() const
{
    return CPath::Join(m_strProgramDir, CPageWriter::kTemplateFile);
}

std::string CTemplateStore::NameList()
{
    return m_settings.GetString(kSection, kKey, kDefaultList);
}

std::vector<std::string> CTemplateStore::ListNames()
{
    return SplitNames(NameList());
}

std::string CTemplateStore::CannotRead(const std::string& path)
{
    return "The template file " + path + " cannot be read.";
}

void CTemplateStore::EnsureNameList()
{
    if (!m_settings.GetString(kSection, kKey, "").empty())
        return;
    const CLockHold lock(m_fs, TemplateFilePath());
    if (lock.Held() && m_settings.GetString(kSection, kKey, "").empty())
        StoreList(kBuiltinNames);
}

bool CTemplateStore::LoadTemplate(CAppletParameters& params, int index)
{
    m_strError.clear();
    params.Reset();
    const std::string path = TemplateFilePath();
    // A pipe, a device or a folder in the file's place is never read.
    if (!m_fs.IsRegularFile(path))
        return Fail(CannotRead(path));
    const std::string name = index < 0 ? std::string() : CProjectReader::ExtractField(NameList(), index, ',');
    CProjectReader reader(params, m_fs, m_strProgramDir);
    reader.SetSharedSamples(m_strSharedDir);
    if (reader.LoadModel(path, name, true))
        return true;
    params.Reset();
    return Fail(reader.OutOfMemory() ? "There is not enough memory to read the template file " + path + "."
                                     : CannotRead(path));
}

// The list is stored first, then the section is appended to the file; when
// the file step fails the list goes back to what it was, so that no name
// stands for a section that is not there.
CProjectResult CTemplateStore::AddTemplate(CAppletParameters& params, const std::string& typed, int position)
{
    m_strError.clear();
    const std::string name = TrimName(typed);
    if (name.empty() || !IsStorableName(name)) {
        Fail(name.empty() ? kEmptyName : kBadName);
        return CProjectResult::Failed(m_strError);
    }
    const CLockHold lock(m_fs, TemplateFilePath());
    if (!lock.Held()) {
        Fail(kBusy);
        return CProjectResult::Failed(m_strError);
    }
    const std::string list = NameList();
    const bool listed = Contains(SplitNames(list), name);
    if (!listed)
        StoreList(InsertName(list, name, position));
    CProjectResult result = CProjectService(m_fs, m_strProgramDir).SaveTemplate(params, name);
    if (!result && !listed)
        StoreList(list);
    m_strError = result.Error();
    return result;
}

bool CTemplateStore::DeleteTemplate(const std::string& name)
{
    m_strError.clear();
    const CLockHold lock(m_fs, TemplateFilePath());
    if (!lock.Held())
        return Fail(kBusy);
    const std::string list = NameList();
    StoreList(RemoveName(list, name));
    std::vector<std::string> lines;
    const int read = ReadTemplateFile(lines);
    if (read < 0)
        return Restore(list);  // an unreadable file is left alone, and so is the list
    if (read == 0)
        return true;  // nothing to remove
    // Every line is kept trimmed, but for the sections of the name.
    const std::string header = Header(name);
    std::vector<std::string> kept;
    bool inSection = false;
    for (const std::string& line : lines) {
        std::string trimmed = Trim(line);
        if (IsHeader(trimmed))
            inSection = trimmed == header;
        if (!inSection)
            kept.push_back(std::move(trimmed));
    }
    return kept == lines || WriteTemplateFile(kept) || Restore(list);
}

bool CTemplateStore::RenameTemplate(const std::string& oldName, const std::string& typed)
{
    m_strError.clear();
    const std::string newName = TrimName(typed);
    if (newName.empty())
        return Fail(kEmptyName);
    if (!IsStorableName(newName))
        return Fail(kBadName);
    const CLockHold lock(m_fs, TemplateFilePath());
    if (!lock.Held())
        return Fail(kBusy);
    const std::string list = NameList();
    if (newName == oldName || Contains(SplitNames(list), newName))
        return Fail(kNameTaken);
    StoreList(RenameName(list, oldName, newName));
    std::vector<std::string> lines;
    const int read = ReadTemplateFile(lines);
    if (read <= 0)
        return read == 0 || Restore(list);
    // Sections already named newName are unlisted leftovers that would
    // shadow the renamed one; they go.
    const std::string oldHeader = Header(oldName);
    const std::string newHeader = Header(newName);
    std::vector<std::string> result;
    bool inStale = false;
    for (const std::string& line : lines) {
        const std::string trimmed = Trim(line);
        if (IsHeader(trimmed))
            inStale = trimmed == newHeader;
        if (!inStale)
            result.push_back(trimmed == oldHeader ? newHeader : line);
    }
    return WriteTemplateFile(result) || Restore(list);
}

bool CTemplateStore::MoveTemplate(const std::string& name, int position, bool up)
{
    m_strError.clear();
    const CLockHold lock(m_fs, TemplateFilePath());
    if (!lock.Held())
        return Fail(kBusy);
    const std::string list = NameList();
    const std::vector<std::string> names = SplitNames(list);
    const int count = static_cast<int>(names.size());
    if (position < 0 || position >= count || names[static_cast<size_t>(position)] != name)
        return false;
    if (up ? position == 0 : position == count - 1)
        return false;
    StoreList(InsertName(RemoveName(list, name), name, up ? position - 1 : position + 1));
    return true;
}

std::string CTemplateStore::InsertName(const std::string& list, const std::string& name, int position)
{
    size_t cut = 0;
    for (int n = 0; n < position; ++n) {
        const auto comma = list.find(',', cut);
        if (comma == std::string::npos) {
            cut = std::string::npos;
            break;
        }
        cut = comma + 1;
    }
    if (cut == std::string::npos) {
        // Fewer names than the position: append, closing the last name.
        std::string kept = list;
        if (!kept.empty() && kept.back() != ',')
            kept += ',';
        return kept + name + ",";
    }
    return list.substr(0, cut) + name + "," + list.substr(cut);
}

std::string CTemplateStore::RemoveName(const std::string& list, const std::string& name)
{
    std::vector<std::string> entries = Entries(list);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] != name)
            continue;
        if (i + 1 == entries.size())
            entries[i].clear();  // the last entry leaves the comma before it
        else
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
        break;
    }
    return JoinEntries(entries);
}

std::string CTemplateStore::RenameName(const std::string& list, const std::string& oldName, const std::string& newName)
{
    std::vector<std::string> entries = Entries(list);
    const auto it = std::find(entries.begin(), entries.end(), oldName);
    if (it != entries.end())
        *it = newName;
    return JoinEntries(entries);
}

std::vector<std::string> CTemplateStore::SplitNames(const std::string& list)
{
    std::vector<std::string> names;
    for (int n = 0;; ++n) {
        std::string name = CProjectReader::ExtractField(list, n, ',');
        if (name.empty())
            return names;
        names.push_back(std::move(name));
    }
}

std::vector<std::string> CTemplateStore::SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string CTemplateStore::JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string CTemplateStore::TrimName(const std::string& name)
{
    return Trim(name);
}

bool CTemplateStore::IsStorableName(const std::string& name)
{
    return !name.empty() && name.find_first_of(",[]\r\n") == std::string::npos;
}

bool CTemplateStore::BeginsListedName(const std::vector<std::string>& names, const std::string& name)
{
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    return std::any_of(names.begin(), names.end(), [&](const std::string& listed) {
        return listed.size() >= name.size() && std::equal(name.begin(), name.end(), listed.begin(),
                                                          [&](char a, char b) { return lower(a) == lower(b); });
    });
}

void CTemplateStore::StoreList(const std::string& list)
{
    m_settings.SetString(kSection, kKey, list);
    m_settings.Flush();  // atw and a second editor read the list from the file
}

bool CTemplateStore::Restore(const std::string& list)
{
    StoreList(list);
    return false;
}

bool CTemplateStore::Fail(const std::string& message)
{
    m_strError = message;
    return false;
}

int CTemplateStore::ReadTemplateFile(std::vector<std::string>& lines)
{
    const std::string path = TemplateFilePath();
    std::string text;
    // A pipe or a device in the file's place is never read (nor replaced).
    const bool regular = m_fs.IsRegularFile(path);
    if (!regular || !m_fs.ReadFile(path, text)) {
        if (!regular && !m_fs.Exists(path))
            return 0;
        Fail(kOpenFailed);
        return -1;
    }
    lines = SplitLines(text);
    return 1;
}

bool CTemplateStore::WriteTemplateFile(const std::vector<std::string>& lines)
{
    return m_fs.WriteFileAtomic(TemplateFilePath(), JoinLines(lines)) || Fail(kSaveFailed);
}
