// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Unpacks gzip data (a ".xml.gz" sitemap, a ".html.gz" page) through zlib,
// up to a limit, so that a small file that unpacks to gigabytes is refused.
class CGzip {
public:
    static bool IsGzip(std::string_view bytes) { return bytes.size() >= 2 && bytes[0] == '\x1f' && bytes[1] == '\x8b'; }
    // false with error set ("damaged", "larger than ...") when it cannot.
    static bool Unpack(std::string_view packed, std::string& out, size_t limit, std::string& error);
};
