// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include "BrowserFakePath.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CModelEditor.h"
#include "editor/CPreview.h"
#include "editor/CText.h"
#include "support/CTestEditor.h"

namespace {

// A program folder of its own, scripted prompts, memory settings and a PATH
// that holds only the fake browsers a test makes.
class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.isValid());
        SetChoice(1, "", 0);
    }

    // mode as the settings store it.
    void SetChoice(int mode, const std::string& path, int known)
    {
        m_run.browser.SetChoice(CBrowserLauncher::ModeOf(mode), path, known);
    }
    CModelEditor& Editor() { return m_run.editor; }
    CAppletParameters& Params() { return m_run.params; }
    QString MakeProgram(const QString& name) { return m_path.MakeProgram(name); }
    QString TmpFolder() const { return m_program.filePath(QStringLiteral("tmp")); }
    QString PagePath() const { return TmpFolder() + QStringLiteral("/~AppMenu.htm"); }
    // Runs Preview and gives what was started, leaving the prompts empty.
    CScriptedPrompts::Start PreviewStart()
    {
        m_prompts.starts.clear();
        CPreview(m_run.context).Preview(nullptr);
        EXPECT_EQ(m_prompts.starts.size(), 1u);
        EXPECT_TRUE(m_prompts.urls.isEmpty());
        auto start = m_prompts.starts.empty() ? CScriptedPrompts::Start() : m_prompts.starts.front();
        m_prompts.starts.clear();
        return start;
    }
    QList<QUrl> PreviewUrls()
    {
        m_prompts.urls.clear();
        CPreview(m_run.context).Preview(nullptr);
        EXPECT_TRUE(m_prompts.starts.empty());
        const QList<QUrl> urls = m_prompts.urls;
        m_prompts.urls.clear();
        return urls;
    }

    QTemporaryDir m_program;
    BrowserFakePath m_path;
    CTestEditor m_run{CText::FromQ(m_program.path())};
    CScriptedPrompts& m_prompts = m_run.prompts;
};

TEST_F(PreviewTest, StartsTheChosenBrowserForEveryMode)
{
    const QUrl page = QUrl::fromLocalFile(PagePath());
    // Mode 1: the desktop's default browser gets the page.
    EXPECT_EQ(PreviewUrls(), QList<QUrl>{page});

    // Mode 0: the user's executable, blanks in its path, the full page path
    // as one argument and no working folder of its own.
    SetChoice(0, "/opt/My Browser/run browser", 0);
    auto start = PreviewStart();
    EXPECT_EQ(start.program, QStringLiteral("/opt/My Browser/run browser"));
    EXPECT_EQ(start.arguments, QStringList{PagePath()});
    EXPECT_TRUE(start.workingDirectory.isEmpty());

    // Modes 2 and any other value: the detected browser at the position.
    MakeProgram(QStringLiteral("firefox"));
    const QString chromium = MakeProgram(QStringLiteral("chromium"));
    SetChoice(2, "/opt/ignored", 1);
    EXPECT_EQ(PreviewStart().program, chromium);
    SetChoice(3, "", 1);
    start = PreviewStart();
    EXPECT_EQ(start.program, chromium);
    EXPECT_EQ(start.arguments, QStringList{PagePath()});

    // A position the detected list lacks, or mode 0 without a path: the
    // default browser stands in.
    for (int known : {-1, 2, 99}) {
        SetChoice(2, "", known);
        EXPECT_EQ(PreviewUrls(), QList<QUrl>{page}) << known;
    }
    SetChoice(0, "", 0);
    EXPECT_EQ(PreviewUrls(), QList<QUrl>{page});
}

TEST_F(PreviewTest, AppletViewerRunsInThePreviewFolderOnTheBarePageName)
{
    const QString before = QDir::currentPath();
    SetChoice(0, "/Opt/Jdk/bin/AppletViewer", 0);
    auto start = PreviewStart();
    // The path is started as the user wrote it (case matters here).
    EXPECT_EQ(start.program, QStringLiteral("/Opt/Jdk/bin/AppletViewer"));
    EXPECT_EQ(start.arguments, QStringList{QStringLiteral("~AppMenu.htm")});
    EXPECT_EQ(QDir(start.workingDirectory).canonicalPath(), QDir(TmpFolder()).canonicalPath());
    EXPECT_EQ(QDir::currentPath(), before);

    // A detected applet viewer is treated the same way.
    const QString viewer = MakeProgram(QStringLiteral("appletviewer"));
    SetChoice(2, "", 0);
    start = PreviewStart();
    EXPECT_EQ(start.program, viewer);
    EXPECT_EQ(start.arguments, QStringList{QStringLiteral("~AppMenu.htm")});
}

TEST_F(PreviewTest, WritesThePageAndProjectIntoTmp)
{
    auto& editor = Editor();
    CTavelin* menu = editor.AddTopMenu();
    editor.InsertNewItem(menu, nullptr, 0);
    Params().m_strName = "Preview Title";

    // Twice: a preview folder left by the first is no failure.
    for (int run = 0; run < 2; ++run) {
        PreviewUrls();
        EXPECT_TRUE(m_prompts.messages.isEmpty()) << m_prompts.messages.join('|').toStdString();
    }
    QFile page(PagePath());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    EXPECT_TRUE(text.contains("<title>Preview Title</title>"));
    EXPECT_TRUE(text.contains("<applet code=\"tavelin.class\""));
    EXPECT_TRUE(text.contains("name=\"I0-0\""));
    EXPECT_TRUE(QFile::exists(TmpFolder() + QStringLiteral("/~AppMenu.tvx")));
    // No class file beside the program, so none in the preview folder.
    EXPECT_FALSE(QFile::exists(TmpFolder() + QStringLiteral("/tavelin.class")));

    // With the class file beside the program it is copied too.
    QFile classFile(m_program.filePath(QStringLiteral("tavelin.class")));
    ASSERT_TRUE(classFile.open(QIODevice::WriteOnly));
    classFile.write("class");
    classFile.close();
    PreviewUrls();
    EXPECT_TRUE(QFile::exists(TmpFolder() + QStringLiteral("/tavelin.class")));
}

TEST_F(PreviewTest, WriteFailureIsShownAndTheBrowserStillStarts)
{
    // A file where the preview folder should be: nothing can be written.
    QFile blocker(TmpFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(PreviewUrls().size(), 1);
    EXPECT_EQ(m_prompts.messages, QStringList{TmpFolder() + " is a file, not a folder; ~AppMenu.htm was not saved."});
}

TEST_F(PreviewTest, ViewSampleUsesTheChoiceWithoutTheAppletViewerCase)
{
    const QString sample = m_program.filePath(QStringLiteral("Sample/Samples.htm"));
    CPreview(m_run.context).ViewSample();
    EXPECT_EQ(m_prompts.urls, QList<QUrl>{QUrl::fromLocalFile(sample)});

    SetChoice(0, "/jdk/bin/appletviewer", 0);
    CPreview(m_run.context).ViewSample();
    ASSERT_EQ(m_prompts.starts.size(), 1u);
    EXPECT_EQ(m_prompts.starts[0].program, QStringLiteral("/jdk/bin/appletviewer"));
    EXPECT_EQ(m_prompts.starts[0].arguments, QStringList{sample});
    EXPECT_TRUE(m_prompts.starts[0].workingDirectory.isEmpty());
    // View Sample writes nothing.
    EXPECT_FALSE(QFile::exists(TmpFolder()));
}

}  // namespace
