// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <functional>
#include <sys/stat.h>
#include <vector>

#include "FrameFixture.h"
#include "core/publish/CPageWriter.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CModelEditor.h"
#include "gui/dialogs/CDlgHtml.h"
#include "gui/dialogs/CDlgNewMenu.h"
#include "gui/dialogs/CDlgSaveTemplate.h"
#include "gui/dialogs/CTemplateList.h"
#include "gui/frame/CFrameActions.h"

namespace {

using A = CFrameActions;

class Document : public FrameFixture {
protected:
    // The name and menu count of template index, loaded into a model of its own.
    std::pair<std::string, size_t> TemplateShape(int index)
    {
        CAppletParameters params;
        CTemplateStore(settings, Context().fileSystem, Context().programDir).LoadTemplate(params, index);
        return {params.m_strName, params.m_arrMenus.size()};
    }

    static std::function<int(QDialog&)> Choose(int row)
    {
        return [row](QDialog& dialog) {
            auto& newMenu = dynamic_cast<CDlgNewMenu&>(dialog);
            newMenu.List()->setCurrentRow(row);
            newMenu.OnOK();
            return newMenu.result();
        };
    }
};

TEST_F(Document, NewStartsFromTemplatesAndEscapeKeepsTheProject)
{
    ASSERT_TRUE(Start());
    // The first document of the run takes template 0 without asking.
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    EXPECT_EQ(std::make_pair(Params().m_strName, Params().m_arrMenus.size()), TemplateShape(0));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Frame()->windowTitle(), "Untitled[*] - Applet Tavelina Wizard");

    // Later ones ask; the chosen template is loaded.
    prompts.dialogHandlers.push_back(Choose(3));
    Trigger(A::FileNew);
    EXPECT_EQ(prompts.dialogs, QStringList{"New Tavelina"});
    EXPECT_EQ(std::make_pair(Params().m_strName, Params().m_arrMenus.size()), TemplateShape(3));

    // Escape: the new command fails and the open project stays as it was,
    // modified, with its history.
    Editor().AddTopMenu();
    ASSERT_TRUE(Doc()->IsModified());
    const size_t menus = Params().m_arrMenus.size();
    EXPECT_FALSE(Doc()->NewDocument());
    EXPECT_EQ(Params().m_arrMenus.size(), menus);
    ASSERT_NE(Tree()->RootNode(), nullptr);
    EXPECT_EQ(Tree()->RootNode()->childCount(), int(menus));
    EXPECT_EQ(Doc()->Title(), "Untitled");
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(Editor().History().canUndo());
}

TEST_F(Document, ModifiedFlagThroughEditSaveAndOpen)
{
    ASSERT_TRUE(Start());
    Editor().AddTopMenu();
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(Frame()->isWindowModified());

    ASSERT_TRUE(SaveAs(QStringLiteral("menu")));
    // Save As gives a name without extension ".htm"; page and project file
    // are written beside each other.
    const QString page = WorkPath(QStringLiteral("menu.htm"));
    EXPECT_TRUE(QFile::exists(page));
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("menu.tvx"))));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->PathName(), page);
    EXPECT_EQ(Frame()->windowTitle(), "menu.htm[*] - Applet Tavelina Wizard");
    EXPECT_EQ(prompts.filters.last(), "Applet Tavelina Wizard Saved HTML(*.htm) (*.htm)");
    EXPECT_EQ(Doc()->RecentFiles(), QStringList{page});
    EXPECT_EQ(settings.GetString("Recent File List", "File1", ""), CText::FromQ(page));

    // A property change through the editor marks the project, so it cannot be lost.
    CAppletSettings applet = Params();
    applet.m_nWidth += 10;
    Editor().SetAppletSettings(applet);
    EXPECT_TRUE(Doc()->IsModified());
    const size_t menus = Params().m_arrMenus.size();

    // Open after a "No" to the save question reads the page's project back.
    prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::No);
    prompts.fileNames.push_back(page);
    Trigger(A::FileOpen);
    EXPECT_EQ(prompts.saveQuestions, QStringList{"Save changes to " + page + "?"});
    EXPECT_EQ(prompts.filters.last(), "HTML Files(*.htm,*.html) (*.htm *.html)");
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Params().m_arrMenus.size(), menus);
    EXPECT_EQ(Params().m_nWidth, applet.m_nWidth - 10);
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
}

