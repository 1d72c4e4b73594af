// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/CAppletTavelinWizardApp.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CAppletTavelinWizardDoc.h"
#include "editor/CEditorContext.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"
#include "editor/CText.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CWizardInfoView.h"
#include "gui/tree/CAppletTavelinWizardView.h"
#include "support/CScriptedPrompts.h"

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The real editor started as the program starts it: a temporary program
// folder laid from the shipped data of the build, settings in memory,
// scripted prompts, and a second temporary folder for the pages a test saves.
class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(program.isValid() && work.isValid());
        CopyTree(QStringLiteral(ATW_BIN_DIR), program.path(), 0);
    }

    void TearDown() override { app.reset(); }

    // Starts the editor; extra arguments follow the program folder.
    bool Start(const QStringList& extra = {})
    {
        QStringList args{QStringLiteral("AppletTavelinWizard"), QStringLiteral("--program-dir"), program.path()};
        app = std::make_unique<CAppletTavelinWizardApp>(&settings, &prompts);
        app->SetRecoveryFolder(recoveryPath.isEmpty() ? recovery.path() : recoveryPath);
        if (!sharedPath.isEmpty())
            app->SetSharedDataFolder(sharedPath);
        started = app->InitInstance(args + extra);
        return started;
    }
    // Closes and starts again over the same settings and program folder.
    bool Restart(const QStringList& extra = {})
    {
        app.reset();
        started = false;
        return Start(extra);
    }

    CMainFrame* Frame() const { return app->MainFrame(); }
    CAppletTavelinWizardDoc* Doc() const { return app->Document(); }
    const CEditorContext& Context() const { return app->Context(); }
    CModelEditor& Editor() const { return Context().editor; }
    CSelection& Selection() const { return Context().selection; }
    CAppletTavelinWizardView* Tree() const { return Frame()->TreeView(); }
    QString Messages() const { return Frame()->InfoView()->MessageText(); }
    CAppletParameters& Params() const { return Context().Params(); }
    void Trigger(int id) { Frame()->Action(id)->trigger(); }
    QString WorkPath(const QString& name) const { return work.filePath(name); }

    // Saves the project as name in the work folder through Save As.
    bool SaveAs(const QString& name)
    {
        prompts.fileNames.push_back(WorkPath(name));
        return Doc()->OnFileSaveAs();
    }

    QTemporaryDir program;
    QTemporaryDir work;
    QTemporaryDir recovery;  // the recovery copies of this test's editor
    QString recoveryPath;    // another folder for them, when set before Start
    QString sharedPath;      // the shipped help and samples, when set before Start
    CMemorySettings settings;
    CScriptedPrompts prompts;
    std::unique_ptr<CAppletTavelinWizardApp> app;
    bool started = false;

private:
    // The shipped data beside the executables, without the executables.
    static void CopyTree(const QString& from, const QString& to, int depth)
    {
        QDir().mkpath(to);
        const QFileInfoList entries = QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries) {
            const QString target = to + QLatin1Char('/') + entry.fileName();
            if (entry.isDir())
                CopyTree(entry.filePath(), target, depth + 1);
            else if (depth > 0 || !entry.isExecutable())
                QFile::copy(entry.filePath(), target);
        }
    }
};
