// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include "core/settings/CMemorySettings.h"
#include "editor/CBrowserLauncher.h"
#include "gui/widgets/CHelpSystem.h"
#include "support/CScriptedPrompts.h"

namespace {

// The pages are read from the source tree's data folder, the program folder
// of these tests.
class HelpTest : public ::testing::Test {
protected:
    void SetUp() override {}
    void TearDown() override { m_help.LeaveContextHelpMode(); }
    QUrl PageUrl(const QString& page) const
    {
        return QUrl::fromLocalFile(m_help.HelpFolder() + QLatin1Char('/') + page);
    }
    // The single page opened since the last call.
    QString TakeOpenedPage()
    {
        EXPECT_EQ(m_prompts.urls.size(), 1);
        const QString page =
            m_prompts.urls.isEmpty() ? QString() : QFileInfo(m_prompts.urls[0].toLocalFile()).fileName();
        m_prompts.urls.clear();
        return page;
    }

    CScriptedPrompts m_prompts;
    CMemorySettings m_settings;
    CBrowserLauncher m_browser{m_prompts, m_settings};
    CHelpSystem m_help{ATW_SOURCE_DIR "/data", m_browser};
};

TEST_F(HelpTest, EveryContextHasAPageOfItsOwn)
{
    const QList<int> required = {131175,        131239,        131213,        131216,        131218,
                                 131219,        131220,        65655,         65656,         65657,
                                 65658,         0x20000 + 139, 0x20000 + 150, 0x20000 + 151, 0x20000 + 169,
                                 0x20000 + 170, 0x20000 + 131, 0x20000 + 152, 0x20000 + 154, 0x20000 + 155,
                                 0x20000 + 153, 0x20000 + 100};
    const QList<int> contexts = CHelpSystem::Contexts();
    QSet<QString> pages;
    for (int context : required) {
        EXPECT_TRUE(contexts.contains(context)) << context;
        const QString page = CHelpSystem::PageFor(context);
        EXPECT_NE(page, QStringLiteral("index.htm")) << context;
        EXPECT_TRUE(QFileInfo::exists(m_help.HelpFolder() + QLatin1Char('/') + page)) << page.toStdString();
        pages.insert(page);
    }
    EXPECT_EQ(pages.size(), required.size());
    for (int unknown : {0, -1, 1, 131174})
        EXPECT_EQ(CHelpSystem::PageFor(unknown), QStringLiteral("index.htm"));
    EXPECT_TRUE(QFileInfo::exists(m_help.HelpFolder() + QStringLiteral("/index.htm")));
    EXPECT_TRUE(QFileInfo::exists(m_help.HelpFolder() + QStringLiteral("/keywords.htm")));
}

TEST_F(HelpTest, HelpCommandsOpenTheirPagesInTheChosenBrowser)
{
    m_help.ShowContents(nullptr);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("index.htm"));
    m_help.ShowTopic(nullptr, CHelpSystem::kGettingStarted);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("getting_started.htm"));
    m_help.ShowTopic(nullptr, CHelpSystem::kFaq);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("faq.htm"));
    m_help.ShowIndex(nullptr);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("keywords.htm"));
    m_help.ShowTopic(nullptr, 4242);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("index.htm"));

    // A user-specified browser gets the page's path.
    m_browser.SetChoice(CBrowserLauncher::Mode::Specified, "/opt/browser", 0);
    m_help.ShowTopic(nullptr, CHelpSystem::kMenuStyle);
    ASSERT_EQ(m_prompts.starts.size(), 1u);
    EXPECT_EQ(m_prompts.starts[0].program, QStringLiteral("/opt/browser"));
    EXPECT_EQ(m_prompts.starts[0].arguments, QStringList{PageUrl("menu_style.htm").toLocalFile()});
}

// A main window holding a page with a context, an edit on it, and a button
// and an edit without any context.
struct HelpWindow {
    HelpWindow()
    {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        page = new QWidget;
        page->setProperty("helpContext", CHelpSystem::kItem);
        auto* pageLayout = new QVBoxLayout(page);
        pageEdit = new QLineEdit;
        pageLayout->addWidget(pageEdit);
        plainEdit = new QLineEdit;
        button = new QPushButton(QStringLiteral("Press"));
        layout->addWidget(page);
        layout->addWidget(plainEdit);
        layout->addWidget(button);
        window.setCentralWidget(central);
        window.statusBar();
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QMainWindow window;
    QWidget* page = nullptr;
    QLineEdit* pageEdit = nullptr;
    QLineEdit* plainEdit = nullptr;
    QPushButton* button = nullptr;
};

TEST_F(HelpTest, F1ShowsTheHelpOfTheFocusedWidgetsNearestContext)
{
    m_help.InstallHelpKeys();
    HelpWindow w;
    w.pageEdit->setFocus();
    QTest::keyClick(w.pageEdit, Qt::Key_F1);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("item.htm"));
    w.plainEdit->setFocus();
    QTest::keyClick(w.plainEdit, Qt::Key_F1);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("index.htm"));
    // The key is not typed into the edit.
    EXPECT_TRUE(w.plainEdit->text().isEmpty());
}

TEST_F(HelpTest, ContextHelpModeShowsTheHelpOfTheNextClick)
{
    m_help.InstallHelpKeys();
    HelpWindow w;
    int pressed = 0;
    QObject::connect(w.button, &QPushButton::clicked, [&] { ++pressed; });

    // Shift+F1 enters the mode: prompt and pointer.
    w.plainEdit->setFocus();
    QTest::keyClick(w.plainEdit, Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(m_help.InContextHelpMode());
    EXPECT_EQ(w.window.statusBar()->currentMessage(), QStringLiteral("Select an object on which to get Help"));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    EXPECT_TRUE(m_prompts.urls.isEmpty());

    // A click on a widget inside the page: the page's help, and the click
    // does nothing else; the mode ends.
    QTest::mouseClick(w.pageEdit, Qt::LeftButton);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("item.htm"));
    EXPECT_FALSE(m_help.InContextHelpMode());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(w.window.statusBar()->currentMessage().isEmpty());

    // A widget without a context gives the contents; its own click is eaten.
    m_help.EnterContextHelpMode(&w.window);
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_EQ(TakeOpenedPage(), QStringLiteral("index.htm"));
    EXPECT_EQ(pressed, 0);
    // Out of the mode clicks work again.
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(m_prompts.urls.isEmpty());

    // Escape leaves the mode without help.
    m_help.EnterContextHelpMode(&w.window);
    QTest::keyClick(w.plainEdit, Qt::Key_Escape);
    EXPECT_FALSE(m_help.InContextHelpMode());
    EXPECT_TRUE(m_prompts.urls.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
