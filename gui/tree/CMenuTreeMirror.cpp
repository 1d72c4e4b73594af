// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuTreeMirror.h"

#include <vector>

#include "CTreeNodeMap.h"
#include "core/model/CAppletParameters.h"
#include "core/model/CItemWalk.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "gui/widgets/CTreeIcons.h"

namespace {

bool IsItemKind(int kind)
{
    return kind == CMenuTreeMirror::KindItem || kind == CMenuTreeMirror::KindLeaf;
}

// The items from a top-level menu's item down to item, item last; empty
// when the model does not hold item. *top is that top-level menu.
std::vector<const CTavelinItem*> PathTo(const CAppletParameters& params, const CTavelinItem* item, CTavelin** top)
{
    std::vector<const CTavelinItem*> path;
    for (const auto& menu : params.m_arrMenus) {
        *top = menu.get();
        const bool found = !CItemWalk::Walk(*menu, [&](const CItemWalk::CStep& step) {
            if (&step.item != item)
                return CItemWalk::Next::Into;
            path = step.path;
            return CItemWalk::Next::Stop;
        });
        if (found)
            return path;
    }
    return {};
}

}  // namespace

CMenuTreeMirror::CMenuTreeMirror(const CEditorContext& context, QWidget* parent)
    : QTreeWidget(parent), m_ctx(context), m_pNodes(std::make_unique<CTreeNodeMap>(CTreeIcons::List()))
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);  // the applet root has no button, its menus have
    setIconSize(QSize(CTreeIcons::kSize, CTreeIcons::kSize));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    ConnectEditor();
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* node) { m_pNodes->BuildChildren(node); });
}

CMenuTreeMirror::~CMenuTreeMirror() = default;

void CMenuTreeMirror::ConnectEditor()
{
    CModelEditor* editor = &m_ctx.editor;
    using V = CMenuTreeMirror;
    connect(editor, &CModelEditor::TopMenuInserted, this, &V::OnTopMenuInserted);
    connect(editor, &CModelEditor::TopMenuAboutToBeRemoved, this, &V::OnTopMenuAboutToBeRemoved);
    connect(editor, &CModelEditor::TopMenuMoved, this, &V::OnTopMenuMoved);
    connect(editor, &CModelEditor::ItemInserted, this, &V::OnItemInserted);
    connect(editor, &CModelEditor::ItemAboutToBeRemoved, this, &V::OnItemAboutToBeRemoved);
    connect(editor, &CModelEditor::ItemRemoved, this, &V::OnItemRemoved);
    connect(editor, &CModelEditor::ItemMoved, this, &V::OnItemMoved);
    connect(editor, &CModelEditor::TopMenuChanged, this, &V::OnTopMenuChanged);
    connect(editor, &CModelEditor::MenuStyleChanged, this, &V::OnTopMenuChanged);
    connect(editor, &CModelEditor::ItemChanged, this, &V::OnItemChanged);
    connect(editor, &CModelEditor::AppletChanged, this, &V::OnAppletChanged);
    connect(editor, &CModelEditor::ModelReset, this, &V::RebuildTree);
}

// --- building the tree ------------------------------------------------------

// The root and the top-level menus, built detached and added in one step;
// the rows below come when they are asked for.
void CMenuTreeMirror::RebuildTree()
{
    m_ctx.selection.Clear();
    m_bRebuilding = true;
    setUpdatesEnabled(false);
    clear();
    m_pNodes->Clear();
    QTreeWidgetItem* root = m_pNodes->MakeRoot(m_ctx.Params());
    addTopLevelItem(root);
    NodesReplaced();
    expandItem(root);
    setUpdatesEnabled(true);
    m_bRebuilding = false;
    setCurrentItem(root);
    TreeRebuilt();
    emit CommandStateChanged();
}

int CMenuTreeMirror::ItemImage(const CTavelinItem* item)
{
    return item ? CTreeNodeMap::ItemImage(*item) : -1;
}

int CMenuTreeMirror::NodeImage(const QTreeWidgetItem* node) const
{
    return CTreeNodeMap::Image(node);
}

