// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QUndoStack>
#include <functional>
#include <gtest/gtest.h>

#include "FrameFixture.h"
#include "core/settings/CAppSettings.h"
#include "editor/CModelEditor.h"
#include "editor/CPreview.h"
#include "editor/CText.h"
#include "gui/dialogs/CDlgExportHtml5.h"
#include "gui/dialogs/CDlgHtml.h"
#include "gui/frame/CFrameActions.h"
#include "gui/props/CPropertyFrame.h"

// The menu script option, the export and the edit history, as the main
// window offers them.
namespace {
using A = CFrameActions;

QString ReadText(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromLocal8Bit(file.readAll());
}

// The first item of the first menu that has items; null when none has.
CTavelinItem* FirstItem(const CAppletParameters& params)
{
    for (const auto& menu : params.m_arrMenus)
        if (menu->GetItemCount() > 0)
            return menu->GetItem(0);
    return nullptr;
}

class ModernPages : public FrameFixture {};
}  // namespace

TEST_F(ModernPages, RuntimeOptionReachesSaveBuildHtmlAndPreview)
{
    ASSERT_TRUE(Start());
    QAction* option = Frame()->Action(A::Html5Runtime);
    ASSERT_TRUE(option->isCheckable());
    EXPECT_TRUE(option->isChecked());  // on for a new user
    Trigger(A::Html5Runtime);
    EXPECT_FALSE(option->isChecked());
    EXPECT_FALSE(CAppSettings(settings).Html5Runtime());  // turned off, it stays off

    // Off: the page is the applet page alone, and Preview says why it is blank.
    Trigger(A::Preview);
    EXPECT_TRUE(Messages().contains(QString::fromLatin1(CPreview::kAppletOnlyNote)));
    ASSERT_TRUE(SaveAs(QStringLiteral("plain.htm")));
    EXPECT_FALSE(ReadText(WorkPath(QStringLiteral("plain.htm"))).contains(QStringLiteral("<script")));
    EXPECT_FALSE(QFile::exists(WorkPath(QStringLiteral("tavelin.js"))));

    Trigger(A::Html5Runtime);
    EXPECT_TRUE(option->isChecked());
    EXPECT_TRUE(CAppSettings(settings).Html5Runtime());
    ASSERT_TRUE(SaveAs(QStringLiteral("modern.htm")));
    EXPECT_TRUE(ReadText(WorkPath(QStringLiteral("modern.htm")))
                    .contains(QStringLiteral("</applet>\r\n<script src=\"tavelin.js\"></script>\r\n</p>")));
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("tavelin.js"))));

    QString shown;
    prompts.dialogHandlers.push_back([&shown](QDialog& dialog) {
        shown = dynamic_cast<CDlgHtml&>(dialog).findChild<QPlainTextEdit*>()->toPlainText();
        return int(QDialog::Accepted);
    });
    Trigger(A::BuildHtml);
    EXPECT_TRUE(shown.contains(QStringLiteral("<script src=\"tavelin.js\"></script>")));

    Frame()->InfoView()->SetMessageText(QString());
    Trigger(A::Preview);
    EXPECT_FALSE(Messages().contains(QString::fromLatin1(CPreview::kAppletOnlyNote)));
}

// Save, Preview and Save As Template write through one service; the media
// copies that failed are named in the message view. A template gives a
// clashing sample a name of its own, so only the page's folder has a clash.
TEST_F(ModernPages, CopiesThatFailedAreNamedBySavePreviewTemplateAndExport)
{
    ASSERT_TRUE(Start());
    // Two pictures of one file name in different folders: the second is not copied.
    std::vector<CTavelinItem*> items;
    for (const auto& menu : Params().m_arrMenus)
        for (int i = 0; i < menu->GetItemCount() && items.size() < 2; ++i)
            items.push_back(menu->GetItem(i));
    ASSERT_EQ(items.size(), 2u);
    for (const char* folder : {"one", "two"}) {
        ASSERT_TRUE(QDir(WorkPath(QString())).mkpath(QString::fromLatin1(folder)));
        QFile picture(WorkPath(QStringLiteral("%1/pic.gif").arg(QString::fromLatin1(folder))));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        picture.write("GIF89a");
        picture.close();
        CItemFields fields = *items[folder[0] == 'o' ? 0 : 1];
        fields.m_strNormalImage = CText::FromQ(picture.fileName());
        Editor().SetItemFields(items[folder[0] == 'o' ? 0 : 1], fields);
    }
    auto notCopied = [this] {
        const int count = int(Messages().count(QStringLiteral("was not copied")));
        Frame()->InfoView()->SetMessageText(QString());
        return count;
    };

    ASSERT_TRUE(SaveAs(QStringLiteral("menu.htm")));
    EXPECT_FALSE(Doc()->IsModified());  // saved, though a copy failed
    EXPECT_EQ(notCopied(), 1);
    Trigger(A::Preview);
    EXPECT_EQ(notCopied(), 1);
    Doc()->SaveAsTemplate(QStringLiteral("Mine"), 0);
    EXPECT_EQ(notCopied(), 0);
    Doc()->ExportHtml5(WorkPath(QStringLiteral("nav.htm")), false);
    EXPECT_EQ(notCopied(), 1);
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("nav.htm"))));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
}

