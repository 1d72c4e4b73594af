// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CAppletSettings.h"
#include "CTavelin.h"
#include "CTavelinItem.h"
#include "Color.h"

// The model root: the applet's own settings and the top-level menus.
// The file format (core/format/) reads and fills it; the working fields at the end
// carry values only while a writer or the check runs.
class CAppletParameters : public CAppletSettings {
public:
    CAppletParameters();
    CAppletParameters(const CAppletParameters&) = delete;
    CAppletParameters& operator=(const CAppletParameters&) = delete;
    virtual ~CAppletParameters();

    static constexpr const char* kClassName = "CAppletParameters";
    virtual const char* GetClassName() const { return kClassName; }

    void Reset();
    CTavelin* AddTopMenu();
    bool AttachTopMenu(std::unique_ptr<CTavelin> menu, bool atFront);
    bool RemoveTopMenu(const CTavelin* menu);
    std::unique_ptr<CTavelin> DetachTopMenu(const CTavelin* menu);
    int IndexOfTopMenu(const CTavelin* menu) const;
    bool MoveTopMenuUp(const CTavelin* menu);
    bool MoveTopMenuDown(const CTavelin* menu);

    CTavelin* FindMenuAtDepth(int depth) const;
    static CTavelin* FindMenuOfItem(const CTavelin* menu, const CTavelinItem* item);
    // Tries every top-level menu in order.
    CTavelin* FindMenuOfItem(const CTavelinItem* item) const;

    std::vector<std::unique_ptr<CTavelin>> m_arrMenus;

    // Deepest nesting of a menu that holds items, top-level menus being at
    // depth 0: the editor builds items down to it and the readers read them
    // back. The items' own sub-menus, one level further, stay empty.
    static constexpr int kMaxDepth = 1000;
};
