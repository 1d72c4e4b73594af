// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTreeNodeMap.h"

#include <QTreeWidgetItem>
#include <vector>

#include "CTreeNode.h"
#include "core/model/CAppletParameters.h"
#include "editor/CText.h"

namespace {

// A holder whose menu has items but which has no children yet.
bool IsUnbuilt(const QTreeWidgetItem* node, const CTavelin* menu)
{
    return menu && node->childCount() == 0 && !menu->m_arrItems.empty();
}

}  // namespace

int CTreeNodeMap::ItemImage(const CTavelinItem& item)
{
    const bool hasItems = item.m_pSubMenu && item.m_pSubMenu->GetItemCount(true) > 0;
    return (hasItems ? 3 : 5) + (item.m_bVisible ? 0 : 1);
}

int CTreeNodeMap::TopMenuImage(const CTavelin& menu)
{
    return menu.m_bVisible ? 1 : 2;
}

int CTreeNodeMap::KindOfImage(int image)
{
    switch (image) {
    case 0: return 0;
    case 1:
    case 2: return 1;
    case 3:
    case 4: return 3;
    case 5:
    case 6: return 5;
    default: return -1;
    }
}

int CTreeNodeMap::Image(const QTreeWidgetItem* node)
{
    if (!node)
        return -1;
    if (node->type() == CTreeNode::kType)
        return static_cast<const CTreeNode*>(node)->Image();
    bool ok = false;
    const int image = node->data(0, kImageRole).toInt(&ok);
    return ok ? image : -1;
}

void* CTreeNodeMap::Object(const QTreeWidgetItem* node)
{
    if (node && node->type() == CTreeNode::kType)
        return static_cast<const CTreeNode*>(node)->Object();
    return node ? reinterpret_cast<void*>(node->data(0, kObjectRole).value<quintptr>()) : nullptr;
}

// CR LF in a label shows as a line break of the node. A very long text is
// shown cut, with an ellipsis (the model keeps it whole): laying out
// megabytes in one node would stall the tree.
QString CTreeNodeMap::Label(std::string_view text)
{
    if (text.size() <= kMaxLabelBytes)
        return CText::ToQMultiLine(text);
    size_t cut = kMaxLabelBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;  // not inside a UTF-8 sequence
    return CText::ToQMultiLine(text.substr(0, cut)) + QChar(0x2026);
}

void CTreeNodeMap::SetImage(QTreeWidgetItem* node, int image) const
{
    if (!node || image < 0 || image >= m_images.size() || Image(node) == image)
        return;
    node->setData(0, kImageRole, image);
}

void CTreeNodeMap::Clear()
{
    m_hashNodes.clear();
    m_hashHolders.clear();
}

QTreeWidgetItem* CTreeNodeMap::MakeNode(void* object, std::string_view label, int image)
{
    auto* node = new CTreeNode(object, Label(label), image, m_images);
    m_hashNodes.insert(object, node);
    return node;
}

CTavelin* CTreeNodeMap::MenuShownBy(const QTreeWidgetItem* node)
{
    switch (KindOfImage(Image(node))) {
    case 1: return static_cast<CTavelin*>(Object(node));
    case 3:
    case 5: return static_cast<CTavelinItem*>(Object(node))->m_pSubMenu.get();
    default: return nullptr;
    }
}

void CTreeNodeMap::SyncIndicator(QTreeWidgetItem* node)
{
    if (!node)
        return;
    const auto policy = IsUnbuilt(node, MenuShownBy(node)) ? QTreeWidgetItem::ShowIndicator
                                                           : QTreeWidgetItem::DontShowIndicatorWhenChildless;
    if (node->childIndicatorPolicy() != policy)
        node->setChildIndicatorPolicy(policy);
}

bool CTreeNodeMap::BuildChildren(QTreeWidgetItem* holder)
{
    CTavelin* menu = holder ? MenuShownBy(holder) : nullptr;
    if (!IsUnbuilt(holder, menu))
        return false;
    QList<QTreeWidgetItem*> children;
    children.reserve(static_cast<qsizetype>(menu->m_arrItems.size()));
    for (auto& item : menu->m_arrItems)
        children << MakeItemNode(*item);
    holder->addChildren(children);
    SyncIndicator(holder);
    return true;
}

QTreeWidgetItem* CTreeNodeMap::MakeItemNode(CTavelinItem& item)
{
    QTreeWidgetItem* node = MakeNode(&item, item.m_strLabel, ItemImage(item));
    if (item.m_pSubMenu)
        m_hashHolders.insert(item.m_pSubMenu.get(), node);
    SyncIndicator(node);
    return node;
}

QTreeWidgetItem* CTreeNodeMap::MakeTopMenuNode(CTavelin& menu)
{
    QTreeWidgetItem* node = MakeNode(&menu, menu.m_strName, TopMenuImage(menu));
    m_hashHolders.insert(&menu, node);
    SyncIndicator(node);
    return node;
}

QTreeWidgetItem* CTreeNodeMap::MakeRoot(CAppletParameters& params)
{
    QTreeWidgetItem* root = MakeNode(&params, params.m_strName, 0);
    QList<QTreeWidgetItem*> menus;
    menus.reserve(static_cast<qsizetype>(params.m_arrMenus.size()));
    for (auto& menu : params.m_arrMenus)
        menus << MakeTopMenuNode(*menu);
    root->addChildren(menus);
    return root;
}

void CTreeNodeMap::Forget(QTreeWidgetItem* node)
{
    std::vector<QTreeWidgetItem*> pending;
    if (node)
        pending.push_back(node);
    while (!pending.empty()) {
        QTreeWidgetItem* n = pending.back();
        pending.pop_back();
        void* object = Object(n);
        if (m_hashNodes.value(object) == n)
            m_hashNodes.remove(object);
        const CTavelin* menu = MenuShownBy(n);
        if (menu && m_hashHolders.value(menu) == n)
            m_hashHolders.remove(menu);
        for (int i = 0; i < n->childCount(); ++i)
            pending.push_back(n->child(i));
    }
}
static_assert(CTreeNodeMap::kObjectRole == CTreeNode::kObjectRole && CTreeNodeMap::kImageRole == CTreeNode::kImageRole);
