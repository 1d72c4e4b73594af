// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "PropertyFixture.h"
#include "gui/props/CDlgAudio.h"
#include "gui/props/CDlgImage.h"
#include "gui/props/CDlgItem.h"

class ItemPage : public PropertyFixture {
protected:
    // Answers the Image dialog: boxes normal/over/click and the scope.
    void AnswerImage(const QString& normal, CModelEditor::Scope scope)
    {
        AnswerDialog<CDlgImage>([normal, scope](CDlgImage& dialog) {
            dialog.findChild<QLineEdit*>("Normal")->setText(normal);
            dialog.SetScope(scope);
            return true;
        });
    }
    void SetImages(const std::string& image)
    {
        for (CTavelinItem* item : {a1, a2, s1, t1, b1})
            item->m_strNormalImage = item->m_strOverImage = item->m_strClickImage = image;
    }
    void ClickButton(const char* name) { QTest::mouseClick(Control<QPushButton>(name), Qt::LeftButton); }
};

TEST_F(ItemPage, LoadsAndStoresTheFourTexts)
{
    a1->m_strLabel = "Two\r\nlines";
    a1->m_strDescription = "desc";
    a1->m_strLink = "a.htm";
    a1->m_strTarget = "_blank";
    a1->m_strNormalImage = "/n.gif";
    ShowItem(a1, menuA);
    EXPECT_EQ(Control<QPlainTextEdit>("Label")->toPlainText(), "Two\nlines");
    EXPECT_EQ(Control<QLineEdit>("Description")->text(), "desc");
    EXPECT_EQ(Control<QLineEdit>("Link")->text(), "a.htm");
    EXPECT_EQ(Control<QComboBox>("Target")->currentText(), "_blank");
    const QStringList targets = {"_self", "_parent", "_top", "_blank"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Control<QComboBox>("Target")->itemText(i), targets[i]);

    Control<QPlainTextEdit>("Label")->setPlainText("One\nTwo\nThree");
    Control<QLineEdit>("Description")->setText("");
    Control<QLineEdit>("Link")->setText("http://x/");
    Control<QComboBox>("Target")->setEditText("mainFrame");
    ShowItem(b1, menuB);
    EXPECT_EQ(a1->m_strLabel, "One\r\nTwo\r\nThree");
    EXPECT_EQ(a1->m_strDescription, "");
    EXPECT_EQ(a1->m_strLink, "http://x/");
    EXPECT_EQ(a1->m_strTarget, "mainFrame");
    EXPECT_EQ(a1->m_strNormalImage, "/n.gif");

    // No current item: the boxes empty, nothing is stored, the media buttons do nothing.
    Selection().Clear();
    Shown()->ActivateActivePage();
    EXPECT_EQ(Control<QPlainTextEdit>("Label")->toPlainText(), "");
    EXPECT_EQ(Control<QComboBox>("Target")->currentText(), "");
    Control<QLineEdit>("Link")->setText("nowhere");
    EXPECT_TRUE(frame->CommitActivePage());
    ClickButton("Image");
    ClickButton("Audio");
    EXPECT_TRUE(prompts.dialogs.isEmpty());
    EXPECT_EQ(b1->m_strLink, "");
}

TEST_F(ItemPage, TargetThatBeginsAnEntryBecomesThatEntry)
{
    const std::pair<std::string, std::string> cases[] = {{"_t", "_top"},       {"_P", "_parent"},        {"_", "_self"},
                                                         {"frameA", "frameA"}, {"_topmost", "_topmost"}, {"", ""}};
    for (const auto& [given, stored] : cases) {
        a1->m_strTarget = given;
        ShowItem(a1, menuA);
        EXPECT_EQ(Control<QComboBox>("Target")->currentText().toStdString(), stored) << given;
        ShowItem(b1, menuB);
        EXPECT_EQ(a1->m_strTarget, stored) << given;
    }
    EXPECT_EQ(CDlgItem::MatchTarget({"_self", "_top"}, "_TOP"), 1);
    EXPECT_EQ(CDlgItem::MatchTarget({"_self", "_top"}, ""), -1);
}

