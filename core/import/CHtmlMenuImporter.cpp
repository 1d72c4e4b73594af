// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHtmlMenuImporter.h"

#include <algorithm>
#include <gumbo.h>
#include <tuple>
#include <utility>

#include "CGumboOptions.h"
#include "CImportText.h"
#include "core/format/CRecordText.h"

struct CHtmlMenuImporter::CDocument {
    GumboOutput* m_pOutput = nullptr;
    ~CDocument()
    {
        if (m_pOutput)
            gumbo_destroy_output(&CGumboOptions::Get(), m_pOutput);
    }
};

namespace {

bool IsElement(const GumboNode* node)
{
    return node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE;
}

bool IsList(const GumboNode* node)
{
    return IsElement(node) && (node->v.element.tag == GUMBO_TAG_UL || node->v.element.tag == GUMBO_TAG_OL);
}

bool IsSkipped(const GumboNode* node)
{
    if (!IsElement(node))
        return false;
    const GumboTag tag = node->v.element.tag;
    return tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE || tag == GUMBO_TAG_TEMPLATE || tag == GUMBO_TAG_NOSCRIPT;
}

const GumboVector& Children(const GumboNode* node)
{
    return node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
}

std::string Attribute(const GumboNode* node, const char* name)
{
    const GumboAttribute* attr = gumbo_get_attribute(&node->v.element.attributes, name);
    return attr ? attr->value : "";
}

int Line(const GumboNode* node)
{
    return static_cast<int>(node->v.element.start_pos.line);
}

// Visits the descendants of node in document order, without recursion;
// visit returns false to leave an element's content out.
template <typename Visit>
void Walk(const GumboNode* node, Visit visit)
{
    std::vector<std::pair<const GumboNode*, unsigned>> stack{{node, 0}};
    while (!stack.empty()) {
        auto& [current, index] = stack.back();
        const GumboVector& children = Children(current);
        if (index >= children.length) {
            stack.pop_back();
            continue;
        }
        const auto* child = static_cast<const GumboNode*>(children.data[index++]);
        if (visit(child) && IsElement(child))
            stack.emplace_back(child, 0);
    }
}

// The text of node's content, lists and scripts left out.
std::string TextOf(const GumboNode* node)
{
    std::string text;
    Walk(node, [&](const GumboNode* child) {
        if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_CDATA || child->type == GUMBO_NODE_WHITESPACE)
            text.append(" ").append(child->v.text.text);
        return !IsList(child) && !IsSkipped(child);
    });
    // A no-break space (&nbsp;) is an ordinary space in a label.
    for (size_t at = text.find("\xC2\xA0"); at != std::string::npos; at = text.find("\xC2\xA0", at))
        text.replace(at, 2, " ");
    return CImportText::Collapse(text);
}

// What one <li> holds outside its nested lists: its first link, and those lists.
struct CItemParts {
    const GumboNode* m_pAnchor = nullptr;
    std::vector<const GumboNode*> m_lists;
};

CItemParts PartsOf(const GumboNode* li)
{
    CItemParts parts;
    Walk(li, [&](const GumboNode* child) {
        if (IsList(child)) {
            parts.m_lists.push_back(child);
            return false;
        }
        if (!parts.m_pAnchor && IsElement(child) && child->v.element.tag == GUMBO_TAG_A)
            parts.m_pAnchor = child;
        return !IsSkipped(child);
    });
    return parts;
}

// The <li> items of a list, those of lists wrapped in it included.
std::vector<const GumboNode*> ItemsOf(const GumboNode* list)
{
    std::vector<const GumboNode*> items;
    Walk(list, [&](const GumboNode* child) {
        if (IsElement(child) && child->v.element.tag == GUMBO_TAG_LI) {
            items.push_back(child);
            return false;
        }
        return !IsList(child) && !IsSkipped(child);
    });
    return items;
}

std::string ElementName(const GumboNode* list)
{
    std::string name = list->v.element.tag == GUMBO_TAG_OL ? "<ol" : "<ul";
    if (const std::string id = Attribute(list, "id"); !id.empty())
        name += " id=\"" + id + "\"";
    if (const std::string cls = Attribute(list, "class"); !cls.empty())
        name += " class=\"" + cls + "\"";
    return name + "> at line " + std::to_string(Line(list));
}

