// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/format/CRecordText.h"

// Numbers as the writers spell them, at every length of digits up to the
// int range, with what may follow them.
TEST(RecordText, TakeNumberAtEveryLength)
{
    struct Case {
        std::string text;
        bool ok;
        std::uint32_t number;
        size_t rest;
    };
    const Case cases[] = {
        {"7-12=label", true, 7, 9},
        {"1234567-1=x", true, 1234567, 4},
        {"12345678-1=x", true, 12345678, 4},
        {"123456789=abcdef", true, 123456789, 7},
        {"2147483647=abcdef", true, 2147483647u, 7},
        {"2147483648=abcdef", false, 0, 17},
        {"99999999999=abcdef", false, 0, 18},
        {"0=abcdefgh", true, 0, 9},
        {"0123=abcdefgh", false, 0, 13},
        {"00000000-1", false, 0, 10},
        {"-1=abcdefgh", false, 0, 11},
        {"12\xfa\xff\xff\xff\xff\xff", true, 12, 6},
        {"1/:0000000", true, 1, 9},
        {"42", true, 42, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        std::string_view text = c.text;
        std::uint32_t number = 0;
        EXPECT_EQ(CRecordText::TakeNumber(text, number), c.ok) << c.text;
        EXPECT_EQ(text.size(), c.rest) << c.text;
        if (c.ok) {
            EXPECT_EQ(number, c.number) << c.text;
        }
    }
}

// The first parts of a record are those that splitting it whole gives,
// wherever the separators fall against the sixteen bytes compared at once.
TEST(RecordText, SplitFirstAgreesWithSplitAll)
{
    std::vector<std::string> texts = {"", ",", "a", "a,b", ",,,,,,,,,,,,"};
    for (size_t size : {15, 16, 17, 31, 33, 63, 64, 65, 80, 128, 250})
        for (size_t step : {1, 3, 7, 16, 17})
            for (size_t first : {0, 5, 15}) {
                std::string text(size, 'x');
                for (size_t at = first; at < size; at += step)
                    text[at] = ',';
                texts.push_back(text);
            }
    for (const std::string& text : texts)
        for (size_t count : {1, 2, 10, 45}) {
            std::vector<std::string_view> all;
            CRecordText::SplitAll(text, ',', all);
            all.resize(count);
            std::vector<std::string_view> first(count, "unset");
            CRecordText::SplitFirst(text, ',', first.data(), count);
            EXPECT_EQ(first, all) << text << " / " << count;
        }
}
