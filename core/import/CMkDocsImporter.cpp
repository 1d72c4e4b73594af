// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMkDocsImporter.h"

#include <tuple>
#include <vector>
#include <yaml-cpp/yaml.h>

#include "CImportText.h"

namespace {

// A page path from the docs folder; addresses with a scheme stay as they are.
std::string PageLink(const std::string& docs, const std::string& page)
{
    if (page.empty() || CImportText::HasScheme(page) || page.front() == '/' || page.front() == '#')
        return page;
    return docs + page;
}

// Flow collections ("[[[...") nested deeper than the menu can go; the
// parser would recurse through every level.
bool NestsTooDeep(const std::string& text, int maxDepth)
{
    int depth = 0;
    for (const char c : text) {
        depth += c == '[' || c == '{' ? 1 : c == ']' || c == '}' ? -1 : 0;
        if (depth > 2 * maxDepth + 8)
            return true;
    }
    return false;
}

}  // namespace

bool CMkDocsImporter::Import(const std::string& text, CImportNode& root, int maxDepth)
{
    if (NestsTooDeep(text, maxDepth)) {
        m_strError = "The YAML nests deeper than " + std::to_string(maxDepth) + " levels, more than the editor allows.";
        return false;
    }
    m_notes.clear();
    try {
        const YAML::Node config = YAML::Load(text);
        const YAML::Node nav = config.IsMap() ? config["nav"] : YAML::Node();
        if (!nav || !nav.IsSequence() || nav.size() == 0) {
            m_strError = kNoNav;
            return false;
        }
        std::string docs = config["docs_dir"] && config["docs_dir"].IsScalar() ? config["docs_dir"].as<std::string>()
                                                                               : std::string("docs");
        if (!docs.empty() && docs.back() != '/')
            docs += '/';
        // Sequences waiting to be read, with the node their entries go under and their level.
        std::vector<std::tuple<YAML::Node, CImportNode*, int>> stack{{nav, &root, 1}};
        int unnamed = 0;
        int extraKeys = 0;  // "- A: a.md" followed by "  B: b.md" in the same entry
        while (!stack.empty()) {
            auto [list, parent, level] = stack.back();
            stack.pop_back();
            if (level > maxDepth) {
                m_strError = "The \"nav:\" nests deeper than " + std::to_string(maxDepth) +
                             " levels, more than the editor allows.";
                return false;
            }
            std::vector<std::pair<YAML::Node, CImportNode*>> sections;
            for (const YAML::Node& entry : list) {
                // "- " alone or "- - page.md": no page and no section to name.
                if (!entry.IsScalar() && !(entry.IsMap() && entry.size() >= 1)) {
                    ++unnamed;
                    continue;
                }
                extraKeys += entry.IsMap() ? static_cast<int>(entry.size()) - 1 : 0;
                CImportNode* node = parent->AddChild();
                node->m_nLine = entry.Mark().line + 1;
                if (entry.IsScalar()) {  // "- page.md"
                    node->m_strLink = PageLink(docs, entry.as<std::string>());
                    node->m_strLabel = CImportText::LabelFromPath(node->m_strLink);
                } else if (entry.IsMap() && entry.size() >= 1) {  // "- Label: page.md" or "- Label: [...]"
                    const auto first = entry.begin();
                    node->m_strLabel = CImportText::Collapse(first->first.as<std::string>());
                    if (first->second.IsScalar())
                        node->m_strLink = PageLink(docs, first->second.as<std::string>());
                    else if (first->second.IsSequence())
                        sections.emplace_back(first->second, node);
                }
                if (node->m_strLabel.empty())
                    node->m_strLabel = "item";
            }
            // Pushed in reverse, so that the sections are read in order.
            for (auto section = sections.rbegin(); section != sections.rend(); ++section)
                stack.emplace_back(section->first, section->second, level + 1);
        }
        if (unnamed > 0)
            m_notes.push_back(
                CImportText::LeftOut(unnamed, "\"nav:\" entry", "\"nav:\" entries", "each names no page or section."));
        if (extraKeys > 0)
            m_notes.push_back(CImportText::LeftOut(extraKeys, "\"nav:\" label", "\"nav:\" labels",
                                                   "each follows the first label of its entry."));
    } catch (const YAML::Exception& error) {
        m_strError = "The YAML cannot be read: " + error.msg + " at line " + std::to_string(error.mark.line + 1) + ".";
        return false;
    }
    return true;
}
