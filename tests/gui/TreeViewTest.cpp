// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QUndoStack>
#include <cstdio>

#include "TreeViewFixture.h"
#include "editor/CModelEditor.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/tree/CTreeNodeMap.h"

using View = CAppletTavelinWizardView;

namespace {

class TreeView : public TreeViewFixture {};

}  // namespace

TEST_F(TreeView, RebuildMirrorsTheModel)
{
    QTreeWidgetItem* root = view->RootNode();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(view->topLevelItemCount(), 1);
    EXPECT_EQ(root->text(0), "My Tavelina");
    EXPECT_EQ(view->GetNodeKind(root), View::KindRoot);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(Selected(), root);
    EXPECT_EQ(ChildLabels(root), QStringList({"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(ChildLabels(Node(alpha)), QStringList({"a1", "a2", "a3"}));
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x", "a1y"}));
    EXPECT_FALSE(Node(alpha)->isExpanded());

    // Pictures by kind and visibility, and the kinds read back from them.
    EXPECT_EQ(Image(alpha), 1);
    EXPECT_EQ(Image(beta), 2);
    EXPECT_EQ(Image(gamma), 1);
    EXPECT_EQ(Image(a1), 3);
    EXPECT_EQ(Image(b1), 4);
    EXPECT_EQ(Image(a2), 5);
    EXPECT_EQ(Image(a3), 6);
    EXPECT_EQ(view->GetNodeKind(Node(beta)), View::KindTopMenu);
    EXPECT_EQ(view->GetNodeKind(Node(b1)), View::KindItem);
    EXPECT_EQ(view->GetNodeKind(Node(a3)), View::KindLeaf);
    EXPECT_EQ(view->GetNodeKind(nullptr), View::KindRoot);
    EXPECT_FALSE(view->topLevelItem(0)->icon(0).isNull());

    EXPECT_EQ(view->GetNodeDepth(root), 0);
    EXPECT_EQ(view->GetNodeDepth(Node(alpha)), 1);
    EXPECT_EQ(view->GetNodeDepth(Node(a1)), 2);
    EXPECT_EQ(view->GetNodeDepth(Node(a1y1)), 4);
    EXPECT_EQ(Selection().Item(), nullptr);
}

TEST_F(TreeView, RebuildAfterTheModelWasRefilled)
{
    Select(a1y);
    Selection().Set(a1y, Params().FindMenuOfItem(a1y));
    Params().Reset();
    CTavelinItem* only = AddItem(AddMenu("Solo"), "line one\r\nline two");
    Editor().NotifyReset();

    EXPECT_EQ(Selection().Item(), nullptr);
    EXPECT_EQ(ChildLabels(view->RootNode()), QStringList({"Solo"}));
    EXPECT_EQ(Node(only)->text(0), "line one\nline two");
    EXPECT_EQ(Selected(), view->RootNode());
    EXPECT_EQ(view->RootNode()->text(0), "Tavelina Applet");
}

TEST_F(TreeView, NoSelectionActsAsRoot)
{
    view->setCurrentItem(nullptr);
    view->OnDelete();
    EXPECT_EQ(prompts.messages, QStringList({"Can't delete root!"}));
    EXPECT_EQ(Params().m_arrMenus.size(), 3u);
    EXPECT_TRUE(prompts.confirmations.isEmpty());

    view->setCurrentItem(nullptr);
    view->OnInsert();
    ASSERT_EQ(Params().m_arrMenus.size(), 4u);
    CTavelin* added = Params().m_arrMenus[0].get();
    EXPECT_EQ(view->RootNode()->child(0), Node(added));
    EXPECT_EQ(Selected(), Node(added));
    // The new menu takes the name and look of the first top-level menu with items.
    EXPECT_EQ(added->m_strName, "Alpha");
    EXPECT_EQ(added->m_nItemWidth, 111);
    EXPECT_EQ(Image(added), 1);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(TreeView, InsertPutsNewItemFirstAndSelectsIt)
{
    Select(gamma);
    view->OnInsert();
    ASSERT_EQ(gamma->GetItemCount(), 1);
    CTavelinItem* first = gamma->GetItem(0);
    EXPECT_EQ(Selected(), Node(first));
    EXPECT_TRUE(Node(gamma)->isExpanded());
    EXPECT_EQ(Image(first), 5);

    Select(gamma);
    view->OnInsert();
    ASSERT_EQ(gamma->GetItemCount(), 2);
    EXPECT_EQ(gamma->GetItem(1), first);
    EXPECT_EQ(Node(gamma)->child(0), Node(gamma->GetItem(0)));
    EXPECT_EQ(ChildLabels(Node(gamma)), QStringList({"item", "item"}));

    // On an item with sub-items the new item becomes its first child.
    Select(a1);
    view->OnInsert();
    EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"item", "a1x", "a1y"}));
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"item", "a1x", "a1y"}));
    EXPECT_EQ(Image(a1), 3);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(TreeView, InsertOnLeafTurnsItIntoAParent)
{
    Select(a3);  // hidden leaf
    view->OnInsert();
    EXPECT_EQ(Image(a3), 4);
    ASSERT_EQ(a3->m_pSubMenu->GetItemCount(), 1);
    EXPECT_EQ(Selected(), Node(a3->m_pSubMenu->GetItem(0)));
    EXPECT_TRUE(Node(a3)->isExpanded());
    // Its new sub-menu looks like the first non-empty menu at its depth (a1's).
    EXPECT_EQ(a3->m_pSubMenu->m_nItemWidth, 222);

    Select(a2);  // visible leaf
    view->OnInsert();
    EXPECT_EQ(Image(a2), 3);

    // Deepest leaf: no non-empty menu at its depth, so the menu holding it.
    a1y->m_pSubMenu->m_nItemWidth = 333;
    Select(a1y1);
    view->OnInsert();
    EXPECT_EQ(a1y1->m_pSubMenu->m_nItemWidth, 333);
    EXPECT_EQ(Image(a1y1), 3);
}

