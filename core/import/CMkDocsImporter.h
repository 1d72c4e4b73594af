// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "CImportNode.h"

// Reads the "nav:" of an MkDocs configuration (mkdocs.yml) with a YAML
// parser (yaml-cpp): "- Label: page.md" entries become items, "- page.md"
// items labelled by their file, "- Section: [entries]" parents. Page paths
// are taken from the docs folder ("docs_dir", "docs" by default), so that
// links lead from the configuration's folder. A configuration without a
// "nav:" (MkDocs then builds the menu from the folder) is refused by name.
class CMkDocsImporter {
public:
    bool Import(const std::string& text, CImportNode& root, int maxDepth);
    const std::string& Error() const { return m_strError; }
    // What the last Import left out and why, one line each.
    const std::vector<std::string>& Notes() const { return m_notes; }

    static constexpr const char* kNoNav = "The MkDocs configuration has no \"nav:\" list; MkDocs then makes the "
                                          "menu from the docs folder. Import the built site's sitemap.xml instead.";

private:
    std::string m_strError;
    std::vector<std::string> m_notes;
};
