// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CFieldEscape.h"

namespace {
constexpr std::string_view kMarker = "|_#";
constexpr std::string_view kLabelEscape = "|_#`";

// The text a token after the marker stands for, and the token's length
// (0 when the marker starts no token).
std::string_view TokenAt(std::string_view rest, size_t& length)
{
    length = 0;
    if (rest.empty())
        return {};
    if (rest[0] == '`') {
        length = 1;
        return "\r\n";
    }
    if (rest.size() < 2 || rest[1] != '`')
        return {};
    length = 2;
    switch (rest[0]) {
    case 'r': return "\r";
    case 'n': return "\n";
    case 'c': return ",";
    case 'p': return kMarker;
    default: length = 0; return {};
    }
}

// Whether the marker at i would read back as the start of a token.
bool StartsToken(std::string_view text, size_t i)
{
    size_t length = 0;
    TokenAt(text.substr(i + kMarker.size()), length);
    return length != 0;
}

// Appends text with every occurrence of from replaced by to.
void Replace(std::string_view text, std::string_view from, std::string_view to, std::string& out)
{
    size_t start = 0;
    for (size_t pos = text.find(from); pos != std::string_view::npos; pos = text.find(from, start)) {
        out.append(text.substr(start, pos - start));
        out.append(to);
        start = pos + from.size();
    }
    out.append(text.substr(start));
}
}  // namespace

void CFieldEscape::Escape(std::string_view text, std::string& out)
{
    const size_t size = text.size();
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n' && c != ',' && c != '|')
            continue;
        // A marker that starts no token reads back as it is: it stays.
        if (c == '|' && (text.substr(i, kMarker.size()) != kMarker || !StartsToken(text, i)))
            continue;
        out.append(text.data() + start, i - start);
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n') {
            out += kLabelEscape;
            ++i;
        } else if (c == '\r') {
            out += "|_#r`";
        } else if (c == '\n') {
            out += "|_#n`";
        } else if (c == ',') {
            out += "|_#c`";
        } else {
            out += "|_#p`";
            i += kMarker.size() - 1;
        }
        start = i + 1;
    }
    out.append(text.data() + start, size - start);
}

void CFieldEscape::Unescape(std::string_view text, std::string& out)
{
    size_t start = 0;
    for (size_t pos = text.find(kMarker); pos != std::string_view::npos; pos = text.find(kMarker, pos)) {
        size_t length = 0;
        const std::string_view plain = TokenAt(text.substr(pos + kMarker.size()), length);
        if (length == 0) {
            pos += 1;
            continue;
        }
        out.append(text.substr(start, pos - start));
        out.append(plain);
        pos += kMarker.size() + length;
        start = pos;
    }
    out.append(text.substr(start));
}

std::string CFieldEscape::Escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    Escape(text, out);
    return out;
}

std::string CFieldEscape::Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    Unescape(text, out);
    return out;
}

void CFieldEscape::EscapeLabel(std::string_view text, std::string& out)
{
    Replace(text, "\r\n", kLabelEscape, out);
}

void CFieldEscape::UnescapeLabel(std::string_view text, std::string& out)
{
    Replace(text, kLabelEscape, "\r\n", out);
}

bool CFieldEscape::FitsPlain(std::string_view text, bool label)
{
    if (text.find(',') != std::string_view::npos)
        return false;
    if (!label)
        return text.find_first_of("\r\n") == std::string_view::npos;
    // A label keeps its CR LF pairs; a lone CR or LF would break the line,
    // and an escape already in the text would read back as a line break.
    for (size_t pos = text.find_first_of("\r\n"); pos != std::string_view::npos;
         pos = text.find_first_of("\r\n", pos + 2)) {
        if (text[pos] != '\r' || pos + 1 >= text.size() || text[pos + 1] != '\n')
            return false;
    }
    return text.find(kLabelEscape) == std::string_view::npos;
}

bool CFieldEscape::IsMarked(std::string_view notice)
{
    size_t start = 0;
    while (start <= notice.size()) {
        const size_t comma = notice.find(',', start);
        const size_t end = comma == std::string_view::npos ? notice.size() : comma;
        if (notice.substr(start, end - start) == kMarkerWord)
            return true;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return false;
}
