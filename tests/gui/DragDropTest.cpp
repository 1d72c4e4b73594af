// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUndoStack>

#include "TreeViewFixture.h"
#include "editor/CModelEditor.h"

namespace {

// Reaches the drag state that only a drag started in the view sets.
class DragView : public CAppletTavelinWizardView {
public:
    using CAppletTavelinWizardView::CAppletTavelinWizardView;
    void SetDragItem(QTreeWidgetItem* node) { m_hDragItem = node; }
    QTreeWidgetItem* DragItem() const { return m_hDragItem; }
    void StartDrag() { startDrag(Qt::CopyAction | Qt::MoveAction); }
};

class DragDrop : public TreeViewFixture {
protected:
    std::unique_ptr<CAppletTavelinWizardView> MakeView() override { return std::make_unique<DragView>(run.context); }

    DragView* Drag() const { return static_cast<DragView*>(view.get()); }

    void ShowView()
    {
        view->show();
        view->expandAll();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    QPoint PointOn(QTreeWidgetItem* node) const { return view->visualItemRect(node).center(); }

    // A drag entering the tree at node; the answered action, IgnoreAction when refused.
    Qt::DropAction DragEnter(QTreeWidgetItem* node, bool ctrl)
    {
        QDragEnterEvent event(PointOn(node), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    }

    // A drag over node after it entered the tree.
    Qt::DropAction DragOver(QTreeWidgetItem* node, bool ctrl)
    {
        QDragMoveEvent event(PointOn(node), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                             ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    }

    // Near the top (dy < 0) or bottom (dy > 0) edge of node's row.
    QPoint PointBeside(QTreeWidgetItem* node, int dy) const
    {
        const QRect row = view->visualItemRect(node);
        return QPoint(row.center().x(), dy < 0 ? row.top() + 1 : row.bottom() - 1);
    }

    bool DropAt(QTreeWidgetItem* node, bool ctrl, int dy = 0)
    {
        QDropEvent event(dy == 0 ? PointOn(node) : PointBeside(node, dy), Qt::CopyAction | Qt::MoveAction, &data,
                         Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
        return event.isAccepted();
    }

    void SetUp() override
    {
        TreeViewFixture::SetUp();
        data.setData(CAppletTavelinWizardView::DragMimeType(), QByteArray());
    }

    QMimeData data;
};

}  // namespace

TEST_F(DragDrop, OnlyItemsAreDragged)
{
    EXPECT_FALSE(view->CanDragNode(view->RootNode()));
    EXPECT_FALSE(view->CanDragNode(Node(alpha)));
    EXPECT_FALSE(view->CanDragNode(nullptr));
    EXPECT_TRUE(view->CanDragNode(Node(a1)));
    EXPECT_TRUE(view->CanDragNode(Node(a3)));

    // A drag of the root or of a top-level menu does not start; a drag that
    // ends without a drop changes nothing and forgets the dragged node.
    for (QTreeWidgetItem* node : {view->RootNode(), Node(alpha), Node(a1)}) {
        Select(node);
        Drag()->StartDrag();
        EXPECT_EQ(Drag()->DragItem(), nullptr);
    }
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a1", "a2", "a3"}));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DragDrop, DropRulesForEveryTarget)
{
    QTreeWidgetItem* dragged = Node(a1);
    struct Case {
        QTreeWidgetItem* target;
        bool move, copy;
    };
    const Case cases[] = {
        {view->RootNode(), false, false}, {Node(alpha), true, true},  // its own parent menu
        {Node(beta), true, true},         {Node(gamma), true, true},  // empty menu
        {dragged, false, true},                                       // itself
        {Node(a1y), false, true},                                     // its child
        {Node(a1y1), false, true},                                    // its grandchild
        {Node(a2), true, true},                                       // a leaf sibling
        {Node(b1), true, true},           {nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target ? c.target->text(0).toStdString() : "none");
        EXPECT_EQ(view->CanDropOn(dragged, c.target, false), c.move);
        EXPECT_EQ(view->CanDropOn(dragged, c.target, true), c.copy);
    }
    EXPECT_FALSE(view->CanDropOn(Node(alpha), Node(beta), true));
}

TEST_F(DragDrop, MovingDropsPutTheItemFirstUnderTheTarget)
{
    // Onto another item with sub-items: first sub-item there, gone from here.
    Selection().Set(a1y1, Params().FindMenuOfItem(a1y1));
    EXPECT_TRUE(view->DropNode(Node(a1y), Node(b1), false));
    EXPECT_EQ(ItemLabels(b1->m_pSubMenu.get()), QStringList({"a1y", "b1x"}));
    EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"a1x"}));
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x"}));
    EXPECT_EQ(Selection().Item(), nullptr);
    CTavelinItem* moved = b1->m_pSubMenu->GetItem(0);
    EXPECT_EQ(Selected(), Node(moved));
    EXPECT_EQ(ChildLabels(Node(moved)), QStringList({"a1y1"}));
    EXPECT_TRUE(Node(b1)->isExpanded());
    EXPECT_TRUE(doc->IsModified());

    // Onto its own parent menu: to the front of that menu.
    EXPECT_TRUE(view->DropNode(Node(a3), Node(alpha), false));
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a3", "a1", "a2"}));
    EXPECT_EQ(ChildLabels(Node(alpha)), QStringList({"a3", "a1", "a2"}));

    // Onto a leaf: the leaf becomes a parent; the old parent a leaf.
    EXPECT_TRUE(view->DropNode(Node(a1x), Node(a2), false));
    EXPECT_EQ(Image(a2), 3);
    EXPECT_EQ(Image(a1), 5);
    EXPECT_EQ(ItemLabels(a2->m_pSubMenu.get()), QStringList({"a1x"}));

    // Refused moves change nothing.
    doc->Context().editor.History().setClean();
    EXPECT_FALSE(view->DropNode(Node(b1), Node(b1x), false));
    EXPECT_FALSE(view->DropNode(Node(b1), view->RootNode(), false));
    EXPECT_EQ(ItemLabels(beta), QStringList({"b1"}));
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DragDrop, UndoTakesAMovingDropBackInOneStep)
{
    QUndoStack& history = Editor().History();
    history.clear();
    ASSERT_TRUE(view->DropNode(Node(a1y), Node(a2), false));
    EXPECT_EQ(history.count(), 1);
    history.undo();
    EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"a1x", "a1y"}));
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x", "a1y"}));
    EXPECT_EQ(ChildLabels(Node(a1y)), QStringList({"a1y1"}));
    EXPECT_EQ(a2->m_pSubMenu->GetItemCount(), 0);
    EXPECT_EQ(Node(a2)->childCount(), 0);
    EXPECT_EQ(Image(a2), 5);
    history.redo();
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x"}));
    EXPECT_EQ(ChildLabels(Node(a2)), QStringList({"a1y"}));
    EXPECT_EQ(Image(a2), 3);
}

