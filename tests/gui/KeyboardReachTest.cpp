// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QWindow>

#include "FrameFixture.h"
#include "core/model/CArchive.h"
#include "editor/CSelection.h"
#include "gui/dialogs/CDlgExportHtml5.h"
#include "gui/dialogs/CDlgNewMenu.h"
#include "gui/frame/CFrameActions.h"
#include "gui/frame/CLinkReport.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/props/CPropertyPage.h"
#include "support/CTestEditor.h"

namespace {

using A = CFrameActions;

// Commands and windows within reach of the keyboard, in the real editor.
class KeyboardReach : public FrameFixture {
protected:
    bool StartActive()
    {
        if (!Start())
            return false;
        Frame()->show();
        QApplication::setActiveWindow(Frame());
        return QTest::qWaitForWindowActive(Frame());
    }
    CTavelinItem* FirstItem() const { return Params().m_arrMenus.front()->GetItem(0); }
    void SelectFirstItem()
    {
        Tree()->setCurrentItem(Tree()->NodeOf(FirstItem()));
        Tree()->setFocus();
    }
    // Waits for the focus to settle on widget.
    static bool FocusReaches(QWidget* widget)
    {
        return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, 2000);
    }
    static bool FocusInside(QWidget* window)
    {
        return QTest::qWaitFor(
            [window] {
                QWidget* focus = QApplication::focusWidget();
                return focus && focus->window() == window;
            },
            2000);
    }
    QMenu* OpenMenuByKeyboard(bool shiftF10)
    {
        if (shiftF10) {
            QTest::keyClick(Tree(), Qt::Key_F10, Qt::ShiftModifier);
        } else {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
            QApplication::sendEvent(Tree()->viewport(), &event);
        }
        QMenu* menu = Tree()->ContextMenu();
        return QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000) ? menu : nullptr;
    }
};

// A main window whose native window can be made anew, as a browser engine
// does to the window it is shown in.
class RecreatedWindow : public QMainWindow {
public:
    void Recreate()
    {
        destroy(true, false);
        create();
        show();
    }
};

}  // namespace

TEST(PropertyWindow, StaysAboveItsMainWindowWhenThatIsMadeAnew)
{
    CTestEditor run;
    RecreatedWindow window;
    window.setGeometry(100, 100, 600, 400);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* frame = new CPropertyFrame(run.context, &window);
    frame->show();
    ASSERT_NE(frame->windowHandle(), nullptr);
    EXPECT_EQ(frame->windowHandle()->transientParent(), window.windowHandle());
    window.Recreate();
    QTest::qWait(20);
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_EQ(frame->windowHandle()->transientParent(), window.windowHandle());
    // Hidden and shown again, it still is.
    frame->hide();
    frame->show();
    EXPECT_EQ(frame->windowHandle()->transientParent(), window.windowHandle());
}

// Alt+Enter reaches the property window; Escape leaves it for the tree; F6
// goes round tree, messages and property window, Shift+F6 back.
TEST_F(KeyboardReach, PropertyWindowIsReachedAndLeftByKeyboard)
{
    ASSERT_TRUE(StartActive());
    SelectFirstItem();
    Trigger(A::Property);
    CPropertyFrame* frame = Tree()->PropertyFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->isVisible());
    ASSERT_TRUE(FocusInside(frame));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Label");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(FocusReaches(Tree()));
    EXPECT_TRUE(frame->isVisible());

    // Property again, with the window already shown: raised and focused.
    Trigger(A::Property);
    EXPECT_TRUE(FocusInside(frame));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    ASSERT_TRUE(FocusReaches(Tree()));

    // From the tree round and back.
    QWidget* messages = Frame()->InfoView()->Messages();
    const struct {
        Qt::KeyboardModifiers modifiers;
        QWidget* to;
    } steps[] = {{Qt::NoModifier, messages}, {Qt::NoModifier, frame},       {Qt::NoModifier, Tree()},
                 {Qt::ShiftModifier, frame}, {Qt::ShiftModifier, messages}, {Qt::ShiftModifier, Tree()}};
    for (const auto& step : steps) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, Qt::Key_F6, step.modifiers);
        if (step.to == frame)
            EXPECT_TRUE(FocusInside(frame)) << step.modifiers.toInt();
        else
            EXPECT_TRUE(FocusReaches(step.to)) << step.modifiers.toInt();
    }
}

