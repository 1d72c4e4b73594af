// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QUndoStack>

#include "FrameFixture.h"
#include "editor/CModelEditor.h"
#include "gui/dialogs/CDlgFind.h"
#include "gui/dialogs/CDlgImportSource.h"
#include "gui/frame/CFrameActions.h"
#include "gui/frame/CLinkReport.h"

// Import, Check Links and Find through the main window's commands.
namespace {

void Write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QStringList Labels(const CTavelin& menu)
{
    QStringList labels;
    for (const auto& item : menu.m_arrItems)
        labels << QString::fromStdString(item->m_strLabel.str());
    return labels;
}

}  // namespace

TEST_F(FrameFixture, ImportedItemsAreOneUndoStepUnderTheSelection)
{
    ASSERT_TRUE(Start());
    CTavelin& top = *Params().m_arrMenus.at(0);
    CTavelinItem* owner = top.GetItem(0);
    const QStringList before = Labels(*owner->m_pSubMenu);
    Tree()->setCurrentItem(Tree()->NodeOf(owner));
    QUndoStack& history = Editor().History();
    const int steps = history.count();

    // A page of two lists: the dialog offers both, the test takes the second.
    Write(WorkPath("page.html"), "<nav><ul><li>Nav</ul></nav><ol><li><a href=a.html>A</a><li>B<ul><li>B1</ul></ol>");
    prompts.fileNames.push_back(WorkPath("page.html"));
    prompts.dialogHandlers.push_back([](QDialog& dialog) {
        auto& source = dynamic_cast<CDlgImportSource&>(dialog);
        EXPECT_EQ(source.List()->count(), 2);
        source.List()->setCurrentRow(1);
        EXPECT_EQ(source.Preview()->topLevelItemCount(), 2);
        return int(QDialog::Accepted);
    });
    Trigger(CFrameActions::ImportItems);

    EXPECT_EQ(Labels(*owner->m_pSubMenu), QStringList({"A", "B"}) + before);
    EXPECT_EQ(owner->m_pSubMenu->GetItem(0)->m_strLink, "a.html");
    EXPECT_EQ(Labels(*owner->m_pSubMenu->GetItem(1)->m_pSubMenu), QStringList({"B1"}));
    EXPECT_EQ(Tree()->currentItem(), Tree()->NodeOf(owner->m_pSubMenu->GetItem(0)));
    EXPECT_EQ(history.count(), steps + 1);
    EXPECT_TRUE(Doc()->IsModified());
    history.undo();
    EXPECT_EQ(Labels(*owner->m_pSubMenu), before);

    // A bad source: the message names it, and nothing changes.
    Write(WorkPath("empty.txt"), "\n\n");
    prompts.fileNames.push_back(WorkPath("empty.txt"));
    Trigger(CFrameActions::ImportItems);
    ASSERT_FALSE(prompts.messages.isEmpty());
    EXPECT_TRUE(prompts.messages.last().startsWith("empty.txt: The outline has no items"));
    EXPECT_EQ(Labels(*owner->m_pSubMenu), before);
    EXPECT_EQ(history.count(), steps + 1);  // the undone step waits for redo

    // File > Import Menu: a new project in the looks of the chosen template.
    Write(WorkPath("outline.md"), "- Products\n\t- [Software](sw.html)\n- About\n");
    prompts.fileNames.push_back(WorkPath("outline.md"));
    prompts.dialogHandlers.push_back([](QDialog&) { return int(QDialog::Accepted); });  // New's template
    Trigger(CFrameActions::ImportMenu);
    ASSERT_EQ(Params().m_arrMenus.size(), 1u);
    EXPECT_EQ(Labels(*Params().m_arrMenus[0]), QStringList({"Products", "About"}));
    EXPECT_FALSE(history.canUndo());
    // Its first Save As starts beside the source, where its links lead from.
    Doc()->OnFileSaveAs();  // cancelled
    ASSERT_FALSE(prompts.saveInitials.isEmpty());
    EXPECT_EQ(prompts.saveInitials.last(), WorkPath("Untitled.htm"));
    // Saved into another folder, its links still lead to the source's files,
    // in one step that is undone when the save fails.
    ASSERT_TRUE(QDir(WorkPath(QString())).mkpath("site/menus"));
    ASSERT_FALSE(SaveAs("missing/menu.htm"));
    CTavelinItem* software = Params().m_arrMenus[0]->GetItem(0)->m_pSubMenu->GetItem(0);
    EXPECT_EQ(software->m_strLink, "sw.html");
    ASSERT_TRUE(SaveAs("site/menus/menu.htm"));
    EXPECT_EQ(software->m_strLink, "../../sw.html");
    EXPECT_FALSE(Doc()->IsModified());
    ASSERT_TRUE(SaveAs("site/other.htm"));  // saved once: the links are the project's own now
    EXPECT_EQ(software->m_strLink, "../../sw.html");
}

