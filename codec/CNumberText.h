#pragma once

#include <string>

// Decimal numbers appended to a text without a temporary string.
class CNumberText {
public:
    static void Append(std::string& out, long long value);
};
