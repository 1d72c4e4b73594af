// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QModelIndex>
#include <QPoint>
#include <QString>

class CAppletTavelinWizardView;
class QDropEvent;
class QDragMoveEvent;
class QPainter;
class QStyleOptionViewItem;
class QTreeWidgetItem;

// Drag and drop of items within the menu tree: which node may go where, the
// drop itself (through the model editor, one step of the history), and the
// drop highlight the tree draws. A drag carries no model data: the dragged
// node is the tree's (the reference given), so only a drag that started in
// this tree drops anything.
class CTreeDragDrop {
public:
    // Where a drop lands relative to the node under the pointer: on it (as
    // its first child), or between it and its neighbour above or below.
    enum class DropWhere { On, Above, Below };

    CTreeDragDrop(CAppletTavelinWizardView& view, QTreeWidgetItem*& dragged);

    // The format of the (empty) data that a drag out of the tree carries.
    static QString DragMimeType();

    bool CanDragNode(const QTreeWidgetItem* node) const;
    bool CanDropOn(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target, bool ctrl) const;
    // A drop of dragged on target: a copy with ctrl, a move without. False
    // when refused.
    bool DropNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool ctrl);
    // Near the top or bottom edge of an item's row, between; else on it.
    DropWhere DropWhereAt(const QTreeWidgetItem* target, const QPoint& pos) const;
    // A drop of dragged beside target (after it when after), as target's
    // sibling: a copy with ctrl, a move without. False when refused.
    bool CanDropBeside(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target, bool ctrl) const;
    bool DropNodeBeside(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool after, bool ctrl);

    QTreeWidgetItem* Highlight() const { return m_hHighlight; }
    DropWhere HighlightWhere() const { return m_eWhere; }
    void SetHighlight(QTreeWidgetItem* node, DropWhere where = DropWhere::On);

    // The tree's drag events. Runs a drag of the current node.
    void StartDrag();
    bool IsDragOfThisView(const QDropEvent* event) const;
    // Shows where a drag would land and answers it; false when refused.
    bool Follow(QDragMoveEvent* event);
    // Drops; false when refused.
    bool Drop(QDropEvent* event);
    // Node is leaving the tree (or every node is, for null).
    void Forget(const QTreeWidgetItem* node);
    void PaintHighlight(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    // The drop target and place for the pointer at pos; null when refused.
    QTreeWidgetItem* TargetAt(const QPoint& pos, bool ctrl, DropWhere& where) const;

    CAppletTavelinWizardView& m_view;
    QTreeWidgetItem*& m_hDragged;
    QTreeWidgetItem* m_hHighlight = nullptr;
    DropWhere m_eWhere = DropWhere::On;
};
