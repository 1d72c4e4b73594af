// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "FrameFixture.h"
#include "editor/CCommandLine.h"
#include "editor/CModelEditor.h"
#include "gui/frame/CFrameActions.h"
#include "gui/frame/CKeyIndicators.h"
#include "gui/frame/CWindowPlacement.h"

namespace {

using A = CFrameActions;

class Frame : public FrameFixture {
protected:
    // Texts of the entries of pop-up title (separators as "-").
    QStringList Entries(const QString& title) const
    {
        for (QAction* popup : FrameFixture::Frame()->menuBar()->actions()) {
            if (popup->text() != title)
                continue;
            QStringList texts;
            for (QAction* action : popup->menu()->actions()) {
                if (action->isVisible())
                    texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            return texts;
        }
        return {};
    }

    std::string Setting(const char* key) { return settings.GetString("Settings", key, "<none>"); }
};

TEST_F(Frame, MenusToolBarAndKeysAreTheEditorsOwn)
{
    ASSERT_TRUE(Start());
    QStringList popups;
    for (QAction* popup : FrameFixture::Frame()->menuBar()->actions())
        popups << popup->text();
    EXPECT_EQ(popups, QStringList({"&File", "&Edit", "&View", "&Menu", "&Build", "&Options", "&Help"}));
    EXPECT_EQ(Entries("&File"),
              QStringList({"&New Tavelina...\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...\tCtrl+Shift+S",
                           "Save As &Template...", "&Export HTML5 Menu...", "&Import Menu...", "-", "Recent File", "-",
                           "E&xit\tCtrl+Q"}));
    EXPECT_EQ(Entries("&Edit"), QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                             "&Paste\tCtrl+V", "-", "&Find...\tCtrl+F", "Find &Next\tF3"}));
    EXPECT_EQ(Entries("&Menu"),
              QStringList({"&Insert Menu/Item\tIns", "&Delete\tDel", "&Visible\tCtrl+H", "-", "Move &Up\tAlt+Up",
                           "Move Do&wn\tAlt+Down", "-", "Import I&tems...", "-", "&Property\tAlt+Enter"}));
    EXPECT_EQ(Entries("&Build"), QStringList({"&Check Parameters", "Check &Links", "Build &HTML...", "-",
                                              "&Preview\tCtrl+P", "Clear &Message"}));
    EXPECT_EQ(Entries("&Options"), QStringList({"Web &Browser...", "&Template...\tCtrl+T", "-", "Auto-Change Menu Size",
                                                "HTML5 Menu &Runtime", "Auto&Save..."}));
    EXPECT_EQ(Entries("&Help"), QStringList({"&Help Topics", "&Getting Started", "&Search for Help on ...",
                                             "&View Sample", "-", "&Frequently Asked Questions", "-", "&About..."}));

    // Tool bar order, with pictures, tool-tips and prompts from the command strings.
    QStringList tips;
    for (QAction* action : FrameFixture::Frame()->ToolBar()->actions()) {
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(tips, QStringList({"New", "Open", "Save", "-", "Cut", "Copy", "Paste", "-", "Undo", "Redo", "-", "Insert",
                                 "Delete", "Move Item Up", "Move Item Down", "Property", "-", "HTML", "Preview"}));
    EXPECT_EQ(FrameFixture::Frame()->Action(A::FileSaveAs)->statusTip(),
              "Save an opened Tavelina  to a specified file name");
    EXPECT_EQ(FrameFixture::Frame()->Action(A::Faq)->statusTip(), "");

    // The second keys of the clipboard commands and the pane switch.
    EXPECT_TRUE(FrameFixture::Frame()->Action(A::EditCut)->shortcuts().contains(QKeySequence("Shift+Del")));
    EXPECT_TRUE(FrameFixture::Frame()->Action(A::EditCopy)->shortcuts().contains(QKeySequence("Ctrl+Ins")));
    EXPECT_TRUE(FrameFixture::Frame()->Action(A::EditPaste)->shortcuts().contains(QKeySequence("Shift+Ins")));
    EXPECT_EQ(FrameFixture::Frame()->Action(A::Property)->shortcut(), QKeySequence("Alt+Return"));
    EXPECT_EQ(FrameFixture::Frame()->Action(A::PrevPane)->shortcut(), QKeySequence("Shift+F6"));
    EXPECT_TRUE(FrameFixture::Frame()->Action(A::FileSaveAs)->shortcuts().contains(QKeySequence("Ctrl+Shift+S")));
    EXPECT_TRUE(FrameFixture::Frame()->Action(A::AppExit)->shortcuts().contains(QKeySequence("Ctrl+Q")));

    // No two entries of a menu share a mnemonic.
    for (QAction* popup : FrameFixture::Frame()->menuBar()->actions()) {
        QStringList seen;
        for (QAction* entry : popup->menu()->actions()) {
            const QString text = entry->text().section(QLatin1Char('\t'), 0, 0);
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at < 0 || at + 1 >= text.size())
                continue;
            const QString mnemonic = text.mid(at + 1, 1).toLower();
            EXPECT_FALSE(seen.contains(mnemonic)) << popup->text().toStdString() << " " << text.toStdString();
            seen << mnemonic;
        }
    }
}

