// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "PropertyFixture.h"
#include "gui/widgets/CIntegerField.h"

// A refused value is told once, and what the user sees behind the message is
// the page that refused it.
class PropertyRefusal : public PropertyFixture {};

TEST_F(PropertyRefusal, ClosingDropsTheRefusedInputSoItIsNotToldAgain)
{
    Selection().SetItemSheetMode(false);
    ShowItem(a1, menuA);
    ClickTab(1);
    const CMenuStyle before = *menuA;
    Control<CIntegerField>("TextOffset")->SetText("12a");
    frame->CloseFrame();
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer."});
    EXPECT_EQ(*menuA, before);
    EXPECT_EQ(Control<CIntegerField>("TextOffset")->Text(), QString::number(before.m_styleNormal.m_nTextOffset));

    // Shown again, for the same item and then another: nothing more to say.
    frame->show();
    ShowItem(a1, menuA);
    ShowItem(b1, menuB);
    frame->CloseFrame();
    frame->show();
    ShowItem(a1, menuA);
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(PropertyRefusal, RefusedTabChangeKeepsItsPageInViewAndTellsOnce)
{
    ShowApplet();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    auto* width = Control<CIntegerField>("Width");
    CPropertyPage* target = Shown()->Page(1);
    // The focus sits in the name box, which is stored when it loses the focus.
    Control<QLineEdit>("Name")->setFocus();
    width->SetText("6000");
    QStringList seen;
    prompts.onMessage = [&](const QString&) {
        seen << QStringLiteral("tab %1, target %2")
                    .arg(Shown()->Tabs()->currentIndex())
                    .arg(target->isVisible() ? "shown" : "hidden");
    };
    ClickTab(1);
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer between 0 and 5000."});
    EXPECT_EQ(seen, QStringList{"tab 0, target hidden"});
    EXPECT_EQ(Shown()->ActiveIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), width->Edit());
    EXPECT_EQ(Params().m_nWidth, 400);

    // Once the value passes, the target is loaded before it is seen.
    width->SetText("300");
    prompts.onMessage = nullptr;
    ClickTab(1);
    EXPECT_EQ(Shown()->ActiveIndex(), 1);
    EXPECT_TRUE(target->isVisible());
    EXPECT_EQ(Params().m_nWidth, 300);
    EXPECT_EQ(prompts.messages.size(), 1);
}
