// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHtmlMenuImporter.h"

#include <algorithm>
#include <cctype>
#include <gumbo.h>
#include <string_view>
#include <tuple>
#include <utility>

#include "CGumboOptions.h"
#include "CImportText.h"
#include "CLinkRebase.h"
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
    // A <dl> of links is a table of contents as DocBook and gtk-doc write them:
    // <dt> entries, the sub-list in the <dd> after each.
    return IsElement(node) && (node->v.element.tag == GUMBO_TAG_UL || node->v.element.tag == GUMBO_TAG_OL ||
                               node->v.element.tag == GUMBO_TAG_DL);
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

// The address an <a> leads to, without white space at its ends as a browser
// takes it; "" for one that only opens a dropdown ("#", "javascript:void(0)").
std::string LinkOf(const GumboNode* anchor)
{
    std::string link(CRecordText::Trim(Attribute(anchor, "href")));
    if (link == "#" || link == "#!" || link.rfind("javascript:", 0) == 0)
        return {};
    return link;
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

// Elements a browser lays out as blocks or breaks: text on either side of
// them does not run together.
bool BreaksText(const GumboNode* node)
{
    switch (node->v.element.tag) {
    case GUMBO_TAG_BR:
    case GUMBO_TAG_P:
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_LI:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_HR:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_HEADER:
    case GUMBO_TAG_FOOTER: return true;
    default: return false;
    }
}

// The text of node's content as a browser lays it out, lists and scripts
// left out: inline markup inside a word ("<b>H</b>ome") joins no space in.
std::string TextOf(const GumboNode* node)
{
    std::string text;
    std::vector<std::pair<const GumboNode*, unsigned>> stack{{node, 0}};
    while (!stack.empty()) {
        auto& [current, index] = stack.back();
        const GumboVector& children = Children(current);
        if (index >= children.length) {
            if (current != node && BreaksText(current))
                text += ' ';
            stack.pop_back();
            continue;
        }
        const auto* child = static_cast<const GumboNode*>(children.data[index++]);
        if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_CDATA || child->type == GUMBO_NODE_WHITESPACE) {
            text += child->v.text.text;
        } else if (IsElement(child) && child->v.element.tag == GUMBO_TAG_IMG) {
            text += Attribute(child, "alt");  // a picture's words: what a logo link says
        } else if (IsElement(child) && !IsList(child) && !IsSkipped(child)) {
            if (BreaksText(child))
                text += ' ';
            stack.emplace_back(child, 0);
        }
    }
    // A no-break space (&nbsp;) is an ordinary space in a label.
    for (size_t at = text.find("\xC2\xA0"); at != std::string::npos; at = text.find("\xC2\xA0", at))
        text.replace(at, 2, " ");
    return CImportText::Collapse(text);
}

bool HasClass(const GumboNode* node, std::string_view name)
{
    const std::string classes = Attribute(node, "class");
    for (size_t at = classes.find(name); at != std::string::npos; at = classes.find(name, at + 1)) {
        const size_t after = at + name.size();
        if ((at == 0 || classes[at - 1] == ' ') && (after == classes.size() || classes[after] == ' '))
            return true;
    }
    return false;
}

bool IsAnchor(const GumboNode* node)
{
    return IsElement(node) && node->v.element.tag == GUMBO_TAG_A;
}

// A group of links shown as a sub-menu without a list: a dropdown of the
// Bootstrap 4 kind (<div class="dropdown-menu"> of <a class="dropdown-item">).
// The <dd> of an index as pod2html writes one (<dt>Lintian</dt><dd><a>Lintian::Data</a>
// &nbsp; <a>...</a></dd>): links and nothing else between them but white space.
bool IsLinkRow(const GumboNode* dd)
{
    bool links = false;
    bool other = false;
    const auto blank = [](const char* text) {
        for (std::string_view rest(text); !rest.empty(); rest.remove_prefix(1))
            if (rest.substr(0, 2) == "\xC2\xA0")
                rest.remove_prefix(1);
            else if (!std::isspace(static_cast<unsigned char>(rest[0])))
                return false;
        return true;
    };
    Walk(dd, [&](const GumboNode* child) {
        if (IsAnchor(child)) {
            links = true;
            return false;
        }
        if (IsList(child) || (child->type == GUMBO_NODE_TEXT && !blank(child->v.text.text)))
            other = true;
        return !other && !IsSkipped(child);
    });
    return links && !other;
}

bool IsLinkGroup(const GumboNode* node)
{
    if (!IsElement(node) || IsList(node))
        return false;
    return HasClass(node, "dropdown-menu") || (node->v.element.tag == GUMBO_TAG_DD && IsLinkRow(node));
}

// A list proper, or a group of links standing for one.
bool IsSubList(const GumboNode* node)
{
    return IsList(node) || IsLinkGroup(node);
}

// What one <li> holds outside its nested lists: its first link, and those lists.
struct CItemParts {
    const GumboNode* m_pAnchor = nullptr;
    std::vector<const GumboNode*> m_lists;
    int m_nOtherLinks = 0;  // links to other addresses beside the first, which the item cannot hold
};

