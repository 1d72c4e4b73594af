// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The character encoding of a page, a sitemap or an outline, found as a
// browser finds it, and the text turned into UTF-8 (through the C library's
// iconv): a byte order mark first, then UTF-16 told by its zero bytes, then
// an XML declaration's encoding or a <meta> charset near the top; without
// any, text that is not valid UTF-8 is read as Windows-1252, the browsers'
// default for Western pages. ISO-8859-1 and ASCII are read as Windows-1252
// too, as browsers do. Bytes that do not fit the encoding become U+FFFD.
class CCharset {
public:
    // The encoding's name as iconv knows it ("UTF-8", "UTF-16LE", "WINDOWS-1252", ...).
    static std::string Detect(std::string_view bytes);
    // bytes as UTF-8, without a byte order mark.
    static std::string ToUtf8(std::string_view bytes);
    // The same with the encoding given.
    static std::string Convert(std::string_view bytes, const std::string& encoding);
    static bool IsValidUtf8(std::string_view text);
    // text kept where it is valid UTF-8, its other bytes read as Windows-1252.
    static std::string RepairUtf8(std::string_view text);
};
