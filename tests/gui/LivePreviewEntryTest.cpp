// The View menu's Live Preview entry in either kind of build: with the
// browser engine it shows and hides the pane (off at first start); without
// it, a disabled entry points to Preview.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "FrameFixture.h"
#include "templates/CAppSettings.h"

#include <QDockWidget>

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

} // namespace
