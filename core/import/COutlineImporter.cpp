// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "COutlineImporter.h"

#include <vector>

#include "CImportText.h"

namespace {

constexpr int kTabStop = 4;

// The column after the leading white space; removes it from line.
int TakeIndent(std::string_view& line)
{
    int column = 0;
    size_t i = 0;
    for (; i < line.size() && (line[i] == ' ' || line[i] == '\t'); ++i)
        column = line[i] == '\t' ? (column / kTabStop + 1) * kTabStop : column + 1;
    line.remove_prefix(i);
    return column;
}

std::string_view WithoutMarker(std::string_view text)
{
    // A Markdown heading ("## Products") is an item of its own.
    if (const size_t hashes = text.find_first_not_of('#');
        hashes > 0 && hashes != std::string_view::npos && hashes <= 6 && text[hashes] == ' ')
        return text.substr(hashes + 1);
    if (text.size() >= 2 && (text[0] == '-' || text[0] == '*' || text[0] == '+') && (text[1] == ' ' || text[1] == '\t'))
        return text.substr(2);
    if (text.size() == 1 && (text[0] == '-' || text[0] == '*' || text[0] == '+'))
        return {};
    size_t digits = 0;
    while (digits < text.size() && digits < 9 && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits > 0 && digits + 1 < text.size() && (text[digits] == '.' || text[digits] == ')') &&
        (text[digits + 1] == ' ' || text[digits + 1] == '\t'))
        return text.substr(digits + 2);
    return text;
}

std::string Trimmed(std::string_view text)
{
    return CImportText::Collapse(text);
}

}  // namespace

void COutlineImporter::ParseEntry(std::string_view text, CImportNode& node)
{
    text = WithoutMarker(text);
    const size_t close = text.find("](");
    const size_t end = close == std::string_view::npos ? close : text.find(')', close + 2);
    if (text.empty() || text[0] != '[' || end == std::string_view::npos) {
        node.m_strLabel = Trimmed(text);
        return;
    }
    node.m_strLabel = Trimmed(text.substr(1, close - 1));
    std::string_view inside = text.substr(close + 2, end - close - 2);
    // [Label](link "title")
    if (const size_t quote = inside.find(" \""); quote != std::string_view::npos && inside.back() == '"') {
        node.m_strDescription = std::string(inside.substr(quote + 2, inside.size() - quote - 3));
        inside = inside.substr(0, quote);
    }
    node.m_strLink = Trimmed(inside);
    if (node.m_strLink.size() >= 2 && node.m_strLink.front() == '<' && node.m_strLink.back() == '>')
        node.m_strLink = node.m_strLink.substr(1, node.m_strLink.size() - 2);
    // Text after the link ("- [A](a) - about A") describes the item.
    std::string rest = Trimmed(text.substr(end + 1));
    while (!rest.empty() && (rest[0] == '-' || rest[0] == ':' || rest[0] == ' '))
        rest.erase(0, 1);
    if (node.m_strDescription.empty())
        node.m_strDescription = rest;
    if (node.m_strLabel.empty())
        node.m_strLabel = node.m_strLink.empty() ? "item" : CImportText::LabelFromPath(node.m_strLink);
}

bool COutlineImporter::Import(const std::string& text, CImportNode& root, int maxDepth)
{
    std::vector<int> indents;
    std::vector<CImportNode*> parents{&root};
    CImportNode* last = nullptr;
    int lineNumber = 0;
    int bare = 0;  // list markers without text
    size_t start = 0;
    m_notes.clear();
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (lineNumber == 1 && line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        const int indent = TakeIndent(line);
        if (Trimmed(line).empty())
            continue;
        if (Trimmed(WithoutMarker(line)).empty()) {
            ++bare;
            continue;
        }
        if (indents.empty()) {
            indents.push_back(indent);
        } else if (indent > indents.back()) {
            indents.push_back(indent);
            parents.push_back(last);
        } else {
            while (indents.size() > 1 && indent < indents.back() && indent <= indents[indents.size() - 2]) {
                indents.pop_back();
                parents.pop_back();
            }
        }
        if (static_cast<int>(indents.size()) > maxDepth) {
            m_strError = "Line " + std::to_string(lineNumber) + " nests deeper than " + std::to_string(maxDepth) +
                         " levels, more than the editor allows.";
            return false;
        }
        last = parents.back()->AddChild();
        last->m_nLine = lineNumber;
        ParseEntry(line, *last);
    }
    if (!last) {
        m_strError = kEmpty;
        return false;
    }
    if (bare > 0)
        m_notes.push_back(CImportText::LeftOut(bare, "line", "lines", "each holds a list marker and no text."));
    return true;
}
