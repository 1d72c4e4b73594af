// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMarkdownImporter.h"

#include <algorithm>
#include <md4c.h>
#include <unordered_map>
#include <unordered_set>

#include "CImportText.h"

namespace {

// A line that opens more containers than this (spaces, "> ", list marks)
// would make the parser slow; far more than a menu can nest anyway.
constexpr size_t kMaxLeadingMarks = 8000;

// One list item being read: its node and the text of its label so far.
struct CItem {
    CImportNode* m_pNode;
    std::string m_strText;      // outside its link
    std::string m_strLinkText;  // of its link
    bool m_bClosed = false;     // a nested list began: the label is complete
    bool m_bLinkOpen = false;   // its link's text is being read
};

struct CLink {
    std::string m_strText;
    std::string m_strHref;
    std::string m_strTitle;
};

std::string AttributeText(const MD_ATTRIBUTE& attribute)
{
    return std::string(attribute.text, attribute.size);
}

// The entities a menu label may hold; others stay as written.
std::string Entity(std::string_view entity)
{
    static const std::pair<std::string_view, std::string_view> kNamed[] = {
        {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&nbsp;", " "}};
    for (const auto& [name, text] : kNamed)
        if (entity == name)
            return std::string(text);
    return std::string(entity);
}

class CReader {
public:
    CReader(const std::string& text, CImportNode& root, int maxDepth)
        : m_text(text), m_root(root), m_nMaxDepth(maxDepth)
    {
        m_depths[&root] = 0;
    }

    int EnterBlock(MD_BLOCKTYPE type, void* detail)
    {
        const bool first = !m_bAnyBlock && type != MD_BLOCK_DOC && type != MD_BLOCK_HTML;
        if (type != MD_BLOCK_DOC && type != MD_BLOCK_HTML)
            m_bAnyBlock = true;
        if (m_nSkip > 0 || type == MD_BLOCK_CODE || type == MD_BLOCK_HTML || type == MD_BLOCK_TABLE ||
            type == MD_BLOCK_QUOTE) {
            m_nLeftOut += m_nSkip > 0 && type == MD_BLOCK_LI ? 1 : 0;
            ++m_nSkip;
            return 0;
        }
        switch (type) {
        case MD_BLOCK_UL:
        case MD_BLOCK_OL:
            if (!m_items.empty())
                m_items.back().m_bClosed = true;
            m_listParents.push_back(m_items.empty() ? Section() : m_items.back().m_pNode);
            break;
        case MD_BLOCK_LI: {
            CImportNode* node = Add(*m_listParents.back());
            if (!node)
                return 1;
            m_items.push_back({node, {}, {}, false, false});
            break;
        }
        case MD_BLOCK_H:
            m_bTitle = first && static_cast<MD_BLOCK_H_DETAIL*>(detail)->level == 1;
            m_nHeading = static_cast<MD_BLOCK_H_DETAIL*>(detail)->level;
            m_strHeading.clear();
            m_bInHeading = true;
            break;
        case MD_BLOCK_P:
            m_bInParagraph = m_items.empty();
            m_bOnlyLinks = true;
            m_paragraphLinks.clear();
            break;
        default: break;
        }
        return 0;
    }

    int LeaveBlock(MD_BLOCKTYPE type)
    {
        if (m_nSkip > 0) {
            --m_nSkip;
            return 0;
        }
        switch (type) {
        case MD_BLOCK_UL:
        case MD_BLOCK_OL: m_listParents.pop_back(); break;
        case MD_BLOCK_LI: {
            CImportNode* node = m_items.back().m_pNode;
            // An empty item ("- " alone) is no item. It need not be the
            // last of its list's: a heading inside it went to the section.
            if (!FinishItem(m_items.back()) && node->m_children.empty()) {
                auto& siblings = m_listParents.back()->m_children;
                const auto it = std::find_if(siblings.begin(), siblings.end(),
                                             [node](const auto& child) { return child.get() == node; });
                if (it != siblings.end()) {
                    m_depths.erase(node);
                    siblings.erase(it);
                    ++m_nEmpty;
                }
            }
            m_items.pop_back();
            break;
        }
        case MD_BLOCK_H: return LeaveHeading();
        case MD_BLOCK_P:
            if (m_bInParagraph && m_bOnlyLinks)
                for (const CLink& link : m_paragraphLinks) {
                    CImportNode* node = Add(*Section());
                    if (!node)
                        return 1;
                    node->m_strLabel = CImportText::Collapse(link.m_strText);
                    node->m_strLink = link.m_strHref;
                    node->m_strDescription = link.m_strTitle;
                    if (node->m_strLabel.empty())
                        node->m_strLabel = CImportText::LabelFromPath(link.m_strHref);
                }
            m_bInParagraph = false;
            break;
        default: break;
        }
        return 0;
    }

    int EnterSpan(MD_SPANTYPE type, void* detail)
    {
        if (m_nSkip > 0 || type != MD_SPAN_A)
            return 0;
        const auto* a = static_cast<MD_SPAN_A_DETAIL*>(detail);
        m_bInLink = true;
        if (!m_items.empty() && !m_items.back().m_bClosed && m_items.back().m_pNode->m_strLink.empty()) {
            m_items.back().m_pNode->m_strLink = CImportText::Collapse(AttributeText(a->href));
            m_items.back().m_pNode->m_strDescription = AttributeText(a->title);
            m_items.back().m_bLinkOpen = true;
        } else if (m_bInParagraph) {
            m_paragraphLinks.push_back({{}, CImportText::Collapse(AttributeText(a->href)), AttributeText(a->title)});
        }
        return 0;
    }

    int LeaveSpan(MD_SPANTYPE type)
    {
        if (type == MD_SPAN_A) {
            m_bInLink = false;
            if (!m_items.empty())
                m_items.back().m_bLinkOpen = false;
        }
        return 0;
    }

    int Text(MD_TEXTTYPE type, const MD_CHAR* text, MD_SIZE size)
    {
        if (m_nSkip > 0)
            return 0;
        std::string piece = type == MD_TEXT_SOFTBR || type == MD_TEXT_BR ? std::string(" ")
                            : type == MD_TEXT_ENTITY                     ? Entity(std::string_view(text, size))
                            : type == MD_TEXT_NULLCHAR                   ? std::string("\xEF\xBF\xBD")
                                                                         : std::string(text, size);
        if (type == MD_TEXT_HTML)
            piece.clear();  // inline markup is no part of a label
        if (m_bInHeading) {
            m_strHeading += piece;
        } else if (!m_items.empty() && !m_items.back().m_bClosed) {
            if (m_items.back().m_pNode->m_nLine == 0)
                m_items.back().m_pNode->m_nLine = LineOf(text);
            CItem& item = m_items.back();
            (item.m_bLinkOpen ? item.m_strLinkText : item.m_strText) += piece;
        } else if (m_bInParagraph) {
            if (m_bInLink && !m_paragraphLinks.empty())
                m_paragraphLinks.back().m_strText += piece;
            else if (!CImportText::Collapse(piece).empty())
                m_bOnlyLinks = false;
        }
        return 0;
    }

    // Headings that hold no items are taken out: they were prose.
    void Prune()
    {
        std::vector<std::pair<CImportNode*, size_t>> stack{{&m_root, 0}};
        while (!stack.empty()) {
            auto& [node, index] = stack.back();
            if (index < node->m_children.size()) {
                CImportNode* child = node->m_children[index++].get();
                stack.emplace_back(child, 0);
                continue;
            }
            auto& children = node->m_children;
            children.erase(std::remove_if(children.begin(), children.end(),
                                          [&](const auto& child) {
                                              return m_headings.count(child.get()) && child->m_children.empty();
                                          }),
                           children.end());
            stack.pop_back();
        }
    }

    std::string m_strError;
    int m_nLeftOut = 0;  // list items inside quotes and tables
    int m_nEmpty = 0;    // list items without text or link

private:
    // A linked item is labelled by its link; text after it ("- [A](a) - about A") describes it.
    // false when the item holds neither text nor a link.
    static bool FinishItem(CItem& item)
    {
        CImportNode& node = *item.m_pNode;
        std::string rest = CImportText::Collapse(item.m_strText);
        if (node.m_strLink.empty() && item.m_strLinkText.empty()) {
            node.m_strLabel = rest;
        } else {
            node.m_strLabel = CImportText::Collapse(item.m_strLinkText);
            rest.erase(0, std::min(rest.find_first_not_of("-: "), rest.size()));
            if (node.m_strDescription.empty())
                node.m_strDescription = rest;
        }
        if (!node.m_strLabel.empty())
            return true;
        node.m_strLabel = node.m_strLink.empty() ? "item" : CImportText::LabelFromPath(node.m_strLink);
        return !node.m_strLink.empty();
    }

    CImportNode* Section() { return m_sections.empty() ? &m_root : m_sections.back().second; }

    CImportNode* Add(CImportNode& parent)
    {
        const int depth = m_depths[&parent] + 1;
        if (depth > m_nMaxDepth) {
            m_strError = "The Markdown lists nest deeper than " + std::to_string(m_nMaxDepth) +
                         " levels, more than the editor allows.";
            return nullptr;
        }
        CImportNode* node = parent.AddChild();
        m_depths[node] = depth;
        return node;
    }

    int LeaveHeading()
    {
        m_bInHeading = false;
        if (m_bTitle) {
            m_bTitle = false;
            return 0;
        }
        while (!m_sections.empty() && m_sections.back().first >= m_nHeading)
            m_sections.pop_back();
        CImportNode* node = Add(*Section());
        if (!node)
            return 1;
        node->m_strLabel = CImportText::Collapse(m_strHeading);
        if (node->m_strLabel.empty())
            node->m_strLabel = "item";
        m_headings.insert(node);
        m_sections.emplace_back(m_nHeading, node);
        return 0;
    }

    int LineOf(const MD_CHAR* text)
    {
        const auto offset = static_cast<size_t>(
            std::clamp<std::ptrdiff_t>(text - m_text.data(), 0, static_cast<std::ptrdiff_t>(m_text.size())));
        if (offset < m_nCounted) {
            m_nCounted = 0;
            m_nLine = 1;
        }
        m_nLine += static_cast<int>(std::count(m_text.begin() + static_cast<std::ptrdiff_t>(m_nCounted),
                                               m_text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
        m_nCounted = offset;
        return m_nLine;
    }

    const std::string& m_text;
    CImportNode& m_root;
    int m_nMaxDepth;
    std::unordered_map<const CImportNode*, int> m_depths;
    std::unordered_set<const CImportNode*> m_headings;
    std::vector<std::pair<unsigned, CImportNode*>> m_sections;  // open headings: level, node
    std::vector<CImportNode*> m_listParents;
    std::vector<CItem> m_items;
    std::vector<CLink> m_paragraphLinks;
    std::string m_strHeading;
    unsigned m_nHeading = 0;
    int m_nSkip = 0;  // inside code, raw HTML, a table or a quote
    bool m_bAnyBlock = false;
    bool m_bTitle = false;
    bool m_bInHeading = false;
    bool m_bInParagraph = false;
    bool m_bOnlyLinks = true;
    bool m_bInLink = false;
    size_t m_nCounted = 0;
    int m_nLine = 1;
};

// True when a line opens so many containers that the parser would crawl.
bool NestsTooDeep(const std::string& text)
{
    size_t run = 0;
    bool leading = true;
    for (const char c : text) {
        if (c == '\n') {
            run = 0;
            leading = true;
        } else if (leading && (c == ' ' || c == '\t' || c == '>' || c == '-' || c == '*' || c == '+')) {
            if (++run > kMaxLeadingMarks)
                return true;
        } else {
            leading = false;
        }
    }
    return false;
}

}  // namespace

bool CMarkdownImporter::Import(const std::string& text, CImportNode& root, int maxDepth)
{
    if (NestsTooDeep(text)) {
        m_strError = "A line of the Markdown file nests deeper than " + std::to_string(maxDepth) +
                     " levels, more than the editor allows.";
        return false;
    }
    CReader reader(text, root, maxDepth);
    MD_PARSER parser{};
    parser.abi_version = 0;
    parser.flags = MD_FLAG_TABLES | MD_FLAG_STRIKETHROUGH;
    parser.enter_block = [](MD_BLOCKTYPE type, void* detail, void* self) {
        return static_cast<CReader*>(self)->EnterBlock(type, detail);
    };
    parser.leave_block = [](MD_BLOCKTYPE type, void*, void* self) {
        return static_cast<CReader*>(self)->LeaveBlock(type);
    };
    parser.enter_span = [](MD_SPANTYPE type, void* detail, void* self) {
        return static_cast<CReader*>(self)->EnterSpan(type, detail);
    };
    parser.leave_span = [](MD_SPANTYPE type, void*, void* self) {
        return static_cast<CReader*>(self)->LeaveSpan(type);
    };
    parser.text = [](MD_TEXTTYPE type, const MD_CHAR* chars, MD_SIZE size, void* self) {
        return static_cast<CReader*>(self)->Text(type, chars, size);
    };
    const int result = md_parse(text.data(), static_cast<MD_SIZE>(text.size()), &parser, &reader);
    if (result != 0 || !reader.m_strError.empty()) {
        m_strError = reader.m_strError.empty() ? "The Markdown file cannot be read." : reader.m_strError;
        return false;
    }
    reader.Prune();
    if (reader.m_nLeftOut > 0)
        m_notes.push_back(std::to_string(reader.m_nLeftOut) +
                          (reader.m_nLeftOut == 1 ? " list item was" : " list items were") +
                          " left out: they stand in a quote or a table.");
    if (reader.m_nEmpty > 0)
        m_notes.push_back(
            CImportText::LeftOut(reader.m_nEmpty, "list item", "list items", "each holds no text, link or list."));
    if (root.m_children.empty()) {
        m_strError = kEmpty;
        return false;
    }
    return true;
}
