#include "CFieldEscape.h"

namespace {
constexpr std::string_view kMarker = "|_#";

// The text a token after the marker stands for, and the token's length
// (0 when the marker starts no token).
std::string_view TokenAt(std::string_view rest, size_t& length)
{
    length = 0;
    if (rest.empty())
        return {};
    if (rest[0] == '`') {
        length = 1;
        return "\r\n";
    }
    if (rest.size() < 2 || rest[1] != '`')
        return {};
    length = 2;
    switch (rest[0]) {
    case 'r':
        return "\r";
    case 'n':
        return "\n";
    case 'c':
        return ",";
    case 'p':
        return kMarker;
    default:
        length = 0;
        return {};
    }
}
}  // namespace

void CFieldEscape::Escape(std::string_view text, std::string& out)
{
    const size_t size = text.size();
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n' && c != ',' && c != '|')
            continue;
        if (c == '|' && text.substr(i, kMarker.size()) != kMarker)
            continue;
        out.append(text.data() + start, i - start);
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n') {
            out += "|_#`";
            ++i;
        } else if (c == '\r') {
            out += "|_#r`";
        } else if (c == '\n') {
            out += "|_#n`";
        } else if (c == ',') {
            out += "|_#c`";
        } else {
            out += "|_#p`";
            i += kMarker.size() - 1;
        }
        start = i + 1;
    }
    out.append(text.data() + start, size - start);
}

void CFieldEscape::Unescape(std::string_view text, std::string& out)
{
    size_t start = 0;
    for (size_t pos = text.find(kMarker); pos != std::string_view::npos;
         pos = text.find(kMarker, pos)) {
        size_t length = 0;
        const std::string_view plain = TokenAt(text.substr(pos + kMarker.size()), length);
        if (length == 0) {
            pos += 1;
            continue;
        }
        out.append(text.substr(start, pos - start));
        out.append(plain);
        pos += kMarker.size() + length;
        start = pos;
    }
    out.append(text.substr(start));
}

std::string CFieldEscape::Escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    Escape(text, out);
    return out;
}

std::string CFieldEscape::Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    Unescape(text, out);
    return out;
}