TEST_F(DragDrop, CopyingDropsMayLandInsideTheDraggedItem)
{
    EXPECT_TRUE(view->DropNode(Node(a1), Node(a1), true));
    EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"a1", "a1x", "a1y"}));
    CTavelinItem* copy = a1->m_pSubMenu->GetItem(0);
    // The copy was made before it went in: it holds the old sub-tree only.
    EXPECT_EQ(ItemLabels(copy->m_pSubMenu.get()), QStringList({"a1x", "a1y"}));
    EXPECT_EQ(ChildLabels(Node(copy)), QStringList({"a1x", "a1y"}));
    EXPECT_EQ(alpha->GetItem(0), a1);

    EXPECT_TRUE(view->DropNode(Node(a1), Node(a1y1), true));
    EXPECT_EQ(Image(a1y1), 3);
    EXPECT_EQ(ItemLabels(a1y1->m_pSubMenu.get()), QStringList({"a1"}));
    EXPECT_EQ(Selected(), Node(a1y1->m_pSubMenu->GetItem(0)));

    EXPECT_FALSE(view->DropNode(Node(a1), view->RootNode(), true));
}

TEST_F(DragDrop, DragEventsHighlightAnswerAndDrop)
{
    ShowView();
    // A drag that did not start in this view is refused everywhere.
    EXPECT_EQ(DragEnter(Node(b1), false), Qt::IgnoreAction);
    EXPECT_EQ(DragOver(Node(b1), false), Qt::IgnoreAction);
    EXPECT_FALSE(DropAt(Node(b1), false));

    // Enter and move answer by the same rule.
    Drag()->SetDragItem(Node(a2));
    EXPECT_EQ(DragEnter(view->RootNode(), false), Qt::IgnoreAction);
    EXPECT_EQ(DragEnter(Node(b1), true), Qt::CopyAction);
    // Entering over a refusing node (the dragged one) still lets later moves in.
    EXPECT_EQ(DragEnter(Node(a2), false), Qt::IgnoreAction);
    EXPECT_EQ(DragOver(Node(b1), false), Qt::MoveAction);
    EXPECT_EQ(DragOver(Node(b1), false), Qt::MoveAction);
    EXPECT_EQ(view->DropHighlight(), Node(b1));
    EXPECT_EQ(DragOver(Node(b1), true), Qt::CopyAction);
    EXPECT_EQ(DragOver(view->RootNode(), true), Qt::IgnoreAction);
    EXPECT_EQ(view->DropHighlight(), nullptr);
    EXPECT_EQ(DragOver(Node(a2), false), Qt::IgnoreAction);
    EXPECT_EQ(DragOver(Node(a2), true), Qt::CopyAction);

    QDragLeaveEvent leave;
    QApplication::sendEvent(view->viewport(), &leave);
    EXPECT_EQ(view->DropHighlight(), nullptr);

    DragEnter(Node(b1), false);
    EXPECT_FALSE(DropAt(view->RootNode(), false));
    EXPECT_EQ(Params().m_arrMenus.size(), 3u);
    DragEnter(Node(b1), false);
    EXPECT_TRUE(DropAt(Node(b1), false));
    EXPECT_EQ(ItemLabels(b1->m_pSubMenu.get()), QStringList({"a2", "b1x"}));
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a1", "a3"}));
    EXPECT_EQ(Drag()->DragItem(), nullptr);  // the moved node is gone
    EXPECT_EQ(view->DropHighlight(), nullptr);

    Drag()->SetDragItem(Node(a3));
    DragEnter(Node(gamma), true);
    EXPECT_TRUE(DropAt(Node(gamma), true));
    EXPECT_EQ(ItemLabels(gamma), QStringList({"a3"}));
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a1", "a3"}));
    EXPECT_EQ(Image(gamma->GetItem(0)), 6);
}