TEST_F(Document, FailedOpenAndSaveKeepTheProject)
{
    ASSERT_TRUE(Start());
    Editor().AddTopMenu();
    ASSERT_TRUE(SaveAs(QStringLiteral("kept.htm")));
    const CTavelin* first = Params().m_arrMenus.front().get();
    const size_t menus = Params().m_arrMenus.size();

    // A page without its project file: refused, the model untouched.
    QFile stray(WorkPath(QStringLiteral("stray.html")));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    EXPECT_FALSE(Doc()->OpenDocumentFile(stray.fileName()));
    EXPECT_EQ(prompts.messages.last(), CAppletTavelinWizardDoc::kNotOurFile);
    EXPECT_EQ(Params().m_arrMenus.size(), menus);
    EXPECT_EQ(Params().m_arrMenus.front().get(), first);
    EXPECT_EQ(Doc()->Title(), "kept.htm");

    // A project "file" that cannot be read (a folder of that name): the
    // message names the page; the model is still untouched.
    QDir(work.path()).mkdir(QStringLiteral("odd.tvx"));
    QFile odd(WorkPath(QStringLiteral("odd.htm")));
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
    odd.close();
    EXPECT_FALSE(Doc()->OpenDocumentFile(odd.fileName()));
    EXPECT_EQ(prompts.messages.last(), CAppletTavelinWizardDoc::kNotOurFile);
    EXPECT_EQ(Params().m_arrMenus.front().get(), first);

    // A page that is not there at all.
    const int before = int(prompts.messages.size());
    EXPECT_FALSE(Doc()->OpenDocumentFile(WorkPath(QStringLiteral("none.htm"))));
    EXPECT_EQ(prompts.messages.size(), before + 1);

    // Save As "stray" would write stray.htm, which the dialog did not ask
    // about: asked here, and a "No" leaves the file alone.
    QFile mine(WorkPath(QStringLiteral("stray.htm")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("<p>mine</p>");
    mine.close();
    prompts.confirmAnswers.push_back(false);
    EXPECT_FALSE(SaveAs(QStringLiteral("stray")));
    EXPECT_EQ(prompts.confirmations.last(), "stray.htm already exists.\nDo you want to replace it?");
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "<p>mine</p>");
    EXPECT_EQ(Doc()->Title(), "kept.htm");

    // Saving into a folder that does not exist fails and keeps the project modified.
    Editor().AddTopMenu();
    EXPECT_FALSE(Doc()->DoSave(WorkPath(QStringLiteral("no/such/folder/page.htm"))));
    EXPECT_EQ(prompts.messages.last(),
              "The folder " + WorkPath(QStringLiteral("no/such/folder")) + " does not exist; page.htm was not saved.");
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Doc()->Title(), "kept.htm");
}

// A project file handed to the editor (a file manager's "Open With", the
// command line) opens the page saved with it: the document is the page, so a
// later save writes the page and its project, never HTML over the project.
TEST_F(Document, ProjectFileOpensItsPage)
{
    ASSERT_TRUE(Start());
    Editor().AddTopMenu();
    ASSERT_TRUE(SaveAs(QStringLiteral("site.menu.htm")));
    const size_t menus = Params().m_arrMenus.size();
    // Files of other names and extensions lie beside it: none is a page.
    for (const char* other : {"site.htm", "site.menu.txt", "site.menu.html.bak"}) {
        QFile file(WorkPath(QString::fromLatin1(other)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(CAppletTavelinWizardDoc::PageOfProject(WorkPath(QStringLiteral("site.menu.tvx"))),
              WorkPath(QStringLiteral("site.menu.htm")));

    ASSERT_TRUE(Restart({WorkPath(QStringLiteral("site.menu.tvx"))}));
    EXPECT_EQ(Params().m_arrMenus.size(), menus);
    EXPECT_EQ(Doc()->PathName(), WorkPath(QStringLiteral("site.menu.htm")));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();

    // ".htm" is the editor's own page; ".html" is taken when it is the only one.
    QFile::rename(WorkPath(QStringLiteral("site.menu.htm")), WorkPath(QStringLiteral("site.menu.html")));
    EXPECT_TRUE(Doc()->OpenDocumentFile(WorkPath(QStringLiteral("site.menu.tvx"))));
    EXPECT_EQ(Doc()->PathName(), WorkPath(QStringLiteral("site.menu.html")));

    // A project file without its page (the text file of its name is none, nor
    // is a name in another case) is refused with a message that says how to
    // open a project; the document stays.
    QFile::remove(WorkPath(QStringLiteral("site.menu.html")));
    for (const char* name : {"site.menu.tvx", "SITE.MENU.TVX"}) {
        const QString path = WorkPath(QString::fromLatin1(name));
        EXPECT_FALSE(Doc()->OpenDocumentFile(path)) << name;
        EXPECT_EQ(prompts.messages.last(), QString::fromLatin1(CAppletTavelinWizardDoc::kNoPageForProject).arg(path));
        EXPECT_EQ(Doc()->PathName(), WorkPath(QStringLiteral("site.menu.html")));
    }
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("site.menu.tvx"))));
}

