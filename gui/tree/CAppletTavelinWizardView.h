// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeWidget>

#include "CMenuTreeMirror.h"
#include "CTreeDragDrop.h"

class CAppletTavelinWizardDoc;
class CPropertyFrame;
class QAction;
class QMenu;

// The menu tree with its commands: the structure commands (through the model
// editor), the clipboard, drag and drop (CTreeDragDrop), the context menu and
// the property frame it owns. The nodes follow the model in CMenuTreeMirror.
class CAppletTavelinWizardView : public CMenuTreeMirror {
    Q_OBJECT
public:
    explicit CAppletTavelinWizardView(const CEditorContext& context, QWidget* parent = nullptr);
    ~CAppletTavelinWizardView() override;

    void SetDocument(CAppletTavelinWizardDoc* doc);

    // The menu that directly holds the selected item; null when no item is selected.
    CTavelin* GetSelectedItemMenu() const;

    CPropertyFrame* PropertyFrame() const { return m_pPropertyFrame; }

    // Enable and check rules of the commands, for the frame's actions.
    bool CanProperty() const;
    bool CanVisible() const;
    bool IsVisibleChecked() const;
    bool CanMove() const;
    bool CanCutCopy() const;
    bool CanPaste() const;

    // --- clipboard and drag and drop ---------------------------------------
    // Puts a deep copy of item at the front of target's items and selects it;
    // false when target takes no items or the nesting would grow too deep.
    bool PasteItemUnder(QTreeWidgetItem* target, const CTavelinItem& item);
    // Takes the item of node out of the model (cut, moving drop).
    void RemoveItemNode(QTreeWidgetItem* node);
    bool CanDragNode(const QTreeWidgetItem* node) const { return m_drag.CanDragNode(node); }
    bool CanDropOn(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target, bool ctrl) const
    {
        return m_drag.CanDropOn(dragged, target, ctrl);
    }
    // A drop of dragged on target: a copy with ctrl, a move without. False
    // when refused.
    bool DropNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool ctrl)
    {
        return m_drag.DropNode(dragged, target, ctrl);
    }
    using DropWhere = CTreeDragDrop::DropWhere;
    // Near the top or bottom edge of an item's row, between; else on it.
    DropWhere DropWhereAt(const QTreeWidgetItem* target, const QPoint& pos) const
    {
        return m_drag.DropWhereAt(target, pos);
    }
    // A drop of dragged beside target (after it when after), as target's
    // sibling: a copy with ctrl, a move without. False when refused.
    bool CanDropBeside(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target, bool ctrl) const
    {
        return m_drag.CanDropBeside(dragged, target, ctrl);
    }
    bool DropNodeBeside(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool after, bool ctrl)
    {
        return m_drag.DropNodeBeside(dragged, target, after, ctrl);
    }
    QTreeWidgetItem* DropHighlight() const { return m_drag.Highlight(); }
    DropWhere DropHighlightWhere() const { return m_drag.HighlightWhere(); }
    // The format of the (empty) data that a drag out of this view carries.
    static QString DragMimeType() { return CTreeDragDrop::DragMimeType(); }

    // --- context menu --------------------------------------------------------
    QMenu* ContextMenu() const { return m_pContextMenu; }
    // Applies the enable and check rules and pops the context menu up.
    void OpenContextMenu(const QPoint& globalPos);
    // Where the keyboard opens the context menu: at the selected node (the
    // tree's corner without one), in global coordinates.
    QPoint KeyboardMenuPos();
    // Adds the main window's commands that act on the selection (the
    // clipboard, Import Items) to the context menu, before Property; a null
    // entry adds a separator.
    void AddContextActions(const QList<QAction*>& actions);
    // Gives the keyboard back to the tree (from the property window).
    void TakeFocus();

public slots:
    void OnProperty();
    void OnInsert();
    void OnDelete();
    void OnVisible();
    void OnMoveUp();
    void OnMoveDown();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    void NodesReplaced() override;
    void TreeRebuilt() override;
    void NodeGoing(QTreeWidgetItem* node) override;

    CPropertyFrame* m_pPropertyFrame = nullptr;
    CAppletTavelinWizardDoc* m_pDoc = nullptr;
    // The node being dragged out of this view; null when no drag runs.
    QTreeWidgetItem* m_hDragItem = nullptr;

private slots:
    void OnCurrentNodeChanged();

private:
    friend class CTreeDragDrop;  // drops go through the property page and the nesting check

    void CreateContextMenu();
    QTreeWidgetItem* SelectedNode() const { return currentItem(); }
    void Move(bool up);
    void RemoveFromParent(QTreeWidgetItem* node);
    bool CommitPropertyPage();
    bool CopySelection();
    bool CheckNesting(const QTreeWidgetItem* target, int itemLevels);
    bool CheckNesting(const QTreeWidgetItem* target, const CTavelinItem& item);
    QTreeWidgetItem* ExpandTo(QTreeWidgetItem* target, const CTavelinItem* item);
    void ShowPropertyFor(QTreeWidgetItem* node);
    // Creates the frame on first use and shows what the selection needs.
    void ShowProperty();
    void PlacePropertyFrame();

    QMenu* m_pContextMenu = nullptr;
    QAction* m_pActProperty = nullptr;
    QAction* m_pActVisible = nullptr;
    QAction* m_pActMoveUp = nullptr;
    QAction* m_pActMoveDown = nullptr;
    CTreeDragDrop m_drag{*this, m_hDragItem};
    // Property hid the frame for a top-level menu; selecting another node
    // shows it again.
    bool m_bFrameHiddenForMenu = false;
    // The last press hit a node and no drag has run from it yet.
    bool m_bMayDrag = false;
};
