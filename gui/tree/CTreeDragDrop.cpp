// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTreeDragDrop.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <algorithm>

#include "CAppletTavelinWizardView.h"
#include "editor/CModelEditor.h"

namespace {

bool IsItemKind(int kind)
{
    return kind == CMenuTreeMirror::KindItem || kind == CMenuTreeMirror::KindLeaf;
}

}  // namespace

CTreeDragDrop::CTreeDragDrop(CAppletTavelinWizardView& view, QTreeWidgetItem*& dragged)
    : m_view(view), m_hDragged(dragged)
{
}

QString CTreeDragDrop::DragMimeType()
{
    return QStringLiteral("application/x-applettavelinwizard-drag");
}

bool CTreeDragDrop::CanDragNode(const QTreeWidgetItem* node) const
{
    return node && IsItemKind(m_view.GetNodeKind(node));
}

// A move may not land on the dragged item or inside its own sub-tree; a copy
// may (the copy is made before it is inserted). Nothing lands on the root.
bool CTreeDragDrop::CanDropOn(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target, bool ctrl) const
{
    if (!CanDragNode(dragged) || !target)
        return false;
    if (target == dragged && !ctrl)
        return false;
    const int kind = m_view.GetNodeKind(target);
    if (kind != CMenuTreeMirror::KindTopMenu && !IsItemKind(kind))
        return false;
    return ctrl || !m_view.IsDescendant(target, dragged);
}

// A move is one step of the edit history: the copy in, the original out.
bool CTreeDragDrop::DropNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool ctrl)
{
    if (!CanDropOn(dragged, target, ctrl) || !m_view.CommitPropertyPage() ||
        !m_view.CheckNesting(target, *m_view.ItemOf(dragged)))
        return false;
    CModelEditor& editor = m_view.m_ctx.editor;
    if (!ctrl)
        editor.BeginMacro(CAppletTavelinWizardView::tr("Move"));
    const bool pasted = m_view.PasteItemUnder(target, *m_view.ItemOf(dragged));
    if (pasted && !ctrl)
        m_view.RemoveItemNode(dragged);
    if (!ctrl)
        editor.EndMacro();
    emit m_view.CommandStateChanged();
    return pasted;
}

// Beside an item: in the menu that holds it, where a move may land as for a
// drop on that menu's owner. A move beside the dragged item itself changes
// nothing and is refused.
bool CTreeDragDrop::CanDropBeside(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target, bool ctrl) const
{
    if (!target || !IsItemKind(m_view.GetNodeKind(target)) || (target == dragged && !ctrl))
        return false;
    return CanDropOn(dragged, target->parent(), ctrl);
}

// The copy goes in at the front of the menu and moves down to its place, all
// in one step with the removal of the original of a move.
bool CTreeDragDrop::DropNodeBeside(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool after, bool ctrl)
{
    if (!CanDropBeside(dragged, target, ctrl) || !m_view.CommitPropertyPage())
        return false;
    QTreeWidgetItem* parent = target->parent();
    const CTavelinItem& source = *m_view.ItemOf(dragged);
    if (!m_view.CheckNesting(parent, source))
        return false;
    CTavelinItem* owner = m_view.ItemOf(parent);
    CTavelin* menu = owner ? owner->m_pSubMenu.get() : m_view.TopMenuOf(parent);
    CTavelinItem* anchor = m_view.ItemOf(target);
    if (!menu || !anchor)
        return false;
    CModelEditor& editor = m_view.m_ctx.editor;
    editor.BeginMacro(ctrl ? CAppletTavelinWizardView::tr("Copy") : CAppletTavelinWizardView::tr("Move"));
    CTavelinItem* fresh = editor.InsertItemCopy(menu, owner, owner ? m_view.GetNodeDepth(parent) - 1 : 0, source);
    while (fresh && menu->IndexOf(fresh) < menu->IndexOf(anchor) + (after ? 1 : -1))
        if (!editor.MoveItem(menu, fresh, false))
            break;
    if (fresh && !ctrl)
        m_view.RemoveItemNode(dragged);
    editor.EndMacro();
    if (QTreeWidgetItem* node = fresh ? m_view.NodeOf(fresh) : nullptr)
        m_view.setCurrentItem(node);
    emit m_view.CommandStateChanged();
    return fresh != nullptr;
}

CTreeDragDrop::DropWhere CTreeDragDrop::DropWhereAt(const QTreeWidgetItem* target, const QPoint& pos) const
{
    if (!target || !IsItemKind(m_view.GetNodeKind(target)))
        return DropWhere::On;
    const QRect row = m_view.visualItemRect(target);
    const int band = std::max(3, row.height() / 4);
    if (pos.y() < row.top() + band)
        return DropWhere::Above;
    if (pos.y() > row.bottom() - band)
        return DropWhere::Below;
    return DropWhere::On;
}

