// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The head of a page that today's browsers read: its character set, a
// viewport for phones and the language of its texts.
class CPageHead {
public:
    // True when every byte sequence of text is well-formed UTF-8.
    static bool IsUtf8(const std::string& text);
    // "utf-8" for texts that are valid UTF-8, else "windows-1252".
    static std::string Charset(const std::string& texts);
    // The meta lines for charset and viewport, each ending in CR LF.
    static std::string MetaLines(const std::string& charset);

    // The page language as a language tag ("de-CH") from the first set one of
    // LC_ALL, LC_MESSAGES and LANG ("de_CH.UTF-8@euro"); "en" when none is set
    // or it names no language ("C", "POSIX").
    static std::string LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang);
    // The same from this process's environment.
    static std::string LanguageFromEnvironment();
};
