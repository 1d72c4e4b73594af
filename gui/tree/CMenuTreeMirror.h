// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeWidget>
#include <memory>

#include "editor/CEditorContext.h"

class CTavelin;
class CTavelinItem;
class CTreeNodeMap;

// The menu tree as a mirror of the model: the applet root, top-level menus,
// items with sub-items and leaf items. It builds only the rows it shows: the
// root and the top-level menus at first, the children of a node when it is
// first expanded or when a node below it is asked for. It patches the nodes
// it has from the model editor's typed change signals (on do, undo and redo
// alike) and rebuilds the tree only for a new or opened model. It knows nodes
// and the model objects behind them; the commands on them live in the tree
// view.
class CMenuTreeMirror : public QTreeWidget {
    Q_OBJECT
public:
    // Node kinds as read back from a node's picture.
    enum NodeKind { KindNone = -1, KindRoot = 0, KindTopMenu = 1, KindItem = 3, KindLeaf = 5 };
    // Picture indices: 0 root, 1/2 top-level menu shown/hidden, 3/4 item with
    // sub-items shown/hidden, 5/6 leaf shown/hidden.
    static constexpr int kImageCount = 7;

    CMenuTreeMirror(const CEditorContext& context, QWidget* parent);
    ~CMenuTreeMirror() override;

    void RebuildTree();
    int GetNodeKind(const QTreeWidgetItem* node) const;  // no node: KindRoot
    int GetNodeDepth(const QTreeWidgetItem* node) const;
    int NodeImage(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* RootNode() const;
    // The node of item, building the nodes down to it when they are not
    // there yet (a search of the model from the top); null when the model
    // does not hold item.
    QTreeWidgetItem* NodeOf(const CTavelinItem* item);
    QTreeWidgetItem* NodeOf(const CTavelin* topMenu) const;
    // The node of item when it is built already, else null.
    QTreeWidgetItem* BuiltNodeOf(const CTavelinItem* item) const;
    // Builds the children of node if they are still to be built.
    void BuildChildNodes(QTreeWidgetItem* node);

    // --- nodes and the model objects behind them ---------------------------
    static int ItemImage(const CTavelinItem* item);
    CTavelinItem* ItemOf(const QTreeWidgetItem* node) const;  // item nodes only
    CTavelin* TopMenuOf(const QTreeWidgetItem* node) const;   // top-level menu nodes only
    // The menu whose items include the item of node: the parent's top-level
    // menu or the parent item's sub-menu; null for other nodes.
    CTavelin* MenuHolding(const QTreeWidgetItem* node) const;
    bool IsDescendant(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor) const;

signals:
    // The enable or check state of a command may have changed.
    void CommandStateChanged();

protected:
    bool IsRebuilding() const { return m_bRebuilding; }
    // Hooks: the nodes were all replaced (before the root is selected); the
    // rebuild is done; node and its sub-tree are about to be deleted.
    virtual void NodesReplaced() {}
    virtual void TreeRebuilt() {}
    virtual void NodeGoing(QTreeWidgetItem*) {}

    CEditorContext m_ctx;

private slots:
    void OnTopMenuInserted(int index);
    void OnTopMenuAboutToBeRemoved(CTavelin* menu);
    void OnTopMenuMoved(CTavelin* menu, int from, int to);
    void OnItemInserted(CTavelin* menu, CTavelinItem* owner, int index);
    void OnItemAboutToBeRemoved(CTavelin* menu, CTavelinItem* item);
    void OnItemRemoved(CTavelin* menu, int index);
    void OnItemMoved(CTavelin* menu, int from, int to);
    void OnTopMenuChanged(CTavelin* menu);
    void OnItemChanged(CTavelinItem* item);
    void OnAppletChanged();

private:
    void ConnectEditor();
    void RemoveNode(QTreeWidgetItem* node);
    void ReplaceMovedNode(QTreeWidgetItem* old, QTreeWidgetItem* fresh, int from, int to);
    void RefreshHolder(QTreeWidgetItem* node);
    QTreeWidgetItem* BuildPathTo(const CTavelinItem* item);

    std::unique_ptr<CTreeNodeMap> m_pNodes;
    bool m_bRebuilding = false;
};
