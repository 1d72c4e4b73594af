// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class CMenuTreeMirror;
class CModelEditor;
class QTreeWidgetItem;

// Undo and redo through the model editor's history, and the node each step
// changed, so that the tree can select it: an item or top-level menu that
// came back (undoing a cut or a delete) before one whose fields, visibility or
// place changed, before the node that lost a child.
class CHistoryFollower : public QObject {
    Q_OBJECT
public:
    CHistoryFollower(CModelEditor& editor, CMenuTreeMirror& tree, QObject* parent = nullptr);

    // Undoes (or redoes) one step; the node to select after it, null when
    // the step touched nothing the tree shows.
    QTreeWidgetItem* Step(bool undo);

private:
    enum Rank { Parent, Changed, Inserted };
    // Candidates are looked up once the step is over: a node inserted first
    // may have gone again later in the same step.
    void Note(Rank rank, std::function<QTreeWidgetItem*()> node);
    void FollowEditor();

    CModelEditor& m_editor;
    CMenuTreeMirror& m_tree;
    bool m_bStepping = false;
    std::vector<std::pair<Rank, std::function<QTreeWidgetItem*()>>> m_candidates;
};
