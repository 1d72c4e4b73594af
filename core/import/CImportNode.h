// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

// One entry of a menu structure read from a page, a sitemap or an outline,
// before it becomes an item: what the source said, and where it said it.
struct CImportNode {
    std::string m_strLabel;
    std::string m_strLink;
    std::string m_strDescription;
    std::string m_strTarget;
    int m_nLine = 0;  // 1-based line of the source; 0 when unknown
    std::vector<std::unique_ptr<CImportNode>> m_children;

    CImportNode* AddChild()
    {
        m_children.push_back(std::make_unique<CImportNode>());
        return m_children.back().get();
    }
};