// Between two items when the pointer is near a row's edge and the drop may
// land there; otherwise on the node, when it may land there.
QTreeWidgetItem* CTreeDragDrop::TargetAt(const QPoint& pos, bool ctrl, DropWhere& where) const
{
    QTreeWidgetItem* target = m_view.itemAt(pos);
    where = DropWhereAt(target, pos);
    if (where != DropWhere::On && CanDropBeside(m_hDragged, target, ctrl))
        return target;
    where = DropWhere::On;
    return CanDropOn(m_hDragged, target, ctrl) ? target : nullptr;
}

// No drag image is drawn.
void CTreeDragDrop::StartDrag()
{
    QTreeWidgetItem* node = m_view.currentItem();
    if (!CanDragNode(node)) {
        m_hDragged = nullptr;
        return;
    }
    m_hDragged = node;
    auto* drag = new QDrag(&m_view);
    auto* data = new QMimeData;
    data->setData(DragMimeType(), QByteArray());
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    m_hDragged = nullptr;
    SetHighlight(nullptr);
}

bool CTreeDragDrop::IsDragOfThisView(const QDropEvent* event) const
{
    return m_hDragged && event->mimeData() && event->mimeData()->hasFormat(DragMimeType());
}

// Enter and move follow one rule: over a node that accepts the drop, show
// the drop highlight and answer copy with Ctrl held, move without.
bool CTreeDragDrop::Follow(QDragMoveEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    DropWhere where = DropWhere::On;
    QTreeWidgetItem* target = IsDragOfThisView(event) ? TargetAt(event->position().toPoint(), ctrl, where) : nullptr;
    if (target) {
        SetHighlight(target, where);
        event->setDropAction(ctrl ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return true;
    }
    SetHighlight(nullptr);
    event->setDropAction(Qt::IgnoreAction);
    event->ignore();
    return false;
}

bool CTreeDragDrop::Drop(QDropEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    DropWhere where = DropWhere::On;
    QTreeWidgetItem* target = IsDragOfThisView(event) ? TargetAt(event->position().toPoint(), ctrl, where) : nullptr;
    SetHighlight(nullptr);
    const bool dropped =
        target && (where == DropWhere::On ? DropNode(m_hDragged, target, ctrl)
                                          : DropNodeBeside(m_hDragged, target, where == DropWhere::Below, ctrl));
    if (!dropped) {
        event->ignore();
        return false;
    }
    event->setDropAction(ctrl ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
    return true;
}

void CTreeDragDrop::Forget(const QTreeWidgetItem* node)
{
    if (!node) {
        m_hDragged = nullptr;
        m_hHighlight = nullptr;
        return;
    }
    if (m_hDragged == node || m_view.IsDescendant(m_hDragged, node))
        m_hDragged = nullptr;
    if (m_hHighlight == node || m_view.IsDescendant(m_hHighlight, node))
        SetHighlight(nullptr);
}

void CTreeDragDrop::SetHighlight(QTreeWidgetItem* node, DropWhere where)
{
    if (m_hHighlight == node && m_eWhere == where)
        return;
    m_hHighlight = node;
    m_eWhere = where;
    m_view.viewport()->update();
}

// The drop target is framed and tinted in the selection's colour, so that it
// stands apart from the selected (dragged) node while the pointer is over it;
// a drop between items shows as a line at the edge where it lands.
void CTreeDragDrop::PaintHighlight(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    if (!m_hHighlight || m_view.itemFromIndex(index) != m_hHighlight)
        return;
    const QColor colour = m_view.palette().color(QPalette::Highlight);
    if (m_eWhere != DropWhere::On) {
        // The insertion line, from the text's start, at the edge the drop takes.
        const int y = m_eWhere == DropWhere::Above ? option.rect.top() + 1 : option.rect.bottom() - 1;
        const int left = m_view.visualItemRect(m_hHighlight).left();
        painter->save();
        painter->setPen(QPen(colour, 2));
        painter->drawLine(left, y, option.rect.right() - 2, y);
        painter->drawLine(left, y - 3, left, y + 3);
        painter->restore();
        return;
    }
    QColor tint = colour;
    tint.setAlpha(56);
    painter->save();
    const QRect row = option.rect.adjusted(1, 0, -2, -1);
    painter->fillRect(row, tint);
    painter->setPen(QPen(colour, 2, Qt::DashLine));
    painter->drawRect(row.adjusted(1, 1, 0, 0));
    painter->restore();
}
