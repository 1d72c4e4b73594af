// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include "PropertyFixture.h"
#include "editor/CModelEditor.h"
#include "gui/props/CAppletPropertySheet.h"
#include "gui/props/CItemPropertySheet.h"
#include "gui/props/CMenuPropertySheet.h"
#include "gui/props/CPropertyPage.h"
#include "gui/widgets/CIntegerField.h"

using Sheet = CPropertyFrame::Sheet;

class PropertyFrame : public PropertyFixture {};

namespace {
bool ActivateWindow(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
}  // namespace

TEST_F(PropertyFrame, StartsEmptyAndBelowTheOwner)
{
    EXPECT_EQ(frame->windowTitle(), "Property Sheet");
    EXPECT_FALSE(frame->HasSheet());
    EXPECT_TRUE(frame->windowFlags() & Qt::Tool);
    const QRect owner = window->frameGeometry();
    EXPECT_EQ(frame->pos(), QPoint(owner.left() + owner.width() / 4, owner.top() + 2 * owner.height() / 3));
    // Tab titles in order, and the help contexts of the pages and sheets.
    const QStringList titles[] = {{"Applet Parameters", "More Styles"},
                                  {"Menu Style", "Item Normal", "Item Mouse Over", "Item Clicked"},
                                  {"Item"}};
    const int contexts[][4] = {{131175, 131239}, {131213, 131216, 131219, 131220}, {131218}};
    int s = 0;
    for (Sheet sheet : {Sheet::Applet, Sheet::Menu, Sheet::Item}) {
        CPropertySheet* shown = frame->SheetOf(sheet);
        ASSERT_EQ(shown->PageCount(), titles[s].size());
        for (int i = 0; i < shown->PageCount(); ++i) {
            EXPECT_EQ(shown->Tabs()->tabText(i), titles[s][i]);
            EXPECT_EQ(shown->Page(i)->property("helpContext").toInt(), contexts[s][i]);
            EXPECT_EQ(shown->Page(i)->size(), frame->SheetOf(Sheet::Applet)->Page(0)->size());
        }
        ++s;
    }
    EXPECT_EQ(frame->SheetOf(Sheet::Menu)->property("helpContext").toInt(), 65655);
    EXPECT_EQ(frame->SheetOf(Sheet::Item)->property("helpContext").toInt(), 65656);
    EXPECT_FALSE(frame->SheetOf(Sheet::Applet)->property("helpContext").isValid());
}

TEST_F(PropertyFrame, SelectionChangeStoresThePreviousItemFirst)
{
    b1->m_strLink = "b.htm";
    ShowItem(a1, menuA);
    EXPECT_EQ(Selection().Item(), a1);
    EXPECT_EQ(Selection().Menu(), menuA);
    Control<QLineEdit>("Link")->setText("a.htm");
    ShowItem(b1, menuB);
    EXPECT_EQ(a1->m_strLink, "a.htm");
    EXPECT_EQ(Control<QLineEdit>("Link")->text(), "b.htm");
    EXPECT_EQ(Selection().Item(), b1);
    EXPECT_EQ(Selection().Menu(), menuB);
}

TEST_F(PropertyFrame, RootAfterItemResizesAndRecaptions)
{
    ShowItem(a1, menuA);
    const QPoint corner = frame->pos();
    EXPECT_EQ(frame->size(), frame->SheetOf(Sheet::Item)->size());
    EXPECT_EQ(frame->windowTitle(), "Item's Properties");
    Params().m_strName = "Shop";
    ShowApplet();
    EXPECT_EQ(frame->windowTitle(), "Tavelina's Properties");
    EXPECT_EQ(frame->size(), frame->SheetOf(Sheet::Applet)->size());
    EXPECT_LT(frame->width(), frame->SheetOf(Sheet::Item)->width());
    EXPECT_EQ(frame->pos(), corner);
    EXPECT_TRUE(frame->ShowsSheet(Sheet::Applet));
    EXPECT_FALSE(frame->SheetOf(Sheet::Item)->isVisible());
    EXPECT_EQ(Control<QLineEdit>("Name")->text(), "Shop");
    EXPECT_EQ(Selection().Item(), nullptr);
    EXPECT_EQ(Selection().Menu(), nullptr);
}

TEST_F(PropertyFrame, ModeButtonsSwitchTheSheetModeForLaterItems)
{
    ShowItem(a1, menuA);
    QPushButton* menuButton = Shown()->MenuButton();
    QPushButton* itemButton = Shown()->ItemButton();
    ASSERT_TRUE(menuButton && itemButton);
    EXPECT_EQ(menuButton->toolTip(), "Properties:How to display this item and its siblings");
    EXPECT_EQ(itemButton->toolTip(), "Properties:What is displayed on the item");
    const int w = Shown()->width() - CPropertySheet::kModeButtonSize;
    EXPECT_EQ(menuButton->geometry(), QRect(w, 25, 50, 50));
    EXPECT_EQ(itemButton->geometry(), QRect(w, Shown()->height() - 75, 50, 50));
    EXPECT_FALSE(frame->SheetOf(Sheet::Applet)->MenuButton());

    QTest::mouseClick(itemButton, Qt::LeftButton);  // the checked one: nothing
    EXPECT_TRUE(Selection().ItemSheetMode());
    EXPECT_TRUE(itemButton->isChecked());
    QTest::mouseClick(menuButton, Qt::LeftButton);
    EXPECT_FALSE(Selection().ItemSheetMode());
    EXPECT_FALSE(menuButton->isChecked());  // the press does not toggle it

    Control<QLineEdit>("Link")->setText("x.htm");
    ShowItem(a1, menuA);  // what the tree view does next
    EXPECT_EQ(a1->m_strLink, "x.htm");
    EXPECT_TRUE(frame->ShowsSheet(Sheet::Menu));
    EXPECT_EQ(frame->windowTitle(), "Item's Properties");
    ShowItem(b1, menuB);
    EXPECT_TRUE(frame->ShowsSheet(Sheet::Menu));
    EXPECT_TRUE(Shown()->MenuButton()->isChecked());
    QTest::mouseClick(Shown()->ItemButton(), Qt::LeftButton);
    EXPECT_TRUE(Selection().ItemSheetMode());
}

TEST_F(PropertyFrame, CloseStoresAndReopeningKeepsSheetTabAndPlace)
{
    Selection().SetItemSheetMode(false);
    ShowItem(a1, menuA);
    ClickTab(3);
    Control<CIntegerField>("TextOffset")->SetText("17");
    const QRect geometry = frame->geometry();
    frame->CloseFrame();  // as for a top-level menu node
    EXPECT_TRUE(frame->isHidden());
    EXPECT_EQ(menuA->m_styleClick.m_nTextOffset, 17);
    EXPECT_TRUE(frame->CommitActivePage());  // hidden: nothing to store again

    frame->show();
    ShowItem(a1, menuA);
    EXPECT_TRUE(frame->ShowsSheet(Sheet::Menu));
    EXPECT_EQ(Shown()->ActiveIndex(), 3);
    EXPECT_EQ(Shown()->Tabs()->currentIndex(), 3);
    EXPECT_EQ(frame->geometry(), geometry);

    // The close box does the same.
    Control<CIntegerField>("TextOffset")->SetText("18");
    frame->close();
    EXPECT_TRUE(frame->isHidden());
    EXPECT_EQ(menuA->m_styleClick.m_nTextOffset, 18);
}

TEST_F(PropertyFrame, RefusedIntegerKeepsThePageAndStoresNothingOfIt)
{
    Selection().SetItemSheetMode(false);
    ShowItem(a1, menuA);
    ClickTab(1);
    ASSERT_TRUE(ActivateWindow(frame));
    // The valid offset goes in as it is edited; the refused one never.
    CMenuStyle before = *menuA;
    before.m_styleNormal.m_nImageOffset = 3;
    Control<CIntegerField>("ImageOffset")->SetText("3");
    Control<CIntegerField>("TextOffset")->SetText("12a");
    ClickTab(2);
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer."});
    EXPECT_EQ(Shown()->ActiveIndex(), 1);
    EXPECT_EQ(Shown()->Tabs()->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), Control<CIntegerField>("TextOffset")->Edit());
    EXPECT_EQ(*menuA, before);

