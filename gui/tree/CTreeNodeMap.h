// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <string_view>

class CAppletParameters;
class CTavelin;
class CTavelinItem;
class QTreeWidgetItem;

// The tree's nodes and the model objects behind them. A node keeps a pointer
// to its object and its picture index, which also tells its kind. The map
// finds the node of an object, and the node whose children show a menu's
// items, in constant time, for the nodes built so far. A holder (a node
// whose menu has items) gets its children only when they are first asked
// for; until then it has none and shows a button. So a holder without
// children whose menu has items is a holder still to be built.
class CTreeNodeMap {
public:
    static constexpr int kObjectRole = Qt::UserRole;     // the model object's pointer
    static constexpr int kImageRole = Qt::UserRole + 1;  // the picture index

    explicit CTreeNodeMap(const QList<QIcon>& images) : m_images(images) {}

    static int ItemImage(const CTavelinItem& item);
    static int TopMenuImage(const CTavelin& menu);
    // 0 root, 1 top-level menu, 3 item with sub-items, 5 leaf, -1 otherwise.
    static int KindOfImage(int image);
    static int Image(const QTreeWidgetItem* node);  // -1 without a picture
    static void* Object(const QTreeWidgetItem* node);
    // Longer labels show cut, ending in an ellipsis.
    static constexpr size_t kMaxLabelBytes = 1000;
    static QString Label(std::string_view text);
    void SetImage(QTreeWidgetItem* node, int image) const;

    void Clear();
    // Each builds a detached node and registers it; the root comes with the
    // top-level menu nodes, the others without children.
    QTreeWidgetItem* MakeRoot(CAppletParameters& params);
    QTreeWidgetItem* MakeTopMenuNode(CTavelin& menu);
    QTreeWidgetItem* MakeItemNode(CTavelinItem& item);
    // Unregisters node and its sub-tree; the model objects must still exist.
    void Forget(QTreeWidgetItem* node);

    // The menu whose items the children of node show: a top-level menu's
    // own, an item's sub-menu; null for the root and foreign nodes.
    static CTavelin* MenuShownBy(const QTreeWidgetItem* node);
    // Builds the children of a holder still to be built; false when there
    // was nothing to build.
    bool BuildChildren(QTreeWidgetItem* holder);
    // A button on a holder still to be built, none otherwise.
    static void SyncIndicator(QTreeWidgetItem* node);

    QTreeWidgetItem* NodeOf(const void* object) const { return m_hashNodes.value(object); }
    // The top-level menu node or item node whose children show menu's items.
    QTreeWidgetItem* HolderOf(const CTavelin* menu) const { return m_hashHolders.value(menu); }

private:
    QTreeWidgetItem* MakeNode(void* object, std::string_view label, int image);

    const QList<QIcon>& m_images;
    QHash<const void*, QTreeWidgetItem*> m_hashNodes;
    QHash<const CTavelin*, QTreeWidgetItem*> m_hashHolders;
};