// One item of a list: an <li> (an <a> in a group of links), and the lists
// that a browser shows nested under it though they stand outside it (a <ul>
// directly in a <ul>).
struct CEntry {
    const GumboNode* m_pItem = nullptr;
    std::vector<const GumboNode*> m_strays;
};

CItemParts PartsOf(const CEntry& entry)
{
    CItemParts parts;
    if (IsAnchor(entry.m_pItem)) {
        parts.m_pAnchor = entry.m_pItem;
    } else {
        Walk(entry.m_pItem, [&](const GumboNode* child) {
            if (IsSubList(child)) {
                parts.m_lists.push_back(child);
                return false;
            }
            if (IsAnchor(child)) {
                if (!parts.m_pAnchor)
                    parts.m_pAnchor = child;
                else if (const std::string link = LinkOf(child); !link.empty() && link != LinkOf(parts.m_pAnchor))
                    ++parts.m_nOtherLinks;
            }
            return !IsSkipped(child);
        });
    }
    parts.m_lists.insert(parts.m_lists.end(), entry.m_strays.begin(), entry.m_strays.end());
    return parts;
}

// The items of a list, those of lists wrapped in it included; in a group of
// links (a dropdown, a <nav> without lists) its links.
std::vector<CEntry> ItemsOf(const GumboNode* list)
{
    const bool links = !IsList(list);
    const GumboTag itemTag = list->v.element.tag == GUMBO_TAG_DL ? GUMBO_TAG_DT : GUMBO_TAG_LI;
    std::vector<CEntry> items;
    Walk(list, [&](const GumboNode* child) {
        if (!IsElement(child))
            return false;
        if (links ? IsAnchor(child) : child->v.element.tag == itemTag) {
            items.push_back({child, {}});
            return false;
        }
        if (IsSubList(child)) {
            // A list before any item: its items are this list's.
            if (items.empty())
                return true;
            items.back().m_strays.push_back(child);
            return false;
        }
        return !IsSkipped(child);
    });
    return items;
}

bool HoldsList(const GumboNode* node)
{
    bool found = false;
    Walk(node, [&](const GumboNode* child) {
        found = found || IsList(child);
        return !found && !IsSkipped(child);
    });
    return found;
}

std::string ElementName(const GumboNode* list)
{
    std::string name = std::string("<") + gumbo_normalized_tagname(list->v.element.tag);
    if (const std::string id = Attribute(list, "id"); !id.empty())
        name += " id=\"" + id + "\"";
    if (const std::string cls = Attribute(list, "class"); !cls.empty())
        name += " class=\"" + cls + "\"";
    return name + "> at line " + std::to_string(Line(list));
}

// An item that shows nothing a menu could take: no link, no list, no
// text (a separator, as <li class="divider"></li>).
bool ShowsNothing(const CEntry& entry, const CItemParts& parts)
{
    return !parts.m_pAnchor && parts.m_lists.empty() && TextOf(entry.m_pItem).empty();
}

struct CMeasure {
    int m_nItems = 0;
    int m_nLevels = 0;
    int m_nLinks = 0;  // items with an address
    int m_nPages = 0;  // those whose address is a page, not a mail address
};

