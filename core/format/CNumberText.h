// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Numbers in text: decimals appended without a temporary string, and the
// value of one hexadecimal digit.
class CNumberText {
public:
    static void Append(std::string& out, long long value);
    // 0 to 15, or -1 for a character that is no hexadecimal digit.
    static int HexDigit(char c);
};
