// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CImportText.h"

#include <cctype>

#include "CCharset.h"
#include "core/format/CNumberText.h"

namespace {
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

std::string CImportText::Collapse(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool space = false;
    for (char c : text) {
        if (IsSpace(c)) {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string CImportText::PercentDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && CNumberText::HexDigit(text[i + 1]) >= 0 &&
            CNumberText::HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(CNumberText::HexDigit(text[i + 1]) * 16 + CNumberText::HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CImportText::Words(std::string_view part)
{
    // Word marks first, so that an escaped "+" ("C%2B%2B") stays a plus.
    std::string marked(part);
    for (char& c : marked)
        if (c == '-' || c == '_' || c == '+')
            c = ' ';
    // Escapes of bytes that are no UTF-8 ("caf%E9") read as Windows-1252, as browsers show them.
    return Collapse(CCharset::RepairUtf8(PercentDecode(marked)));
}

std::string CImportText::Readable(std::string_view part)
{
    std::string label = Words(part);
    if (const size_t dot = label.rfind('.'); dot != std::string::npos && dot > 0)
        label.erase(dot);
    label = Collapse(label);
    if (!label.empty())
        label[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(label[0])));
    return label;
}

std::string CImportText::LabelFromPath(std::string_view link)
{
    link = link.substr(0, link.find_first_of("?#"));
    while (!link.empty() && link.back() == '/')
        link.remove_suffix(1);
    const size_t slash = link.rfind('/');
    const std::string label = Readable(slash == std::string_view::npos ? link : link.substr(slash + 1));
    return label.empty() ? "item" : label;
}

bool CImportText::IsBinary(std::string_view bytes)
{
    size_t controls = 0;
    for (char c : bytes) {
        if (c == '\0')
            return true;
        if (static_cast<unsigned char>(c) < 0x20 && !IsSpace(c) && c != '\x1b')
            ++controls;
    }
    return controls * 100 > bytes.size();
}

bool CImportText::HasScheme(std::string_view address)
{
    size_t i = 0;
    while (i < address.size() && (std::isalnum(static_cast<unsigned char>(address[i])) || address[i] == '+' ||
                                  address[i] == '-' || address[i] == '.'))
        ++i;
    return i >= 2 && i < address.size() && address[i] == ':' && std::isalpha(static_cast<unsigned char>(address[0]));
}

std::string CImportText::LeftOut(int count, std::string_view one, std::string_view many, std::string_view why)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many) + (count == 1 ? " was" : " were") +
           " left out: " + std::string(why);
}
