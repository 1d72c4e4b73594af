// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Path text helpers on 8-bit strings with the native separator.
class CPath {
public:
    static constexpr char kSep = '/';

    // The file name after the last separator (the whole text when none).
    static std::string FileName(const std::string& path);
    // The text before the last separator ("" when there is none).
    static std::string Folder(const std::string& path);
    // folder + separator + name; just name when folder is empty.
    static std::string Join(const std::string& folder, const std::string& name);
    // The project file beside a page: folder, separator, the page's file name
    // up to its last "." and ".tvx" (a name without "." gets ".tvx" appended).
    static std::string ProjectFileFor(const std::string& pagePath);
    // Lower-case extension without the dot ("" when none).
    static std::string Extension(const std::string& path);
};
