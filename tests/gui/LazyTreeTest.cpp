// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "TreeViewFixture.h"
#include "editor/CModelEditor.h"
#include "gui/tree/CHistoryFollower.h"
#include "gui/tree/CTreeFinder.h"

namespace {

class LazyTree : public TreeViewFixture {
protected:
    // Every node the tree holds, the root included.
    int NodeCount() const
    {
        int count = 0;
        std::vector<const QTreeWidgetItem*> pending{view->RootNode()};
        while (!pending.empty()) {
            const QTreeWidgetItem* node = pending.back();
            pending.pop_back();
            ++count;
            for (int i = 0; i < node->childCount(); ++i)
                pending.push_back(node->child(i));
        }
        return count;
    }

    // node hangs in the tree, below the root.
    bool InTree(const QTreeWidgetItem* node) const
    {
        while (node && node->parent())
            node = node->parent();
        return node && node == view->RootNode();
    }
};

// Undo and redo of edits deep inside branches that were never expanded: the
// step's node is built, with the nodes down to it, and is the one the
// follower hands back.
TEST_F(LazyTree, UndoAndRedoDeepInUnbuiltBranchesFindTheChangedNode)
{
    CTavelin* a1ySub = a1y->m_pSubMenu.get();
    const auto first = [a1ySub] { return a1ySub->GetItem(0); };
    const auto owner = [this] { return a1y; };
    struct Case {
        const char* edit;
        std::function<void()> run;
        std::function<const CTavelinItem*()> afterUndo, afterRedo;
    };
    const Case cases[] = {
        {"insert", [&] { Editor().InsertNewItem(a1ySub, a1y, 2); }, owner, first},
        {"delete", [&] { Editor().RemoveItem(a1ySub, a1y1); }, first, owner},
        {"move", [&] { Editor().MoveItem(a1->m_pSubMenu.get(), a1y, true); }, owner, owner},
        {"paste", [&] { Editor().InsertItemCopy(a1ySub, a1y, 2, *b1); }, owner, first},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        view->RebuildTree();
        ASSERT_EQ(NodeCount(), 4);  // the root and the three top-level menus
        c.run();
        EXPECT_EQ(NodeCount(), 4) << "an edit under unbuilt nodes builds none";
        CHistoryFollower follower(Editor(), *view);
        for (const bool undo : {true, false}) {
            QTreeWidgetItem* node = follower.Step(undo);
            const CTavelinItem* expected = undo ? c.afterUndo() : c.afterRedo();
            ASSERT_NE(node, nullptr);
            EXPECT_EQ(view->ItemOf(node), expected) << (undo ? "undo" : "redo");
            EXPECT_TRUE(InTree(node));
        }
        Editor().History().undo();
        Editor().History().clear();
    }
    EXPECT_EQ(ItemLabels(a1y->m_pSubMenu.get()), QStringList({"a1y1"}));
}

// A holder never expanded shows its picture and button from the model as
// items come and go; nodes of a sub-tree built, collapsed and then removed
// are forgotten with it.
TEST_F(LazyTree, UnbuiltHoldersFollowTheirMenuAndRemovedSubTreesAreForgotten)
{
    QTreeWidgetItem* leaf = Node(a2);
    EXPECT_EQ(view->NodeImage(leaf), 5);
    CTavelinItem* fresh = Editor().InsertNewItem(a2->m_pSubMenu.get(), a2, 1);
    EXPECT_EQ(Node(a2), leaf);
    EXPECT_EQ(view->NodeImage(leaf), 3);
    EXPECT_EQ(leaf->childCount(), 0);
    EXPECT_EQ(leaf->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(Node(fresh)->parent(), leaf) << "asking for a node below builds it";
    Editor().RemoveItem(a2->m_pSubMenu.get(), fresh);
    EXPECT_EQ(view->NodeImage(leaf), 5);
    EXPECT_EQ(leaf->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);

    QTreeWidgetItem* a1Node = Node(a1);
    EXPECT_EQ(a1Node->childCount(), 0);
    EXPECT_EQ(a1Node->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    Editor().InsertNewItem(a1->m_pSubMenu.get(), a1, 1);
    EXPECT_EQ(a1Node->childCount(), 0) << "an unbuilt holder stays unbuilt";
    Editor().History().undo();

    // Built two levels down, collapsed, then removed with its parent.
    view->expandItem(Node(a1));
    view->expandItem(Node(a1y));
    view->collapseItem(Node(a1));
    EXPECT_NE(view->BuiltNodeOf(a1y1), nullptr);
    Editor().RemoveItem(alpha, a1);
    EXPECT_EQ(ChildLabels(Node(alpha)), QStringList({"a2", "a3"}));
    Editor().History().undo();
    a1 = alpha->GetItem(0);
    a1y1 = a1->m_pSubMenu->GetItem(1)->m_pSubMenu->GetItem(0);
    EXPECT_EQ(view->BuiltNodeOf(a1y1), nullptr);
    ASSERT_NE(Node(a1y1), nullptr);
    EXPECT_EQ(Node(a1y1)->text(0), "a1y1");
    EXPECT_TRUE(InTree(Node(a1y1)));

    // "*" expands and builds a whole branch.
    view->RebuildTree();
    Select(alpha);
    QTest::keyClick(view.get(), Qt::Key_Asterisk);
    EXPECT_TRUE(view->BuiltNodeOf(a1y1) && view->BuiltNodeOf(a1y1)->parent()->isExpanded());
    EXPECT_EQ(NodeCount(), 4 + 6);
}

// Find reaches the end of a chain a hundred items deep beside a thousand
// siblings with sub-menus of their own: only the nodes on the way are built,
// and the found node is selected and shown.
TEST_F(LazyTree, FindBuildsOnlyThePathDownAHundredLevelChain)
{
    Params().Reset();
    CTavelin* menu = AddMenu("wide");
    CTavelin* chain = nullptr;
    for (int i = 0; i < 1000; ++i) {
        CTavelinItem* item = AddItem(menu, "sibling " + std::to_string(i));
        item->m_pSubMenu->SetItemCount(10, false);
        if (i == 500)
            chain = item->m_pSubMenu.get();
    }
    chain->m_arrItems.clear();
    for (int depth = 0; depth < 100; ++depth)
        chain = AddItem(chain, depth == 99 ? "needle" : "link")->m_pSubMenu.get();
    view->show();
    view->RebuildTree();
    EXPECT_EQ(NodeCount(), 2);

    CTreeFinder finder(*view, Editor(), prompts);
    const CTavelinItem* found = finder.FindText(QStringLiteral("needle"));
    ASSERT_NE(found, nullptr);
    QTreeWidgetItem* node = view->currentItem();
    EXPECT_EQ(view->ItemOf(node), found);
    EXPECT_EQ(view->GetNodeDepth(node), 102);
    for (QTreeWidgetItem* up = node->parent(); up; up = up->parent())
        EXPECT_TRUE(up->isExpanded());
    EXPECT_EQ(NodeCount(), 2 + 1000 + 100);
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
