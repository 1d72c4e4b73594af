// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The View menu's Live Preview entry in either kind of build: with the
// browser engine it shows and hides the pane (off at first start); without
// it, a disabled entry points to Preview. And the engine's plug-in, when it
// is missing or broken.
#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "FrameFixture.h"
#include "core/settings/CAppSettings.h"
#include "gui/preview/CPreviewEngine.h"

namespace {

class LivePreviewEntry : public FrameFixture {};

QMenu* ViewMenu(CMainFrame* frame)
{
    for (QAction* action : frame->menuBar()->actions()) {
        if (action->menu() && action->text() == QStringLiteral("&View"))
            return action->menu();
    }
    return nullptr;
}

TEST_F(LivePreviewEntry, ShowsThePaneOrPointsToPreview)
{
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    QMenu* view = ViewMenu(frame);
    ASSERT_NE(view, nullptr);
    auto* pane = frame->findChild<QDockWidget*>(QStringLiteral("livePreviewPane"));
    if (!pane) {
        auto* entry = frame->findChild<QAction*>(QStringLiteral("livePreviewMissing"));
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(view->actions().contains(entry));
        EXPECT_FALSE(entry->isEnabled());
        EXPECT_TRUE(entry->text().contains(QStringLiteral("Preview")));
        return;
    }
    EXPECT_TRUE(view->actions().contains(pane->toggleViewAction()));
    EXPECT_TRUE(pane->isHidden());
    EXPECT_EQ(CAppSettings(settings).GetInt(CAppSettings::kLivePreview), 0);
}

// A folder without the plug-in, or with a file of its name that is no
// library, gives the pane a reason to show, never a crash.
TEST(PreviewEngine, AMissingOrBrokenPlugInGivesAReason)
{
    QTemporaryDir empty;
    QTemporaryDir broken;
    QFile file(broken.filePath(QString::fromLatin1(CPreviewEngine::kFileName)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();
    QString error;
    EXPECT_EQ(CPreviewEngine::Load({empty.path()}, error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("not installed"))) << error.toStdString();
    // It says how to get the pane: the package that brings the engine.
    EXPECT_TRUE(error.contains(QStringLiteral("sudo apt install applettavelinwizard-live-preview")))
        << error.toStdString();
    EXPECT_EQ(CPreviewEngine::Load({empty.path(), broken.path()}, error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("could not be loaded"))) << error.toStdString();
}

}  // namespace
