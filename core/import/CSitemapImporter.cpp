// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CSitemapImporter.h"

#include <algorithm>
#include <cctype>
#include <pugixml.hpp>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "CImportText.h"

namespace {

// The element name without a namespace prefix.
std::string_view LocalName(const pugi::xml_node& node)
{
    const std::string_view name = node.name();
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

int LineAt(const std::string& text, std::ptrdiff_t offset)
{
    const auto end = text.begin() + std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size()));
    return 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
}

// The path parts of an address: after scheme and host, before query and
// fragment, empty parts dropped.
std::vector<std::string> PathParts(std::string_view url, bool& endsWithSlash)
{
    url = url.substr(0, url.find_first_of("?#"));
    if (const size_t scheme = url.find("://"); scheme != std::string_view::npos) {
        const size_t path = url.find('/', scheme + 3);
        url = path == std::string_view::npos ? std::string_view() : url.substr(path);
    }
    endsWithSlash = url.empty() || url.back() == '/';
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= url.size()) {
        size_t end = url.find('/', start);
        if (end == std::string_view::npos)
            end = url.size();
        if (end > start)
            parts.emplace_back(url.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// "index.html", "default.aspx": a folder's own page ("index.rs.html" is a page of its own).
bool IsIndexPage(const std::string& part)
{
    std::string lower(part);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const std::string_view stem : {"index.", "default."})
        if (lower.rfind(stem, 0) == 0 && lower.find('.', stem.size()) == std::string::npos)
            return true;
    return false;
}

// The query of an address ("" when none), without its "?".
std::string QueryOf(std::string_view url)
{
    url = url.substr(0, url.find('#'));
    const size_t mark = url.find('?');
    return mark == std::string_view::npos ? std::string() : std::string(url.substr(mark + 1));
}

std::string WithoutExtension(const std::string& part)
{
    const size_t dot = part.rfind('.');
    return dot == std::string::npos || dot == 0 ? part : part.substr(0, dot);
}

}  // namespace

bool CSitemapImporter::Fail(std::string message)
{
    m_strError = std::move(message);
    return false;
}

bool CSitemapImporter::Import(const std::string& xml, CImportNode& root, int maxDepth)
{
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        return Fail("The sitemap is not well-formed XML: " + std::string(parsed.description()) + " at line " +
                    std::to_string(LineAt(xml, parsed.offset)) + ".");
    const pugi::xml_node top = doc.document_element();
    if (LocalName(top) == "sitemapindex")
        return Fail("The file is a sitemap index (<sitemapindex>); import one of the sitemaps it lists.");
    if (LocalName(top) != "urlset")
        return Fail("The XML file is not a sitemap: its root element is <" + std::string(top.name()) +
                    ">, not <urlset>.");

    // Folder path ("a/b") -> its item; "" is root.
    std::unordered_map<std::string, CImportNode*> folders{{"", &root}};
    std::unordered_map<const CImportNode*, CImportNode*> parents;
    std::unordered_set<std::string> seen;
    int count = 0;
    int repeated = 0;
    int withoutLoc = 0;
    // Lines counted on from the last <loc>, as the entries come in file order.
    std::ptrdiff_t counted = 0;
    int line = 1;
    for (const pugi::xml_node& url : top.children()) {
        if (LocalName(url) != "url")
            continue;
        pugi::xml_node loc;
        for (const pugi::xml_node& child : url.children())
            if (LocalName(child) == "loc")
                loc = child;
        const std::string address = CImportText::Collapse(loc.text().get());
        if (address.empty()) {
            ++withoutLoc;
            continue;
        }
        if (!seen.insert(address).second) {
            ++repeated;
            continue;
        }
        const std::ptrdiff_t offset =
            std::clamp<std::ptrdiff_t>(loc.offset_debug(), counted, static_cast<std::ptrdiff_t>(xml.size()));
        line += static_cast<int>(std::count(xml.begin() + counted, xml.begin() + offset, '\n'));
        counted = offset;
        bool endsWithSlash = false;
        std::vector<std::string> parts = PathParts(address, endsWithSlash);
        if (!parts.empty() && !endsWithSlash && IsIndexPage(parts.back()))
            parts.pop_back();
        if (static_cast<int>(parts.size()) > maxDepth)
            return Fail("The <loc> at line " + std::to_string(line) + " nests " + std::to_string(parts.size()) +
                        " folders deep, more than the editor allows (" + std::to_string(maxDepth) + " levels).");
        // Addresses that differ by their query are pages of their own.
        const std::string query = QueryOf(address);
        CImportNode* node = &root;
        std::string key;
        for (const std::string& part : parts) {
            const bool last = &part == &parts.back();
            key += "/" + (last ? WithoutExtension(part) + (query.empty() ? "" : "?" + query) : part);
            CImportNode*& known = folders[key];
            if (!known) {
                known = node->AddChild();
                parents[known] = node;
                known->m_strLabel = CImportText::Readable(part);
                if (last && !query.empty())
                    known->m_strLabel += " (" + CImportText::Words(query) + ")";
                known->m_nLine = line;
                if (known->m_strLabel.empty())
                    known->m_strLabel = "item";
            }
            node = known;
        }
        if (node == &root) {  // the site's home page
            CImportNode*& home = folders["/"];
            if (!home) {
                home = root.AddChild();
                parents[home] = &root;
                home->m_strLabel = "Home";
                home->m_nLine = line;
            }
            node = home;
        }
        if (!node->m_strLink.empty()) {
            // Another page for an item that has one ("a.html" and "a/index.html"): an item beside it.
            CImportNode* twin = parents[node]->AddChild();
            twin->m_strLabel = node->m_strLabel;
            twin->m_nLine = line;
            node = twin;
        }
        node->m_strLink = address;
        ++count;
    }
    if (repeated > 0)
        m_notes.push_back(std::to_string(repeated) + (repeated == 1 ? " URL was" : " URLs were") +
                          " left out: each repeats an earlier <loc>.");
    if (withoutLoc > 0)
        m_notes.push_back(std::to_string(withoutLoc) + (withoutLoc == 1 ? " <url> was" : " <url> entries were") +
                          " left out: no <loc> gives an address.");
    if (count == 0)
        return Fail(kNoUrls);
    return true;
}