TEST_F(TreeView, DeleteAsksByKindAndRefusesTheRoot)
{
    Select(view->RootNode());
    view->OnDelete();
    EXPECT_EQ(prompts.messages, QStringList({"Can't delete root!"}));

    // Declined confirmations change nothing.
    prompts.confirmAnswers = {false, false, false};
    for (QTreeWidgetItem* node : {Node(alpha), Node(a1), Node(a2)}) {
        Select(node);
        view->OnDelete();
    }
    EXPECT_EQ(prompts.confirmations, QStringList({"Are you sure to delete this top-level Tavelina?",
                                                  "Are you sure to delete this item and it's sub menu?",
                                                  "Are you sure to delete this item?"}));
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a1", "a2", "a3"}));
    EXPECT_FALSE(doc->IsModified());

    // Accepted: the item goes from model and tree, the parent is selected.
    Select(a1y);
    Selection().Set(a1y, a1->m_pSubMenu.get());
    view->OnDelete();
    EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"a1x"}));
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x"}));
    EXPECT_EQ(Selected(), Node(a1));
    EXPECT_EQ(Selection().Item(), nullptr);
    EXPECT_EQ(Selection().Menu(), nullptr);
    EXPECT_TRUE(doc->IsModified());

    // The only sub-item goes: its parent becomes a leaf of the same visibility.
    Select(b1x);
    view->OnDelete();
    EXPECT_EQ(Image(b1), 6);
    Select(a1x);
    view->OnDelete();
    EXPECT_EQ(Image(a1), 5);

    Select(beta);
    view->OnDelete();
    EXPECT_EQ(ChildLabels(view->RootNode()), QStringList({"Alpha", "Gamma"}));
    EXPECT_EQ(Node(beta), nullptr);
    EXPECT_EQ(Selected(), view->RootNode());
}

