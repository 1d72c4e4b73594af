// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

#include "RandomModel.h"
#include "core/io/CStdFileSystem.h"
#include "core/project/CRecoveryStore.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CAutoSaver.h"
#include "editor/CModelEditor.h"
#include "editor/CText.h"

// The autosaver composes a copy on this thread and writes it on a worker
// while editing goes on. Run under ThreadSanitizer too (scripts/setup.sh test).
namespace {
class AutoSaver : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(store.Open());
    }
    void Rename(int n)
    {
        CAppletSettings applet = params;
        applet.m_strName = "Edit " + std::to_string(n);
        editor.SetAppletSettings(applet);
    }
    bool WaitIdle()
    {
        QElapsedTimer clock;
        clock.start();
        while (saver.Busy() && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return !saver.Busy();
    }
    std::string CopyText()
    {
        // The run's own copy is the only one in the folder.
        std::string bytes;
        CRecoveryCopy copy;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(store.Folder(), ec)) {
            if (entry.path().extension() == CRecoveryStore::kCopyExt &&
                CStdFileSystem::Instance().ReadFile(entry.path().string(), bytes) &&
                CRecoveryStore::Decode(bytes, copy))
                return copy.projectText;
        }
        return "(no intact copy)";
    }
    std::string ModelText() { return CPageWriter(params, CStdFileSystem::Instance(), std::string()).ProjectText(); }

    QTemporaryDir folder;
    CAppletParameters params;
    CModelEditor editor{params};
    CMemorySettings settings;
    CRecoveryStore store{CStdFileSystem::Instance(), CText::FromQ(folder.path())};
    CAutoSaver saver{editor, store, settings, CStdFileSystem::Instance(), [] { return QString(); }};
};
}  // namespace

// Edits made while a copy is composed and while the worker writes it all end
// up in the last copy, which is intact and holds exactly the model.
TEST_F(AutoSaver, EditsDuringComposingAndWritingReachTheLastCopy)
{
    RandomModel random(7);
    RandomModel::Options options;
    options.items = 3 * static_cast<int>(CAutoSaver::kSliceItems);  // several slices
    options.longTextPercent = 0;
    random.Fill(params, options);
    editor.NotifyReset();

    for (int n = 0; n < 40; ++n) {
        Rename(n);
        saver.WriteSoon();
        // Every other round lets the composing and the worker run a while
        // before the next edit arrives.
        for (int spin = 0; spin < (n % 2) * 20; ++spin)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    ASSERT_TRUE(WaitIdle());
    saver.WriteSoon();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(CopyText(), ModelText());
}

// A write collected by WaitForWrite (as at exit) leaves no late signal that
// touches the saver, and the next copy is still written.
TEST_F(AutoSaver, WaitingForAWriteAndWritingAgain)
{
    int written = 0;
    QObject::connect(&saver, &CAutoSaver::Written, [&written](bool ok) { written += ok ? 1 : 0; });
    for (int n = 0; n < 20; ++n) {
        Rename(n);
        saver.WriteSoon();
        saver.WaitForWrite();
    }
    ASSERT_TRUE(WaitIdle());
    EXPECT_GT(written, 0);
    Rename(100);
    saver.WriteSoon();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(CopyText(), ModelText());
}
