// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Text helpers of the menu importers.
class CImportText {
public:
    // White space runs made one space, none at either end.
    static std::string Collapse(std::string_view text);
    // "%20" and the like decoded; a bad escape is kept as written.
    static std::string PercentDecode(std::string_view text);
    // A label for an address: its last path part without query, fragment and
    // extension, decoded, "-", "_" and "+" made spaces, the first letter
    // capitalised ("software-tools.html" -> "Software tools").
    static std::string LabelFromPath(std::string_view link);
    static std::string Readable(std::string_view part);
    // "-", "_" and "+" made spaces, then decoded (bytes that are no UTF-8
    // read as Windows-1252), white space collapsed.
    static std::string Words(std::string_view part);
    // True when bytes cannot be a text file: a NUL byte, or more than one
    // control character in a hundred.
    static bool IsBinary(std::string_view bytes);
    // True when address begins with "scheme:" of two or more characters
    // ("http:", "mailto:"), so that "C:" stays a drive.
    static bool HasScheme(std::string_view address);
    // What an importer tells about what it left out: "3 list items were left
    // out: why" ("1 list item was left out: why" for one).
    static std::string LeftOut(int count, std::string_view one, std::string_view many, std::string_view why);
};
