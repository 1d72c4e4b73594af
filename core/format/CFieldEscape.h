// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Text fields of the project and template files.
//
// The documented layout writes fields as they are, except that a CR LF in an
// item label is written as the label escape "|_#`". Text holding a comma, a
// lone CR or LF, a line break outside a label or the label escape itself
// cannot be written that way; a file that holds such text is written with the
// reversible escapes and marked as doing so (kMarkerWord, see CProjectText):
//   CR LF -> "|_#`"   CR -> "|_#r`"   LF -> "|_#n`"   "," -> "|_#c`"
//   "|_#" -> "|_#p`"  (only where one of these tokens would follow it)
// Unmarked files read exactly as the documented layout says.
class CFieldEscape {
public:
    // The word in the "Notice" value of a file written with the escapes.
    static constexpr std::string_view kMarkerWord = "Escapes1";

    // Marked files: every field.
    static void Escape(std::string_view text, std::string& out);
    // Turns exactly the tokens above back; any other "|_#" stays as it is.
    static void Unescape(std::string_view text, std::string& out);
    static std::string Escape(std::string_view text);
    static std::string Unescape(std::string_view text);

    // Unmarked files: a label's CR LF <-> "|_#`"; other fields are plain.
    static void EscapeLabel(std::string_view text, std::string& out);
    static void UnescapeLabel(std::string_view text, std::string& out);
    // Whether text, written plain (a label with EscapeLabel), reads back the
    // same from an unmarked file.
    static bool FitsPlain(std::string_view text, bool label);

    // Whether a "Notice" value names kMarkerWord as one of its fields.
    static bool IsMarked(std::string_view notice);
};