TEST_F(Frame, StatusBarShowsPromptsAndKeyPanes)
{
    ASSERT_TRUE(Start());
    CMainFrame* frame = FrameFixture::Frame();
    EXPECT_EQ(frame->PromptPane()->text(), "For Help, press F1");
    EXPECT_TRUE(frame->PromptPane()->isVisible());
    // The prompt of a tool button under the pointer replaces the idle text for a while.
    QWidget* button = frame->ToolBar()->widgetForAction(frame->Action(A::Preview));
    ASSERT_NE(button, nullptr);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Preview current Tavelina");
    EXPECT_EQ(button->toolTip(), "Preview");
    frame->statusBar()->clearMessage();
    EXPECT_TRUE(frame->PromptPane()->isVisible());

    // Key panes: greyed with their text where the state cannot be read.
    const QStringList names{"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        const QLabel* pane = frame->KeyIndicators()->Pane(i);
        if (!CKeyIndicators::ReadLockState()) {
            EXPECT_EQ(pane->text(), names[i]);
            EXPECT_FALSE(pane->isEnabled());
        } else {
            EXPECT_TRUE(pane->text().isEmpty() || pane->text() == names[i]);
        }
    }

    // View > Status Bar and View > Toolbar hide and show.
    frame->Action(A::ViewStatusBar)->trigger();
    EXPECT_TRUE(frame->statusBar()->isHidden());
    frame->Action(A::ViewToolbar)->trigger();
    EXPECT_TRUE(frame->ToolBar()->isHidden());
    frame->Action(A::ViewToolbar)->trigger();
    EXPECT_FALSE(frame->ToolBar()->isHidden());
    EXPECT_TRUE(frame->Action(A::ViewToolbar)->isChecked());
}