TEST_F(Document, CommandLinePageOpensAndLaterNewAsks)
{
    ASSERT_TRUE(Start());
    Editor().AddTopMenu();
    ASSERT_TRUE(SaveAs(QStringLiteral("start.htm")));
    const size_t menus = Params().m_arrMenus.size();

    ASSERT_TRUE(Restart({WorkPath(QStringLiteral("start.htm"))}));
    EXPECT_EQ(Params().m_arrMenus.size(), menus);
    EXPECT_EQ(Doc()->Title(), "start.htm");
    EXPECT_EQ(Doc()->RecentFiles().value(0), WorkPath(QStringLiteral("start.htm")));
    // The first new after an opened page is a later one: it shows the dialog.
    prompts.dialogs.clear();
    Trigger(A::FileNew);
    EXPECT_EQ(prompts.dialogs, QStringList{"New Tavelina"});

    // A page that cannot be opened starts the run with a new project.
    ASSERT_TRUE(Restart({WorkPath(QStringLiteral("missing.htm"))}));
    EXPECT_EQ(Doc()->Title(), "Untitled");
    EXPECT_EQ(std::make_pair(Params().m_strName, Params().m_arrMenus.size()), TemplateShape(0));
}

TEST_F(Document, RecentFilesKeepFourNewestFirstAndDropVanishedPages)
{
    ASSERT_TRUE(Start());
    for (const char* name : {"a.htm", "b.htm", "c.htm", "d.htm", "e.htm"})
        ASSERT_TRUE(SaveAs(QString::fromLatin1(name)));
    ASSERT_TRUE(SaveAs(QStringLiteral("c.htm")));
    const QStringList expected{WorkPath("c.htm"), WorkPath("e.htm"), WorkPath("d.htm"), WorkPath("b.htm")};
    EXPECT_EQ(Doc()->RecentFiles(), expected);
    QMenu* file = Frame()->RecentFileMenu();
    QStringList shown;
    for (QAction* action : file->actions()) {
        if (action->objectName().startsWith("recentFile") && action->isVisible())
            shown << action->text();
    }
    EXPECT_EQ(shown.value(0), "&1 " + WorkPath("c.htm"));
    EXPECT_EQ(shown.size(), 4);

    // Opening an entry whose page is gone reports it and drops the entry.
    QFile::remove(WorkPath("e.htm"));
    Doc()->OnOpenRecentFile(1);
    EXPECT_EQ(Doc()->RecentFiles(), (QStringList{WorkPath("c.htm"), WorkPath("d.htm"), WorkPath("b.htm")}));
    ASSERT_TRUE(Restart());
    EXPECT_EQ(Doc()->RecentFiles().size(), 3);
}

TEST_F(Document, CheckReportsAndAutoChangeSetsTheSize)
{
    ASSERT_TRUE(Start());
    QApplication::processEvents();
    const int width = Params().m_nWidth;
    const int height = Params().m_nHeight;
    Trigger(A::CheckParameters);
    EXPECT_TRUE(Messages().startsWith("-----------------Checking " + CText::ToQ(Params().m_strName)));
    EXPECT_TRUE(Messages().contains("Recommend:\tApplet Width:"));
    EXPECT_EQ(Frame()->InfoView()->Messages()->font(), Tree()->font());
    EXPECT_EQ(Params().m_nWidth, width);
    EXPECT_FALSE(Doc()->IsModified());

    Trigger(A::ClearMessage);
    EXPECT_TRUE(Messages().isEmpty());

    // Auto-Change Menu Size: the check item's mark follows, and the check
    // gives the applet the recommended size through the model editor.
    Trigger(A::AutoChangeSize);
    EXPECT_TRUE(Doc()->m_bAutoChangeSize);
    EXPECT_TRUE(Frame()->Action(A::AutoChangeSize)->isChecked());
    Editor().AddTopMenu();
    CTavelin* menu = Params().m_arrMenus.front().get();
    Editor().InsertNewItem(menu, nullptr, 0);
    Trigger(A::CheckParameters);
    const QString recommend =
        QStringLiteral("Recommend:\tApplet Width:%1,\tApplet Height:%2").arg(Params().m_nWidth).arg(Params().m_nHeight);
    EXPECT_TRUE(Messages().contains(recommend)) << Messages().toStdString();
    EXPECT_TRUE(Params().m_nWidth != width || Params().m_nHeight != height);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(Editor().History().canUndo());

    // Build HTML checks first and shows the page text in "HTML".
    Trigger(A::ClearMessage);
    QString shown;
    prompts.dialogHandlers.push_back([&shown](QDialog& dialog) {
        shown = dynamic_cast<CDlgHtml&>(dialog).Editor()->toPlainText();
        return int(QDialog::Accepted);
    });
    Trigger(A::BuildHtml);
    EXPECT_EQ(prompts.dialogs.last(), "HTML");
    EXPECT_TRUE(shown.contains(QStringLiteral("width=\"%1\"").arg(Params().m_nWidth)) ||
                shown.contains(QStringLiteral("width=%1").arg(Params().m_nWidth)))
        << shown.left(400).toStdString();
    EXPECT_FALSE(Messages().isEmpty());

    // Preview checks first as well and writes the preview folder.
    Trigger(A::ClearMessage);
    Trigger(A::Preview);
    EXPECT_FALSE(Messages().isEmpty());
    EXPECT_TRUE(QFile::exists(program.filePath(QStringLiteral("tmp/~AppMenu.htm"))));
}