    // The document's commit keeps the input in the page.
    EXPECT_FALSE(frame->CommitActivePage());
    EXPECT_EQ(Control<CIntegerField>("TextOffset")->Text(), "12a");
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(*menuA, before);

    // A selection change goes on; the refused input is lost.
    ShowItem(b1, menuB);
    EXPECT_EQ(prompts.messages.size(), 3);
    EXPECT_EQ(*menuA, before);
    EXPECT_EQ(Control<CIntegerField>("TextOffset")->Text(), QString::number(menuB->m_styleNormal.m_nTextOffset));
}

TEST_F(PropertyFrame, AppletSizeOutOfRangeIsRefused)
{
    ShowApplet();
    Control<CIntegerField>("Width")->SetText("6000");
    ClickTab(1);
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer between 0 and 5000."});
    EXPECT_EQ(Shown()->ActiveIndex(), 0);
    EXPECT_EQ(Params().m_nWidth, 400);
    Control<CIntegerField>("Width")->SetText(" \t+250 ");
    Control<CIntegerField>("Height")->SetText("-1");
    ClickTab(1);
    EXPECT_EQ(prompts.messages.last(), "Please enter an integer between 0 and 5000.");
    EXPECT_EQ(Params().m_nWidth, 250);  // valid, it went in while the height is refused
    Shown()->ActivePage()->findChild<CIntegerField*>("Height")->SetText("5000");
    ClickTab(1);
    EXPECT_EQ(Shown()->ActiveIndex(), 1);
    EXPECT_EQ(Params().m_nWidth, 250);
    EXPECT_EQ(Params().m_nHeight, 5000);
}