TEST_F(TreeView, MovesSwapNeighboursAndRefuseTheEnds)
{
    Select(a1);
    view->OnMoveUp();
    view->OnMoveDown();  // a1 is first: up refused; down is fine
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a2", "a1", "a3"}));
    EXPECT_EQ(ChildLabels(Node(alpha)), QStringList({"a2", "a1", "a3"}));
    QTreeWidgetItem* moved = Node(a1);
    EXPECT_EQ(Selected(), moved);
    EXPECT_FALSE(moved->isExpanded());
    EXPECT_EQ(ChildLabels(moved), QStringList({"a1x", "a1y"}));
    EXPECT_EQ(ChildLabels(Node(a1y)), QStringList({"a1y1"}));
    EXPECT_EQ(Image(a1), 3);

    Select(a3);
    doc->Context().editor.History().setClean();
    view->OnMoveDown();
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a2", "a1", "a3"}));
    EXPECT_FALSE(doc->IsModified());
    view->OnMoveUp();
    EXPECT_EQ(ChildLabels(Node(alpha)), QStringList({"a2", "a3", "a1"}));
    EXPECT_EQ(Selected(), Node(a3));
    EXPECT_TRUE(doc->IsModified());

    // Top-level menus follow the same rules.
    Select(gamma);
    view->OnMoveDown();
    EXPECT_EQ(ChildLabels(view->RootNode()), QStringList({"Alpha", "Beta", "Gamma"}));
    view->OnMoveUp();
    view->OnMoveUp();
    EXPECT_EQ(ChildLabels(view->RootNode()), QStringList({"Gamma", "Alpha", "Beta"}));
    EXPECT_EQ(Params().m_arrMenus[0].get(), gamma);
    EXPECT_EQ(Selected(), Node(gamma));

    // The root does nothing.
    Select(view->RootNode());
    view->OnMoveUp();
    EXPECT_EQ(Selected(), view->RootNode());
}

