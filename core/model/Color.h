// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// A colour reference: red in the low byte, then green, then blue (0x00BBGGRR).
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned GetRValue(COLORREF c)
{
    return c & 0xFFu;
}
constexpr unsigned GetGValue(COLORREF c)
{
    return (c >> 8) & 0xFFu;
}
constexpr unsigned GetBValue(COLORREF c)
{
    return (c >> 16) & 0xFFu;
}
