// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CImportBuilder.h"

#include <algorithm>
#include <utility>

CImportBuilder::CImportBuilder(const CAppletParameters& looks)
{
    for (int depth = 0; depth <= CAppletParameters::kMaxDepth; ++depth) {
        const CTavelin* menu = looks.FindMenuAtDepth(depth);
        if (!menu)
            break;
        m_looks.push_back(menu);
    }
}

const CTavelin* CImportBuilder::LookAt(int depth) const
{
    if (m_looks.empty())
        return nullptr;
    return m_looks[std::min(static_cast<size_t>(std::max(depth, 0)), m_looks.size() - 1)];
}

std::unique_ptr<CTavelinItem> CImportBuilder::MakeItem(const CImportNode& node, int depth) const
{
    auto item = std::make_unique<CTavelinItem>(node.m_strLabel);
    if (const CTavelin* look = LookAt(depth); look && look->GetItemCount(true) > 0) {
        const CTavelinItem& first = *look->GetItem(0);
        item->m_strNormalImage = first.m_strNormalImage;
        item->m_strOverImage = first.m_strOverImage;
        item->m_strClickImage = first.m_strClickImage;
        item->m_strOverAudio = first.m_strOverAudio;
        item->m_strClickAudio = first.m_strClickAudio;
    }
    item->m_strLink = node.m_strLink;
    item->m_strDescription = node.m_strDescription;
    item->m_strTarget = node.m_strTarget;
    return item;
}

std::vector<std::unique_ptr<CTavelinItem>> CImportBuilder::BuildItems(const CImportNode& root, int depth) const
{
    std::vector<std::unique_ptr<CTavelinItem>> items;
    // Nodes whose children still wait to be built, with the item whose
    // sub-menu takes them. A leaf keeps the shared empty sub-menu: most
    // items of a large import are leaves.
    std::vector<std::pair<const CImportNode*, CTavelinItem*>> pending;
    for (const auto& child : root.m_children) {
        items.push_back(MakeItem(*child, depth));
        pending.emplace_back(child.get(), items.back().get());
    }
    std::vector<int> depths(pending.size(), depth + 1);
    while (!pending.empty()) {
        auto [node, item] = pending.back();
        const int level = depths.back();
        pending.pop_back();
        depths.pop_back();
        if (node->m_children.empty())
            continue;
        CTavelin* menu = item->m_pSubMenu.get();
        if (const CTavelin* look = LookAt(level))
            menu->CopyStyle(*look);
        for (const auto& child : node->m_children) {
            menu->AddItem(MakeItem(*child, level), false);
            pending.emplace_back(child.get(), menu->m_arrItems.back().get());
            depths.push_back(level + 1);
        }
    }
    return items;
}

void CImportBuilder::BuildProject(CAppletParameters& params, const CImportNode& root)
{
    auto top = std::make_unique<CTavelin>(0, "top-level Tavelina");
    std::vector<std::unique_ptr<CTavelinItem>> items;
    {
        const CImportBuilder builder(params);
        if (const CTavelin* look = builder.LookAt(0))
            top->CopyStyle(*look);
        items = builder.BuildItems(root, 0);
    }
    for (auto& item : items)
        top->AddItem(std::move(item), false);
    params.m_arrMenus.clear();
    params.AttachTopMenu(std::move(top), false);
}

int CImportBuilder::Depth(const CImportNode& root)
{
    int deepest = 0;
    std::vector<std::pair<const CImportNode*, int>> stack{{&root, 0}};
    while (!stack.empty()) {
        auto [node, level] = stack.back();
        stack.pop_back();
        deepest = std::max(deepest, level);
        for (const auto& child : node->m_children)
            stack.emplace_back(child.get(), level + 1);
    }
    return deepest;
}
