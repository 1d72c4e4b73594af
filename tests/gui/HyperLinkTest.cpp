// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QEnterEvent>
#include <QLabel>
#include <QTest>

#include "FrameFixture.h"
#include "gui/dialogs/CAboutDlg.h"
#include "gui/widgets/CHyperLink.h"

namespace {

class HyperLink : public FrameFixture {
protected:
    static void Enter(QWidget* widget)
    {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(widget, &enter);
    }
    static void Leave(QWidget* widget)
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
};

TEST_F(HyperLink, HoverClickAndFailedOpen)
{
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));
    CAboutDlg about(prompts);
    QCoreApplication::setApplicationVersion(QString());
    EXPECT_EQ(about.windowTitle(), "About Applet Tavelina Wizard");
    // The version is the program's; the notice names the licence.
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), "Applet Tavelina Wizard Version 9.8.7");
    EXPECT_TRUE(about.findChild<QLabel*>(QStringLiteral("lblNotice"))->text().contains("MIT (Expat)"));
    CHyperLink* link = about.Link();
    EXPECT_EQ(link->URL(), CAboutDlg::kMakerUrl);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->TextColor(), QColor(0, 0, 255));

    Enter(link);
    EXPECT_EQ(link->State(), CHyperLink::Hover);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    Leave(link);
    EXPECT_EQ(link->State(), CHyperLink::Unvisited);

    // A failed open changes nothing and says nothing.
    prompts.openUrlResult = false;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(prompts.urls.size(), 1);
    EXPECT_EQ(link->State(), CHyperLink::Unvisited);
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A click while hovering: visited once the pointer leaves, in the same blue.
    prompts.openUrlResult = true;
    Enter(link);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(prompts.urls.last(), QUrl(QString::fromLatin1(CAboutDlg::kMakerUrl)));
    EXPECT_EQ(link->State(), CHyperLink::Hover);
    Leave(link);
    EXPECT_EQ(link->State(), CHyperLink::Visited);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    // Leaving again changes nothing; visited stays visited.
    Leave(link);
    EXPECT_EQ(link->State(), CHyperLink::Visited);
}

TEST_F(HyperLink, AboutOpensFromTheHelpMenu)
{
    ASSERT_TRUE(Start());
    Frame()->Action(57664)->trigger();
    EXPECT_EQ(prompts.dialogs, QStringList{"About Applet Tavelina Wizard"});
}

}  // namespace
