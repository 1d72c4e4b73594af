// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// The escaping rules of the editor's per-user settings file, an INI file in
// the layout that Qt's QSettings reads and writes on Linux:
//  - group and key names keep letters, digits, "_", "-" and "."; "/" becomes
//    "\"; any other character up to U+00FF becomes "%XX", beyond it "%UXXXX";
//  - a text value is written with C-style escapes for control characters,
//    "\\" and "\"", a leading "@" doubled, and in double quotes when it holds
//    ",", ";" or "=" or begins or ends with a blank (unquoted, a comma would
//    make a list).
// Texts in the core are 8-bit bytes; bytes from 0x80 up are taken as UTF-8.
class CIniCodec {
public:
    static std::string EscapeKey(const std::string& name);
    static std::string UnescapeKey(const std::string& escaped);
    // "[name]"; the empty group is "[General]", a group named General "[%General]".
    static std::string SectionHeader(const std::string& section);
    // The group named by the text between the brackets of a header.
    static std::string SectionName(const std::string& headerText);

    static std::string EscapeValue(const std::string& text);
    // Reads a value as written after "="; a list (unquoted commas) is joined
    // with ",". False for a value that holds no text ("@Invalid()").
    static bool UnescapeValue(const std::string& raw, std::string& text);

private:
    static void AppendUtf8(std::string& out, unsigned codePoint);
    static unsigned NextCodePoint(const std::string& text, std::size_t& pos);
    static std::string Unquote(const std::string& raw, bool& isList);
};
