// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include "PropertyFixture.h"
#include "gui/props/CDlgFont.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

// The menu sheet: "Menu Style" and the three item state pages.
class MenuStylePage : public PropertyFixture {
protected:
    void SetUp() override
    {
        PropertyFixture::SetUp();
        Selection().SetItemSheetMode(false);
    }
};
using ItemStatePage = MenuStylePage;

TEST_F(MenuStylePage, LoadsAndStoresTheHoldingMenuOnly)
{
    subA1->m_nIndent = 12;
    subA1->m_nItemWidth = 90;
    subA1->m_nItemHeight = 22;
    subA1->m_nBorderThick = 1;
    subA1->m_nItemGap = 3;
    const CMenuStyle topBefore = *menuA;
    ShowItem(s1, subA1);
    EXPECT_EQ(Shown()->ActiveIndex(), 0);
    EXPECT_EQ(Control<CIntegerField>("Indent")->Text(), "12");
    EXPECT_EQ(Control<CIntegerField>("ItemWidth")->Text(), "90");
    EXPECT_EQ(Control<CIntegerField>("ItemHeight")->Text(), "22");
    EXPECT_EQ(Control<CIntegerField>("BorderThick")->Text(), "1");
    EXPECT_EQ(Control<CIntegerField>("ItemGaps")->Text(), "3");
    Control<CIntegerField>("Indent")->SetText("-10");
    Control<CIntegerField>("ItemWidth")->SetText("0");
    Control<CIntegerField>("ItemHeight")->SetText("30");
    Control<CIntegerField>("BorderThick")->SetText("2");
    Control<CIntegerField>("ItemGaps")->SetText("4");
    ClickTab(1);
    EXPECT_EQ(subA1->m_nIndent, -10);
    EXPECT_EQ(subA1->m_nItemWidth, 0);
    EXPECT_EQ(subA1->m_nItemHeight, 30);
    EXPECT_EQ(subA1->m_nBorderThick, 2);
    EXPECT_EQ(subA1->m_nItemGap, 4);
    EXPECT_EQ(*menuA, topBefore);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MenuStylePage, HiddenBackgroundValuesComeBackUnchanged)
{
    menuA->m_nBackStyle = 2;
    menuA->m_crBackground = RGB(0x12, 0x34, 0x56);
    menuB->m_nBackStyle = 7;
    ShowItem(a1, menuA);
    EXPECT_FALSE(Control<QComboBox>("BackStyle")->isVisible());
    EXPECT_FALSE(Control<CColorButton>("BackgroundColor")->isVisible());
    Control<CIntegerField>("ItemGaps")->SetText("9");
    ShowItem(b1, menuB);
    EXPECT_EQ(menuA->m_nItemGap, 9);
    EXPECT_EQ(menuA->m_nBackStyle, 2);
    EXPECT_EQ(menuA->m_crBackground, RGB(0x12, 0x34, 0x56));
    ShowItem(a1, menuA);
    EXPECT_EQ(menuB->m_nBackStyle, -1);  // outside the list: no choice
}

TEST_F(MenuStylePage, NoCurrentMenuNeitherLoadsNorStores)
{
    ShowItem(a1, menuA);
    const CMenuStyle before = *menuA;
    // The tree clears the current pointers before it deletes a node.
    Selection().Clear();
    Control<CIntegerField>("Indent")->SetText("77");
    ClickTab(1);
    ClickTab(0);
    EXPECT_EQ(Control<CIntegerField>("Indent")->Text(), "77");
    EXPECT_EQ(*menuA, before);
    // "Font..." does nothing either.
    ClickTab(1);
    QTest::mouseClick(Control<QPushButton>("Font"), Qt::LeftButton);
    EXPECT_TRUE(prompts.dialogs.isEmpty());
}

