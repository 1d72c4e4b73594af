// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CIniCodec.h"

#include <cctype>
#include <cstdio>

#include "core/format/CNumberText.h"

namespace {

bool IsPlainKeyChar(unsigned c)
{
    return c < 0x80 && (std::isalnum(static_cast<int>(c)) || c == '_' || c == '-' || c == '.');
}

std::string Hex(unsigned value, int digits, bool upper)
{
    char buffer[16];
    if (digits > 0)
        std::snprintf(buffer, sizeof buffer, upper ? "%0*X" : "%0*x", digits, value);
    else
        std::snprintf(buffer, sizeof buffer, upper ? "%X" : "%x", value);
    return buffer;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Drops blanks at the end of part, but none of the first limit bytes.
void ChopTrailingBlanks(std::string& part, std::size_t limit)
{
    while (part.size() > limit && IsBlank(part.back()))
        part.pop_back();
}

char SimpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\': return c;
    default: return 0;
    }
}

const char* ControlEscape(unsigned char c)
{
    switch (c) {
    case '\a': return "\\a";
    case '\b': return "\\b";
    case '\f': return "\\f";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    case '\v': return "\\v";
    default: return nullptr;
    }
}

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

void CIniCodec::AppendUtf8(std::string& out, unsigned cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One UTF-8 sequence; a byte that starts no valid sequence stands for itself.
unsigned CIniCodec::NextCodePoint(const std::string& text, std::size_t& pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(pos);
    const int extra = lead >= 0xF0 && lead <= 0xF4  ? 3
                      : lead >= 0xE0 && lead < 0xF0 ? 2
                      : lead >= 0xC2 && lead < 0xE0 ? 1
                                                    : 0;
    if (extra == 0 || pos + static_cast<std::size_t>(extra) >= text.size()) {
        ++pos;
        return lead;
    }
    unsigned cp = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const unsigned next = byte(pos + k);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return lead;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += extra + 1;
    return cp;
}

std::string CIniCodec::EscapeKey(const std::string& name)
{
    std::string out;
    for (std::size_t pos = 0; pos < name.size();) {
        const unsigned cp = NextCodePoint(name, pos);
        if (cp == '/')
            out += '\\';
        else if (IsPlainKeyChar(cp))
            out += static_cast<char>(cp);
        else if (cp <= 0xFF)
            out += "%" + Hex(cp, 2, true);
        else if (cp <= 0xFFFF)
            out += "%U" + Hex(cp, 4, true);
        else  // as two UTF-16 halves
            out += "%U" + Hex(0xD800 + ((cp - 0x10000) >> 10), 4, true) + "%U" +
                   Hex(0xDC00 + ((cp - 0x10000) & 0x3FF), 4, true);
    }
    return out;
}

std::string CIniCodec::UnescapeKey(const std::string& escaped)
{
    if (escaped.find('\\') == std::string::npos && escaped.find('%') == std::string::npos)
        return escaped;
    std::string out;
    for (std::size_t i = 0; i < escaped.size();) {
        const char c = escaped[i];
        if (c == '\\') {
            out += '/';
            ++i;
            continue;
        }
        const bool wide = c == '%' && i + 1 < escaped.size() && escaped[i + 1] == 'U';
        const std::size_t first = i + (wide ? 2 : 1);
        const std::size_t digits = wide ? 4 : 2;
        unsigned value = 0;
        bool ok = c == '%' && first + digits <= escaped.size();
        for (std::size_t k = 0; ok && k < digits; ++k) {
            const int d = CNumberText::HexDigit(escaped[first + k]);
            ok = d >= 0;
            value = value * 16 + static_cast<unsigned>(d);
        }
        if (ok) {
            AppendUtf8(out, value);
            i = first + digits;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string CIniCodec::SectionHeader(const std::string& section)
{
    if (section.empty())
        return "[General]";
    if (section == "General")
        return "[%General]";
    return "[" + EscapeKey(section) + "]";
}

std::string CIniCodec::SectionName(const std::string& headerText)
{
    if (headerText.size() != 7 && headerText.size() != 8)  // neither "general" nor "%general"
        return UnescapeKey(headerText);
    std::string lower;
    for (char c : headerText)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "general")
        return {};
    if (lower == "%general")
        return "General";
    return UnescapeKey(headerText);
}

std::string CIniCodec::EscapeValue(const std::string& text)
{
    std::string value = text;
    if (value.find('\0') != std::string::npos)
        value = "@String(" + value + ")";
    else if (!value.empty() && value[0] == '@')
        value.insert(0, 1, '@');

    std::string out;
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeNextIfHex && CNumberText::HexDigit(ch) >= 0) {
            out += "\\x" + Hex(c, 0, false);
            continue;
        }
        escapeNextIfHex = false;
        if (c == 0) {
            out += "\\0";
            escapeNextIfHex = true;
        } else if (const char* escape = ControlEscape(c)) {
            out += escape;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c <= 0x1F) {
            out += "\\x" + Hex(c, 0, false);
            escapeNextIfHex = true;
        } else {
            out += ch;
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' ')))
        out = "\"" + out + "\"";
    return out;
}

// Undoes the quoting and escapes; unquoted commas separate list parts, which
// come back joined with ",".
std::string CIniCodec::Unquote(const std::string& raw, bool& isList)
{
    std::string joined;
    std::string part;
    std::size_t chopLimit = 0;
    bool inQuotes = false;
    bool quoted = false;
    bool chopAtEnd = true;
    isList = false;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && IsBlank(raw[i]))
            ++i;
        chopLimit = part.size();
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size()) {
                chopAtEnd = false;
                break;
            }
            const char e = raw[i++];
            if (const char simple = SimpleEscape(e)) {
                part += simple;
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                unsigned value = e == 'x' ? 0u : static_cast<unsigned>(e - '0');
                bool any = e != 'x';
                for (int d; i < raw.size() && (d = CNumberText::HexDigit(raw[i])) >= 0 && d < base; ++i) {
                    value = (value * static_cast<unsigned>(base) + static_cast<unsigned>(d)) & 0xFFFF;
                    any = true;
                }
                if (any)
                    AppendUtf8(part, value);
            } else if ((e == '\n' || e == '\r') && i < raw.size() && (raw[i] == '\n' || raw[i] == '\r') &&
                       raw[i] != e) {
                ++i;  // an escaped line break joins the next line
            }
            chopLimit = part.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == ',' && !inQuotes) {
            if (!quoted)
                ChopTrailingBlanks(part, chopLimit);
            joined += part + ",";
            part.clear();
            isList = true;
            quoted = false;
            ++i;
            skipBlanks();
        } else {
            std::size_t j = i + 1;
            while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
                ++j;
            part.append(raw, i, j - i);
            i = j;
        }
    }
    if (chopAtEnd && !quoted)
        ChopTrailingBlanks(part, chopLimit);
    return joined + part;
}

bool CIniCodec::UnescapeValue(const std::string& raw, std::string& text)
{
    bool isList = false;
    text = Unquote(raw, isList);
    if (isList || text.empty() || text[0] != '@')
        return true;
    if (StartsWith(text, "@@")) {
        text.erase(0, 1);
    } else if (text == "@Invalid()") {
        text.clear();
        return false;
    } else if ((StartsWith(text, "@String(") || StartsWith(text, "@ByteArray(")) && text.back() == ')') {
        const std::size_t open = text.find('(');
        text = text.substr(open + 1, text.size() - open - 2);
    }
    return true;
}
