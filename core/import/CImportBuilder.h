// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

#include "CImportNode.h"
#include "core/model/CAppletParameters.h"

// Turns an imported structure into items that look like the menus of a
// model: every menu built at nesting depth d takes the look of the model's
// first menu with items at that depth (the deepest such menu below it when
// the model has none that deep), and every item the media files of that
// menu's first item, as a template's own items have them.
class CImportBuilder {
public:
    explicit CImportBuilder(const CAppletParameters& looks);

    // The items of root's children for a menu at nesting depth depth (0 for
    // a top-level menu), with their sub-menus.
    std::vector<std::unique_ptr<CTavelinItem>> BuildItems(const CImportNode& root, int depth) const;
    // Replaces the model's menus by one top-level menu holding the imported
    // items; the model holds a template's looks (as New leaves it).
    static void BuildProject(CAppletParameters& params, const CImportNode& root);
    // Levels of items below root (0 when it has no children).
    static int Depth(const CImportNode& root);

private:
    const CTavelin* LookAt(int depth) const;
    std::unique_ptr<CTavelinItem> MakeItem(const CImportNode& node, int depth) const;

    std::vector<const CTavelin*> m_looks;  // by depth, as far as the model goes
};
