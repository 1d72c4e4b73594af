// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAppletTavelinWizardView.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <utility>
#include <vector>

#include "CTreeClipboard.h"
#include "core/model/CArchive.h"
#include "core/model/CItemWalk.h"
#include "editor/CAppletTavelinWizardDoc.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "gui/props/CPropertyFrame.h"

namespace {

// Levels of items in the sub-tree of item, the item itself counting 1.
int ItemLevels(const CTavelinItem& item)
{
    int deepest = 1;
    CItemWalk::Walk(*item.m_pSubMenu, [&deepest](const CItemWalk::CStep& step) {
        deepest = std::max(deepest, step.Depth() + 2);
        return CItemWalk::Next::Into;
    });
    return deepest;
}

bool IsItemKind(int kind)
{
    return kind == CMenuTreeMirror::KindItem || kind == CMenuTreeMirror::KindLeaf;
}

}  // namespace

CAppletTavelinWizardView::CAppletTavelinWizardView(const CEditorContext& context, QWidget* parent)
    : CMenuTreeMirror(context, parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setAccessibleName(tr("Menu tree"));
    CreateContextMenu();
    connect(this, &QTreeWidget::currentItemChanged, this, &CAppletTavelinWizardView::OnCurrentNodeChanged);
    // Paste follows what the clipboard offers, also from other programs.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &CAppletTavelinWizardView::CommandStateChanged);
}

CAppletTavelinWizardView::~CAppletTavelinWizardView()
{
    delete m_pPropertyFrame;
}

void CAppletTavelinWizardView::SetDocument(CAppletTavelinWizardDoc* doc)
{
    m_pDoc = doc;
}

