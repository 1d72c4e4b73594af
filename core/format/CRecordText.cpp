// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CRecordText.h"

#include <bit>
#include <climits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

std::string_view CRecordText::TrimSpaces(std::string_view text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsSpace(text[first]))
        ++first;
    while (last > first && IsSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

namespace {
// Calls found(at) for the separators of the text in order until it returns
// false. Sixteen bytes are compared at once where the processor offers it:
// a record holds ten to forty-five short fields, too short for a search call
// each; the last bytes are the sixteen that end the text, less those seen.
template <typename Found>
void ForEachSeparator(const char* data, size_t size, char separator, Found found)
{
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(separator);
    const auto matches = [&](size_t from) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
        return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
    };
    // Four blocks make one word of matches: fewer rounds, and fewer rounds
    // that find nothing, than a block at a time.
    for (; i + 64 <= size; i += 64) {
        const std::uint64_t low = matches(i) | matches(i + 16) << 16;
        const std::uint64_t high = matches(i + 32) | matches(i + 48) << 16;
        for (std::uint64_t m = low | high << 32; m; m &= m - 1)
            if (!found(i + static_cast<size_t>(std::countr_zero(m))))
                return;
    }
    for (; i + 16 <= size; i += 16)
        for (unsigned m = matches(i); m; m &= m - 1)
            if (!found(i + static_cast<size_t>(std::countr_zero(m))))
                return;
    if (i < size && size >= 16) {
        for (unsigned m = matches(size - 16) >> (16 - (size - i)); m; m &= m - 1)
            if (!found(i + static_cast<size_t>(std::countr_zero(m))))
                return;
        return;
    }
#endif
    for (; i < size; ++i)
        if (data[i] == separator && !found(i))
            return;
}
}  // namespace

void CRecordText::SplitAll(std::string_view text, char separator, std::vector<std::string_view>& parts)
{
    parts.clear();
    const char* const data = text.data();
    size_t start = 0;
    ForEachSeparator(data, text.size(), separator, [&](size_t at) {
        parts.emplace_back(data + start, at - start);
        start = at + 1;
        return true;
    });
    parts.emplace_back(data + start, text.size() - start);
}

void CRecordText::SplitFirst(std::string_view text, char separator, std::string_view* parts, size_t count)
{
    if (count == 0)
        return;
    const char* const data = text.data();
    size_t start = 0;
    size_t made = 0;
    ForEachSeparator(data, text.size(), separator, [&](size_t at) {
        parts[made++] = std::string_view(data + start, at - start);
        start = at + 1;
        return made < count;
    });
    if (made == count)
        return;
    parts[made++] = std::string_view(data + start, text.size() - start);
    for (; made < count; ++made)
        parts[made] = {};
}

int CRecordText::ToNumber(std::string_view text)
{
    // The writers' own spelling: a few digits and nothing else.
    if (!text.empty() && text.size() <= 9 && text[0] >= '0' && text[0] <= '9') {
        int value = 0;
        for (const char c : text) {
            const auto digit = static_cast<unsigned>(static_cast<unsigned char>(c) - '0');
            if (digit > 9)
                break;
            value = value * 10 + static_cast<int>(digit);
        }
        return value;
    }
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}