// Items at every level and the number of levels below list.
std::pair<int, int> Measure(const GumboNode* list)
{
    int items = 0;
    int levels = 0;
    std::vector<std::pair<const GumboNode*, int>> stack{{list, 1}};
    while (!stack.empty()) {
        auto [current, level] = stack.back();
        stack.pop_back();
        for (const GumboNode* li : ItemsOf(current)) {
            ++items;
            levels = std::max(levels, level);
            for (const GumboNode* sub : PartsOf(li).m_lists)
                stack.emplace_back(sub, level + 1);
        }
    }
    return {items, levels};
}

}  // namespace

CHtmlMenuImporter::CHtmlMenuImporter(std::string html)
    : m_strHtml(std::move(html)), m_doc(std::make_shared<CDocument>())
{
    m_doc->m_pOutput = gumbo_parse_with_options(&CGumboOptions::Get(), m_strHtml.data(), m_strHtml.size());
    struct CFound {
        CCandidate m_candidate;
        const GumboNode* m_pList;
    };
    std::vector<CFound> found;
    // Outermost lists, and whether a <nav> holds them.
    std::vector<std::pair<const GumboNode*, bool>> stack{{m_doc->m_pOutput->document, false}};
    while (!stack.empty()) {
        auto [node, inNav] = stack.back();
        stack.pop_back();
        const GumboVector& children = Children(node);
        for (unsigned i = children.length; i-- > 0;) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (!IsElement(child) || IsSkipped(child))
                continue;
            if (child->v.element.tag == GUMBO_TAG_BASE && !Attribute(child, "href").empty())
                m_bBase = true;
            if (!IsList(child)) {
                stack.emplace_back(child, inNav || child->v.element.tag == GUMBO_TAG_NAV);
                continue;
            }
            const auto [items, levels] = Measure(child);
            if (items == 0) {
                if (m_strError.empty())
                    m_strError = "The list " + ElementName(child) + " has no items.";
                continue;
            }
            CCandidate c;
            c.m_nLine = Line(child);
            c.m_nItems = items;
            c.m_bInNav = inNav;
            c.m_strDescription = (inNav ? "<nav> " : "") + ElementName(child) + ": " + std::to_string(items) +
                                 (items == 1 ? " item, " : " items, ") + std::to_string(levels) +
                                 (levels == 1 ? " level" : " levels");
            found.push_back({c, child});
        }
    }
    // The walk above goes in reverse; put document order back, <nav> lists first.
    std::sort(found.begin(), found.end(), [](const CFound& a, const CFound& b) {
        return a.m_pList->v.element.start_pos.offset < b.m_pList->v.element.start_pos.offset;
    });
    std::stable_partition(found.begin(), found.end(), [](const CFound& f) { return f.m_candidate.m_bInNav; });
    for (const CFound& f : found) {
        m_candidates.push_back(f.m_candidate);
        m_lists.push_back(f.m_pList);
    }
}

bool CHtmlMenuImporter::Import(size_t index, CImportNode& root, int maxDepth)
{
    if (index >= m_lists.size()) {
        if (m_strError.empty())
            m_strError = kNoList;
        return false;
    }
    const auto* top = static_cast<const GumboNode*>(m_lists[index]);
    // Lists waiting to be read, with the node their items go under and their level.
    std::vector<std::tuple<const GumboNode*, CImportNode*, int>> stack{{top, &root, 1}};
    while (!stack.empty()) {
        auto [list, parent, level] = stack.back();
        stack.pop_back();
        if (level > maxDepth) {
            m_strError = "The list " + ElementName(list) + " nests deeper than " + std::to_string(maxDepth) +
                         " levels, more than the editor allows.";
            return false;
        }
        for (const GumboNode* li : ItemsOf(list)) {
            const CItemParts parts = PartsOf(li);
            CImportNode* node = parent->AddChild();
            node->m_nLine = Line(li);
            const GumboNode* source = parts.m_pAnchor ? parts.m_pAnchor : li;
            node->m_strLabel = TextOf(source);
            if (parts.m_pAnchor) {
                // A browser takes the address without white space at its ends.
                node->m_strLink = CRecordText::Trim(Attribute(parts.m_pAnchor, "href"));
                node->m_strTarget = Attribute(parts.m_pAnchor, "target");
                node->m_strDescription = Attribute(parts.m_pAnchor, "title");
            }
            if (node->m_strDescription.empty())
                node->m_strDescription = Attribute(li, "title");
            if (node->m_strLabel.empty())
                node->m_strLabel = node->m_strLink.empty() ? "item" : CImportText::LabelFromPath(node->m_strLink);
            // Pushed in reverse, so that the sub-lists are read in order.
            for (auto sub = parts.m_lists.rbegin(); sub != parts.m_lists.rend(); ++sub)
                stack.emplace_back(*sub, node, level + 1);
        }
    }
    m_strError.clear();
    return true;
}
