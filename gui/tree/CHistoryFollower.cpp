// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHistoryFollower.h"

#include <algorithm>

#include "CMenuTreeMirror.h"
#include "editor/CModelEditor.h"

CHistoryFollower::CHistoryFollower(CModelEditor& editor, CMenuTreeMirror& tree, QObject* parent)
    : QObject(parent), m_editor(editor), m_tree(tree)
{
    FollowEditor();
}

QTreeWidgetItem* CHistoryFollower::Step(bool undo)
{
    m_candidates.clear();
    m_bStepping = true;
    undo ? m_editor.History().undo() : m_editor.History().redo();
    m_bStepping = false;
    // The best rank wins; within a rank, the first change of the step.
    std::stable_sort(m_candidates.begin(), m_candidates.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [rank, node] : m_candidates) {
        if (QTreeWidgetItem* found = node())
            return found;
    }
    return nullptr;
}

void CHistoryFollower::Note(Rank rank, std::function<QTreeWidgetItem*()> node)
{
    if (m_bStepping)
        m_candidates.emplace_back(rank, std::move(node));
}

void CHistoryFollower::FollowEditor()
{
    CModelEditor* e = &m_editor;
    CMenuTreeMirror* t = &m_tree;
    auto itemAt = [t](CTavelin* menu, int index) {
        return [t, item = menu->m_arrItems.at(size_t(index)).get()] { return t->NodeOf(item); };
    };
    auto topMenu = [t](const CTavelin* menu) { return [t, menu] { return t->NodeOf(menu); }; };
    auto item = [t](const CTavelinItem* changed) { return [t, changed] { return t->NodeOf(changed); }; };
    auto root = [t] { return t->RootNode(); };
    // The node showing a menu: the item that owns it, or the top-level menu.
    auto holder = [t, e](CTavelin* menu) {
        return [t, e, menu] {
            const CTavelinItem* owner = e->OwnerOf(menu);
            return owner ? t->NodeOf(owner) : t->NodeOf(menu);
        };
    };
    connect(e, &CModelEditor::TopMenuInserted, this,
            [this, e, topMenu](int index) { Note(Inserted, topMenu(e->Params().m_arrMenus.at(size_t(index)).get())); });
    connect(e, &CModelEditor::ItemInserted, this,
            [this, itemAt](CTavelin* menu, CTavelinItem*, int index) { Note(Inserted, itemAt(menu, index)); });
    connect(e, &CModelEditor::TopMenuMoved, this,
            [this, topMenu](CTavelin* menu, int, int) { Note(Changed, topMenu(menu)); });
    connect(e, &CModelEditor::ItemMoved, this,
            [this, itemAt](CTavelin* menu, int, int to) { Note(Changed, itemAt(menu, to)); });
    connect(e, &CModelEditor::TopMenuChanged, this, [this, topMenu](CTavelin* menu) { Note(Changed, topMenu(menu)); });
    connect(e, &CModelEditor::ItemChanged, this, [this, item](CTavelinItem* changed) { Note(Changed, item(changed)); });
    connect(e, &CModelEditor::AppletChanged, this, [this, root] { Note(Changed, root); });
    // A menu's look shows on its items: the selection stays when it is one of
    // them, else the menu's first item is selected.
    connect(e, &CModelEditor::MenuStyleChanged, this, [this, t, holder](CTavelin* menu) {
        Note(Changed, [t, menu, holder] {
            QTreeWidgetItem* current = t->currentItem();
            if (current && t->MenuHolding(current) == menu)
                return current;
            if (!menu->m_arrItems.empty())
                if (QTreeWidgetItem* first = t->NodeOf(menu->m_arrItems.front().get()))
                    return first;
            return holder(menu)();
        });
    });
    connect(e, &CModelEditor::ItemRemoved, this, [this, holder](CTavelin* menu, int) { Note(Parent, holder(menu)); });
    connect(e, &CModelEditor::TopMenuAboutToBeRemoved, this, [this, root](CTavelin*) { Note(Parent, root); });
}
