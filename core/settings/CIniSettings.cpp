// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CIniSettings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "CIniCodec.h"
#include "core/io/CLockHold.h"
#include "core/io/CPath.h"

namespace {

constexpr const char* kWhite = " \t\r\n\v\f";
// The bytes at which the scan of a line has something to decide.
constexpr const char* kLineStops = "\n\r\\=\";";

std::string Trim(const std::string& text)
{
    const auto first = text.find_first_not_of(kWhite);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// The first byte from p on that is one of stops, or end. The text ends in
// its NUL terminator, which stops strcspn; a NUL inside the text is an
// ordinary byte.
const char* Scan(const char* p, const char* end, const char* stops)
{
    for (p += std::strcspn(p, stops); p < end && *p == '\0'; p += std::strcspn(p, stops))
        ++p;
    return p;
}

// One logical line from pos on: it ends at a line break outside double
// quotes that no "\" escapes; ";" outside quotes starts a comment. Returns
// false at the end of the text.
bool NextLine(const std::string& text, std::size_t& pos, std::string& line, std::size_t& equals)
{
    const char* const end = text.c_str() + text.size();
    const char* p = text.c_str() + pos;
    p += std::strspn(p, kWhite);
    pos = static_cast<std::size_t>(p - text.c_str());
    if (p >= end)
        return false;
    const char* const start = p;
    const char* last = nullptr;
    bool inQuotes = false;
    equals = std::string::npos;
    for (p = Scan(p, end, kLineStops); p < end; p = Scan(p, end, kLineStops)) {
        const char c = *p;
        if (IsLineBreak(c) && !inQuotes)
            break;
        if (c == '\\' && p + 1 < end) {
            const char next = p[1];
            p += 2;
            if (IsLineBreak(next) && p < end && IsLineBreak(*p) && *p != next)
                ++p;
            continue;
        }
        if (c == '=' && !inQuotes && equals == std::string::npos)
            equals = static_cast<std::size_t>(p - start);
        else if (c == '"')
            inQuotes = !inQuotes;
        else if (c == ';' && !inQuotes) {
            last = p;
            p = Scan(p, end, "\n\r");
            break;
        }
        ++p;
    }
    line.assign(start, last ? last : p);
    pos = static_cast<std::size_t>(p - text.c_str());
    return true;
}

// A key as the settings library keeps it: no "/" at either end and none
// doubled. Written back, a key ending in "/" would end in "\\" and escape
// the "=" after it, so the next read would find another key.
std::string NormalizedKey(const std::string& key)
{
    std::string out;
    for (const char c : key) {
        if (c == '/' && (out.empty() || out.back() == '/'))
            continue;
        out += c;
    }
    if (!out.empty() && out.back() == '/')
        out.pop_back();
    return out;
}

bool ParseInt(const std::string& text, int& value)
{
    std::string digits = Trim(text);
    if (!digits.empty() && digits[0] == '+')
        digits.erase(0, 1);
    const char* first = digits.data();
    const char* last = first + digits.size();
    const auto [end, error] = std::from_chars(first, last, value);
    return !digits.empty() && error == std::errc() && end == last;
}

// True when a raw value, written with a line end after it, would run on into
// the next line: an unterminated quote or a final "\" (a damaged file). Such
// a value swallows the lines after it when the file is read again.
bool RunsOn(const std::string& raw)
{
    const char* const end = raw.c_str() + raw.size();
    bool inQuotes = false;
    for (const char* p = Scan(raw.c_str(), end, "\\\""); p < end; p = Scan(p + 1, end, "\\\"")) {
        if (*p == '"')
            inQuotes = !inQuotes;
        else if (++p == end)
            return true;
    }
    return inQuotes;
}

}  // namespace

// The sections with an index by name and, in each, by key, so that building
// a file of many sections stays linear.
class CIniSettings::CIndex {
public:
    explicit CIndex(std::vector<CSection>& sections) : m_sections(sections)
    {
        for (std::size_t s = 0; s < sections.size(); ++s) {
            m_sectionAt.emplace(sections[s].m_strName, s);
            auto& keys = m_keyAt[s];
            for (std::size_t k = 0; k < sections[s].m_arrKeys.size(); ++k)
                keys.emplace(sections[s].m_arrKeys[k].m_strKey, k);
        }
    }

    CKeyLine& Slot(const std::string& section, const std::string& key)
    {
        const auto [at, isNewSection] = m_sectionAt.emplace(section, m_sections.size());
        if (isNewSection)
            m_sections.push_back(CSection{section, {}});
        CSection& s = m_sections[at->second];
        const auto [keyAt, isNewKey] = m_keyAt[at->second].emplace(key, s.m_arrKeys.size());
        if (isNewKey)
            s.m_arrKeys.push_back(CKeyLine{key, {}});
        return s.m_arrKeys[keyAt->second];
    }

private:
    std::vector<CSection>& m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionAt;
    std::unordered_map<std::size_t, std::unordered_map<std::string, std::size_t>> m_keyAt;
};

CIniSettings::CIniSettings(IFileSystem& fs, std::string path) : m_fs(fs), m_strPath(std::move(path))
{
}

std::string CIniSettings::UserFile()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && *config) {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = CPath::Join(home && *home ? home : "/", ".config");
    }
    return CPath::Join(base, "Quorvex/AppletTavelinWizard.conf");
}