TEST_F(ItemStatePage, EachPageEditsItsOwnStateBlock)
{
    ShowItem(a1, menuA);
    const char* titles[] = {"Item Normal", "Item Mouse Over", "Item Clicked"};
    for (int state = 0; state < 3; ++state) {
        menuA->Style(state).m_nTextAlign = 2;  // seen when the tab is entered
        ClickTab(state + 1);
        EXPECT_EQ(Shown()->Tabs()->tabText(state + 1), titles[state]);
        EXPECT_EQ(Control<QComboBox>("TextAlign")->currentText(), "Right");
        const CMenuStyle before = *menuA;
        prompts.colors.push_back(QColor(10, 20, 30 + state));
        QTest::mouseClick(Control<CColorButton>("BackgroundColor"), Qt::LeftButton);
        Control<QComboBox>("TextAlign")->setCurrentIndex(1);
        Control<CIntegerField>("TextOffset")->SetText(QString::number(-6000 - state));
        Control<QComboBox>("ImageAlign")->setCurrentIndex(2);
        Control<CIntegerField>("ImageOffset")->SetText("6000");
        Control<QComboBox>("ItemBackground")->setCurrentIndex(9);
        WithText<QRadioButton>(Shown()->ActivePage(), "Single Direction")->setChecked(true);
        WithText<QRadioButton>(Shown()->ActivePage(), "Sunken")->setChecked(true);
        ClickTab(0);
        CMenuStyle expected = before;
        CItemStyle& block = expected.Style(state);
        block.m_crBack = RGB(10, 20, 30 + state);
        block.m_nTextAlign = 1;
        block.m_nTextOffset = -6000 - state;
        block.m_nImageAlign = 2;
        block.m_nImageOffset = 6000;
        block.m_nBackStyle = 9;
        block.m_nGradientDir = 0;
        block.m_nBorder = 2;
        EXPECT_EQ(*menuA, expected) << titles[state];
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ItemStatePage, ListsSpinsAndOutOfRangeValues)
{
    menuA->m_styleOver.m_nBackStyle = 12;
    menuA->m_styleOver.m_nBorder = 3;
    ShowItem(a1, menuA);
    ClickTab(2);
    auto* background = Control<QComboBox>("ItemBackground");
    ASSERT_EQ(background->count(), 10);
    EXPECT_EQ(background->itemText(0), "Transparent ");
    EXPECT_EQ(background->itemText(5), "Horizontal Gradient from Color to White");
    EXPECT_EQ(background->itemText(9), "Vertical Gradient from Color to White");
    EXPECT_EQ(background->currentIndex(), -1);
    EXPECT_EQ(Control<QComboBox>("TextAlign")->itemText(0), "Left");
    // Closed, the list shows its longest entry whole.
    QStyleOptionComboBox closed;
    closed.initFrom(background);
    closed.rect = background->rect();
    const QRect field =
        background->style()->subControlRect(QStyle::CC_ComboBox, &closed, QStyle::SC_ComboBoxEditField, background);
    int longest = 0;
    for (int i = 0; i < background->count(); ++i)
        longest = qMax(longest, background->fontMetrics().horizontalAdvance(background->itemText(i)));
    EXPECT_GE(field.width(), longest);

    // The arrows stop at -5000 and 5000; typed values are never clamped.
    auto* offset = Control<CIntegerField>("TextOffset");
    ASSERT_TRUE(offset->HasSpin());
    offset->SetText("4999");
    offset->Step(1);
    offset->Step(1);
    EXPECT_EQ(offset->Text(), "5000");
    offset->SetText("-6000");
    offset->Step(-1);
    EXPECT_EQ(offset->Text(), "-5000");
    QTest::keyClick(offset->Edit(), Qt::Key_Up);
    EXPECT_EQ(offset->Text(), "-4999");
    offset->SetText("-6000");
    ClickTab(0);
    EXPECT_EQ(menuA->m_styleOver.m_nTextOffset, -6000);
    EXPECT_EQ(menuA->m_styleOver.m_nBackStyle, -1);
    EXPECT_EQ(menuA->m_styleOver.m_nBorder, -1);
}

TEST_F(ItemStatePage, FontDialogWritesTheStateBlockAtOnce)
{
    CItemStyle& click = menuA->m_styleClick;
    click.m_nFontName = 1;
    click.m_crFont = RGB(5, 6, 7);
    click.m_nFontSize = 14;
    click.m_nFontEffect = 4;
    click.m_nFontStyle = 2;
    ShowItem(a1, menuA);
    ClickTab(3);
    const CMenuStyle before = *menuA;
    AnswerDialog<CDlgFont>([](CDlgFont& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Font");
        EXPECT_EQ(dialog.findChild<QComboBox*>("FontName")->currentText(), "Helvetica");
        EXPECT_EQ(dialog.findChild<CColorButton*>("FontColor")->m_crColor, RGB(5, 6, 7));
        EXPECT_EQ(dialog.findChild<CIntegerField*>("FontSize")->Text(), "14");
        EXPECT_EQ(dialog.findChild<QComboBox*>("SpecialEffects")->currentText(), "With Shadow");
        EXPECT_TRUE(WithText<QRadioButton>(&dialog, "Italic")->isChecked());
        dialog.findChild<CIntegerField*>("FontSize")->SetText("1x");
        return true;  // refused: the dialog stays open
    });
    QTest::mouseClick(Control<QPushButton>("Font"), Qt::LeftButton);
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer."});
    EXPECT_EQ(*menuA, before);

    AnswerDialog<CDlgFont>([](CDlgFont& dialog) {
        dialog.findChild<QComboBox*>("FontName")->setCurrentIndex(2);
        dialog.findChild<CIntegerField*>("FontSize")->SetText("18");
        dialog.findChild<QComboBox*>("SpecialEffects")->setCurrentIndex(1);
        WithText<QRadioButton>(&dialog, "Bold")->setChecked(true);
        return true;
    });
    QTest::mouseClick(Control<QPushButton>("Font"), Qt::LeftButton);
    CMenuStyle expected = before;
    expected.m_styleClick.m_nFontName = 2;
    expected.m_styleClick.m_nFontSize = 18;
    expected.m_styleClick.m_nFontEffect = 1;
    expected.m_styleClick.m_nFontStyle = 1;
    EXPECT_EQ(*menuA, expected);

    AnswerDialog<CDlgFont>([](CDlgFont& dialog) {
        dialog.findChild<CIntegerField*>("FontSize")->SetText("99");
        return false;
    });
    QTest::mouseClick(Control<QPushButton>("Font"), Qt::LeftButton);
    EXPECT_EQ(*menuA, expected);
    // Leaving the page keeps the font that the dialog stored.
    ClickTab(0);
    EXPECT_EQ(menuA->m_styleClick.m_nFontSize, 18);
}

TEST_F(ItemStatePage, TabOrderFollowsTheControlOrder)
{
    ShowItem(a1, menuA);
    EXPECT_EQ(TabOrder(), QStringList({"Indent", "ItemWidth", "ItemHeight", "BorderThick", "ItemGaps"}));
    ClickTab(2);
    EXPECT_EQ(TabOrder(),
              QStringList({"BackgroundColor", "Font", "TextAlign", "TextOffset", "ImageAlign", "ImageOffset",
                           "ItemBackground", "Single Direction", "Bi-direction", "Plain", "Raised", "Sunken"}));
}