// Near the edge of an item's row a drop lands between items, shown by a line
// there; one undo takes a moving drop back.
TEST_F(DragDrop, DropsLandBetweenItems)
{
    ShowView();
    QUndoStack& history = Editor().History();
    struct Case {
        const char* name;
        CTavelinItem* const* dragged;
        CTavelinItem* const* target;
        int dy;
        bool ctrl;
        QStringList alpha;  // alpha's labels afterwards
    };
    const Case cases[] = {
        {"move a2 above a1", &a2, &a1, -1, false, {"a2", "a1", "a3"}},
        {"move a1 below a2", &a1, &a2, 1, false, {"a2", "a1", "a3"}},
        {"move a1 below a3", &a1, &a3, 1, false, {"a2", "a3", "a1"}},
        {"copy a2 below a1", &a2, &a1, 1, true, {"a1", "a2", "a2", "a3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList before = ItemLabels(alpha);
        const int steps = history.index();
        Drag()->SetDragItem(Node(*c.dragged));
        QDragEnterEvent move(PointBeside(Node(*c.target), c.dy), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                             c.ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        EXPECT_TRUE(move.isAccepted());
        EXPECT_EQ(view->DropHighlight(), Node(*c.target));
        EXPECT_EQ(view->DropHighlightWhere(),
                  c.dy < 0 ? CAppletTavelinWizardView::DropWhere::Above : CAppletTavelinWizardView::DropWhere::Below);
        ASSERT_TRUE(DropAt(Node(*c.target), c.ctrl, c.dy));
        EXPECT_EQ(ItemLabels(alpha), c.alpha);
        EXPECT_EQ(history.index(), steps + 1);
        history.undo();
        EXPECT_EQ(ItemLabels(alpha), before);
    }
    // Beside an item of another menu: the item joins that menu there.
    ASSERT_TRUE(view->CanDropBeside(Node(a2), Node(a1x), false));
    ASSERT_TRUE(view->DropNodeBeside(Node(a2), Node(a1x), true, false));
    EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"a1x", "a2", "a1y"}));
    // Never beside itself by a move, nor inside its own branch.
    EXPECT_FALSE(view->CanDropBeside(Node(a1), Node(a1), false));
    EXPECT_FALSE(view->CanDropBeside(Node(a1), Node(a1x), false));
    EXPECT_TRUE(view->CanDropBeside(Node(a1), Node(a1x), true));
    EXPECT_FALSE(view->CanDropBeside(Node(a1), Node(alpha), false));
}