std::vector<CIniSettings::CSection> CIniSettings::Parse(const std::string& text)
{
    std::vector<CSection> sections;
    CIndex index(sections);
    std::string current;
    std::string line;
    std::size_t equals = 0;
    for (std::size_t pos = 0; NextLine(text, pos, line, equals);) {
        if (line[0] == '[') {
            const auto close = line.find(']');
            current = CIniCodec::SectionName(
                Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            continue;
        }
        if (equals == std::string::npos || equals >= line.size())
            continue;  // neither a group nor a key: dropped, as the editor drops it
        const std::string key = NormalizedKey(CIniCodec::UnescapeKey(Trim(line.substr(0, equals))));
        if (!key.empty())
            index.Slot(current, key).m_strRaw = line.substr(equals + 1);
    }
    return sections;
}

// A value that would run on (see RunsOn) goes last, after a repeat of its
// group's header and without a line end, so that it cannot swallow the
// lines after it.
std::string CIniSettings::Format(const std::vector<CSection>& sections)
{
    std::string text;
    std::string last;
    for (const CSection& section : sections) {
        std::string lines;
        for (const CKeyLine& key : section.m_arrKeys) {
            const std::string line = CIniCodec::EscapeKey(key.m_strKey) + "=" + key.m_strRaw;
            if (!RunsOn(key.m_strRaw))
                lines += line + "\n";
            else if (last.empty())
                last = CIniCodec::SectionHeader(section.m_strName) + "\n" + line;
        }
        if (lines.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += CIniCodec::SectionHeader(section.m_strName) + "\n" + lines;
    }
    if (!last.empty())
        text += (text.empty() ? "" : "\n") + last;
    return text;
}

// A pipe or a device in the file's place is never read (it could block or
// never end).
std::vector<CIniSettings::CSection> CIniSettings::Load()
{
    std::string text;
    if (!m_fs.IsRegularFile(m_strPath) || !m_fs.ReadFile(m_strPath, text))
        return {};
    return Parse(text);
}

const CIniSettings::CKeyLine* CIniSettings::Find(const std::string& section, const std::string& key)
{
    m_arrLoaded = Load();
    for (const CSection& s : m_arrLoaded)
        if (s.m_strName == section)
            for (const CKeyLine& k : s.m_arrKeys)
                if (k.m_strKey == key)
                    return &k;
    return nullptr;
}

// Reads the file afresh, changes one value and writes the file back whole.
// A file that exists but cannot be read, or is no regular file, is left
// alone rather than replaced; so is one whose new text would not read back
// the value just set.
void CIniSettings::Store(const std::string& section, const std::string& key, const std::string& raw)
{
    std::string text;
    m_bWriteFailed = true;
    if (m_fs.Exists(m_strPath) && !m_fs.IsRegularFile(m_strPath))
        return;
    const std::string folder = CPath::Folder(m_strPath);
    if (!folder.empty())
        m_fs.MakeDir(folder);
    const CLockHold lock(m_fs, m_strPath);
    if (!lock.Held() || (m_fs.Exists(m_strPath) && (!m_fs.IsRegularFile(m_strPath) || !m_fs.ReadFile(m_strPath, text))))
        return;
    std::vector<CSection> sections = Parse(text);
    CIndex(sections).Slot(section, key).m_strRaw = raw;
    const std::string written = Format(sections);
    if (!ReadsBack(written, section, key, raw))
        return;
    m_bWriteFailed = !m_fs.WriteFileAtomic(m_strPath, written);
}

bool CIniSettings::ReadsBack(const std::string& text, const std::string& section, const std::string& key,
                             const std::string& raw)
{
    for (const CSection& s : Parse(text))
        if (s.m_strName == section)
            for (const CKeyLine& k : s.m_arrKeys)
                if (k.m_strKey == key)
                    return k.m_strRaw == raw;
    return false;
}

int CIniSettings::GetInt(const std::string& section, const std::string& key, int defaultValue)
{
    std::string text;
    int value = 0;
    const CKeyLine* found = Find(section, key);
    if (found && CIniCodec::UnescapeValue(found->m_strRaw, text) && ParseInt(text, value))
        return value;
    return defaultValue;
}

std::string CIniSettings::GetString(const std::string& section, const std::string& key, const std::string& defaultValue)
{
    std::string text;
    const CKeyLine* found = Find(section, key);
    if (found && CIniCodec::UnescapeValue(found->m_strRaw, text))
        return text;
    return defaultValue;
}

void CIniSettings::SetInt(const std::string& section, const std::string& key, int value)
{
    Store(section, key, std::to_string(value));
}

void CIniSettings::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    Store(section, key, CIniCodec::EscapeValue(value));
}

bool CIniSettings::Unreadable()
{
    std::string text;
    return m_fs.Exists(m_strPath) && (!m_fs.IsRegularFile(m_strPath) || !m_fs.ReadFile(m_strPath, text));
}

bool CIniSettings::Contains(const std::string& section, const std::string& key)
{
    return Find(section, key) != nullptr;
}
