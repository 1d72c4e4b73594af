// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "PropertyFixture.h"
#include "gui/props/CDlgAnimateSpeed.h"
#include "gui/props/CDlgBackgroundStyle.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

class AppletPage : public PropertyFixture {};

TEST_F(AppletPage, ParametersLoadAndStoreEveryField)
{
    CAppletSettings& applet = Params();
    applet.m_strName = "Shop";
    applet.m_nAlign = 2;
    applet.m_nWidth = 640;
    applet.m_nHeight = 77;
    applet.m_crBackground = RGB(1, 2, 3);
    applet.m_strBackImage = "/img/bg.gif";
    applet.m_nImageMode = 0;
    applet.m_nImageX = 11;
    applet.m_nImageY = 12;
    applet.m_strBackAudio = "/snd/a.au";
    applet.m_nOpenSpeed = 33;
    ShowApplet();
    EXPECT_EQ(Control<QLineEdit>("Name")->text(), "Shop");
    EXPECT_EQ(Control<QComboBox>("Align")->currentText(), "Right");
    EXPECT_EQ(Control<CIntegerField>("Width")->Text(), "640");
    EXPECT_EQ(Control<CIntegerField>("Height")->Text(), "77");
    EXPECT_EQ(Control<CColorButton>("BackgroundColor")->m_crColor, RGB(1, 2, 3));
    EXPECT_EQ(Control<QLineEdit>("BackgroundImage")->text(), "/img/bg.gif");
    EXPECT_TRUE(WithText<QRadioButton>(Shown(), "Specify")->isChecked());
    EXPECT_EQ(Control<CIntegerField>("XPos")->Text(), "11");
    EXPECT_EQ(Control<CIntegerField>("YPos")->Text(), "12");
    EXPECT_EQ(Control<QLineEdit>("BackgroundAudio")->text(), "/snd/a.au");
    const QStringList aligns = {"Center", "Left", "Right"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Control<QComboBox>("Align")->itemText(i), aligns[i]);

    Control<QLineEdit>("Name")->setText("Store");
    Control<QComboBox>("Align")->setCurrentIndex(1);
    Control<CIntegerField>("Width")->SetText("0");
    Control<CIntegerField>("Height")->SetText("5000");
    prompts.colors.push_back(QColor(200, 100, 50));
    QTest::mouseClick(Control<CColorButton>("BackgroundColor"), Qt::LeftButton);
    Control<QLineEdit>("BackgroundImage")->setText("");
    WithText<QRadioButton>(Shown(), "Tile")->click();
    Control<CIntegerField>("XPos")->SetText("-3");
    Control<CIntegerField>("YPos")->SetText("4");
    Control<QLineEdit>("BackgroundAudio")->setText("/snd/b.au");
    ClickTab(1);
    EXPECT_EQ(applet.m_strName, "Store");
    EXPECT_EQ(applet.m_nAlign, 1);
    EXPECT_EQ(applet.m_nWidth, 0);
    EXPECT_EQ(applet.m_nHeight, 5000);
    EXPECT_EQ(applet.m_crBackground, RGB(200, 100, 50));
    EXPECT_EQ(applet.m_strBackImage, "");
    EXPECT_EQ(applet.m_nImageMode, 1);
    EXPECT_EQ(applet.m_nImageX, -3);
    EXPECT_EQ(applet.m_nImageY, 4);
    EXPECT_EQ(applet.m_strBackAudio, "/snd/b.au");
    EXPECT_EQ(applet.m_nOpenSpeed, 33);  // not on this page
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(AppletPage, PositionBoxesFollowTheLoadedImageMode)
{
    Params().m_nImageMode = 1;
    ShowApplet();
    EXPECT_FALSE(Control<CIntegerField>("XPos")->isEnabled());
    EXPECT_FALSE(Control<CIntegerField>("YPos")->isEnabled());
    WithText<QRadioButton>(Shown(), "Specify")->click();
    EXPECT_FALSE(Control<CIntegerField>("XPos")->isEnabled());
    ClickTab(1);
    ClickTab(0);
    EXPECT_TRUE(Control<CIntegerField>("XPos")->isEnabled());
    EXPECT_TRUE(Control<CIntegerField>("YPos")->isEnabled());
    // A mode outside the group shows no choice and is stored as -1.
    ClickTab(1);
    Params().m_nImageMode = 5;
    ClickTab(0);
    EXPECT_FALSE(WithText<QRadioButton>(Shown(), "Specify")->isChecked());
    EXPECT_FALSE(WithText<QRadioButton>(Shown(), "Tile")->isChecked());
    ClickTab(1);
    EXPECT_EQ(Params().m_nImageMode, -1);
}

TEST_F(AppletPage, BrowseFillsTheBoxOnlyOnOk)
{
    ShowApplet();
    prompts.fileNames = {"/media/back.jpg", ""};
    QTest::mouseClick(Control<QPushButton>("BrowseImage"), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>("BackgroundImage")->text(), "/media/back.jpg");
    QTest::mouseClick(Control<QPushButton>("BrowseImage"), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>("BackgroundImage")->text(), "/media/back.jpg");
    prompts.fileNames = {"/media/hum.au"};
    QTest::mouseClick(Control<QPushButton>("BrowseAudio"), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>("BackgroundAudio")->text(), "/media/hum.au");
    const QString image =
        "All Image Files (*.gif *.jpg *.jpeg *.png *.svg *.webp);;Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)";
    EXPECT_EQ(prompts.filters,
              QStringList({image, image, "All Audio Files (*.au *.wav *.ogg *.mp3);;Audio Files(*.au) (*.au)"}));
    EXPECT_EQ(Params().m_strBackImage, "/media/back.jpg");  // the chosen file goes in as the box is filled
    ClickTab(1);
    EXPECT_EQ(Params().m_strBackImage, "/media/back.jpg");
}

TEST_F(AppletPage, MoreStylesLoadAndStoreAndRefuseEmptyBoxes)
{
    CAppletSettings& applet = Params();
    applet.m_bShowSelection = 0;
    applet.m_bShowAllBranches = 1;
    applet.m_bHasLines = 0;
    applet.m_nDisplayFromY = 30;
    applet.m_crLine = RGB(9, 8, 7);
    applet.m_nLineThick = 2;
    applet.m_nLineIndent = 16;
    ShowApplet();
    ClickTab(1);
    EXPECT_FALSE(Control<QCheckBox>("ShowSelection")->isChecked());
    EXPECT_TRUE(Control<QCheckBox>("ShowAllBranches")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("HasLines")->isChecked());
    EXPECT_EQ(Control<CIntegerField>("DisplayFromY")->Text(), "30");
    EXPECT_EQ(Control<CColorButton>("LineColor")->m_crColor, RGB(9, 8, 7));
    EXPECT_EQ(Control<CIntegerField>("LineThick")->Text(), "2");
    EXPECT_EQ(Control<CIntegerField>("LineIndent")->Text(), "16");

    Control<QCheckBox>("ShowSelection")->setChecked(true);
    Control<QCheckBox>("ShowAllBranches")->setChecked(false);
    Control<QCheckBox>("HasLines")->setChecked(true);
    Control<CIntegerField>("DisplayFromY")->SetText("45");
    Control<CIntegerField>("LineThick")->SetText("");
    Control<CIntegerField>("LineIndent")->SetText("20");
    ClickTab(0);
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer."});
    // The boxes edited before the refused one went in as they were edited.
    EXPECT_EQ(applet.m_nDisplayFromY, 45);
    EXPECT_EQ(applet.m_bShowSelection, 1);
    EXPECT_EQ(applet.m_nLineThick, 2);
    Control<CIntegerField>("LineThick")->SetText("3");
    ClickTab(0);
    EXPECT_EQ(applet.m_bShowSelection, 1);
    EXPECT_EQ(applet.m_bShowAllBranches, 0);
    EXPECT_EQ(applet.m_bHasLines, 1);
    EXPECT_EQ(applet.m_nDisplayFromY, 45);
    EXPECT_EQ(applet.m_nLineThick, 3);
    EXPECT_EQ(applet.m_nLineIndent, 20);
    EXPECT_EQ(applet.m_crLine, RGB(9, 8, 7));
}

TEST_F(AppletPage, AnimateSpeedStoresOnOkOnly)
{
    Params().m_nOpenSpeed = 70;
    Params().m_nCloseSpeed = 10;
    ShowApplet();
    ClickTab(1);
    AnswerDialog<CDlgAnimateSpeed>([](CDlgAnimateSpeed& dialog) {
        auto* open = dialog.findChild<QSlider*>("OpenSpeed");
        auto* close = dialog.findChild<QSlider*>("CloseSpeed");
        EXPECT_EQ(dialog.windowTitle(), "Tavelin Animate Speed");
        EXPECT_EQ(open->value(), 50);  // shown at the nearer end
        EXPECT_EQ(close->value(), 10);
        EXPECT_EQ(open->maximum(), 50);
        EXPECT_EQ(open->minimum(), 0);
        EXPECT_EQ(open->tickInterval(), 5);
        EXPECT_EQ(open->tickPosition(), QSlider::TicksAbove);
        open->setValue(0);
        close->setValue(50);
        return true;
    });
    QTest::mouseClick(Control<QPushButton>("AnimateSpeed"), Qt::LeftButton);
    EXPECT_EQ(Params().m_nOpenSpeed, 0);
    EXPECT_EQ(Params().m_nCloseSpeed, 50);
    AnswerDialog<CDlgAnimateSpeed>([](CDlgAnimateSpeed& dialog) {
        dialog.findChild<QSlider*>("OpenSpeed")->setValue(25);
        return false;
    });
    QTest::mouseClick(Control<QPushButton>("AnimateSpeed"), Qt::LeftButton);
    EXPECT_EQ(Params().m_nOpenSpeed, 0);
    EXPECT_EQ(prompts.dialogs, QStringList({"Tavelin Animate Speed", "Tavelin Animate Speed"}));
}

TEST_F(AppletPage, BackgroundStyleStoresListAndRadioPositions)
{
    CAppletSettings& applet = Params();
    applet.m_nBackStyle = 1;
    applet.m_nGradientDir = 0;
    applet.m_nBorder = 2;
    const int indent = applet.m_nLineIndent;
    ShowApplet();
    ClickTab(1);
    Control<CIntegerField>("LineIndent")->SetText("9");  // not read by the dialog's button
    AnswerDialog<CDlgBackgroundStyle>([](CDlgBackgroundStyle& dialog) {
        auto* list = dialog.findChild<QComboBox*>("BackStyle");
        EXPECT_EQ(dialog.windowTitle(), "Appelt Background Style");
        EXPECT_EQ(list->count(), 5);
        EXPECT_EQ(list->currentIndex(), 1);
        EXPECT_TRUE(WithText<QRadioButton>(&dialog, "Single Direction")->isChecked());
        EXPECT_TRUE(WithText<QRadioButton>(&dialog, "Sunken")->isChecked());
        list->setCurrentIndex(list->findText("Vertical Gradient from Color to Black"));
        WithText<QRadioButton>(&dialog, "Bi-direction")->setChecked(true);
        WithText<QRadioButton>(&dialog, "Raised")->setChecked(true);
        return true;
    });
    QTest::mouseClick(Control<QPushButton>("BackgroundStyle"), Qt::LeftButton);
    EXPECT_EQ(applet.m_nBackStyle, 3);
    EXPECT_EQ(applet.m_nGradientDir, 1);
    EXPECT_EQ(applet.m_nBorder, 1);
    EXPECT_EQ(applet.m_nLineIndent, indent);

    applet.m_nBackStyle = 8;
    applet.m_nBorder = -4;
    AnswerDialog<CDlgBackgroundStyle>([](CDlgBackgroundStyle& dialog) {
        EXPECT_EQ(dialog.findChild<QComboBox*>("BackStyle")->currentIndex(), -1);
        return true;
    });
    QTest::mouseClick(Control<QPushButton>("BackgroundStyle"), Qt::LeftButton);
    EXPECT_EQ(applet.m_nBackStyle, -1);
    EXPECT_EQ(applet.m_nBorder, -1);
    EXPECT_EQ(applet.m_nGradientDir, 1);
}

TEST_F(AppletPage, TabOrderFollowsTheControlOrder)
{
    ShowApplet();
    EXPECT_EQ(TabOrder(),
              QStringList({"Name", "Align", "Width", "Height", "BackgroundColor", "BackgroundImage", "BrowseImage",
                           "Specify", "Tile", "XPos", "YPos", "BackgroundAudio", "BrowseAudio"}));
    ClickTab(1);
    EXPECT_EQ(TabOrder(), QStringList({"ShowSelection", "ShowAllBranches", "HasLines", "AnimateSpeed",
                                       "BackgroundStyle", "DisplayFromY", "LineColor", "LineThick", "LineIndent"}));
}