TEST_F(PropertyFrame, CommitReloadAndForget)
{
    ShowApplet();
    Control<CIntegerField>("Width")->SetText("321");
    EXPECT_TRUE(frame->CommitActivePage());
    EXPECT_EQ(Params().m_nWidth, 321);
    EXPECT_EQ(Shown()->ActiveIndex(), 0);

    // The check set a recommended size: the shown applet page follows.
    CAppletSettings sized = Params();
    sized.m_nWidth = 512;
    Editor().SetAppletSettings(sized);
    frame->ReloadAppletPage();
    EXPECT_EQ(Control<CIntegerField>("Width")->Text(), "512");

    // A new model: the shown sheet is forgotten with its unstored input.
    ShowItem(a1, menuA);
    Control<QLineEdit>("Link")->setText("lost.htm");
    frame->ForgetSheet();
    EXPECT_FALSE(frame->HasSheet());
    EXPECT_FALSE(frame->SheetOf(Sheet::Item)->isVisible());
    EXPECT_TRUE(frame->isVisible());
    ShowApplet();
    EXPECT_EQ(a1->m_strLink, "");
    EXPECT_TRUE(frame->ShowsSheet(Sheet::Applet));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PropertyFrame, NameAndLabelAreStoredWhenTheirBoxLosesFocus)
{
    ShowApplet();
    ASSERT_TRUE(ActivateWindow(frame));
    QSignalSpy applet(&Editor(), &CModelEditor::AppletChanged);
    auto* name = Control<QLineEdit>("Name");
    name->setFocus();
    name->setText("Renamed");
    Control<CIntegerField>("Height")->Edit()->setFocus();
    EXPECT_EQ(Params().m_strName, "Renamed");
    EXPECT_EQ(applet.count(), 1);

    // Refused input elsewhere on the page does not hold the typed name back;
    // leaving the name box still says what is refused.
    Control<CIntegerField>("Width")->SetText("");
    name->setFocus();
    name->setText("Again");
    Control<QLineEdit>("BackgroundImage")->setFocus();
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer."});
    EXPECT_EQ(Params().m_strName, "Again");
    EXPECT_EQ(QApplication::focusWidget(), Control<CIntegerField>("Width")->Edit());

    ShowItem(s1, subA1);
    QSignalSpy item(&Editor(), &CModelEditor::ItemChanged);
    auto* label = Control<QPlainTextEdit>("Label");
    label->setFocus();
    label->moveCursor(QTextCursor::End);
    QTest::keyClicks(label, "two");
    QTest::keyClick(label, Qt::Key_Return);
    QTest::keyClicks(label, "lines");
    Control<QLineEdit>("Description")->setFocus();
    EXPECT_EQ(s1->m_strLabel, "s1two\r\nlines");
    ASSERT_GE(item.count(), 1);
    EXPECT_EQ(item.last().at(0).value<CTavelinItem*>(), s1);
}