int CMenuTreeMirror::GetNodeKind(const QTreeWidgetItem* node) const
{
    return node ? CTreeNodeMap::KindOfImage(NodeImage(node)) : KindRoot;
}

int CMenuTreeMirror::GetNodeDepth(const QTreeWidgetItem* node) const
{
    int depth = 0;
    for (const QTreeWidgetItem* up = node ? node->parent() : nullptr; up; up = up->parent())
        ++depth;
    return depth;
}

QTreeWidgetItem* CMenuTreeMirror::RootNode() const
{
    return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
}

QTreeWidgetItem* CMenuTreeMirror::NodeOf(const CTavelinItem* item)
{
    if (QTreeWidgetItem* node = BuiltNodeOf(item))
        return node;
    return item ? BuildPathTo(item) : nullptr;
}

QTreeWidgetItem* CMenuTreeMirror::BuiltNodeOf(const CTavelinItem* item) const
{
    return m_pNodes->NodeOf(item);
}

void CMenuTreeMirror::BuildChildNodes(QTreeWidgetItem* node)
{
    m_pNodes->BuildChildren(node);
}

// The model has no way up from an item, so the items above it are found by
// a walk from the top; then each node on the way gets its children.
QTreeWidgetItem* CMenuTreeMirror::BuildPathTo(const CTavelinItem* item)
{
    CTavelin* top = nullptr;
    const std::vector<const CTavelinItem*> path = PathTo(m_ctx.Params(), item, &top);
    QTreeWidgetItem* node = path.empty() ? nullptr : NodeOf(top);
    for (const CTavelinItem* step : path) {
        m_pNodes->BuildChildren(node);
        node = node ? m_pNodes->NodeOf(step) : nullptr;
    }
    return node;
}

QTreeWidgetItem* CMenuTreeMirror::NodeOf(const CTavelin* topMenu) const
{
    return m_pNodes->NodeOf(topMenu);
}

CTavelinItem* CMenuTreeMirror::ItemOf(const QTreeWidgetItem* node) const
{
    return node && IsItemKind(GetNodeKind(node)) ? static_cast<CTavelinItem*>(CTreeNodeMap::Object(node)) : nullptr;
}

CTavelin* CMenuTreeMirror::TopMenuOf(const QTreeWidgetItem* node) const
{
    return node && GetNodeKind(node) == KindTopMenu ? static_cast<CTavelin*>(CTreeNodeMap::Object(node)) : nullptr;
}

CTavelin* CMenuTreeMirror::MenuHolding(const QTreeWidgetItem* node) const
{
    if (!ItemOf(node))
        return nullptr;
    const QTreeWidgetItem* parent = node->parent();
    if (CTavelin* menu = TopMenuOf(parent))
        return menu;
    CTavelinItem* owner = ItemOf(parent);
    return owner ? owner->m_pSubMenu.get() : nullptr;
}

bool CMenuTreeMirror::IsDescendant(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor) const
{
    if (!node || !ancestor)
        return false;
    for (const QTreeWidgetItem* up = node->parent(); up; up = up->parent())
        if (up == ancestor)
            return true;
    return false;
}

// --- patching the tree from the editor's signals ------------------------------

void CMenuTreeMirror::OnTopMenuInserted(int index)
{
    const auto& menus = m_ctx.Params().m_arrMenus;
    QTreeWidgetItem* root = RootNode();
    if (!root || index < 0 || index >= static_cast<int>(menus.size()))
        return;
    root->insertChild(index, m_pNodes->MakeTopMenuNode(*menus[static_cast<size_t>(index)]));
}

void CMenuTreeMirror::OnTopMenuAboutToBeRemoved(CTavelin* menu)
{
    RemoveNode(NodeOf(menu));
}

void CMenuTreeMirror::OnTopMenuMoved(CTavelin* menu, int from, int to)
{
    QTreeWidgetItem* old = NodeOf(menu);
    if (!old || !menu)
        return;
    m_pNodes->Forget(old);
    ReplaceMovedNode(old, m_pNodes->MakeTopMenuNode(*menu), from, to);
}

