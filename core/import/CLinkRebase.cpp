// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CLinkRebase.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <vector>

#include "CImportText.h"
#include "core/io/CPath.h"

namespace fs = std::filesystem;

namespace {

// A path's bytes as they go into a link: those that would end the path or
// break the address escaped, the rest (UTF-8 included) as they are.
std::string AsLink(std::string_view path)
{
    static constexpr std::string_view kEscaped = " \"#%<>?\\^`{|}";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || kEscaped.find(c) != std::string_view::npos)
            out.append({'%', kHex[byte >> 4], kHex[byte & 15]});
        else
            out += c;
    }
    return out;
}

fs::path FolderOf(const std::string& file)
{
    const fs::path folder = fs::path(CPath::Folder(file)).lexically_normal();
    return folder.empty() ? fs::path(".") : folder;
}

}  // namespace

CLinkRebase::CLinkRebase(const std::string& sourcePage, const std::string& page)
    : m_strSource(AsLink(CPath::FileName(sourcePage)))
{
    if (page.empty() || CPath::Folder(page) == CPath::Folder(sourcePage)) {
        m_bKnown = true;
        return;
    }
    const fs::path from = FolderOf(page);
    // A relative folder that climbs out of the working one ("../site") names
    // a folder whose name the text does not hold: no way back can be written.
    if (from.is_relative() && !from.empty() && *from.begin() == "..")
        return;
    const fs::path relative = FolderOf(sourcePage).lexically_relative(from);
    if (relative.empty())
        return;  // one folder absolute, the other not
    m_bKnown = true;
    if (relative != ".")
        m_strPrefix = AsLink(relative.generic_string()) + "/";
}

std::string CLinkRebase::Rebase(const std::string& link) const
{
    if (link.empty() || !m_bKnown || link.front() == '/' || CImportText::HasScheme(link))
        return link;
    if (link.front() == '#' || link.front() == '?')
        return m_strPrefix + m_strSource + link;
    if (m_strPrefix.empty())
        return link;
    const size_t end = link.find_first_of("?#");
    const std::string joined = fs::path(m_strPrefix + link.substr(0, end)).lexically_normal().generic_string();
    return (joined == "." ? "./" : joined) + (end == std::string::npos ? "" : link.substr(end));
}

std::string CLinkRebase::Resolve(const std::string& base, const std::string& link)
{
    if (link.empty() || base.empty() || CImportText::HasScheme(link))
        return link;
    // base: [scheme:][//authority]path[?query][#fragment]
    size_t at = CImportText::HasScheme(base) ? base.find(':') + 1 : 0;
    const std::string scheme = base.substr(0, at);
    if (link.rfind("//", 0) == 0)
        return scheme + link;
    if (base.compare(at, 2, "//") == 0)
        at = std::min(base.find_first_of("/?#", at + 2), base.size());
    const std::string origin = base.substr(0, at);  // scheme and authority
    const std::string rest =
        base.substr(at, base.find('#', at) == std::string::npos ? std::string::npos : base.find('#', at) - at);
    const std::string path = rest.substr(0, rest.find('?'));
    if (link.front() == '#')
        return origin + rest + link;
    if (link.front() == '?')
        return origin + path + link;
    const size_t end = link.find_first_of("?#");
    std::string joined =
        link.front() == '/' ? link.substr(0, end) : path.substr(0, path.rfind('/') + 1) + link.substr(0, end);
    const bool slash = joined.back() == '/';
    joined = fs::path(joined).lexically_normal().generic_string();
    if (joined == ".")
        joined = "./";
    else if (slash && joined.back() != '/')
        joined += '/';
    // Above the root of an address there is only its root.
    if (!origin.empty()) {
        while (joined.rfind("/..", 0) == 0)
            joined.erase(0, 3);
        if (joined.empty() || joined.front() != '/')
            joined.insert(0, "/");
    }
    return origin + joined + (end == std::string::npos ? "" : link.substr(end));
}

void CLinkRebase::RebaseAll(CImportNode& root) const
{
    std::vector<CImportNode*> stack{&root};
    while (!stack.empty()) {
        CImportNode* node = stack.back();
        stack.pop_back();
        node->m_strLink = Rebase(node->m_strLink);
        for (const auto& child : node->m_children)
            stack.push_back(child.get());
    }
}