void CAppletTavelinWizardView::CreateContextMenu()
{
    m_pContextMenu = new QMenu(this);
    auto add = [this](const QString& text, const QString& tip, void (CAppletTavelinWizardView::*slot)()) {
        QAction* action = m_pContextMenu->addAction(text);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    using V = CAppletTavelinWizardView;
    add(tr("&Insert Menu/Item"), tr("Insert a top-level Tavelina or a item into Tavelin"), &V::OnInsert);
    add(tr("&Delete"), tr("Delete a top-level Tavelina or a item"), &V::OnDelete);
    m_pActVisible = add(tr("&Visible"), QString(), &V::OnVisible);
    m_pActVisible->setCheckable(true);
    m_pContextMenu->addSeparator();
    m_pActMoveUp = add(tr("Move &Up"), tr("Move item's position up"), &V::OnMoveUp);
    m_pActMoveDown = add(tr("Move Do&wn"), tr("Move item's position down"), &V::OnMoveDown);
    m_pContextMenu->addSeparator();
    m_pActProperty = add(tr("&Property"), tr("Edit the current selection's properties"), &V::OnProperty);
}

// --- the mirror's hooks -------------------------------------------------------

void CAppletTavelinWizardView::NodesReplaced()
{
    m_drag.Forget(nullptr);
    if (m_pPropertyFrame)
        m_pPropertyFrame->ForgetSheet();
}

void CAppletTavelinWizardView::TreeRebuilt()
{
    if (CAppletTavelinWizardDoc* doc = m_pDoc)
        QMetaObject::invokeMethod(doc, &CAppletTavelinWizardDoc::OnClearMessage, Qt::QueuedConnection);
}

void CAppletTavelinWizardView::NodeGoing(QTreeWidgetItem* node)
{
    m_drag.Forget(node);
}

CTavelin* CAppletTavelinWizardView::GetSelectedItemMenu() const
{
    return m_ctx.selection.Item() ? MenuHolding(SelectedNode()) : nullptr;
}

// --- structure commands -----------------------------------------------------

void CAppletTavelinWizardView::OnInsert()
{
    QTreeWidgetItem* target = SelectedNode() ? SelectedNode() : RootNode();
    if (!target)
        return;
    const int kind = GetNodeKind(target);
    if (IsItemKind(kind) && !CheckNesting(target, 1))
        return;
    CTavelinItem* owner = ItemOf(target);
    QTreeWidgetItem* fresh = nullptr;
    if (kind == KindRoot) {
        fresh = NodeOf(m_ctx.editor.AddTopMenu());
    } else if (kind == KindTopMenu || owner) {
        CTavelin* menu = owner ? owner->m_pSubMenu.get() : TopMenuOf(target);
        const int nesting = owner ? GetNodeDepth(target) - 1 : 0;
        fresh = ExpandTo(target, m_ctx.editor.InsertNewItem(menu, owner, nesting));
    }
    if (!fresh)
        return;
    expandItem(target);
    setCurrentItem(fresh);
    emit CommandStateChanged();
}

void CAppletTavelinWizardView::OnDelete()
{
    QTreeWidgetItem* node = SelectedNode();
    const int kind = GetNodeKind(node);
    IUserPrompts& prompts = m_ctx.prompts;
    if (kind == KindRoot) {
        prompts.Message(this, tr("Can't delete root!"), IUserPrompts::Icon::Stop);
        return;
    }
    QString question;
    if (kind == KindTopMenu)
        question = tr("Are you sure to delete this top-level Tavelina?");
    else if (kind == KindItem)
        question = tr("Are you sure to delete this item and it's sub menu?");
    else if (kind == KindLeaf)
        question = tr("Are you sure to delete this item?");
    if (question.isEmpty() || !prompts.Confirm(this, question))
        return;
    QTreeWidgetItem* parent = node->parent();
    // No page may store into the object once its node is going.
    m_ctx.selection.Clear();
    if (kind == KindTopMenu)
        m_ctx.editor.RemoveTopMenu(TopMenuOf(node));
    else
        RemoveFromParent(node);
    setCurrentItem(parent);
    emit CommandStateChanged();
}

// The item's parent turns into a leaf picture when its last item goes
// (the editor's ItemRemoved signal).
void CAppletTavelinWizardView::RemoveFromParent(QTreeWidgetItem* node)
{
    m_ctx.editor.RemoveItem(MenuHolding(node), ItemOf(node));
}

void CAppletTavelinWizardView::OnVisible()
{
    QTreeWidgetItem* node = SelectedNode();
    if (CTavelin* menu = TopMenuOf(node))
        m_ctx.editor.SetTopMenuVisible(menu, !menu->m_bVisible);
    else if (CTavelinItem* item = ItemOf(node))
        m_ctx.editor.SetItemVisible(item, !item->m_bVisible);
    else
        return;
    emit CommandStateChanged();
}

void CAppletTavelinWizardView::OnMoveUp()
{
    Move(true);
}

void CAppletTavelinWizardView::OnMoveDown()
{
    Move(false);
}

// A refused move (first up, last down) changes nothing at all.
void CAppletTavelinWizardView::Move(bool up)
{
    QTreeWidgetItem* node = SelectedNode();
    QTreeWidgetItem* fresh = nullptr;
    if (CTavelin* menu = TopMenuOf(node)) {
        if (!m_ctx.editor.MoveTopMenu(menu, up))
            return;
        fresh = NodeOf(menu);
    } else if (CTavelinItem* item = ItemOf(node)) {
        if (!m_ctx.editor.MoveItem(MenuHolding(node), item, up))
            return;
        fresh = NodeOf(item);
    } else {
        return;
    }
    setCurrentItem(fresh);
    emit CommandStateChanged();
}

// After item went under target: target expanded, and item's node.
QTreeWidgetItem* CAppletTavelinWizardView::ExpandTo(QTreeWidgetItem* target, const CTavelinItem* item)
{
    if (!item)
        return nullptr;
    BuildChildNodes(target);
    expandItem(target);
    return BuiltNodeOf(item);
}

bool CAppletTavelinWizardView::CheckNesting(const QTreeWidgetItem* target, const CTavelinItem& item)
{
    return CheckNesting(target, ItemLevels(item));
}

bool CAppletTavelinWizardView::CheckNesting(const QTreeWidgetItem* target, int itemLevels)
{
    // Nesting depth of the deepest menu that will hold items: the menu that
    // receives the items lies at depth(target) - 1, each further level of
    // items opens one menu deeper.
    const int deepest = GetNodeDepth(target) - 1 + itemLevels - 1;
    if (deepest <= CAppletParameters::kMaxDepth)
        return true;
    m_ctx.prompts.Message(this,
                          tr("Menus can't be nested more than %1 levels deep: a project with deeper "
                             "menus could not be opened again. Nothing was inserted.")
                              .arg(CAppletParameters::kMaxDepth),
                          IUserPrompts::Icon::Warning);
    return false;
}

// --- property frame -----------------------------------------------------------

// The command also raises the frame and gives it the keyboard; following the
// selection does neither.
void CAppletTavelinWizardView::OnProperty()
{
    ShowProperty();
    if (m_pPropertyFrame && m_pPropertyFrame->isVisible())
        m_pPropertyFrame->TakeFocus();
}

void CAppletTavelinWizardView::ShowProperty()
{
    if (!m_pPropertyFrame) {
        m_pPropertyFrame = new CPropertyFrame(m_ctx, window());
        connect(m_pPropertyFrame, &QObject::destroyed, this, [this] { m_pPropertyFrame = nullptr; });
        connect(m_pPropertyFrame, &CPropertyFrame::SheetModeSwitched, this, &CAppletTavelinWizardView::ShowProperty);
        connect(m_pPropertyFrame, &CPropertyFrame::ReturnAsked, this, &CAppletTavelinWizardView::TakeFocus);
        PlacePropertyFrame();
    }
    QTreeWidgetItem* node = SelectedNode();
    if (GetNodeKind(node) != KindTopMenu && !m_pPropertyFrame->isVisible())
        m_pPropertyFrame->show();
    ShowPropertyFor(node);
    emit CommandStateChanged();
}

void CAppletTavelinWizardView::TakeFocus()
{
    window()->raise();
    window()->activateWindow();
    setFocus(Qt::ShortcutFocusReason);
}

// x = L + W/4, y = T + 2H/3 of the main window's outer rectangle; the size
// comes with the first sheet.
void CAppletTavelinWizardView::PlacePropertyFrame()
{
    const QRect outer = window()->frameGeometry();
    m_pPropertyFrame->move(outer.left() + outer.width() / 4, outer.top() + 2 * outer.height() / 3);
}

void CAppletTavelinWizardView::ShowPropertyFor(QTreeWidgetItem* node)
{
    using Sheet = CPropertyFrame::Sheet;
    const int kind = GetNodeKind(node);
    m_bFrameHiddenForMenu = kind == KindTopMenu;
    if (kind == KindRoot) {
        m_pPropertyFrame->ShowSheet(Sheet::Applet, tr("Tavelina's Properties"), nullptr, nullptr);
    } else if (kind == KindTopMenu) {
        m_pPropertyFrame->CloseFrame();
    } else if (IsItemKind(kind)) {
        // The menu is taken from the node itself: the current item still
        // names the previously shown object here.
        m_pPropertyFrame->ShowSheet(m_ctx.selection.ItemSheetMode() ? Sheet::Item : Sheet::Menu,
                                    tr("Item's Properties"), ItemOf(node), MenuHolding(node));
    } else {
        m_ctx.selection.Clear();
    }
}

void CAppletTavelinWizardView::OnCurrentNodeChanged()
{
    if (IsRebuilding())
        return;
    if (m_pPropertyFrame && (m_pPropertyFrame->isVisible() || m_bFrameHiddenForMenu))
        ShowProperty();
    emit CommandStateChanged();
}

// --- enable rules -------------------------------------------------------------

bool CAppletTavelinWizardView::CanProperty() const
{
    return GetNodeKind(SelectedNode()) != KindTopMenu;
}

bool CAppletTavelinWizardView::CanVisible() const
{
    const int kind = GetNodeKind(SelectedNode());
    return kind == KindTopMenu || IsItemKind(kind);
}

bool CAppletTavelinWizardView::IsVisibleChecked() const
{
    if (const CTavelin* menu = TopMenuOf(SelectedNode()))
        return menu->m_bVisible != 0;
    if (const CTavelinItem* item = ItemOf(SelectedNode()))
        return item->m_bVisible != 0;
    return false;
}

bool CAppletTavelinWizardView::CanMove() const
{
    return CanVisible();
}

bool CAppletTavelinWizardView::CanCutCopy() const
{
    return CanDragNode(SelectedNode());
}

bool CAppletTavelinWizardView::CanPaste() const
{
    return SelectedNode() && CanVisible() && CTreeClipboard::Offers();
}

// --- context menu -------------------------------------------------------------

void CAppletTavelinWizardView::OpenContextMenu(const QPoint& globalPos)
{
    m_pActVisible->setEnabled(CanVisible());
    m_pActVisible->setChecked(IsVisibleChecked());
    m_pActMoveUp->setEnabled(CanMove());
    m_pActMoveDown->setEnabled(CanMove());
    m_pActProperty->setEnabled(CanProperty());
    emit CommandStateChanged();  // the main window's commands in the menu
    m_pContextMenu->popup(globalPos);
}

// A right click selects the node under the pointer; the menu key and
// Shift+F10 open the menu at the selected node. Either way the menu opens once.
void CAppletTavelinWizardView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse) {
        if (QTreeWidgetItem* node = itemAt(event->pos()))
            setCurrentItem(node);
        OpenContextMenu(event->globalPos());
    } else {
        OpenContextMenu(KeyboardMenuPos());
    }
    event->accept();
}

