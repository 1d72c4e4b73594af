// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// The text of a project file cut into what the reader reads: sections and
// their key lines, the comma-separated fields of a record, and numbers as the
// writers spell them. Views into the text, nothing copied.
class CRecordText {
public:
    // Without white space at either end.
    static std::string_view Trim(std::string_view text)
    {
        // Lines as the writers write them have nothing to strip but the CR
        // of their CR LF ends.
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (!text.empty() && !IsSpace(text.front()) && !IsSpace(text.back()))
            return text;
        return TrimSpaces(text);
    }
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    // Calls line(text) for every line of all, without its LF.
    template <typename Line>
    static void ForEachLine(std::string_view all, Line line)
    {
        const char* at = all.data();
        const char* const end = at + all.size();
        while (at < end) {
            const auto* newline = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
            const char* const lineEnd = newline ? newline : end;
            line(std::string_view(at, static_cast<size_t>(lineEnd - at)));
            at = lineEnd + 1;
        }
    }

    // What a line of a sectioned text holds: it is stripped of white space at
    // both ends; an empty one holds nothing; one beginning with "[" is the
    // header of the lines after it (text is then the stripped line); any
    // other is a key line: the key is the stripped text before the first
    // "=", the value all after it (empty without "=", and then at the line's
    // end: a value always lies in the text, where the record index finds it
    // by its offset).
    enum class Line { Empty, Header, Key };
    static Line ReadLine(std::string_view line, std::string_view& text, std::string_view& value)
    {
        line = Trim(line);
        if (line.empty())
            return Line::Empty;
        if (line.front() == '[') {
            text = line;
            return Line::Header;
        }
        const size_t eq = line.find('=');
        text = Trim(line.substr(0, eq));
        value = line.substr(eq == std::string_view::npos ? line.size() : eq + 1);
        return Line::Key;
    }

    // Calls entry(header, key, value) for every key line of a sectioned text
    // (see ReadLine), with the header of the lines it follows.
    template <typename Entry>
    static void ForEachEntry(std::string_view all, Entry entry)
    {
        std::string_view header;
        ForEachLine(all, [&](std::string_view line) {
            std::string_view text;
            std::string_view value;
            const Line kind = ReadLine(line, text, value);
            if (kind == Line::Header)
                header = text;
            else if (kind == Line::Key)
                entry(header, text, value);
        });
    }

    // Without white space at the end (a line's CR included): what ReadLine
    // leaves of the value of a line that begins with its key.
    static std::string_view TrimEnd(std::string_view value)
    {
        while (!value.empty() && IsSpace(value.back()))
            value.remove_suffix(1);
        return value;
    }

    // Every part of text split at separator, empty parts included.
    static void SplitAll(std::string_view text, char separator, std::vector<std::string_view>& parts);
    // The first count parts, as SplitAll and then resizing to count give
    // them: the parts that the text lacks are empty. The scan stops at the
    // separator after the last part wanted.
    static void SplitFirst(std::string_view text, char separator, std::string_view* parts, size_t count);
    // A number as the writers spell it: "0", or digits without a leading
    // zero, at most INT_MAX. Removes it from the front of text.
    static bool TakeNumber(std::string_view& text, std::uint32_t& number)
    {
        const size_t limit = std::min<size_t>(text.size(), 10);
        std::uint64_t value = 0;
        size_t i = 0;
        for (; i < limit; ++i) {
            const auto digit = static_cast<unsigned>(static_cast<unsigned char>(text[i]) - '0');
            if (digit > 9)
                break;
            value = value * 10 + digit;
        }
        if (i == 0 || (i > 1 && text[0] == '0') || value > INT_MAX)
            return false;
        number = static_cast<std::uint32_t>(value);
        text.remove_prefix(i);
        return true;
    }
    // Leading white space, an optional sign and leading digits; anything else
    // reads 0. Values beyond the int range are clamped.
    static int ToNumber(std::string_view text);

private:
    static std::string_view TrimSpaces(std::string_view text);
};