TEST_F(Frame, TreeCommandsFollowTheSelection)
{
    ASSERT_TRUE(Start());
    CMainFrame* frame = FrameFixture::Frame();
    QTreeWidgetItem* root = Tree()->RootNode();
    ASSERT_NE(root, nullptr);
    Tree()->setCurrentItem(root);
    EXPECT_FALSE(frame->Action(A::Visible)->isEnabled());
    EXPECT_FALSE(frame->Action(A::MoveUp)->isEnabled());
    EXPECT_FALSE(frame->Action(A::EditCut)->isEnabled());
    EXPECT_TRUE(frame->Action(A::Property)->isEnabled());
    EXPECT_TRUE(frame->Action(A::Insert)->isEnabled());

    // Insert through the frame's command adds a top-level menu and marks the project.
    const size_t menus = Params().m_arrMenus.size();
    frame->Action(A::Insert)->trigger();
    ASSERT_EQ(Params().m_arrMenus.size(), menus + 1);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(frame->isWindowModified());
    // The edit can be taken back and done again (Alt+Backspace is one of Undo's keys).
    EXPECT_TRUE(frame->Action(A::EditUndo)->shortcuts().contains(QKeySequence("Alt+Backspace")));
    EXPECT_FALSE(frame->Action(A::EditRedo)->isEnabled());
    ASSERT_TRUE(frame->Action(A::EditUndo)->isEnabled());
    frame->Action(A::EditUndo)->trigger();
    EXPECT_EQ(Params().m_arrMenus.size(), menus);
    EXPECT_EQ(Tree()->RootNode()->childCount(), int(menus));
    ASSERT_TRUE(frame->Action(A::EditRedo)->isEnabled());
    frame->Action(A::EditRedo)->trigger();
    ASSERT_EQ(Params().m_arrMenus.size(), menus + 1);
    Tree()->setCurrentItem(Tree()->NodeOf(Params().m_arrMenus.front().get()));
    EXPECT_FALSE(frame->Action(A::Property)->isEnabled());
    EXPECT_TRUE(frame->Action(A::Visible)->isEnabled());
    EXPECT_TRUE(frame->Action(A::Visible)->isChecked());
    frame->Action(A::Visible)->trigger();
    EXPECT_FALSE(frame->Action(A::Visible)->isChecked());
    EXPECT_EQ(Params().m_arrMenus.front()->m_bVisible, 0);

    // F6 and Shift+F6 move the focus between the two panes.
    QApplication::setActiveWindow(frame);
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    Tree()->setFocus();
    frame->Action(A::NextPane)->trigger();
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(frame->InfoView()->Messages()));
    frame->Action(A::PrevPane)->trigger();
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(Tree()));

    // In the message box, Del and Ctrl+X edit its text; they never reach the tree.
    QPlainTextEdit* messages = frame->InfoView()->Messages();
    messages->setFocus();
    messages->setPlainText(QStringLiteral("abc"));
    QTest::keyClick(messages, Qt::Key_Home);
    QTest::keyClick(messages, Qt::Key_Delete);
    messages->selectAll();
    QTest::keyClick(messages, Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(messages->toPlainText().isEmpty());
    EXPECT_TRUE(prompts.confirmations.isEmpty());
    EXPECT_EQ(Params().m_arrMenus.size(), menus + 1);
    // In the tree, Del is the Delete command.
    prompts.confirmAnswers.push_back(false);
    Tree()->setFocus();
    QTest::keyClick(Tree(), Qt::Key_Delete);
    EXPECT_EQ(prompts.confirmations.size(), 1);
}

TEST_F(Frame, CloseStoresPlacementPanesAndAutoChangeBeforeTheSaveQuestion)
{
    ASSERT_TRUE(Start());
    CMainFrame* frame = FrameFixture::Frame();
    EXPECT_EQ(frame->Splitter()->sizes().value(0), CMainFrame::kDefaultTreeSize);
    frame->setGeometry(100, 120, 700, 500);
    QApplication::processEvents();
    frame->Splitter()->setSizes({180, 200});
    Doc()->OnAutoChangeSize();
    Editor().AddTopMenu();

    // Cancel keeps the window open, but the values are stored already.
    prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    const QString pos = CText::ToQ(Setting("WindowPos"));
    EXPECT_TRUE(QRegularExpression("^\\d+,\\d+(,-?\\d+){8}$").match(pos).hasMatch()) << pos.toStdString();
    const auto placement = CWindowPlacement::Parse(pos);
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->m_nFlags, 0u);
    EXPECT_EQ(placement->m_nShowCmd, 1u);
    EXPECT_EQ(placement->m_rcNormalPosition, frame->normalGeometry());
    EXPECT_EQ(settings.GetInt("Settings", "Tree Height", 0), Tree()->height());
    EXPECT_EQ(settings.GetInt("Settings", "Tree Height", 0), 180);
    EXPECT_EQ(settings.GetInt("Settings", "Tree Width", 0), Tree()->width());
    EXPECT_EQ(settings.GetInt("Settings", "Auto Change Size", 0), 1);

    // No: closes without saving. The next start comes back with the same
    // rectangle, tree height and Auto-Change Menu Size.
    prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::No);
    EXPECT_TRUE(frame->close());
    ASSERT_TRUE(Restart());
    EXPECT_EQ(FrameFixture::Frame()->geometry(), placement->m_rcNormalPosition);
    EXPECT_EQ(FrameFixture::Frame()->Splitter()->sizes().value(0), 180);
    EXPECT_TRUE(Doc()->m_bAutoChangeSize);
    EXPECT_TRUE(FrameFixture::Frame()->Action(A::AutoChangeSize)->isChecked());
}

