// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "FrameFixture.h"
#include "gui/frame/CFrameActions.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/props/CPropertyPage.h"
#include "gui/props/CPropertySheet.h"

using A = CFrameActions;

// The keyboard, the focus and the selection as the user meets them in the
// running editor: which window a key acts on, where the focus stays, what
// undo selects and what a press-drag leaves selected.
class KeysFocus : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        ASSERT_TRUE(Start());
        // Two new top-level menus in front: m holds i1 (with the leaf s) and
        // i2; n is empty.
        n = Editor().AddTopMenu();
        m = Editor().AddTopMenu();
        i2 = Editor().InsertNewItem(m, nullptr, 0);
        i1 = Editor().InsertNewItem(m, nullptr, 0);
        s = Editor().InsertNewItem(i1->m_pSubMenu.get(), i1, 1);
        menus = Params().m_arrMenus.size();
        Tree()->collapseAll();
        Tree()->expandRecursively(Tree()->indexFromItem(Node(m)));
        Tree()->expandItem(Tree()->RootNode());
    }

    QTreeWidgetItem* Node(const CTavelinItem* item) const { return Tree()->NodeOf(item); }
    QTreeWidgetItem* Node(const CTavelin* menu) const { return Tree()->NodeOf(menu); }
    QTreeWidgetItem* Current() const { return Tree()->currentItem(); }
    void Select(QTreeWidgetItem* node) { Tree()->setCurrentItem(node); }
    CPropertyFrame* PropertyFrame() const { return Tree()->PropertyFrame(); }

    static bool Activate(QWidget* window)
    {
        window->activateWindow();
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }

    // A left-button mouse event on the tree's viewport.
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QWidget* viewport = Tree()->viewport();
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }

    CTavelin* m = nullptr;
    CTavelin* n = nullptr;
    CTavelinItem* i1 = nullptr;
    CTavelinItem* i2 = nullptr;
    CTavelinItem* s = nullptr;
    size_t menus = 0;
};

TEST_F(KeysFocus, TreeKeysActOnTheTreeOnlyFromTheMainWindow)
{
    Select(Node(i2));
    Trigger(A::Property);
    CPropertyFrame* frame = PropertyFrame();
    ASSERT_TRUE(frame && frame->ShowsSheet(CPropertyFrame::Sheet::Item));
    const int steps = Editor().History().count();

    struct Case {
        CPropertyFrame::Sheet sheet;
        const char* control;
        QKeyCombination key;
    };
    const Case cases[] = {
        {CPropertyFrame::Sheet::Item, "Image", Qt::CTRL | Qt::Key_X},
        {CPropertyFrame::Sheet::Item, "Image", Qt::SHIFT | Qt::Key_Delete},
        {CPropertyFrame::Sheet::Item, "Image", Qt::CTRL | Qt::Key_C},
        {CPropertyFrame::Sheet::Item, "Image", Qt::Key_Delete},
        {CPropertyFrame::Sheet::Item, "Link", Qt::CTRL | Qt::Key_Z},
        {CPropertyFrame::Sheet::Applet, "Align", Qt::Key_Delete},
        {CPropertyFrame::Sheet::Applet, "Align", Qt::CTRL | Qt::Key_V},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        Select(c.sheet == CPropertyFrame::Sheet::Applet ? Tree()->RootNode() : Node(i2));
        ASSERT_TRUE(Activate(frame));
        auto* control = frame->CurrentSheet()->ActivePage()->findChild<QWidget*>(QLatin1String(c.control));
        ASSERT_NE(control, nullptr);
        control->setFocus();
        QTest::keyClick(control, c.key.key(), c.key.keyboardModifiers());
        EXPECT_EQ(m->m_arrItems.size(), 2u);
        EXPECT_EQ(Params().m_arrMenus.size(), menus);
    }
    EXPECT_TRUE(prompts.confirmations.isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(Editor().History().count(), steps);

    // In the main window the same keys reach the tree.
    Select(Node(i2));
    ASSERT_TRUE(Activate(Frame()));
    Tree()->setFocus();
    prompts.confirmAnswers.push_back(false);
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_EQ(prompts.confirmations, QStringList{"Are you sure to delete this item?"});
    QTest::keyClick(Tree(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(m->m_arrItems.size(), 1u);
}

TEST_F(KeysFocus, UndoAndRedoSelectWhatTheyChanged)
{
    struct Case {
        const char* name;
        std::function<QTreeWidgetItem*()> select;  // asked for late: a move replaces the node
        std::function<void()> edit;
        std::function<QTreeWidgetItem*()> afterUndo, afterRedo;
    };
    const Case cases[] = {
        {"cut", [this] { return Node(i2); }, [this] { Trigger(A::EditCut); }, [this] { return Node(i2); },
         [this] { return Node(m); }},
        {"delete a top-level menu", [this] { return Node(n); },
         [this] {
             prompts.confirmAnswers.push_back(true);
             Trigger(A::Delete);
         },
         [this] { return Node(n); }, [this] { return Tree()->RootNode(); }},
        {"move", [this] { return Node(i1); }, [this] { Trigger(A::MoveDown); }, [this] { return Node(i1); },
         [this] { return Node(i1); }},
        {"insert", [this] { return Node(i1); }, [this] { Trigger(A::Insert); }, [this] { return Node(i1); },
         [this] { return Node(i1)->child(0); }},
        {"fields of an item not selected", [this] { return Tree()->RootNode(); },
         [this] {
             CItemFields fields = *s;
             fields.m_strLink = "x.htm";
             Editor().SetItemFields(s, fields);
         },
         [this] { return Node(s); }, [this] { return Node(s); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.select());
        c.edit();
        Select(Tree()->RootNode());
        Trigger(A::EditUndo);
        EXPECT_EQ(Current(), c.afterUndo());
        Select(Tree()->RootNode());
        Trigger(A::EditRedo);
        EXPECT_EQ(Current(), c.afterRedo());
        Trigger(A::EditUndo);
    }
}

TEST_F(KeysFocus, PressDragThatStartsNoDragLeavesTheSelection)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    const auto centre = [this](QTreeWidgetItem* node) { return Tree()->visualItemRect(node).center(); };
    // On a top-level menu (no drag starts), and from below the last node.
    for (const QPoint from : {centre(Node(m)), QPoint(centre(Node(s)).x(), Tree()->viewport()->height() - 2)}) {
        Select(Node(n));
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        QTreeWidgetItem* pressed = Current();
        for (const QPoint to : {from + QPoint(0, 2), centre(Node(s)), centre(Node(i1)), centre(Node(i2))})
            Mouse(QEvent::MouseMove, to, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, centre(Node(i2)), Qt::NoButton);
        EXPECT_EQ(Current(), pressed);
    }
}