void CAppletTavelinWizardView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        OpenContextMenu(KeyboardMenuPos());
        event->accept();
        return;
    }
    CMenuTreeMirror::keyPressEvent(event);
}

// Below the start of the selected node's text, kept inside the tree.
QPoint CAppletTavelinWizardView::KeyboardMenuPos()
{
    QPoint local(5, 5);
    if (QTreeWidgetItem* node = SelectedNode()) {
        scrollToItem(node);
        const QRect rect = visualItemRect(node);
        if (rect.isValid())
            local = QPoint(rect.left() + indentation(), rect.bottom());
    }
    const QRect inside = viewport()->rect();
    local.setX(std::clamp(local.x(), inside.left(), inside.right()));
    local.setY(std::clamp(local.y(), inside.top(), inside.bottom()));
    return viewport()->mapToGlobal(local);
}

void CAppletTavelinWizardView::AddContextActions(const QList<QAction*>& actions)
{
    QAction* before = m_pActProperty;
    // The separator above Property stays above it.
    const QList<QAction*> all = m_pContextMenu->actions();
    const qsizetype at = all.indexOf(m_pActProperty);
    if (at > 0 && all[at - 1]->isSeparator())
        before = all[at - 1];
    m_pContextMenu->insertSeparator(before);
    for (QAction* action : actions) {
        if (action)
            m_pContextMenu->insertAction(before, action);
        else
            m_pContextMenu->insertSeparator(before);
    }
}