// Answers the export dialog with a file and the state of its check box, and
// tells what the box showed when the dialog opened.
std::function<int(QDialog&)> ExportAnswer(const QString& path, bool fragment, bool* shown = nullptr)
{
    return [path, fragment, shown](QDialog& dialog) {
        auto& exportDialog = dynamic_cast<CDlgExportHtml5&>(dialog);
        if (shown)
            *shown = exportDialog.Fragment();
        exportDialog.SetFragment(fragment);
        exportDialog.selectFile(path);
        return int(QDialog::Accepted);
    };
}

TEST_F(ModernPages, ExportWritesListsOfLinksBesideTheRuntime)
{
    ASSERT_TRUE(Start());
    prompts.dialogHandlers.push_back(ExportAnswer(WorkPath(QStringLiteral("nav")), false));
    Trigger(A::ExportHtml5);
    const QString page = ReadText(WorkPath(QStringLiteral("nav.htm")));
    EXPECT_TRUE(page.contains(QStringLiteral("<nav"))) << page.left(200).toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("<applet")));
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("tavelin.js"))));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();

    // The check box: only the menu, with its style sheet beside it; the
    // choice is offered again next time.
    bool shown = true;
    prompts.dialogHandlers.push_back(ExportAnswer(WorkPath(QStringLiteral("part.htm")), true, &shown));
    Trigger(A::ExportHtml5);
    EXPECT_FALSE(shown);
    const QString fragment = ReadText(WorkPath(QStringLiteral("part.htm")));
    EXPECT_TRUE(fragment.contains(QStringLiteral("<nav"))) << fragment.left(200).toStdString();
    EXPECT_FALSE(fragment.contains(QStringLiteral("<html"), Qt::CaseInsensitive));
    EXPECT_TRUE(fragment.contains(QStringLiteral("part.css")));
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("part.css"))));

    // A folder that cannot be written: the writer's message, nothing else.
    prompts.dialogHandlers.push_back(ExportAnswer(WorkPath(QStringLiteral("no/such/folder/nav.htm")), false, &shown));
    Trigger(A::ExportHtml5);
    EXPECT_TRUE(shown);
    EXPECT_EQ(prompts.messages, QStringList{"Save as file failed!"});

    // Cancelled: nothing is written.
    Trigger(A::ExportHtml5);
    EXPECT_EQ(prompts.dialogs.last(), "Export HTML5 Menu");
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(ModernPages, UndoNamesItsStepAndReturnsToTheSavedState)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SaveAs(QStringLiteral("menu.htm")));
    QAction* undo = Frame()->Action(A::EditUndo);
    QAction* redo = Frame()->Action(A::EditRedo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    const size_t menus = Params().m_arrMenus.size();
    Tree()->setCurrentItem(Tree()->RootNode());
    Trigger(A::Insert);
    EXPECT_EQ(Params().m_arrMenus.size(), menus + 1);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo Insert\tCtrl+Z");

    Trigger(A::EditUndo);
    EXPECT_EQ(Params().m_arrMenus.size(), menus);
    EXPECT_FALSE(Doc()->IsModified());  // back where it was saved
    EXPECT_EQ(redo->text(), "&Redo Insert\tCtrl+Y");
    EXPECT_EQ(Tree()->RootNode()->childCount(), static_cast<int>(menus));

    Trigger(A::EditRedo);
    EXPECT_EQ(Params().m_arrMenus.size(), menus + 1);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Tree()->RootNode()->childCount(), static_cast<int>(menus + 1));

    // Cut is one step of its own name; undo puts the item back.
    CTavelin* first = nullptr;
    for (const auto& menu : Params().m_arrMenus)
        if (!first && menu->GetItemCount() > 0)
            first = menu.get();
    ASSERT_NE(first, nullptr);
    CTavelinItem* item = first->GetItem(0);
    const int items = first->GetItemCount();
    Tree()->setCurrentItem(Tree()->NodeOf(item));
    Trigger(A::EditCut);
    EXPECT_EQ(first->GetItemCount(), items - 1);
    EXPECT_EQ(undo->text(), "&Undo Cut\tCtrl+Z");
    Trigger(A::EditUndo);
    EXPECT_EQ(first->GetItem(0), item);
    EXPECT_NE(Tree()->NodeOf(item), nullptr);

    // New clears the history.
    prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::No);
    prompts.dialogHandlers.push_back([](QDialog& dialog) {
        dialog.accept();
        return int(QDialog::Accepted);
    });
    Trigger(A::FileNew);
    EXPECT_FALSE(Editor().History().canUndo());
    EXPECT_FALSE(undo->isEnabled());
}