// Under a holder still to be built only its picture and button change; an
// expanded holder without children (its menu was empty) gets them now.
void CMenuTreeMirror::OnItemInserted(CTavelin* menu, CTavelinItem* owner, int index)
{
    QTreeWidgetItem* holder = owner ? BuiltNodeOf(owner) : m_pNodes->HolderOf(menu);
    CTavelinItem* item = menu ? menu->GetItem(index) : nullptr;
    if (!holder || !item)
        return;
    if (holder->childCount() > 0)
        holder->insertChild(index, m_pNodes->MakeItemNode(*item));
    else if (holder->isExpanded())
        m_pNodes->BuildChildren(holder);
    RefreshHolder(holder);
}

void CMenuTreeMirror::OnItemAboutToBeRemoved(CTavelin*, CTavelinItem* item)
{
    RemoveNode(BuiltNodeOf(item));
}

void CMenuTreeMirror::OnItemRemoved(CTavelin* menu, int)
{
    RefreshHolder(m_pNodes->HolderOf(menu));
}

void CMenuTreeMirror::OnItemMoved(CTavelin* menu, int from, int to)
{
    CTavelinItem* item = menu ? menu->GetItem(to) : nullptr;
    QTreeWidgetItem* old = BuiltNodeOf(item);
    if (!old || !item)
        return;
    m_pNodes->Forget(old);
    ReplaceMovedNode(old, m_pNodes->MakeItemNode(*item), from, to);
}

void CMenuTreeMirror::OnTopMenuChanged(CTavelin* menu)
{
    QTreeWidgetItem* node = NodeOf(menu);
    if (!node)
        return;
    m_pNodes->SetImage(node, CTreeNodeMap::TopMenuImage(*menu));
    const QString label = CTreeNodeMap::Label(menu->m_strName);
    if (node->text(0) != label)
        node->setText(0, label);
    emit CommandStateChanged();
}

void CMenuTreeMirror::OnItemChanged(CTavelinItem* item)
{
    QTreeWidgetItem* node = BuiltNodeOf(item);
    if (!node)
        return;
    RefreshHolder(node);
    const QString label = CTreeNodeMap::Label(item->m_strLabel);
    if (node->text(0) != label)
        node->setText(0, label);
    emit CommandStateChanged();
}

void CMenuTreeMirror::OnAppletChanged()
{
    QTreeWidgetItem* root = RootNode();
    const QString label = CTreeNodeMap::Label(m_ctx.Params().m_strName);
    if (root && root->text(0) != label)
        root->setText(0, label);
}

// The picture of an item node, and the button of any holder, after its
// menu gained or lost items.
void CMenuTreeMirror::RefreshHolder(QTreeWidgetItem* node)
{
    if (const CTavelinItem* item = ItemOf(node))
        m_pNodes->SetImage(node, CTreeNodeMap::ItemImage(*item));
    CTreeNodeMap::SyncIndicator(node);
}

// Deletes node with its sub-tree. A selection inside it moves to the parent
// first, so that the property frame never follows a node about to go.
void CMenuTreeMirror::RemoveNode(QTreeWidgetItem* node)
{
    if (!node)
        return;
    QTreeWidgetItem* current = currentItem();
    if (current == node || IsDescendant(current, node))
        setCurrentItem(node->parent());
    NodeGoing(node);
    m_pNodes->Forget(node);
    delete node;
}

// A moved object comes back as a fresh, collapsed node at its new place.
void CMenuTreeMirror::ReplaceMovedNode(QTreeWidgetItem* old, QTreeWidgetItem* fresh, int from, int to)
{
    QTreeWidgetItem* parent = old->parent();
    from = parent->indexOfChild(old);
    parent->insertChild(to > from ? to + 1 : to, fresh);
    QTreeWidgetItem* current = currentItem();
    if (current == old || IsDescendant(current, old))
        setCurrentItem(fresh);
    NodeGoing(old);
    delete old;
}
