// Autosave and recovery in the running editor: a copy follows unsaved
// changes, Save and a normal exit remove it, and an editor killed after an
// edit leaves a copy that the next start offers and recovers byte for byte.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include "FrameFixture.h"
#include "editor/CAutoSaver.h"
#include "editor/CModelEditor.h"
#include "codec/CPageWriter.h"
#include "codec/CRecoveryStore.h"
#include "codec/CStdFileSystem.h"
#include "templates/CAppSettings.h"

namespace {
constexpr const char* kChildFolder = "ATW_AUTOSAVE_CHILD";
constexpr const char* kChildPage = "ATW_AUTOSAVE_PAGE";

class AutoSave : public FrameFixture {
protected:
    QStringList Copies() const
    {
        return QDir(recovery.path()).entryList({QStringLiteral("*.atwr")}, QDir::Files);
    }
    // One edit through the model editor, as the property pages make it.
    void Edit(const QString& name)
    {
        CAppletSettings applet = Params();
        applet.m_strName = CText::FromQ(name);
        Editor().SetAppletSettings(applet);
    }
    // Writes the copy now and waits until it is on disk.
    bool WriteCopy()
    {
        CAutoSaver* saver = app->AutoSaver();
        saver->WriteSoon();
        QElapsedTimer clock;
        clock.start();
        while (saver->Busy() && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return !saver->Busy();
    }
    std::string ProjectText() const
    {
        return CPageWriter(Params(), CStdFileSystem::Instance(), CText::FromQ(program.path())).ProjectText();
    }
};
}  // namespace

TEST_F(AutoSave, CopyFollowsUnsavedChangesAndSaveAndExitRemoveIt)
{
    ASSERT_TRUE(Start());
    EXPECT_TRUE(prompts.recoverQuestions.isEmpty());
    Edit(QStringLiteral("First"));
    ASSERT_TRUE(WriteCopy());
    ASSERT_EQ(Copies().size(), 1);
    std::string bytes;
    CRecoveryCopy copy;
    ASSERT_TRUE(CStdFileSystem::Instance().ReadFile(CText::FromQ(recovery.filePath(Copies()[0])), bytes));
    ASSERT_TRUE(CRecoveryStore::Decode(bytes, copy));
    EXPECT_EQ(copy.projectText, ProjectText());
    EXPECT_EQ(copy.pagePath, "");

    ASSERT_TRUE(SaveAs(QStringLiteral("menu.htm")));
    EXPECT_TRUE(Copies().isEmpty());

    // Undo back to what was saved removes the copy too.
    Edit(QStringLiteral("Second"));
    ASSERT_TRUE(WriteCopy());
    EXPECT_EQ(Copies().size(), 1);
    Editor().History().undo();
    EXPECT_TRUE(Copies().isEmpty());

    // A normal exit, after "No" to saving, leaves nothing to offer.
    Edit(QStringLiteral("Third"));
    ASSERT_TRUE(WriteCopy());
    ASSERT_TRUE(Restart());
    EXPECT_TRUE(prompts.recoverQuestions.isEmpty());
    EXPECT_TRUE(QDir(recovery.path()).entryList(QDir::Files).filter(QStringLiteral(".atwr")).isEmpty());

    // Off in the Options: no copy at all.
    CAppSettings(settings).SetAutoSaveInterval(0);
    Edit(QStringLiteral("Fourth"));
    app->AutoSaver()->WriteSoon();
    EXPECT_FALSE(app->AutoSaver()->Busy());
    EXPECT_TRUE(Copies().isEmpty());
}

// A copy that cannot be written is told once in the message list, and its
// return too.
TEST_F(AutoSave, ACopyThatCannotBeWrittenIsTold)
{
    QFile blocker(WorkPath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    recoveryPath = WorkPath(QStringLiteral("blocker/recovery"));  // under a file: no folder can be made
    CAppSettings(settings).SetAutoSaveInterval(1);
    ASSERT_TRUE(Start());
    const QString failed = QStringLiteral("Unsaved changes could not be autosaved: the recovery folder ") +
                           recoveryPath + QStringLiteral(" cannot be written.");
    // Told by the write that an edit's timer starts, and only once.
    Edit(QStringLiteral("First"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Messages().contains(failed); }, 10000)) << Messages().toStdString();
    Edit(QStringLiteral("Second"));
    QTest::qWait(1500);
    EXPECT_EQ(Messages().count(failed), 1) << Messages().toStdString();
}

// Run as a child process by the test below: an editor that keeps editing
// and autosaving until it is killed.
TEST_F(AutoSave, ChildEditorKeepsEditing)
{
    const QString folder = qEnvironmentVariable(kChildFolder);
    if (folder.isEmpty())
        GTEST_SKIP() << "runs only as the child of KilledEditorIsOfferedAndRecoveredByteForByte";
    recoveryPath = folder;
    CAppSettings(settings).SetAutoSaveInterval(1);
    ASSERT_TRUE(Start());
    prompts.fileNames.push_back(qEnvironmentVariable(kChildPage));
    ASSERT_TRUE(Doc()->OnFileSaveAs());
    QObject::connect(app->AutoSaver(), &CAutoSaver::Written, [](bool ok) {
        std::fputs(ok ? "written\n" : "failed\n", stdout);
        std::fflush(stdout);
    });
    int n = 0;
    QTimer edits;
    QObject::connect(&edits, &QTimer::timeout, [this, &n] { Edit(QStringLiteral("Edit %1").arg(++n)); });
    edits.start(40);
    QTest::qWait(60000);
}

TEST_F(AutoSave, KilledEditorIsOfferedAndRecoveredByteForByte)
{
    const QString page = WorkPath(QStringLiteral("menu.htm"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kChildFolder), recovery.path());
    env.insert(QString::fromLatin1(kChildPage), page);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), work.path());  // the child's own folders die with this test
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=AutoSave.ChildEditorKeepsEditing")});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains("written\n") && clock.elapsed() < 30000 && child.state() == QProcess::Running) {
        child.waitForReadyRead(100);
        out += child.readAllStandardOutput();
    }
    ASSERT_TRUE(out.contains("written\n")) << out.toStdString();
    // Killed at some moment of its editing and autosaving.
    QTest::qWait(static_cast<int>(QRandomGenerator::global()->bounded(1500)));
    child.kill();
    child.waitForFinished();

    ASSERT_EQ(Copies().size(), 1);
    std::string bytes;
    CRecoveryCopy left;
    ASSERT_TRUE(CStdFileSystem::Instance().ReadFile(CText::FromQ(recovery.filePath(Copies()[0])), bytes));
    ASSERT_TRUE(CRecoveryStore::Decode(bytes, left));
    EXPECT_EQ(left.pagePath, CText::FromQ(QFileInfo(page).absoluteFilePath()));

    prompts.recoverAnswers.push_back(IUserPrompts::RecoverAnswer::Recover);
    ASSERT_TRUE(Start());
    ASSERT_EQ(prompts.recoverQuestions.size(), 1);
    EXPECT_TRUE(prompts.recoverQuestions[0].startsWith(QStringLiteral("Recover unsaved changes to menu.htm from ")));
    EXPECT_EQ(prompts.recoverQuestions[0], CAutoSaver::RecoverQuestion(left));
    EXPECT_EQ(ProjectText(), left.projectText);
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Doc()->PathName(), QFileInfo(page).absoluteFilePath());
    // The recovered work is this editor's copy now; the left one is gone.
    ASSERT_EQ(Copies().size(), 1);
    EXPECT_NE(Copies()[0].toStdString(), left.id + CRecoveryStore::kCopyExt);

    // Save writes it where it belongs and leaves no copy behind.
    ASSERT_TRUE(Doc()->OnFileSave());
    EXPECT_TRUE(Copies().isEmpty());
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(AutoSave, LaterKeepsTheCopyAndDiscardRemovesIt)
{
    CRecoveryCopy copy;
    copy.pagePath = "/nowhere/shop.htm";
    copy.savedAt = 1796688000;
    copy.projectText = "[Tavelin1.0]\r\nApStyle=Left over,0,200,500,0,0,,,,,,1,5,5,0,1,0,1,1,0,0,5,0\r\n";
    QDir().mkpath(recovery.path());
    ASSERT_TRUE(CStdFileSystem::Instance().WriteFileAtomic(CText::FromQ(recovery.filePath("7-dead.atwr")),
                                                           CRecoveryStore::Encode(copy)));
    CStdFileSystem::Instance().WriteFileAtomic(CText::FromQ(recovery.filePath("8-bad.atwr")), "not a copy");

    prompts.recoverAnswers.push_back(IUserPrompts::RecoverAnswer::Later);
    ASSERT_TRUE(Start());
    EXPECT_EQ(prompts.recoverQuestions, QStringList{CAutoSaver::RecoverQuestion(copy)});
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("kept aside")));
    EXPECT_NE(Params().m_strName, "Left over");

    prompts.recoverAnswers.push_back(IUserPrompts::RecoverAnswer::Discard);
    ASSERT_TRUE(Restart());
    EXPECT_EQ(prompts.recoverQuestions.size(), 2);
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(Copies().isEmpty());
    ASSERT_TRUE(Restart());
    EXPECT_EQ(prompts.recoverQuestions.size(), 2);
}

// Recovery copies are state, not data: they live under $XDG_STATE_HOME, or
// ~/.local/state when it is unset or not an absolute path.
TEST(AutoSaveFolder, RecoveryCopiesLiveInTheStateFolder)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    const QString tail = QStringLiteral("/") + QCoreApplication::organizationName() + QStringLiteral("/") +
                         QCoreApplication::applicationName() + QStringLiteral("/recovery");
    const QString home = QDir::homePath() + QStringLiteral("/.local/state");
    const struct {
        const char* value;
        QString expected;
    } cases[] = {{"/tmp/state", QStringLiteral("/tmp/state") + tail},
                 {"/tmp/state/", QStringLiteral("/tmp/state") + tail},
                 {"", home + tail},
                 {"relative/state", home + tail}};
    for (const auto& c : cases) {
        qputenv("XDG_STATE_HOME", c.value);
        EXPECT_EQ(CAppletTavelinWizardApp::DefaultRecoveryFolder(), QDir::cleanPath(c.expected)) << c.value;
    }
    qputenv("XDG_STATE_HOME", saved);
}
