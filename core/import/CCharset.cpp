// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CCharset.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iconv.h>

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr size_t kHeadBytes = 8192;  // how far a declaration is looked for

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// The encoding label after "name=" in text, quotes and spaces taken off.
std::string LabelAfter(std::string_view text, std::string_view name)
{
    const size_t at = text.find(name);
    if (at == std::string_view::npos)
        return {};
    size_t start = at + name.size();
    while (start < text.size() && (text[start] == ' ' || text[start] == '"' || text[start] == '\''))
        ++start;
    size_t end = start;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '-' ||
                                 text[end] == '_' || text[end] == '.' || text[end] == ':'))
        ++end;
    return std::string(text.substr(start, end - start));
}

// The label a page or an XML file declares near its top ("" when none).
std::string DeclaredLabel(std::string_view bytes)
{
    const std::string head = Lower(bytes.substr(0, kHeadBytes));
    const size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && head.compare(first, 5, "<?xml") == 0) {
        const size_t end = head.find("?>", first);
        if (const std::string label = LabelAfter(head.substr(first, end - first), "encoding=");
            end != std::string::npos && !label.empty())
            return label;
    }
    for (size_t meta = head.find("<meta"); meta != std::string::npos; meta = head.find("<meta", meta + 5)) {
        const size_t end = head.find('>', meta);
        if (std::string label = LabelAfter(head.substr(meta, end - meta), "charset="); !label.empty())
            return label;
    }
    return {};
}

// The name iconv knows for a label, read as browsers read it.
std::string Normalized(const std::string& label)
{
    static constexpr std::string_view kWestern[] = {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1",      "l1",
                                                    "us-ascii",   "ascii",     "cp1252",     "windows-1252"};
    if (std::find(std::begin(kWestern), std::end(kWestern), label) != std::end(kWestern))
        return "WINDOWS-1252";
    if (label == "utf8" || label == "utf-8" || label == "unicode-1-1-utf-8")
        return "UTF-8";
    std::string name = label;
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    return name;
}

size_t SequenceLength(std::string_view text, size_t at)
{
    const auto byte = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(at);
    if (lead < 0x80)
        return 1;
    const auto cont = [&](size_t i) { return (byte(i) & 0xC0) == 0x80; };
    if (lead >= 0xC2 && lead <= 0xDF)
        return cont(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned second = byte(at + 1);
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F))
            return 0;
        return cont(at + 1) && cont(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned second = byte(at + 1);
        if ((lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return 0;
        return cont(at + 1) && cont(at + 2) && cont(at + 3) ? 4 : 0;
    }
    return 0;
}

}  // namespace

bool CCharset::IsValidUtf8(std::string_view text)
{
    for (size_t at = 0; at < text.size();) {
        const size_t length = SequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::string CCharset::Detect(std::string_view bytes)
{
    if (bytes.substr(0, 3) == kUtf8Bom)
        return "UTF-8";
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return "UTF-16LE";
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return "UTF-16BE";
    // UTF-16 without a mark: the first character is ASCII, "<" or a space.
    if (bytes.size() >= 4 && bytes[0] != '\0' && bytes[1] == '\0' && bytes[3] == '\0')
        return "UTF-16LE";
    if (bytes.size() >= 4 && bytes[0] == '\0' && bytes[1] != '\0' && bytes[2] == '\0')
        return "UTF-16BE";
    std::string name = Normalized(DeclaredLabel(bytes));
    // A page in an 8-bit form cannot be in UTF-16 whatever it says.
    if (name.rfind("UTF-16", 0) == 0 || name.rfind("UTF-32", 0) == 0 || name == "UNICODE")
        name = "UTF-8";
    if (name.empty())
        name = IsValidUtf8(bytes) ? "UTF-8" : "WINDOWS-1252";
    return name;
}

std::string CCharset::ToUtf8(std::string_view bytes)
{
    return Convert(bytes, Detect(bytes));
}

std::string CCharset::Convert(std::string_view bytes, const std::string& encoding)
{
    if (encoding == "UTF-8") {
        if (bytes.substr(0, 3) == kUtf8Bom)
            bytes.remove_prefix(3);
        if (IsValidUtf8(bytes))
            return std::string(bytes);
    }
    iconv_t cd = iconv_open("UTF-8", encoding.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (encoding != "WINDOWS-1252")
            return RepairUtf8(bytes);  // a label iconv does not know: as though none were given
        std::string latin;             // without the C library's converters: each byte its own character
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80)
                latin += c;
            else
                latin.append({static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))});
        }
        return latin;
    }
    const size_t unit = encoding.rfind("UTF-16", 0) == 0 ? 2 : 1;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    char buffer[16384];
    // iconv takes a pointer to non-const input, though it only reads it.
    char* in = const_cast<char*>(bytes.data());
    size_t left = bytes.size();
    while (left > 0) {
        char* to = buffer;
        size_t room = sizeof(buffer);
        const size_t done = iconv(cd, &in, &left, &to, &room);
        out.append(buffer, static_cast<size_t>(to - buffer));
        if (done == static_cast<size_t>(-1) && errno != E2BIG) {
            // A sequence that does not fit the encoding, or one cut off at the end.
            out.append(kReplacement);
            const size_t skip = std::min(unit, left);
            in += skip;
            left -= skip;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    if (std::string_view(out).substr(0, 3) == kUtf8Bom)
        out.erase(0, 3);
    return out;
}

std::string CCharset::RepairUtf8(std::string_view text)
{
    if (IsValidUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    size_t at = 0;
    while (at < text.size()) {
        size_t valid = at;
        size_t length = 0;
        while (valid < text.size() && (length = SequenceLength(text, valid)) > 0)
            valid += length;
        out.append(text.substr(at, valid - at));
        size_t bad = valid;
        while (bad < text.size() && SequenceLength(text, bad) == 0)
            ++bad;
        if (bad > valid)
            out += Convert(text.substr(valid, bad - valid), "WINDOWS-1252");
        at = bad;
    }
    return out;
}
