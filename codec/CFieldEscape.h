#pragma once

#include <string>
#include <string_view>

// Text fields of the project and template files: commas, line breaks and the
// escape marker "|_#" are written as tokens so that a field can neither split
// nor break its line, and reads back exactly.
//   CR LF -> "|_#`"  (the label escape of older files)
//   CR    -> "|_#r`"   LF -> "|_#n`"   "," -> "|_#c`"   "|_#" -> "|_#p`"
class CFieldEscape {
public:
    static void Escape(std::string_view text, std::string& out);
    // Turns exactly the tokens above back; any other "|_#" stays as it is.
    static void Unescape(std::string_view text, std::string& out);
    static std::string Escape(std::string_view text);
    static std::string Unescape(std::string_view text);
};