TEST_F(TreeView, VisibleSwitchesPictureAndCheckOnly)
{
    Select(alpha);
    EXPECT_TRUE(view->CanVisible());
    EXPECT_TRUE(view->IsVisibleChecked());
    view->OnVisible();
    EXPECT_EQ(alpha->m_bVisible, 0);
    EXPECT_EQ(Image(alpha), 2);
    EXPECT_FALSE(view->IsVisibleChecked());
    // The items below keep their own flags and pictures.
    EXPECT_EQ(a1->m_bVisible, 1);
    EXPECT_EQ(Image(a1), 3);
    view->OnVisible();
    EXPECT_EQ(Image(alpha), 1);

    Select(a1);
    view->OnVisible();
    EXPECT_EQ(Image(a1), 4);
    EXPECT_EQ(a1x->m_bVisible, 1);
    Select(a3);
    view->OnVisible();
    EXPECT_EQ(Image(a3), 5);
    EXPECT_TRUE(view->IsVisibleChecked());

    Select(view->RootNode());
    EXPECT_FALSE(view->CanVisible());
    doc->Context().editor.History().setClean();
    view->OnVisible();
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(TreeView, EnableRulesFollowTheSelection)
{
    struct Case {
        QTreeWidgetItem* node;
        bool property, visible, move, cutCopy;
    };
    const Case cases[] = {
        {view->RootNode(), true, false, false, false},
        {Node(alpha), false, true, true, false},
        {Node(a1), true, true, true, true},
        {Node(a3), true, true, true, true},
    };
    for (const Case& c : cases) {
        Select(c.node);
        SCOPED_TRACE(c.node->text(0).toStdString());
        EXPECT_EQ(view->CanProperty(), c.property);
        EXPECT_EQ(view->CanVisible(), c.visible);
        EXPECT_EQ(view->CanMove(), c.move);
        EXPECT_EQ(view->CanCutCopy(), c.cutCopy);
    }

    int notices = 0;
    QObject::connect(view.get(), &View::CommandStateChanged, [&] { ++notices; });
    Select(a2);
    EXPECT_GE(notices, 1);
}

TEST_F(TreeView, EditorChangesPatchTheTree)
{
    CModelEditor& editor = Editor();
    CItemFields fields = *a2;
    fields.m_strLabel = "renamed\r\nitem";
    fields.m_bVisible = 0;
    editor.SetItemFields(a2, fields);
    EXPECT_EQ(Node(a2)->text(0), "renamed\nitem");
    EXPECT_EQ(Image(a2), 6);

    CAppletSettings settings = Params();
    settings.m_strName = "Shop";
    editor.SetAppletSettings(settings);
    EXPECT_EQ(view->RootNode()->text(0), "Shop");

    CMenuStyle style = *gamma;
    style.m_strName = "Delta";
    editor.SetMenuStyle(gamma, style);
    EXPECT_EQ(Node(gamma)->text(0), "Delta");

    // A removal from elsewhere moves a selection inside it to the parent.
    Select(a1y1);
    editor.RemoveItem(a1->m_pSubMenu.get(), a1y);
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x"}));
    EXPECT_EQ(Selected(), Node(a1));
    EXPECT_EQ(Node(a1y1), nullptr);

    CTavelinItem* copy = editor.InsertItemCopy(b1x->m_pSubMenu.get(), b1x, 2, *a1);
    EXPECT_EQ(Image(b1x), 3);
    EXPECT_EQ(ChildLabels(Node(copy)), QStringList({"a1x"}));
}

TEST_F(TreeView, UndoAndRedoPatchTheTreeToo)
{
    QUndoStack& history = Editor().History();
    history.clear();
    Select(a2);
    view->OnInsert();  // a2 becomes a parent
    Select(a1);
    view->OnDelete();
    Select(gamma);
    view->OnMoveUp();
    Select(beta);
    view->OnVisible();
    ASSERT_EQ(history.count(), 4);

    history.undo();
    EXPECT_EQ(Image(beta), 2);
    history.undo();
    EXPECT_EQ(ChildLabels(view->RootNode()), QStringList({"Alpha", "Beta", "Gamma"}));
    history.undo();
    EXPECT_EQ(ChildLabels(Node(alpha)), QStringList({"a1", "a2", "a3"}));
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x", "a1y"}));
    EXPECT_EQ(ChildLabels(Node(a1y)), QStringList({"a1y1"}));
    EXPECT_EQ(Image(a1), 3);
    history.undo();
    EXPECT_EQ(Image(a2), 5);
    EXPECT_EQ(Node(a2)->childCount(), 0);

    history.redo();
    history.redo();
    EXPECT_EQ(Image(a2), 3);
    EXPECT_EQ(ChildLabels(Node(alpha)), QStringList({"a2", "a3"}));
    EXPECT_EQ(Node(a1y1), nullptr);
}

TEST_F(TreeView, PropertyFrameFollowsTheSelection)
{
    EXPECT_EQ(view->PropertyFrame(), nullptr);
    Select(view->RootNode());
    view->OnProperty();
    CPropertyFrame* frame = view->PropertyFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->ShowsSheet(CPropertyFrame::Sheet::Applet));
    EXPECT_EQ(frame->windowTitle(), "Tavelina's Properties");
    // Only a change of the model marks the project, not opening the frame.
    EXPECT_FALSE(doc->IsModified());

    Select(a1y);
    EXPECT_TRUE(frame->ShowsSheet(CPropertyFrame::Sheet::Item));
    EXPECT_EQ(frame->windowTitle(), "Item's Properties");
    EXPECT_EQ(Selection().Item(), a1y);
    EXPECT_EQ(Selection().Menu(), a1->m_pSubMenu.get());
    EXPECT_EQ(view->GetSelectedItemMenu(), a1->m_pSubMenu.get());

    // A top-level menu hides the frame; an item afterwards shows it again.
    Select(alpha);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_FALSE(view->CanProperty());
    Selection().SetItemSheetMode(false);
    Select(a2);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->ShowsSheet(CPropertyFrame::Sheet::Menu));
    EXPECT_EQ(Selection().Menu(), alpha);

    // Closed by its close box, it no longer follows the selection.
    frame->CloseFrame();
    Select(a1);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(Selection().Item(), a2);

    // A rebuild forgets the shown sheet and clears the current object.
    view->OnProperty();
    Editor().NotifyReset();
    EXPECT_EQ(Selection().Item(), nullptr);
    EXPECT_TRUE(frame->ShowsSheet(CPropertyFrame::Sheet::Applet));
}