TEST_F(Document, SaveAsTemplateAddsTheNameAndExitKeepsFilesPreviewDidNotWrite)
{
    ASSERT_TRUE(Start());
    prompts.dialogHandlers.push_back([](QDialog& dialog) {
        auto& save = dynamic_cast<CDlgSaveTemplate&>(dialog);
        save.NameEdit()->setText(QStringLiteral("Mine"));
        save.List()->setCurrentRow(2);
        save.OnOK();
        return save.result();
    });
    Trigger(A::SaveAsTemplate);
    CTemplateStore store(settings, Context().fileSystem, Context().programDir);
    const std::vector<std::string> names = store.ListNames();
    ASSERT_GT(names.size(), 3u);
    EXPECT_EQ(names[2], "Mine");

    // A file in the preview folder that Preview did not write stays at exit.
    QDir(program.path()).mkpath(QStringLiteral("tmp"));
    QFile left(program.filePath(QStringLiteral("tmp/old.gif")));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    app.reset();
    started = false;
    EXPECT_TRUE(QFileInfo::exists(program.filePath(QStringLiteral("tmp/old.gif"))));
}

}  // namespace

// A template file that is missing or cannot be read is told at the first
// New of the run and at each later one; the project starts bare.
TEST_F(Document, NewTellsATemplateFileThatCannotBeRead)
{
    const QString tpl = program.filePath(QString::fromLatin1(CPageWriter::kTemplateFile));
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"missing", [&] { QFile::remove(tpl); }},
        {"a folder", [&] { QDir().mkpath(tpl); }},
        {"a pipe", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(tpl).constData(), 0600), 0); }},
    };
    for (const auto& [name, make] : cases) {
        app.reset();
        QFile::remove(tpl);
        QDir().rmdir(tpl);
        make();
        prompts.messages.clear();
        ASSERT_TRUE(Start()) << name;
        const QString told =
            QStringLiteral("The template file %1 is missing or cannot be read.").arg(QDir::toNativeSeparators(tpl));
        ASSERT_EQ(prompts.messages.size(), 1) << name;
        EXPECT_TRUE(prompts.messages[0].startsWith(told)) << prompts.messages[0].toStdString();
        EXPECT_TRUE(Params().m_arrMenus.empty()) << name;
        prompts.dialogHandlers.push_back(Choose(0));
        Trigger(A::FileNew);
        EXPECT_EQ(prompts.messages.size(), 2) << name;
    }
}

// A source larger than the memory that can be had (a sparse file of a
// terabyte) is told; the editor goes on with its project as it was.
TEST_F(Document, ImportTooLargeForMemoryIsToldAndKeepsTheProject)
{
    QFile overcommit(QStringLiteral("/proc/sys/vm/overcommit_memory"));
    if (overcommit.open(QIODevice::ReadOnly) && overcommit.readAll().trimmed() == "1")
        GTEST_SKIP() << "the system grants any allocation";
    const QString source = WorkPath(QStringLiteral("huge.htm"));
    QFile huge(source);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    if (!huge.resize(qint64(1) << 40))
        GTEST_SKIP() << "no sparse file of a terabyte here";
    huge.close();
    ASSERT_TRUE(Start());
    const std::string name = Params().m_strName;
    const size_t menus = Params().m_arrMenus.size();
    for (int action : {int(A::ImportMenu), int(A::ImportItems)}) {
        prompts.messages.clear();
        prompts.fileNames.push_back(source);
        Trigger(action);
        ASSERT_EQ(prompts.messages.size(), 1) << action;
        EXPECT_EQ(prompts.messages[0], QStringLiteral("%1 could not be imported: not enough memory.").arg(source));
        EXPECT_EQ(Params().m_strName, name);
        EXPECT_EQ(Params().m_arrMenus.size(), menus);
        EXPECT_FALSE(Doc()->IsModified());
    }
    QFile::remove(source);
}