TEST_F(Frame, ExitYesSavesAndMaximizedComesBackMaximized)
{
    ASSERT_TRUE(Start());
    Editor().AddTopMenu();
    FrameFixture::Frame()->showMaximized();
    QApplication::processEvents();
    prompts.saveAnswers.push_back(IUserPrompts::SaveAnswer::Yes);
    prompts.fileNames.push_back(WorkPath(QStringLiteral("exit.htm")));
    FrameFixture::Frame()->Action(A::AppExit)->trigger();
    EXPECT_FALSE(FrameFixture::Frame()->isVisible());
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("exit.htm"))));
    EXPECT_FALSE(Doc()->IsModified());
    const auto placement = CWindowPlacement::Parse(CText::ToQ(Setting("WindowPos")));
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->m_nFlags, CWindowPlacement::kRestoreToMaximized);
    EXPECT_EQ(placement->m_nShowCmd, unsigned(CWindowPlacement::ShowMaximized));

    ASSERT_TRUE(Restart());
    EXPECT_TRUE(FrameFixture::Frame()->windowState() & Qt::WindowMaximized);
}

TEST_F(Frame, PlacementTextIsReadStrictly)
{
    EXPECT_FALSE(CWindowPlacement::Parse(""));
    EXPECT_FALSE(CWindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,30"));
    EXPECT_FALSE(CWindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,30,x"));
    EXPECT_FALSE(CWindowPlacement::Parse("0,1,-1,-1,-1,-1,10,20,30,99999999999"));
    const auto p = CWindowPlacement::Parse("2,3,-1,-1,-1,-1,10,20,310,220");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->m_rcNormalPosition, QRect(10, 20, 300, 200));
    EXPECT_EQ(p->Format(), "2,3,-1,-1,-1,-1,10,20,310,220");

    // A malformed stored value is ignored: the window opens as by default.
    settings.SetString("Settings", "WindowPos", "garbage");
    settings.SetInt("Settings", "Tree Height", 90);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(FrameFixture::Frame()->isVisible());
    EXPECT_FALSE(FrameFixture::Frame()->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    EXPECT_EQ(FrameFixture::Frame()->Splitter()->sizes().value(0), 90);
}

}  // namespace

namespace {

TEST(FrameCommandLine, PageProgramFolderHelpAndVersion)
{
    CCommandLine line;
    ASSERT_TRUE(line.Parse({"AppletTavelinWizard", "--program-dir", "/tmp/x/", "/web/menu.htm"}));
    EXPECT_EQ(line.m_strProgramDir, "/tmp/x");
    EXPECT_EQ(line.m_strPage, "/web/menu.htm");
    EXPECT_FALSE(line.m_bHelp || line.m_bVersion);

    CCommandLine help;
    ASSERT_TRUE(help.Parse({"AppletTavelinWizard", "--help"}));
    EXPECT_TRUE(help.m_bHelp);
    EXPECT_TRUE(CCommandLine::HelpText().contains("--program-dir"));
    CCommandLine version;
    ASSERT_TRUE(version.Parse({"AppletTavelinWizard", "--version"}));
    EXPECT_TRUE(version.m_bVersion);

    // Qt's own options are read as Qt reads them and leave the page alone.
    CCommandLine qt;
    ASSERT_TRUE(qt.Parse({"AppletTavelinWizard", "-platform", "offscreen", "-reverse", "-style=fusion", "-v"}))
        << qt.m_strError.toStdString();
    EXPECT_TRUE(qt.m_bVersion);
    EXPECT_TRUE(qt.m_strPage.isEmpty());
    EXPECT_FALSE(CCommandLine::HelpText().contains("platform"));

    // Refused: an unknown option, a missing folder, two pages.
    EXPECT_FALSE(CCommandLine().Parse({"AppletTavelinWizard", "--bogus"}));
    EXPECT_FALSE(CCommandLine().Parse({"AppletTavelinWizard", "-bogus"}));
    EXPECT_FALSE(CCommandLine().Parse({"AppletTavelinWizard", "--program-dir"}));
    CCommandLine two;
    EXPECT_FALSE(two.Parse({"AppletTavelinWizard", "a.htm", "b.htm"}));
    EXPECT_FALSE(two.m_strError.isEmpty());
}

}  // namespace
