#include "CIniSettings.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <cstdlib>
#include <utility>

#include "../codec/CPath.h"
#include "CIniCodec.h"

namespace {

constexpr const char* kWhite = " \t\r\n\v\f";

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

// One logical line from pos on: it ends at a line break outside double
// quotes that no "\" escapes; ";" outside quotes starts a comment. Returns
// false at the end of the text.
bool NextLine(const std::string& text, std::size_t& pos, std::string& line, std::size_t& equals)
{
    const std::size_t n = text.size();
    while (pos < n && std::string_view(kWhite).find(text[pos]) != std::string_view::npos)
        ++pos;
    if (pos >= n)
        return false;
    const std::size_t start = pos;
    std::size_t end = std::string::npos;
    bool inQuotes = false;
    equals = std::string::npos;
    std::size_t i = pos;
    while (i < n && !(IsLineBreak(text[i]) && !inQuotes)) {
        const char c = text[i];
        if (c == '\\' && i + 1 < n) {
            const char next = text[i + 1];
            i += 2;
            if (IsLineBreak(next) && i < n && IsLineBreak(text[i]) && text[i] != next)
                ++i;
            continue;
        }
        if (c == '=' && !inQuotes && equals == std::string::npos)
            equals = i - start;
        else if (c == '"')
            inQuotes = !inQuotes;
        else if (c == ';' && !inQuotes) {
            end = i;
            while (i < n && !IsLineBreak(text[i]))
                ++i;
            break;
        }
        ++i;
    }
    line = text.substr(start, std::min(end, i) - start);
    pos = i;
    return true;
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

}  // namespace

CIniSettings::CIniSettings(IFileSystem& fs, std::string path) : m_fs(fs), m_strPath(std::move(path)) {}

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
        const std::string key = CIniCodec::UnescapeKey(Trim(line.substr(0, equals)));
        if (!key.empty())
            Slot(sections, current, key).m_strRaw = line.substr(equals + 1);
    }
    return sections;
}

std::string CIniSettings::Format(const std::vector<CSection>& sections)
{
    std::string text;
    for (const CSection& section : sections) {
        if (section.m_arrKeys.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += CIniCodec::SectionHeader(section.m_strName) + "\n";
        for (const CKeyLine& key : section.m_arrKeys)
            text += CIniCodec::EscapeKey(key.m_strKey) + "=" + key.m_strRaw + "\n";
    }
    return text;
}

CIniSettings::CKeyLine& CIniSettings::Slot(std::vector<CSection>& sections,
                                           const std::string& section, const std::string& key)
{
    auto s = std::find_if(sections.begin(), sections.end(),
                          [&](const CSection& each) { return each.m_strName == section; });
    if (s == sections.end())
        s = sections.insert(sections.end(), CSection{section, {}});
    auto k = std::find_if(s->m_arrKeys.begin(), s->m_arrKeys.end(),
                          [&](const CKeyLine& each) { return each.m_strKey == key; });
    if (k == s->m_arrKeys.end())
        k = s->m_arrKeys.insert(s->m_arrKeys.end(), CKeyLine{key, {}});
    return *k;
}

std::vector<CIniSettings::CSection> CIniSettings::Load()
{
    std::string text;
    if (!m_fs.ReadFile(m_strPath, text))
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
// A file that exists but cannot be read is left alone rather than replaced.
void CIniSettings::Store(const std::string& section, const std::string& key, const std::string& raw)
{
    std::string text;
    if (!m_fs.ReadFile(m_strPath, text) &&
        (m_fs.IsRegularFile(m_strPath) || m_fs.IsDirectory(m_strPath))) {
        m_bWriteFailed = true;
        return;
    }
    std::vector<CSection> sections = Parse(text);
    Slot(sections, section, key).m_strRaw = raw;
    const std::string folder = CPath::Folder(m_strPath);
    if (!folder.empty())
        m_fs.MakeDir(folder);
    m_bWriteFailed = !m_fs.WriteFileAtomic(m_strPath, Format(sections));
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

std::string CIniSettings::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue)
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

void CIniSettings::SetString(const std::string& section, const std::string& key,
                             const std::string& value)
{
    Store(section, key, CIniCodec::EscapeValue(value));
}

bool CIniSettings::Contains(const std::string& section, const std::string& key)
{
    return Find(section, key) != nullptr;
}
