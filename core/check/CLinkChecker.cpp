// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CLinkChecker.h"

#include <algorithm>
#include <cctype>
#include <gumbo.h>
#include <string_view>
#include <utility>

#include "core/import/CCharset.h"
#include "core/import/CGumboOptions.h"
#include "core/import/CImportText.h"
#include "core/import/CNestingScan.h"
#include "core/io/CPath.h"
#include "core/model/CItemWalk.h"

namespace {

constexpr int kMaxLists = 1000;

bool IsHtml(const std::string& file)
{
    const std::string ext = CPath::Extension(file);
    return ext == "htm" || ext == "html" || ext == "xhtml" || ext == "shtml";
}

void CollectAnchors(const GumboNode* root, std::set<std::string>& anchors)
{
    std::vector<const GumboNode*> stack{root};
    while (!stack.empty()) {
        const GumboNode* node = stack.back();
        stack.pop_back();
        const GumboVector* children = &node->v.document.children;
        if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) {
            // An id names a target on any element, a name only on <a> (not on <input>).
            if (const GumboAttribute* attr = gumbo_get_attribute(&node->v.element.attributes, "id"))
                anchors.insert(attr->value);
            const GumboAttribute* name = gumbo_get_attribute(&node->v.element.attributes, "name");
            if (name && node->v.element.tag == GUMBO_TAG_A)
                anchors.insert(name->value);
            children = &node->v.element.children;
        } else if (node->type != GUMBO_NODE_DOCUMENT) {
            continue;
        }
        for (unsigned i = 0; i < children->length; ++i)
            stack.push_back(static_cast<const GumboNode*>(children->data[i]));
    }
}

}  // namespace

CLinkChecker::CLinkChecker(IFileSystem& fs, std::string pagePath)
    : m_fs(fs), m_strPage(std::move(pagePath)), m_strFolder(CPath::Folder(m_strPage))
{
}

std::string CLinkChecker::ItemPath(const std::vector<const CTavelinItem*>& chain)
{
    std::string path;
    for (const CTavelinItem* item : chain) {
        if (!path.empty())
            path += " > ";
        path += CImportText::Collapse(item->m_strLabel);
    }
    return path;
}

bool CLinkChecker::HasAnchor(const std::string& file, const std::string& anchor)
{
    auto found = m_anchors.find(file);
    if (found == m_anchors.end()) {
        std::optional<std::set<std::string>> anchors;
        std::string html;
        const bool read = m_fs.ReadFile(file, html);
        // A page nested too deep to parse quickly is not looked into: its
        // anchors are taken to be there.
        if (!read || CNestingScan(html, kMaxLists).Problem().empty()) {
            anchors.emplace();
            // Ids compared as the browser reads them: in the page's own charset.
            html = CCharset::ToUtf8(html);
            GumboOutput* output = gumbo_parse_with_options(&CGumboOptions::Get(), html.data(), html.size());
            CollectAnchors(output->document, *anchors);
            gumbo_destroy_output(&CGumboOptions::Get(), output);
        }
        found = m_anchors.emplace(file, std::move(anchors)).first;
    }
    return !found->second || found->second->count(anchor) > 0;
}

std::string CLinkChecker::Problem(const std::string& address, bool media, bool& external)
{
    external = CImportText::HasScheme(address) || address.rfind("//", 0) == 0 || (!media && address.front() == '/');
    if (external)
        return {};
    ++m_nChecked;
    // Items share their pictures and sounds, and often their links: each
    // address is looked up on the disk once.
    const auto [found, added] = m_problems.try_emplace(address);
    if (added)
        found->second = FileProblem(address);
    return found->second;
}

