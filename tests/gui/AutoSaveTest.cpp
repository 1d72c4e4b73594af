// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Autosave and recovery in the running editor: a copy follows unsaved
// changes, Save and a normal exit remove it, and an editor killed after an
// edit leaves a copy that the next start offers and recovers byte for byte.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FrameFixture.h"
#include "core/io/CStdFileSystem.h"
#include "core/project/CRecoveryStore.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CAppSettings.h"
#include "editor/CAutoSaver.h"
#include "editor/CModelEditor.h"
#include "gui/dialogs/CDlgRecoverCopies.h"

namespace {
constexpr const char* kChildFolder = "ATW_AUTOSAVE_CHILD";
constexpr const char* kChildPage = "ATW_AUTOSAVE_PAGE";

class AutoSave : public FrameFixture {
protected:
    QStringList Copies() const { return QDir(recovery.path()).entryList({QStringLiteral("*.atwr")}, QDir::Files); }
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
    // A copy left in the recovery folder by a run that ended abruptly.
    void LeaveCopy(const QString& id, const std::string& page, const std::string& name, std::int64_t at = 1796688000)
    {
        CRecoveryCopy copy;
        copy.pagePath = page;
        copy.savedAt = at;
        copy.projectText = "[Tavelin1.0]\r\nApStyle=" + name + ",0,200,500,0,0,,,,,,1,5,5,0,1,0,1,1,0,0,5,0\r\n";
        LeaveFile(id + QStringLiteral(".atwr"), QByteArray::fromStdString(CRecoveryStore::Encode(copy)));
    }
    // A file in the recovery folder (not synced: a thousand of them stay quick).
    void LeaveFile(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(recovery.path());
        QFile file(recovery.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
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
    // The question names the page with its folder.
    EXPECT_TRUE(
        prompts.recoverQuestions[0].startsWith(QStringLiteral("Recover unsaved changes to %1 from ")
                                                   .arg(QDir::toNativeSeparators(QFileInfo(page).absoluteFilePath()))))
        << prompts.recoverQuestions[0].toStdString();
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

// A recovered copy of a page that has no project file beside it (a page
// written by hand) never replaces that page unasked: the work comes back
// untitled and Save asks where, starting beside that page.
TEST_F(AutoSave, RecoveredWorkNeverReplacesAHandWrittenPageUnasked)
{
    const QString page = WorkPath(QStringLiteral("site/index.htm"));
    QDir().mkpath(QFileInfo(page).path());
    const std::string hand = "<html><body>written by hand</body></html>\n";
    ASSERT_TRUE(CStdFileSystem::Instance().WriteFileAtomic(CText::FromQ(page), hand));
    LeaveCopy(QStringLiteral("9-hand"), CText::FromQ(page), "Recovered");

    prompts.recoverAnswers.push_back(IUserPrompts::RecoverAnswer::Recover);
    ASSERT_TRUE(Start());
    ASSERT_EQ(prompts.recoverQuestions.size(), 1);
    EXPECT_TRUE(prompts.recoverQuestions[0].contains(QDir::toNativeSeparators(page)))
        << prompts.recoverQuestions[0].toStdString();
    EXPECT_EQ(Params().m_strName, "Recovered");
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_TRUE(Messages().contains(QStringLiteral("Save asks where")));

    // Save asks (and here is cancelled): the page is as it was.
    EXPECT_FALSE(Doc()->OnFileSave());
    ASSERT_EQ(prompts.saveInitials.size(), 1);
    EXPECT_EQ(QFileInfo(prompts.saveInitials[0]).absolutePath(), QFileInfo(page).absolutePath());
    std::string bytes;
    ASSERT_TRUE(CStdFileSystem::Instance().ReadFile(CText::FromQ(page), bytes));
    EXPECT_EQ(bytes, hand);
    EXPECT_FALSE(QFileInfo::exists(WorkPath(QStringLiteral("site/index.tvx"))));
}

// Many left copies are one list, many damaged ones one message; the list's
// Recover takes the chosen copy and keeps the rest, Discard All removes all.
TEST_F(AutoSave, ManyCopiesAreOneListAndDamagedOnesOneMessage)
{
    // More than the usual soft limit of open files lets one process hold
    // (a lock is held open for each copy on offer).
    constexpr int kCopies = 1200;
    for (int i = 0; i < kCopies; ++i)
        LeaveCopy(QStringLiteral("%1-left").arg(100 + i), "/w/page" + std::to_string(i) + ".htm",
                  "Copy " + std::to_string(i), 1796688000 + i);
    for (int i = 0; i < 6; ++i)
        LeaveFile(QStringLiteral("%1-bad.atwr").arg(i), "not a copy");

    // The usual soft limit of open files of a desktop session.
    struct rlimit files {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &files), 0);
    const struct rlimit before = files;
    files.rlim_cur = std::min<rlim_t>(1024, files.rlim_max);
    ::setrlimit(RLIMIT_NOFILE, &files);
    prompts.recoverListAnswers.push_back({IUserPrompts::RecoverAnswer::Recover, 500});
    const bool started = Start();
    ::setrlimit(RLIMIT_NOFILE, &before);
    ASSERT_TRUE(started);
    ASSERT_EQ(prompts.recoverQuestions.size(), 1);
    ASSERT_EQ(prompts.recoverLists.size(), 1u);
    ASSERT_EQ(prompts.recoverLists[0].size(), kCopies);
    EXPECT_TRUE(prompts.recoverLists[0][500].contains(QDir::toNativeSeparators(QStringLiteral("/w/page500.htm"))));
    ASSERT_EQ(prompts.messages.size(), 1) << prompts.messages.join("|").toStdString();
    EXPECT_TRUE(prompts.messages[0].startsWith(QStringLiteral("6 recovery copies")));
    EXPECT_EQ(prompts.messages[0].count(QStringLiteral("-bad.atwr")), 6);
    EXPECT_EQ(Params().m_strName, "Copy 500");
    // This editor's own copy of the recovered work, and all the others.
    EXPECT_EQ(Copies().size(), kCopies);

    ASSERT_TRUE(Restart());  // Later
    ASSERT_EQ(prompts.recoverLists.size(), 2u);
    EXPECT_EQ(prompts.recoverLists[1].size(), kCopies - 1);
    EXPECT_EQ(prompts.messages.size(), 1);  // the damaged ones are not told again

    prompts.recoverListAnswers.push_back({IUserPrompts::RecoverAnswer::Discard, -1});
    ASSERT_TRUE(Restart());
    EXPECT_EQ(prompts.recoverLists.size(), 3u);
    EXPECT_TRUE(Copies().isEmpty());
}

// Recover All saves every copy into the chosen folder under its page's name,
// never over a file there, and opens none; a copy that cannot be saved (its
// name is too long for the file system) stays for the next start.
TEST_F(AutoSave, RecoverAllSavesEveryCopyIntoAFolder)
{
    LeaveCopy(QStringLiteral("1-left"), "/w/menu.htm", "First", 1796688000);
    LeaveCopy(QStringLiteral("2-left"), "/elsewhere/menu.htm", "Second", 1796688001);
    LeaveCopy(QStringLiteral("3-left"), "", "Untitled", 1796688002);
    LeaveCopy(QStringLiteral("4-left"), "/w/" + std::string(300, 'n') + ".htm", "Long", 1796688003);
    QTemporaryDir target;
    QFile mine(target.filePath(QStringLiteral("menu.htm")));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("a page of the user's");
    mine.close();
    prompts.recoverListAnswers.push_back({IUserPrompts::RecoverAnswer::RecoverAll, -1});
    prompts.folderNames.push_back(target.path());
    ASSERT_TRUE(Start());

    ASSERT_EQ(prompts.messages.size(), 1) << prompts.messages.join("|").toStdString();
    const QString& told = prompts.messages[0];
    EXPECT_TRUE(told.startsWith(QStringLiteral("3 recovery copies were saved in "))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("A recovery copy could not be saved"))) << told.toStdString();
    QFile kept(target.filePath(QStringLiteral("menu.htm")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("a page of the user's"));
    QStringList names;
    for (const QString& page : {QStringLiteral("menu (2)"), QStringLiteral("menu (3)"), QStringLiteral("untitled")}) {
        QFile project(target.filePath(page + QStringLiteral(".tvx")));
        ASSERT_TRUE(project.open(QIODevice::ReadOnly)) << page.toStdString();
        EXPECT_TRUE(QFileInfo(target.filePath(page + QStringLiteral(".htm"))).isFile()) << page.toStdString();
        const QByteArray text = project.readAll();
        for (const char* name : {"First", "Second", "Untitled"})
            if (text.contains(QByteArray("ApStyle=") + name))
                names << QString::fromLatin1(name);
    }
    names.sort();
    EXPECT_EQ(names, QStringList({QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Untitled")}));
    EXPECT_EQ(Copies(), QStringList{QStringLiteral("4-left.atwr")});
    EXPECT_NE(Params().m_strName, "Long");
}

// The list itself: Recover gives the chosen row (the newest at first),
// Discard All no row, closing it Later.
TEST_F(AutoSave, RecoverListDialogGivesTheChoice)
{
    const QStringList rows{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    {
        CDlgRecoverCopies dialog(QStringLiteral("Three"), rows);
        EXPECT_EQ(dialog.Answer().answer, IUserPrompts::RecoverAnswer::Later);
        EXPECT_EQ(dialog.List()->currentRow(), 2);
        dialog.List()->setCurrentRow(1);
        dialog.RecoverButton()->click();
        EXPECT_EQ(dialog.Answer().answer, IUserPrompts::RecoverAnswer::Recover);
        EXPECT_EQ(dialog.Answer().row, 1);
    }
    {
        CDlgRecoverCopies dialog(QStringLiteral("Three"), rows);
        dialog.DiscardAllButton()->click();
        EXPECT_EQ(dialog.Answer().answer, IUserPrompts::RecoverAnswer::Discard);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    {
        CDlgRecoverCopies dialog(QStringLiteral("Three"), rows);
        dialog.reject();
        EXPECT_EQ(dialog.Answer().answer, IUserPrompts::RecoverAnswer::Later);
    }
}

// Another user's copy is moved out of the way once and said once; copies
// are written readable by the user alone.
TEST_F(AutoSave, AnotherUsersCopyIsToldOnceAndOwnCopiesArePrivate)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making files of another user needs root";
    LeaveCopy(QStringLiteral("3-theirs"), "/w/theirs.htm", "Theirs");
    const QByteArray theirs = QFile::encodeName(recovery.filePath(QStringLiteral("3-theirs.atwr")));
    ASSERT_EQ(::chown(theirs.constData(), 65534, 65534), 0);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(prompts.recoverQuestions.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(QStringLiteral("to another user")));
    EXPECT_NE(Params().m_strName, "Theirs");
    Edit(QStringLiteral("Mine"));
    ASSERT_TRUE(WriteCopy());
    ASSERT_EQ(Copies().size(), 1);
    EXPECT_EQ(QFile::permissions(recovery.filePath(Copies()[0])),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);
    ASSERT_TRUE(Restart());
    EXPECT_EQ(prompts.messages.size(), 1);
}

// A recovery folder that is a link to another user's folder (or a link left
// dangling) is not used, and the start says so; nothing is written there.
TEST_F(AutoSave, ARecoveryFolderOfAnotherUserIsRefusedAndTold)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making files of another user needs root";
    const QString theirs = WorkPath(QStringLiteral("theirs"));
    ASSERT_TRUE(QDir().mkpath(theirs));
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
    for (const QString& target : {theirs, WorkPath(QStringLiteral("gone"))}) {
        recoveryPath = WorkPath(QStringLiteral("link"));
        QFile::remove(recoveryPath);
        ASSERT_TRUE(QFile::link(target, recoveryPath));
        prompts.messages.clear();
        CAppSettings(settings).SetAutoSaveInterval(1);
        ASSERT_TRUE(Restart()) << target.toStdString();
        ASSERT_EQ(prompts.messages.size(), 1) << target.toStdString();
        EXPECT_TRUE(prompts.messages[0].startsWith(
            QStringLiteral("The recovery folder %1 is not yours").arg(QDir::toNativeSeparators(recoveryPath))));
        Edit(QStringLiteral("Mine"));
        app->AutoSaver()->WriteSoon();
        app->AutoSaver()->WaitForWrite();
        EXPECT_TRUE(QDir(theirs).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
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