// Items at every level, the number of levels below list, and the items with a link.
CMeasure Measure(const GumboNode* list)
{
    CMeasure measure;
    std::vector<std::pair<const GumboNode*, int>> stack{{list, 1}};
    while (!stack.empty()) {
        auto [current, level] = stack.back();
        stack.pop_back();
        for (const CEntry& entry : ItemsOf(current)) {
            const CItemParts parts = PartsOf(entry);
            if (ShowsNothing(entry, parts))
                continue;
            ++measure.m_nItems;
            measure.m_nLevels = std::max(measure.m_nLevels, level);
            if (const std::string link = parts.m_pAnchor ? LinkOf(parts.m_pAnchor) : std::string(); !link.empty()) {
                ++measure.m_nLinks;
                measure.m_nPages += link.rfind("mailto:", 0) == 0 ? 0 : 1;
            }
            for (const GumboNode* sub : parts.m_lists)
                stack.emplace_back(sub, level + 1);
        }
    }
    return measure;
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
    std::vector<std::pair<unsigned, std::string>> empty;  // the lists without items, by offset
    std::vector<std::pair<unsigned, std::string>> frames;
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
            const GumboTag tag = child->v.element.tag;
            if (tag == GUMBO_TAG_BASE && m_strBase.empty())
                m_strBase = CRecordText::Trim(Attribute(child, "href"));
            if (tag == GUMBO_TAG_FRAME)
                frames.emplace_back(child->v.element.start_pos.offset, Attribute(child, "src"));
            // A <nav> of bare links is a list of its links.
            const bool bareNav = tag == GUMBO_TAG_NAV && !HoldsList(child);
            if (!IsList(child) && !bareNav) {
                // role="navigation" marks a navigation block as <nav> does (Sphinx's sidebar).
                stack.emplace_back(child, inNav || tag == GUMBO_TAG_NAV || Attribute(child, "role") == "navigation");
                continue;
            }
            const CMeasure measure = Measure(child);
            if (measure.m_nItems == 0) {
                if (!bareNav)
                    empty.emplace_back(child->v.element.start_pos.offset, ElementName(child));
                continue;
            }
            CCandidate c;
            c.m_nLine = Line(child);
            c.m_nItems = measure.m_nItems;
            c.m_nLinks = measure.m_nLinks;
            c.m_nPages = measure.m_nPages;
            c.m_bInNav = inNav || bareNav;
            c.m_strDescription = (inNav ? "<nav> " : "") + ElementName(child) + ": " +
                                 std::to_string(measure.m_nItems) + (measure.m_nItems == 1 ? " item, " : " items, ") +
                                 std::to_string(measure.m_nLevels) +
                                 (measure.m_nLevels == 1 ? " level, " : " levels, ") +
                                 std::to_string(measure.m_nLinks) + (measure.m_nLinks == 1 ? " link" : " links");
            found.push_back({c, child});
        }
    }
    std::sort(empty.begin(), empty.end());
    std::sort(frames.begin(), frames.end());
    for (auto& frame : frames)
        m_frames.push_back(std::move(frame.second));
    std::vector<std::string> emptyNames;
    emptyNames.reserve(empty.size());
    for (auto& list : empty)
        emptyNames.push_back(std::move(list.second));
    NameEmptyLists(emptyNames);
    // The walk above goes in reverse; put document order back. Lists whose
    // items are mostly links come first (a breadcrumb of two links, or
    // buttons without links, are not what a person takes for the menu),
    // those in a <nav> first among them, then the longer ones.
    std::sort(found.begin(), found.end(), [](const CFound& a, const CFound& b) {
        return a.m_pList->v.element.start_pos.offset < b.m_pList->v.element.start_pos.offset;
    });
    std::stable_sort(found.begin(), found.end(),
                     [](const CFound& a, const CFound& b) { return Rank(a.m_candidate) > Rank(b.m_candidate); });
    for (const CFound& f : found) {
        m_candidates.push_back(f.m_candidate);
        m_lists.push_back(f.m_pList);
    }
}

int CHtmlMenuImporter::Rank(const CCandidate& c)
{
    // A list of mail addresses (a manual's authors) is no menu either.
    const bool linked = c.m_nPages * 2 >= c.m_nItems && c.m_nPages > 0;
    // A breadcrumb or a pager: a few links only.
    const bool substantial = c.m_nPages >= 3;
    return (linked ? 4 : 0) + (linked && substantial ? 2 : 0) + (c.m_bInNav ? 1 : 0);
}

void CHtmlMenuImporter::NameEmptyLists(const std::vector<std::string>& empty)
{
    if (empty.size() == 1)
        m_strError = "The list " + empty[0] + " has no items.";
    else if (empty.size() > 1)
        m_strError = "The lists " + empty[0] + " and " + empty[1] +
                     (empty.size() > 2 ? " (and " + std::to_string(empty.size() - 2) + " more)" : std::string()) +
                     " have no items.";
    if (!m_frames.empty()) {
        std::string names;
        for (const std::string& frame : m_frames)
            names += (names.empty() ? "" : ", ") + (frame.empty() ? std::string("(no source)") : frame);
        m_strError = "The page is a frameset; import the page of one of its frames instead: " + names + ".";
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
    m_notes.clear();
    int empty = 0;
    int otherLinks = 0;
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
        for (const CEntry& entry : ItemsOf(list)) {
            const CItemParts parts = PartsOf(entry);
            if (ShowsNothing(entry, parts)) {
                ++empty;
                continue;
            }
            otherLinks += parts.m_nOtherLinks;
            CImportNode* node = parent->AddChild();
            node->m_nLine = Line(entry.m_pItem);
            node->m_strLabel = TextOf(parts.m_pAnchor ? parts.m_pAnchor : entry.m_pItem);
            if (parts.m_pAnchor) {
                node->m_strLink = CLinkRebase::Resolve(m_strBase, LinkOf(parts.m_pAnchor));
                node->m_strTarget = Attribute(parts.m_pAnchor, "target");
                node->m_strDescription = Attribute(parts.m_pAnchor, "title");
            }
            if (node->m_strDescription.empty())
                node->m_strDescription = Attribute(entry.m_pItem, "title");
            if (node->m_strLabel.empty())
                node->m_strLabel = node->m_strLink.empty() ? "item" : CImportText::LabelFromPath(node->m_strLink);
            // Pushed in reverse, so that the sub-lists are read in order.
            for (auto sub = parts.m_lists.rbegin(); sub != parts.m_lists.rend(); ++sub)
                stack.emplace_back(*sub, node, level + 1);
        }
    }
    if (empty > 0)
        m_notes.push_back(CImportText::LeftOut(empty, "list item", "list items", "each holds no text, link or list."));
    if (otherLinks > 0)
        m_notes.push_back(
            CImportText::LeftOut(otherLinks, "link", "links", "each follows the first link of its list item."));
    m_strError.clear();
    return true;
}