// The menu key and Shift+F10 open the context menu at the selected item,
// with the clipboard commands and Import Items.
TEST_F(KeyboardReach, ContextMenuOpensAtTheItemWithTheClipboard)
{
    ASSERT_TRUE(StartActive());
    QTreeWidgetItem* node = Tree()->NodeOf(FirstItem());
    Tree()->setCurrentItem(node);
    Tree()->setFocus();
    for (const bool shiftF10 : {false, true}) {
        QMenu* menu = OpenMenuByKeyboard(shiftF10);
        ASSERT_NE(menu, nullptr) << shiftF10;
        const QRect item = Tree()->visualItemRect(node);
        const QPoint at = Tree()->viewport()->mapFromGlobal(menu->pos());
        EXPECT_NEAR(at.y(), item.bottom(), 2) << shiftF10;
        EXPECT_GE(at.x(), item.left()) << shiftF10;
        QStringList entries;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                entries << action->text().section(QLatin1Char('\t'), 0, 0);
        for (const char* command : {"Cu&t", "&Copy", "&Paste", "Import I&tems..."})
            EXPECT_TRUE(entries.contains(QLatin1String(command))) << command;
        EXPECT_TRUE(Frame()->Action(A::EditCopy)->isEnabled());
        menu->hide();
    }
    // Copy from the menu puts the item on the clipboard.
    QMenu* menu = OpenMenuByKeyboard(false);
    ASSERT_NE(menu, nullptr);
    Frame()->Action(A::EditCopy)->trigger();
    menu->hide();
    EXPECT_TRUE(Frame()->Action(A::EditPaste)->isEnabled());
}

// Cancelling New's template list or Import Menu's keeps the open project.
TEST_F(KeyboardReach, CancelledNewAndImportKeepTheProject)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SaveAs(QStringLiteral("kept")));
    Editor().AddTopMenu();
    const size_t menus = Params().m_arrMenus.size();
    const QString path = Doc()->PathName();
    const int steps = Editor().History().count();
    auto cancel = [](QDialog& dialog) {
        auto* cancelButton = dialog.findChild<QPushButton*>(QStringLiteral("btnCancel"));
        EXPECT_NE(cancelButton, nullptr);
        if (cancelButton)
            cancelButton->click();
        return dialog.result();
    };
    QFile outline(WorkPath(QStringLiteral("outline.md")));
    ASSERT_TRUE(outline.open(QIODevice::WriteOnly));
    outline.write("- One\n- Two\n");
    outline.close();
    for (const int command : {int(A::FileNew), int(A::ImportMenu)}) {
        prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::No);
        if (command == A::ImportMenu)
            prompts.fileNames.push_back(WorkPath(QStringLiteral("outline.md")));
        prompts.dialogHandlers.push_back(cancel);
        Trigger(command);
        EXPECT_EQ(prompts.dialogs.last(), "New Tavelina");
        EXPECT_EQ(Params().m_arrMenus.size(), menus) << command;
        EXPECT_EQ(Doc()->PathName(), path);
        EXPECT_TRUE(Doc()->IsModified());
        EXPECT_EQ(Editor().History().count(), steps);
        EXPECT_EQ(Tree()->RootNode()->childCount(), int(menus));
    }
}