TEST_F(PropertyFrame, ChangesMadeElsewhereReachTheShownPage)
{
    ShowItem(a1, menuA);
    // An undo of the link shows at once, so leaving the page keeps it.
    CItemFields fields = *a1;
    fields.m_strLink = "undone.htm";
    Editor().SetItemFields(a1, fields);
    EXPECT_EQ(Control<QLineEdit>("Link")->text(), "undone.htm");
    // A change of something the page does not show keeps the page's input.
    Control<QLineEdit>("Description")->setText("typed");
    Editor().SetItemVisible(a1, false);
    EXPECT_EQ(Control<QLineEdit>("Description")->text(), "typed");
    ShowItem(b1, menuB);
    EXPECT_EQ(a1->m_strLink, "undone.htm");
    EXPECT_EQ(a1->m_strDescription, "typed");

    // The applet name stored at once does not reload the page's other input.
    ShowApplet();
    ASSERT_TRUE(ActivateWindow(frame));
    Control<CIntegerField>("Width")->SetText("300");
    auto* name = Control<QLineEdit>("Name");
    name->setFocus();
    name->setText("Named");
    Control<QLineEdit>("BackgroundAudio")->setFocus();
    EXPECT_EQ(Params().m_strName, "Named");
    EXPECT_EQ(Params().m_nWidth, 300);  // typed before the name, it went in too
    EXPECT_EQ(Control<CIntegerField>("Width")->Text(), "300");
}

// Typing into one field again and again is one undo step, named after the
// field; another field, or the same field of another item, is a step of its own.
TEST_F(PropertyFrame, RepeatedEditsOfOneFieldAreOneUndoStep)
{
    ShowItem(s1, subA1);
    ASSERT_TRUE(ActivateWindow(frame));
    QUndoStack& history = Editor().History();
    const int start = history.count();
    auto* label = Control<QPlainTextEdit>("Label");
    auto* description = Control<QLineEdit>("Description");
    auto relabel = [&](const char* text) {
        label->setFocus();
        label->setPlainText(text);
        description->setFocus();
    };
    for (const char* text : {"one", "two", "three"})
        relabel(text);
    EXPECT_EQ(s1->m_strLabel, "three");
    EXPECT_EQ(history.count(), start + 1);
    EXPECT_EQ(history.undoText(), "Item Label");

    description->setText("said");
    ASSERT_TRUE(frame->CommitActivePage());
    EXPECT_EQ(history.count(), start + 2);
    EXPECT_EQ(history.undoText(), "Description");
    relabel("four");
    EXPECT_EQ(history.count(), start + 3);

    ShowItem(a1, menuA);
    ASSERT_TRUE(ActivateWindow(frame));
    relabel("other");
    EXPECT_EQ(history.count(), start + 4);
    EXPECT_EQ(a1->m_strLabel, "other");

    for (int i = 0; i < 4; ++i)
        history.undo();
    EXPECT_EQ(a1->m_strLabel, "a1");
    EXPECT_EQ(s1->m_strLabel, "s1");
    EXPECT_EQ(s1->m_strDescription, "");
    EXPECT_EQ(label->toPlainText(), "a1");  // the shown page follows the undo
}

TEST_F(PropertyFrame, RemovedObjectsStopBeingCurrent)
{
    Selection().SetItemSheetMode(false);
    ShowItem(t1, subS1);
    Control<CIntegerField>("Indent")->SetText("5");
    Editor().RemoveItem(menuA, a1);  // takes s1, its sub-menu and t1 along
    EXPECT_EQ(Selection().Item(), nullptr);
    EXPECT_EQ(Selection().Menu(), nullptr);
    ShowItem(b1, menuB);  // stores nothing into the deleted menu
    EXPECT_EQ(Selection().Item(), b1);
    Editor().RemoveTopMenu(menuA);
    EXPECT_EQ(Selection().Item(), b1);
    Editor().RemoveTopMenu(menuB);
    EXPECT_EQ(Selection().Item(), nullptr);
    EXPECT_TRUE(prompts.messages.isEmpty());
}
