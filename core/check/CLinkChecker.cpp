// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CLinkChecker.h"

#include <gumbo.h>
#include <utility>

#include "core/import/CImportText.h"
#include "core/io/CPath.h"
#include "core/model/CItemWalk.h"

namespace {

constexpr const char* kIndexPages[] = {"index.html",  "index.htm",   "index.php",
                                       "index.shtml", "default.htm", "default.html"};

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
            for (const char* name : {"id", "name"})
                if (const GumboAttribute* attr = gumbo_get_attribute(&node->v.element.attributes, name))
                    anchors.insert(attr->value);
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
        std::set<std::string> anchors;
        std::string html;
        if (m_fs.ReadFile(file, html)) {
            GumboOutput* output = gumbo_parse_with_options(&kGumboDefaultOptions, html.data(), html.size());
            CollectAnchors(output->document, anchors);
            gumbo_destroy_output(&kGumboDefaultOptions, output);
        }
        found = m_anchors.emplace(file, std::move(anchors)).first;
    }
    return found->second.count(anchor) > 0;
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

std::string CLinkChecker::FileProblem(const std::string& address)
{
    const size_t hash = address.find('#');
    const std::string fragment = hash == std::string::npos ? "" : address.substr(hash + 1);
    const std::string path = CImportText::PercentDecode(address.substr(0, address.find_first_of("?#")));
    std::string file = path.empty() ? m_strPage : path.front() == '/' ? path : CPath::Join(m_strFolder, path);
    while (file.size() > 1 && file.back() == '/')
        file.pop_back();
    if (path.empty() && !m_fs.IsRegularFile(file))
        return {};  // the page itself, not written yet
    if (m_fs.IsDirectory(file)) {
        for (const char* index : kIndexPages)
            if (m_fs.IsRegularFile(CPath::Join(file, index)))
                return {};
        return "the folder holds no index page";
    }
    if (!m_fs.IsRegularFile(file))
        return "no such file";
    if (!fragment.empty() && IsHtml(file) && !HasAnchor(file, CImportText::PercentDecode(fragment)))
        return "no id or name \"" + fragment + "\" in " + CPath::FileName(file);
    return {};
}

void CLinkChecker::CheckItem(const CTavelinItem& item, const std::string& path, std::vector<CFinding>& out)
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
        if (external)
            out.push_back({&item, path + ": external " + kind + " \"" + address + "\", not checked", false});
        else if (!problem.empty())
            out.push_back({&item, path + ": broken " + kind + " \"" + address + "\": " + problem, true});
    }
}

std::vector<CLinkChecker::CFinding> CLinkChecker::Run(const CAppletParameters& params)
{
    m_nChecked = 0;
    std::vector<CFinding> findings;
    for (const auto& top : params.m_arrMenus)
        CItemWalk::Walk(*top, [&](const CItemWalk::CStep& step) {
            CheckItem(step.item, ItemPath(step.path), findings);
            return CItemWalk::Next::Into;
        });
    return findings;
}

std::vector<std::string> CLinkChecker::Lines(const std::vector<CFinding>& findings, int checked)
{
    std::vector<std::string> lines;
    int broken = 0;
    for (const CFinding& finding : findings) {
        lines.push_back(finding.m_strText);
        broken += finding.m_bBroken ? 1 : 0;
    }
    const size_t external = findings.size() - static_cast<size_t>(broken);
    lines.push_back(std::to_string(broken) + (broken == 1 ? " broken reference, " : " broken references, ") +
                    std::to_string(external) + " external, " + std::to_string(checked) + " checked.");
    return lines;
}