std::string CLinkChecker::FileProblem(const std::string& written)
{
    // Browsers read "\\" in a relative address as "/".
    std::string address = written;
    std::replace(address.begin(), address.end(), '\\', '/');
    const size_t hash = address.find('#');
    const std::string fragment = hash == std::string::npos ? "" : address.substr(hash + 1);
    const std::string path = CImportText::PercentDecode(address.substr(0, address.find_first_of("?#")));
    std::string file = path.empty() ? m_strPage : path.front() == '/' ? path : CPath::Join(m_strFolder, path);
    while (file.size() > 1 && file.back() == '/')
        file.pop_back();
    const IFileSystem::Kind kind = m_fs.KindOf(file);
    if (path.empty() && kind != IFileSystem::Kind::Regular)
        return {};  // the page itself, not written yet
    // A folder without an index page shows as a list of its files.
    if (kind == IFileSystem::Kind::Directory)
        return {};
    if (kind != IFileSystem::Kind::Regular)
        return LeavesFolder(path) ? "no such file; the link leads out of the page's folder" : "no such file";
    // "#top" and "#" lead to the top of any page.
    std::string lower = fragment;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower.empty() || lower == "top" || !IsHtml(file))
        return {};
    if (!HasAnchor(file, CImportText::PercentDecode(fragment)))
        return "no id or name \"" + fragment + "\" in " + CPath::FileName(file);
    return {};
}

bool CLinkChecker::LeavesFolder(const std::string& path)
{
    if (path.empty() || path.front() == '/')
        return false;
    int depth = 0;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part(path.data() + start, end - start);
        if (part == "..")
            --depth;
        else if (!part.empty() && part != ".")
            ++depth;
        if (depth < 0)
            return true;
        start = end + 1;
    }
    return false;
}

void CLinkChecker::CheckItem(const CTavelinItem& item, const std::vector<const CTavelinItem*>& chain,
                             const Report& report)
{
    const std::pair<const char*, std::string_view> references[] = {
        {"link", item.m_strLink},        {"image", item.m_strNormalImage}, {"image", item.m_strOverImage},
        {"image", item.m_strClickImage}, {"sound", item.m_strOverAudio},   {"sound", item.m_strClickAudio}};
    std::set<std::string_view> seen;
    for (const auto& [kind, view] : references) {
        if (view.empty() || !seen.insert(view).second)
            continue;
        const std::string address(view);
        bool external = false;
        const std::string problem = Problem(address, kind[0] != 'l', external);
        if (external) {
            ++m_nExternal;
            report({&item, ItemPath(chain) + ": external " + kind + " \"" + address + "\", not checked", false});
        } else if (!problem.empty()) {
            ++m_nBroken;
            report({&item, ItemPath(chain) + ": broken " + kind + " \"" + address + "\": " + problem, true});
        }
    }
}

std::vector<CLinkChecker::CFinding> CLinkChecker::Run(const CAppletParameters& params)
{
    std::vector<CFinding> findings;
    Run(params, [&findings](const CFinding& finding) { findings.push_back(finding); });
    return findings;
}

void CLinkChecker::Run(const CAppletParameters& params, const Report& report)
{
    m_nChecked = 0;
    m_nBroken = 0;
    m_nExternal = 0;
    for (const auto& top : params.m_arrMenus)
        CItemWalk::Walk(*top, [&](const CItemWalk::CStep& step) {
            CheckItem(step.item, step.path, report);
            return CItemWalk::Next::Into;
        });
}

std::vector<std::string> CLinkChecker::Lines(const std::vector<CFinding>& findings, int checked)
{
    std::vector<std::string> lines;
    int broken = 0;
    for (const CFinding& finding : findings) {
        lines.push_back(finding.m_strText);
        broken += finding.m_bBroken ? 1 : 0;
    }
    lines.push_back(Summary(broken, static_cast<int>(findings.size()) - broken, checked));
    return lines;
}

std::string CLinkChecker::Summary(int broken, int external, int checked)
{
    return std::to_string(broken) + (broken == 1 ? " broken reference, " : " broken references, ") +
           std::to_string(external) + " external, " + std::to_string(checked) + " checked.";
}