// Export proposes a name beside the project page and refuses the page itself.
TEST_F(KeyboardReach, ExportRefusesTheProjectPage)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SaveAs(QStringLiteral("site.htm")));
    const QString page = WorkPath(QStringLiteral("site.htm"));
    QByteArray saved;
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        saved = file.readAll();
    }
    QString proposed;
    prompts.dialogHandlers.push_back([&proposed, page](QDialog& dialog) {
        auto& exportDialog = dynamic_cast<CDlgExportHtml5&>(dialog);
        proposed = exportDialog.selectedFiles().value(0);
        exportDialog.selectFile(page);
        return int(QDialog::Accepted);
    });
    prompts.dialogHandlers.push_back([](QDialog&) { return int(QDialog::Rejected); });
    Trigger(A::ExportHtml5);
    EXPECT_EQ(QFileInfo(proposed).fileName(), "site-html5.htm");
    EXPECT_EQ(QFileInfo(proposed).absolutePath(), QFileInfo(page).absolutePath());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages.first().contains("site.htm")) << prompts.messages.first().toStdString();
    EXPECT_EQ(prompts.dialogs.count(QStringLiteral("Export HTML5 Menu")), 2);  // asked again
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);

    const struct {
        QString path, project;
        bool same;
    } cases[] = {{page, page, true},
                 {WorkPath("./site.htm"), page, true},
                 {WorkPath("other.htm"), page, false},
                 {page, QString(), false},
                 {QString(), page, false}};
    for (const auto& c : cases)
        EXPECT_EQ(CDlgExportHtml5::IsProjectPage(c.path, c.project), c.same) << c.path.toStdString();
    EXPECT_EQ(CDlgExportHtml5::ProposedName(QString()), "menu.htm");
}

// A label too long for its item: Check Parameters names it, a double-click
// on the line selects it, and Auto-Change Menu Size widens its menu.
TEST_F(KeyboardReach, CheckNamesCutLabelsAndLeadsToThem)
{
    ASSERT_TRUE(Start());
    CTavelin& top = *Params().m_arrMenus.front();
    CTavelinItem* item = top.GetItem(top.GetItemCount() - 1);
    CItemFields fields = *item;
    fields.m_strLabel = "A label far too long for any item of this menu";
    Editor().SetItemFields(item, fields);
    Tree()->setCurrentItem(Tree()->RootNode());
    Trigger(A::CheckParameters);
    QPlainTextEdit* messages = Frame()->InfoView()->Messages();
    int line = -1;
    for (QTextBlock block = messages->document()->begin(); block.isValid(); block = block.next())
        if (block.text().contains("A label far too long") && block.text().contains("the label is cut"))
            line = block.blockNumber();
    ASSERT_GE(line, 0) << messages->toPlainText().toStdString();
    EXPECT_EQ(Frame()->LinkReport()->ItemAtLine(line), item);
    const QTextBlock block = messages->document()->findBlockByNumber(line);
    const QRect rect = messages->cursorRect(QTextCursor(block));
    messages->show();
    QTest::mouseDClick(messages->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    EXPECT_EQ(Tree()->currentItem(), Tree()->NodeOf(item));

    // Auto-Change Menu Size: the menu widens to the label, the warning goes,
    // and one undo takes the whole change back.
    const int width = top.m_nItemWidth;
    const int steps = Editor().History().count();
    Trigger(A::AutoChangeSize);
    Trigger(A::CheckParameters);
    EXPECT_GT(top.m_nItemWidth, width);
    EXPECT_FALSE(messages->toPlainText().contains("the label is cut"));
    EXPECT_EQ(Editor().History().count(), steps + 1);
    Editor().History().undo();
    EXPECT_EQ(top.m_nItemWidth, width);
}

// The typed label renames the tree's node while the focus stays in the box.
TEST_F(KeyboardReach, TypedLabelRenamesTheNodeAsItIsTyped)
{
    ASSERT_TRUE(Start());
    CTavelinItem* item = Params().m_arrMenus.front()->GetItem(0);
    ASSERT_NE(item, nullptr);
    Tree()->setCurrentItem(Tree()->NodeOf(item));
    Trigger(CFrameActions::Property);
    auto* label = Tree()->PropertyFrame()->findChild<QPlainTextEdit*>(QStringLiteral("Label"));
    ASSERT_NE(label, nullptr);
    QApplication::setActiveWindow(Tree()->PropertyFrame());
    label->setFocus();
    label->selectAll();
    QTest::keyClicks(label, QStringLiteral("Typed here"));
    QTest::qWait(CPropertyPage::kTypingPauseMs * 3);
    EXPECT_EQ(Tree()->NodeOf(item)->text(0), "Typed here");
    EXPECT_TRUE(label->hasFocus());
}
