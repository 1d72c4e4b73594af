// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CNestingScan.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <vector>

namespace {

// Elements that hold no content, or that the next one of their kind (or the
// end of their parent) closes: they never deepen the nesting.
bool NeverNests(std::string_view name)
{
    static constexpr std::string_view kNames[] = {
        "area",  "base", "br",      "col",    "colgroup", "dd",       "dt",      "embed", "hr",     "html",
        "head",  "body", "img",     "input",  "li",       "link",     "meta",    "param", "p",      "source",
        "track", "wbr",  "td",      "th",     "tr",       "tbody",    "thead",   "tfoot", "option", "optgroup",
        "rp",    "rt",   "caption", "keygen", "frame",    "basefont", "bgsound", "image"};
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

// Elements whose content is text up to their end tag.
bool IsRawText(std::string_view name)
{
    return name == "script" || name == "style" || name == "textarea" || name == "title" || name == "xmp" ||
           name == "iframe" || name == "noembed" || name == "noframes" || name == "plaintext";
}

bool IsList(std::string_view name)
{
    return name == "ul" || name == "ol" || name == "dl" || name == "menu";
}

bool IsNameChar(char c)
{
    return c != '\0' && !std::isspace(static_cast<unsigned char>(c)) && c != '/' && c != '>';
}

std::string LowerName(std::string_view html, size_t& at)
{
    std::string name;
    while (at < html.size() && IsNameChar(html[at]))
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(html[at++])));
    return name;
}

// Moves at past the end of the tag, quoted attribute values read over.
void SkipTag(std::string_view html, size_t& at)
{
    char quote = 0;
    for (; at < html.size(); ++at) {
        const char c = html[at];
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            // Only a value's quote opens a quoted run ("a=\"x>\""), not one in a name.
            if (at > 0 && (html[at - 1] == '=' || std::isspace(static_cast<unsigned char>(html[at - 1]))))
                quote = c;
        } else if (c == '>') {
            ++at;
            return;
        }
    }
}

// Moves at past "</name" closing raw text (or to the end).
void SkipRawText(std::string_view html, size_t& at, const std::string& name)
{
    while (at < html.size()) {
        const size_t lt = html.find("</", at);
        if (lt == std::string_view::npos) {
            at = html.size();
            return;
        }
        at = lt + 2;
        size_t end = at;
        if (LowerName(html, end) == name) {
            at = end;
            SkipTag(html, at);
            return;
        }
    }
}

}  // namespace

CNestingScan::CNestingScan(std::string_view html, int maxLists)
{
    std::vector<std::string> open;
    std::unordered_map<std::string, int> counts;
    int lists = 0;
    // What the parser looks through: the open elements at each tag, an open
    // <li> or <dt> counted in each list.
    long long looks = 0;
    const long long budget = kLooksFree + kLooksPerByte * static_cast<long long>(html.size());
    size_t at = 0;
    size_t lineCounted = 0;
    int line = 1;
    const auto lineAt = [&](size_t offset) {
        line += static_cast<int>(std::count(html.begin() + static_cast<std::ptrdiff_t>(lineCounted),
                                            html.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
        lineCounted = offset;
        return line;
    };
    while ((at = html.find('<', at)) != std::string_view::npos) {
        const size_t start = at++;
        if (html.compare(at, 3, "!--") == 0) {
            const size_t end = html.find("-->", at + 3);
            at = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const bool closing = at < html.size() && html[at] == '/';
        at += closing ? 1 : 0;
        if (at >= html.size() || !std::isalpha(static_cast<unsigned char>(html[at]))) {
            if (at < html.size() && (html[at] == '!' || html[at] == '?'))
                SkipTag(html, at);  // a doctype or a processing instruction
            continue;
        }
        const std::string name = LowerName(html, at);
        SkipTag(html, at);
        looks += static_cast<long long>(open.size()) + lists;
        if (looks > budget) {
            m_strProblem = "The page holds too many elements deep inside others (from line " +
                           std::to_string(lineAt(start)) + " on); reading it would take too long.";
            return;
        }
        if (closing) {
            auto found = counts.find(name);
            if (found == counts.end() || found->second == 0)
                continue;  // a browser ignores an end tag of no open element
            for (;;) {
                const std::string top = std::move(open.back());
                open.pop_back();
                --counts[top];
                lists -= IsList(top) ? 1 : 0;
                if (top == name)
                    break;
            }
            continue;
        }
        if (IsRawText(name)) {
            SkipRawText(html, at, name);
            continue;
        }
        if (NeverNests(name))
            continue;
        open.push_back(name);
        ++counts[name];
        lists += IsList(name) ? 1 : 0;
        m_nDeepestLists = std::max(m_nDeepestLists, lists);
        if (lists > maxLists) {
            m_strProblem = "The page nests its lists more than " + std::to_string(maxLists) + " levels deep (at line " +
                           std::to_string(lineAt(start)) + "), more than the editor allows.";
            return;
        }
        if (static_cast<int>(open.size()) > kMaxElements) {
            m_strProblem = "The page nests its elements more than " + std::to_string(kMaxElements) + " deep (at line " +
                           std::to_string(lineAt(start)) + "); it cannot be read as a menu.";
            return;
        }
    }
}