// --- clipboard ------------------------------------------------------------------

// Input still on the property page belongs to the item it shows: it is
// stored before the item is copied or leaves the model, so that the copy
// carries it and no later page change writes it into a removed item. False
// when the page refused its input (it has said why).
bool CAppletTavelinWizardView::CommitPropertyPage()
{
    return !m_pPropertyFrame || m_pPropertyFrame->CommitActivePage();
}

bool CAppletTavelinWizardView::CopySelection()
{
    CTavelinItem* item = CanDragNode(SelectedNode()) ? ItemOf(SelectedNode()) : nullptr;
    if (!item || !CommitPropertyPage())
        return false;
    if (CTreeClipboard::Put(CArchive::StoreItem(*item)))
        return true;
    m_ctx.prompts.Message(this, tr("The item could not be put on the clipboard."), IUserPrompts::Icon::Warning);
    return false;
}

void CAppletTavelinWizardView::OnEditCopy()
{
    CopySelection();
    emit CommandStateChanged();
}

// The item leaves the model only once the clipboard holds its copy.
void CAppletTavelinWizardView::OnEditCut()
{
    QTreeWidgetItem* node = SelectedNode();
    if (!CopySelection())
        return;
    setCurrentItem(node->parent());
    m_ctx.editor.BeginMacro(tr("Cut"));
    RemoveItemNode(node);
    m_ctx.editor.EndMacro();
    emit CommandStateChanged();
}