// The modified mark is the history's distance from the saved state: looking
// at the properties marks nothing, a save clears the mark once, and undoing
// past the save point marks the project again.
TEST_F(ModernPages, ModifiedMarkFollowsTheSavedStateOfTheHistory)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SaveAs(QStringLiteral("menu.htm")));
    QSignalSpy marks(Doc(), &CAppletTavelinWizardDoc::ModifiedChanged);

    // Open the properties of the applet and of an item, look, close.
    Tree()->setCurrentItem(Tree()->RootNode());
    Trigger(A::Property);
    CTavelinItem* item = FirstItem(Params());
    ASSERT_NE(item, nullptr);
    Tree()->setCurrentItem(Tree()->NodeOf(item));
    Trigger(A::Property);
    Tree()->PropertyFrame()->CloseFrame();
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(Doc()->SaveModified());
    EXPECT_TRUE(prompts.saveQuestions.isEmpty());
    EXPECT_EQ(marks.count(), 0);

    // Edit, save: one mark on, one mark off.
    Tree()->setCurrentItem(Tree()->RootNode());
    Trigger(A::Insert);
    Trigger(A::FileSave);
    EXPECT_FALSE(Doc()->IsModified());
    ASSERT_EQ(marks.count(), 2);
    EXPECT_EQ(marks[0][0].toBool(), true);
    EXPECT_EQ(marks[1][0].toBool(), false);
    EXPECT_FALSE(Frame()->isWindowModified());

    // Undo past the save is a change; redo comes back to the saved state.
    Trigger(A::EditUndo);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(Frame()->isWindowModified());
    Trigger(A::EditRedo);
    EXPECT_FALSE(Doc()->IsModified());

    // Undo, then a new edit: the saved state can no longer be reached.
    Trigger(A::EditUndo);
    Tree()->setCurrentItem(Tree()->RootNode());
    Trigger(A::Insert);
    Trigger(A::EditUndo);
    EXPECT_TRUE(Doc()->IsModified());
    prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::Cancel);
    EXPECT_FALSE(Doc()->SaveModified());
    EXPECT_EQ(prompts.saveQuestions.size(), 1);
}

// Typing on the property page after a save, then closing: the question comes.
TEST_F(ModernPages, InputLeftOnThePropertyPageIsNotLostAtClose)
{
    ASSERT_TRUE(Start());
    CTavelinItem* item = FirstItem(Params());
    ASSERT_NE(item, nullptr);
    Tree()->setCurrentItem(Tree()->NodeOf(item));
    Trigger(A::Property);
    ASSERT_TRUE(SaveAs(QStringLiteral("menu.htm")));
    ASSERT_FALSE(Doc()->IsModified());

    auto* description = Tree()->PropertyFrame()->findChild<QLineEdit*>(QStringLiteral("Description"));
    ASSERT_NE(description, nullptr);
    description->setText(QStringLiteral("typed, not yet stored"));
    prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::Cancel);
    EXPECT_FALSE(Doc()->SaveModified());
    EXPECT_EQ(prompts.saveQuestions.size(), 1);
    EXPECT_EQ(item->m_strDescription, "typed, not yet stored");
}
