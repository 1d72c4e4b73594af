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
    about.show();
    CHyperLink* link = about.Link();
    EXPECT_EQ(link->URL(), CAboutDlg::kMakerUrl);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->TextColor(), link->palette().color(QPalette::Link));

    Enter(link);
    EXPECT_EQ(link->State(), CHyperLink::Hover);
    Leave(link);
    EXPECT_EQ(link->State(), CHyperLink::Unvisited);

    // A failed open changes nothing and says nothing.
    prompts.openUrlResult = false;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(prompts.urls.size(), 1);
    EXPECT_EQ(link->State(), CHyperLink::Unvisited);
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A click while hovering: visited once the pointer leaves.
    prompts.openUrlResult = true;
    Enter(link);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(prompts.urls.last(), QUrl(QString::fromLatin1(CAboutDlg::kMakerUrl)));
    EXPECT_EQ(link->State(), CHyperLink::Hover);
    Leave(link);
    EXPECT_EQ(link->State(), CHyperLink::Visited);
    // Leaving again changes nothing; visited stays visited.
    Leave(link);
    EXPECT_EQ(link->State(), CHyperLink::Visited);
}

// The link is reached with Tab and followed with Enter; on a dark window it
// takes the palette's (light) link colour, never a fixed blue.
TEST_F(HyperLink, ReachedByKeyboardInThePalettesLinkColour)
{
    CAboutDlg about(prompts);
    QPalette dark = about.palette();
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    about.setPalette(dark);
    about.show();
    QApplication::setActiveWindow(&about);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    CHyperLink* link = about.Link();
    EXPECT_EQ(link->TextColor(), QColor(0x8a, 0xb4, 0xf8));
    EXPECT_TRUE(link->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(link->accessibleName(), "Visit the Quorvex web page");
    // Tab from wherever the focus starts until it lands on the link.
    QWidget* focus = nullptr;
    for (int tabs = 0; tabs < 10 && (tabs == 0 || focus != link); ++tabs) {
        QWidget* from = QApplication::focusWidget();
        QTest::keyClick(from ? from : &about, Qt::Key_Tab);
        focus = QApplication::focusWidget();
    }
    ASSERT_EQ(focus, link);
    QTest::keyClick(link, Qt::Key_Return);
    ASSERT_EQ(prompts.urls.size(), 1);
    EXPECT_EQ(prompts.urls.first(), QUrl(QString::fromLatin1(CAboutDlg::kMakerUrl)));
    EXPECT_EQ(link->State(), CHyperLink::Visited);
    EXPECT_TRUE(about.isVisible());  // Enter followed the link, it did not press OK
}

TEST_F(HyperLink, AboutOpensFromTheHelpMenu)
{
    ASSERT_TRUE(Start());
    Frame()->Action(57664)->trigger();
    EXPECT_EQ(prompts.dialogs, QStringList{"About Applet Tavelina Wizard"});
}

}  // namespace