void CAppletTavelinWizardView::OnEditPaste()
{
    QTreeWidgetItem* target = SelectedNode();
    if (!target || !CanVisible())
        return;
    const std::optional<std::string> bytes = CTreeClipboard::Get();
    if (!bytes)
        return;
    std::string error;
    const std::unique_ptr<CTavelinItem> item = CArchive::LoadItem(*bytes, &error);
    if (!item) {
        m_ctx.prompts.Message(this, error.empty() ? tr("The clipboard does not hold an item.") : CText::ToQ(error),
                              IUserPrompts::Icon::Warning);
        return;
    }
    PasteItemUnder(target, *item);
    emit CommandStateChanged();
}

bool CAppletTavelinWizardView::PasteItemUnder(QTreeWidgetItem* target, const CTavelinItem& item)
{
    CTavelin* menu = TopMenuOf(target);
    CTavelinItem* owner = ItemOf(target);
    if (owner)
        menu = owner->m_pSubMenu.get();
    if (!menu || !CheckNesting(target, item))
        return false;
    const int nesting = owner ? GetNodeDepth(target) - 1 : 0;
    QTreeWidgetItem* fresh = ExpandTo(target, m_ctx.editor.InsertItemCopy(menu, owner, nesting, item));
    if (!fresh)
        return false;
    setCurrentItem(fresh);
    return true;
}

void CAppletTavelinWizardView::RemoveItemNode(QTreeWidgetItem* node)
{
    CTavelinItem* item = ItemOf(node);
    if (!item)
        return;
    CTavelinItem* current = m_ctx.selection.Item();
    if (current && (current == item || IsDescendant(NodeOf(current), node)))
        m_ctx.selection.Clear();
    RemoveFromParent(node);
}

// --- drag and drop ----------------------------------------------------------------

void CAppletTavelinWizardView::startDrag(Qt::DropActions)
{
    m_drag.StartDrag();
}

// A drag of this view is always let in, even over a node that refuses it:
// an ignored enter would cut the view off from the drag's later moves.
void CAppletTavelinWizardView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_drag.IsDragOfThisView(event)) {
        event->ignore();
        return;
    }
    setState(DraggingState);
    if (!m_drag.Follow(event))
        event->accept();
}

void CAppletTavelinWizardView::dragMoveEvent(QDragMoveEvent* event)
{
    QTreeWidget::dragMoveEvent(event);  // scrolls near the edges
    m_drag.Follow(event);
}

void CAppletTavelinWizardView::dragLeaveEvent(QDragLeaveEvent* event)
{
    m_drag.SetHighlight(nullptr);
    QTreeWidget::dragLeaveEvent(event);
}

void CAppletTavelinWizardView::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    setState(NoState);
    m_drag.Drop(event);
}

void CAppletTavelinWizardView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const
{
    QTreeWidget::drawRow(painter, option, index);
    m_drag.PaintHighlight(painter, option, index);
}

// A press on a node may start a drag; once that drag ran or was refused (the
// root, a top-level menu), or when the press hit no node, moves with the button
// down change nothing: the selection stays where the press put it.
void CAppletTavelinWizardView::mousePressEvent(QMouseEvent* event)
{
    m_bMayDrag = itemAt(event->position().toPoint()) != nullptr;
    QTreeWidget::mousePressEvent(event);
}

void CAppletTavelinWizardView::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && state() != DraggingState && !m_bMayDrag) {
        event->accept();
        return;
    }
    const bool dragging = state() == DraggingState;
    QTreeWidget::mouseMoveEvent(event);
    if (dragging && state() != DraggingState)
        m_bMayDrag = false;
}
