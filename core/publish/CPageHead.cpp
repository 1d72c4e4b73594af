// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPageHead.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <cstring>

bool CPageHead::IsUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        // Thirty-two, then eight plain ASCII bytes at a time: a page is mostly those.
        if (i + 32 <= text.size()) {
            std::uint64_t words[4];
            std::memcpy(words, text.data() + i, sizeof words);
            if (((words[0] | words[1] | words[2] | words[3]) & 0x8080808080808080u) == 0) {
                i += 32;
                continue;
            }
        }
        if (i + 8 <= text.size()) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, text.data() + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > text.size())
            return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2)
                return false;
        i += n;
    }
    return true;
}

std::string CPageHead::Charset(const std::string& texts)
{
    return IsUtf8(texts) ? "utf-8" : "windows-1252";
}

std::string CPageHead::MetaLines(const std::string& charset)
{
    return "<meta charset=\"" + charset + "\">\r\n" +
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n";
}

namespace {
// "de_CH.UTF-8@euro" -> "de-CH"; "" when the text names no language.
std::string TagOf(const std::string& locale)
{
    size_t end = 0;
    while (end < locale.size() && std::isalpha(static_cast<unsigned char>(locale[end])))
        ++end;
    if (end < 2 || end > 3)
        return {};
    std::string tag;
    for (size_t i = 0; i < end; ++i)
        tag += static_cast<char>(std::tolower(static_cast<unsigned char>(locale[i])));
    if (end < locale.size() && locale[end] == '_') {
        size_t regionEnd = end + 1;
        while (regionEnd < locale.size() && std::isalnum(static_cast<unsigned char>(locale[regionEnd])))
            ++regionEnd;
        const size_t length = regionEnd - end - 1;
        if (length == 2 || length == 3) {
            tag += '-';
            for (size_t i = end + 1; i < regionEnd; ++i)
                tag += static_cast<char>(std::toupper(static_cast<unsigned char>(locale[i])));
        }
    }
    return tag;
}
}  // namespace

std::string CPageHead::LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang)
{
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value == nullptr || *value == '\0')
            continue;
        const std::string tag = TagOf(value);
        return tag.empty() ? "en" : tag;
    }
    return "en";
}

std::string CPageHead::LanguageFromEnvironment()
{
    return LanguageFromLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}