TEST_F(ItemPage, ImagesApplyByScope)
{
    ShowItem(a1, menuA);
    // 0: this item only; the dialog shows the item's own files.
    SetImages("old");
    AnswerDialog<CDlgImage>([](CDlgImage& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Image");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("Normal")->text(), "old");
        EXPECT_EQ(dialog.Scope(), CModelEditor::Scope::Item);
        dialog.findChild<QLineEdit*>("Normal")->setText("/n.gif");
        dialog.findChild<QLineEdit*>("MouseOver")->setText("/o.gif");
        dialog.findChild<QLineEdit*>("Click")->setText("/c.gif");
        return true;
    });
    ClickButton("Image");
    EXPECT_EQ(a1->m_strNormalImage, "/n.gif");
    EXPECT_EQ(a1->m_strOverImage, "/o.gif");
    EXPECT_EQ(a1->m_strClickImage, "/c.gif");
    EXPECT_EQ(a2->m_strNormalImage, "old");

    // 1: every item of the same menu, hidden ones too, but not their sub-menus.
    SetImages("old");
    AnswerImage("", CModelEditor::Scope::Menu);
    ClickButton("Image");
    EXPECT_EQ(a1->m_strNormalImage, "");
    EXPECT_EQ(a2->m_strNormalImage, "");
    EXPECT_EQ(a2->m_strOverImage, "old");
    EXPECT_EQ(s1->m_strNormalImage, "old");
    EXPECT_EQ(b1->m_strNormalImage, "old");

    // 2: every item at every depth.
    SetImages("old");
    AnswerImage("/all.gif", CModelEditor::Scope::Model);
    ClickButton("Image");
    for (CTavelinItem* item : {a1, a2, s1, t1, b1})
        EXPECT_EQ(item->m_strNormalImage, "/all.gif") << item->m_strLabel;

    // No scope, or Cancel: nothing changes.
    SetImages("old");
    AnswerImage("/none.gif", CModelEditor::Scope::None);
    ClickButton("Image");
    AnswerDialog<CDlgImage>([](CDlgImage& dialog) {
        dialog.findChild<QLineEdit*>("Normal")->setText("/cancel.gif");
        return false;
    });
    ClickButton("Image");
    EXPECT_EQ(a1->m_strNormalImage, "old");
}

TEST_F(ItemPage, AudioAppliesByScopeAndBrowses)
{
    ShowItem(s1, subA1);
    for (CTavelinItem* item : {a1, s1, t1})
        item->m_strOverAudio = item->m_strClickAudio = "old";
    prompts.fileNames = {"/snd/over.au", ""};
    AnswerDialog<CDlgAudio>([](CDlgAudio& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Audio");
        EXPECT_EQ(dialog.findChild<QLineEdit*>("MouseOver")->text(), "old");
        QTest::mouseClick(dialog.findChild<QPushButton*>("BrowseMouseOver"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("BrowseClick"), Qt::LeftButton);  // cancelled
        WithText<QRadioButton>(&dialog, "All the Items in the Same Menu")->setChecked(true);
        return true;
    });
    ClickButton("Audio");
    EXPECT_EQ(s1->m_strOverAudio, "/snd/over.au");
    EXPECT_EQ(s1->m_strClickAudio, "old");
    EXPECT_EQ(a1->m_strOverAudio, "old");
    EXPECT_EQ(t1->m_strOverAudio, "old");
    const QString audio = "All Audio Files (*.au *.wav *.ogg *.mp3);;Audio Files(*.au) (*.au)";
    EXPECT_EQ(prompts.filters, QStringList({audio, audio}));

    prompts.fileNames = {"/img/n.jpg"};
    AnswerDialog<CDlgImage>([](CDlgImage& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>("BrowseNormal"), Qt::LeftButton);
        EXPECT_EQ(dialog.findChild<QLineEdit*>("Normal")->text(), "/img/n.jpg");
        return false;
    });
    ClickButton("Image");
    EXPECT_EQ(prompts.filters.last(), "All Image Files (*.gif *.jpg *.jpeg *.png *.svg *.webp);;Image "
                                      "Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)");
}