// Items imported into a project saved nowhere yet keep the links their page
// wrote until the first save, which makes them lead from where the project
// goes; links typed into the project stay as typed.
TEST_F(FrameFixture, ItemsImportedBeforeTheFirstSaveAreRebasedThere)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Doc()->PathName().isEmpty());
    CTavelin& top = *Params().m_arrMenus.at(0);
    CTavelinItem* typed = top.GetItem(0);
    CItemFields fields = *typed;
    fields.m_strLink = "mine.html";
    Editor().SetItemFields(typed, fields);

    ASSERT_TRUE(QDir(WorkPath(QString())).mkpath("src"));
    ASSERT_TRUE(QDir(WorkPath(QString())).mkpath("site/menus"));
    Write(WorkPath("src/page.html"), "<ul><li><a href=a.html>A</a><ul><li><a href=#part>Part</a></ul>"
                                     "<li><a href=https://e.org/>Out</a><li class=divider></ul>");
    prompts.fileNames.push_back(WorkPath("src/page.html"));
    const QStringList before = Labels(*typed->m_pSubMenu);
    Tree()->setCurrentItem(Tree()->NodeOf(typed));
    Trigger(CFrameActions::ImportItems);
    CTavelin& sub = *typed->m_pSubMenu;
    // The empty item is left out, and the message list says so.
    ASSERT_EQ(Labels(sub), QStringList({"A", "Out"}) + before);
    EXPECT_TRUE(Messages().contains("page.html: 1 list item was left out")) << Messages().toStdString();
    CTavelinItem* a = sub.GetItem(0);
    CTavelinItem* part = a->m_pSubMenu->GetItem(0);
    // Written from the page's folder until the project has one.
    EXPECT_EQ(a->m_strLink, "a.html");
    EXPECT_EQ(part->m_strLink, "page.html#part");

    // A failed save takes the rewrite back; the first save keeps it, in one step.
    QUndoStack& history = Editor().History();
    ASSERT_FALSE(SaveAs("missing/menu.htm"));
    EXPECT_EQ(a->m_strLink, "a.html");
    const int steps = history.index();
    ASSERT_TRUE(SaveAs("site/menus/menu.htm"));
    EXPECT_EQ(history.index(), steps + 1);
    EXPECT_EQ(history.undoText(), "Rebase Links");
    EXPECT_EQ(a->m_strLink, "../../src/a.html");
    EXPECT_EQ(part->m_strLink, "../../src/page.html#part");
    EXPECT_EQ(sub.GetItem(1)->m_strLink, "https://e.org/");
    EXPECT_EQ(typed->m_strLink, "mine.html");

    // Saved, the project rewrites what it imports at once, and saves leave it be.
    prompts.fileNames.push_back(WorkPath("src/page.html"));
    Tree()->setCurrentItem(Tree()->NodeOf(typed));
    Trigger(CFrameActions::ImportItems);
    EXPECT_EQ(sub.GetItem(0)->m_strLink, "../../src/a.html");
    ASSERT_TRUE(SaveAs("site/other.htm"));
    EXPECT_EQ(sub.GetItem(0)->m_strLink, "../../src/a.html");
    EXPECT_EQ(a->m_strLink, "../../src/a.html");
}

TEST_F(FrameFixture, FindSelectsMatchesAndCheckLinksLeadsToTheItem)
{
    ASSERT_TRUE(Start());
    CTavelin& top = *Params().m_arrMenus.at(0);
    CTavelinItem* first = top.GetItem(0);
    CTavelinItem* last = top.GetItem(top.GetItemCount() - 1);
    first->m_strDescription = "Our ZEBRA pages";
    last->m_strLink = "missing/Zebra.html";
    Tree()->setCurrentItem(Tree()->RootNode());

    prompts.dialogHandlers.push_back([](QDialog& dialog) {
        dynamic_cast<CDlgFind&>(dialog).Edit()->setText("zebra");
        return int(QDialog::Accepted);
    });
    Trigger(CFrameActions::EditFind);
    EXPECT_EQ(Tree()->currentItem(), Tree()->NodeOf(first));
    Trigger(CFrameActions::EditFindNext);
    EXPECT_EQ(Tree()->currentItem(), Tree()->NodeOf(last));
    Trigger(CFrameActions::EditFindNext);
    EXPECT_EQ(Tree()->currentItem(), Tree()->NodeOf(first));  // around the end
    EXPECT_TRUE(prompts.messages.isEmpty());

    Trigger(CFrameActions::CheckLinks);  // not saved yet
    EXPECT_EQ(prompts.messages.value(0), CLinkReport::kNotSaved);
    ASSERT_TRUE(SaveAs("menu.htm"));
    Trigger(CFrameActions::CheckLinks);
    const QStringList lines = Messages().split('\n');
    const int row = static_cast<int>(lines.indexOf(QString::fromStdString(last->m_strLabel.str()) +
                                                   ": broken link \"missing/Zebra.html\": no such file"));
    ASSERT_GE(row, 0) << Messages().toStdString();
    QPlainTextEdit* edit = Frame()->InfoView()->Messages();
    const QTextBlock block = edit->document()->findBlockByNumber(row);
    QTextCursor cursor(block);
    const QPoint at = edit->cursorRect(cursor).center();
    Tree()->setCurrentItem(Tree()->RootNode());
    QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Tree()->currentItem(), Tree()->NodeOf(last));

    // Once other text is in the view, its lines lead nowhere.
    Trigger(CFrameActions::CheckParameters);
    Tree()->setCurrentItem(Tree()->RootNode());
    QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(Tree()->currentItem(), Tree()->RootNode());
}