TEST_F(TreeView, ContextMenuOffersTheStructureCommands)
{
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    QMenu* menu = view->ContextMenu();
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << (action->isSeparator() ? QString("-") : action->text());
    EXPECT_EQ(entries, QStringList({"&Insert Menu/Item", "&Delete", "&Visible", "-", "Move &Up", "Move Do&wn", "-",
                                    "&Property"}));
    QAction* visible = menu->actions().at(2);
    QAction* moveUp = menu->actions().at(4);
    QAction* property = menu->actions().at(7);

    // A right click on a node selects it and opens the menu there, once.
    int shown = 0;
    QObject::connect(menu, &QMenu::aboutToShow, [&] { ++shown; });
    const QRect rect = view->visualItemRect(Node(alpha));
    QContextMenuEvent click(QContextMenuEvent::Mouse, rect.center(), view->viewport()->mapToGlobal(rect.center()));
    QApplication::sendEvent(view->viewport(), &click);
    EXPECT_EQ(Selected(), Node(alpha));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(visible->isEnabled());
    EXPECT_TRUE(visible->isChecked());
    EXPECT_FALSE(property->isEnabled());
    menu->hide();

    // The menu key opens it near the tree's corner for the selected node.
    Select(view->RootNode());
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(view->viewport(), &key);
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(visible->isEnabled());
    EXPECT_FALSE(moveUp->isEnabled());
    EXPECT_TRUE(property->isEnabled());
    EXPECT_EQ(Selected(), view->RootNode());
    menu->hide();

    // Its commands act on the selection.
    Select(a2);
    view->OpenContextMenu(QPoint(0, 0));
    visible->trigger();
    EXPECT_EQ(a2->m_bVisible, 0);
    menu->hide();
}

TEST_F(TreeView, InsertRefusesNestingBeyondTheLimit)
{
    // A chain of items down to the deepest menu that may hold items.
    CTavelinItem* deepest = a1y1;
    for (int depth = 2; depth < CAppletParameters::kMaxDepth; ++depth)
        deepest = AddItem(deepest->m_pSubMenu.get(), "d" + std::to_string(depth));
    view->RebuildTree();
    ASSERT_EQ(view->GetNodeDepth(Node(deepest)), CAppletParameters::kMaxDepth + 2);

    Select(deepest);
    view->OnInsert();
    EXPECT_EQ(deepest->m_pSubMenu->GetItemCount(), 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QString::number(CAppletParameters::kMaxDepth)));
    EXPECT_EQ(Image(deepest), 5);

    // One level up is still allowed.
    Select(Node(deepest)->parent());
    view->OnInsert();
    EXPECT_EQ(prompts.messages.size(), 1);
}

// A large tree: edits patch only the nodes concerned (speed is measured by
// the tree benchmarks, against a bare tree widget).
TEST_F(TreeView, EditsOnALargeTreeKeepTheRestOfIt)
{
    Params().Reset();
    for (int m = 0; m < 10; ++m) {
        CTavelin* menu = AddMenu("menu" + std::to_string(m));
        for (int i = 0; i < 100; ++i) {
            CTavelinItem* item = AddItem(menu, "item" + std::to_string(i));
            item->m_pSubMenu->SetItemCount(10, false);
        }
    }
    view->RebuildTree();
    QTreeWidgetItem* untouched = Node(Params().m_arrMenus.front()->GetItem(7));
    CTavelin* last = Params().m_arrMenus.back().get();
    Select(last->GetItem(50));
    for (int i = 0; i < 20; ++i) {
        view->OnInsert();
        view->OnMoveUp();
        Select(last->GetItem(50));
        view->OnMoveDown();
    }
    EXPECT_EQ(Node(Params().m_arrMenus.front()->GetItem(7)), untouched);
    EXPECT_EQ(view->topLevelItem(0)->childCount(), 10);
    EXPECT_EQ(last->GetItemCount(), 100);
    int subItems = 0;
    for (const auto& item : last->m_arrItems) {
        subItems += item->m_pSubMenu->GetItemCount();
        EXPECT_EQ(ChildLabels(Node(item.get())).size(), item->m_pSubMenu->GetItemCount());
    }
    EXPECT_EQ(subItems, 100 * 10 + 20);
}

// A label of megabytes shows cut, ending in an ellipsis; the model keeps it
// whole.
TEST_F(TreeView, LongLabelsShowCutWithAnEllipsis)
{
    const std::string label = "\xC3\xA9" + std::string(5000000, 'x');
    a2->m_strLabel = label;
    view->RebuildTree();
    const QString shown = Node(a2)->text(0);
    EXPECT_LE(shown.size(), static_cast<qsizetype>(CTreeNodeMap::kMaxLabelBytes) + 1);
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("\xC3\xA9xx")));
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_EQ(a2->m_strLabel, label);
}
