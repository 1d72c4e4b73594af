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

    // Calls entry(header, key, value) for every key line of a sectioned text:
    // lines end at LF, are stripped of white space at both ends and skipped when
    // empty; a line beginning with "[" is the header of the lines after it; the
    // key is the stripped text before the first "=", the value all after it
    // (empty without "=", and then at the line's end: a value always lies in
    // the text, where the record index finds it by its offset).
    template <typename Entry>
    static void ForEachEntry(std::string_view all, Entry entry)
    {
        std::string_view header;
        const char* at = all.data();
        const char* const end = at + all.size();
        while (at < end) {
            const auto* newline = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
            const char* const lineEnd = newline ? newline : end;
            const std::string_view line = Trim(std::string_view(at, static_cast<size_t>(lineEnd - at)));
            at = lineEnd + 1;
            if (line.empty())
                continue;
            if (line.front() == '[') {
                header = line;
                continue;
            }
            const size_t eq = line.find('=');
            entry(header, Trim(line.substr(0, eq)), line.substr(eq == std::string_view::npos ? line.size() : eq + 1));
        }
    }

    // Every part of text split at separator, empty parts included.
    static void SplitAll(std::string_view text, char separator, std::vector<std::string_view>& parts);
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
