// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "PropertyFixture.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/widgets/CColorButton.h"
#include "gui/widgets/CIntegerField.h"

namespace {

// Long enough for a pause in typing to have passed.
constexpr int kPause = CPropertyPage::kTypingPauseMs * 3;

// Edits reach the model as the author types or picks, without leaving the
// control or the page.
class LiveEdit : public PropertyFixture {
protected:
    void SetUp() override
    {
        PropertyFixture::SetUp();
        QApplication::setActiveWindow(frame);
    }
    int Steps() { return Editor().History().count(); }
    // Replaces the text of widget (which has the focus) by typing text.
    static void Retype(QWidget* widget, const QString& text)
    {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(widget, Qt::Key_Backspace);
        QTest::keyClicks(widget, text);
    }
};

}  // namespace

TEST_F(LiveEdit, TypedLabelGoesInAfterAPauseAsOneStep)
{
    ShowItem(a1, menuA);
    auto* label = Control<QPlainTextEdit>("Label");
    const int before = Steps();
    Retype(label, QStringLiteral("Ho"));
    EXPECT_EQ(a1->m_strLabel, "a1");  // not before the pause
    QTest::qWait(kPause);
    EXPECT_EQ(a1->m_strLabel, "Ho");
    QTest::keyClicks(label, QStringLiteral("me"));
    QTest::qWait(kPause);
    EXPECT_EQ(a1->m_strLabel, "Home");
    EXPECT_TRUE(label->hasFocus());
    EXPECT_EQ(label->toPlainText(), "Home");  // the page was not reloaded under the cursor
    EXPECT_EQ(Steps(), before + 1);
    Editor().History().undo();
    EXPECT_EQ(a1->m_strLabel, "a1");
    EXPECT_EQ(label->toPlainText(), "a1");
    EXPECT_TRUE(prompts.messages.isEmpty());
}

// Each field keeps its own step; the waiting edit of one box goes in when
// another is edited.
TEST_F(LiveEdit, EachFieldIsItsOwnStep)
{
    ShowItem(a1, menuA);
    const int before = Steps();
    Retype(Control<QLineEdit>("Description"), QStringLiteral("about"));
    Retype(Control<QLineEdit>("Link"), QStringLiteral("a.htm"));
    EXPECT_EQ(a1->m_strDescription, "about");
    QTest::qWait(kPause);
    EXPECT_EQ(a1->m_strLink, "a.htm");
    EXPECT_EQ(Steps(), before + 2);
    Editor().History().undo();
    EXPECT_EQ(a1->m_strLink, "");
    EXPECT_EQ(a1->m_strDescription, "about");
}

// A number goes in while its text is a valid value; a wrong value says so
// only when the box is left, and the model keeps the last valid one.
TEST_F(LiveEdit, NumberGoesInOnceValidAndComplainsWhenLeft)
{
    ShowApplet();
    auto* width = Control<CIntegerField>("Width");
    const int before = Steps();
    struct Case {
        QString typed;
        int stored;
    };
    const Case cases[] = {{"6", 6}, {"60", 60}, {"600", 600}, {"6000", 600}, {"", 600}};
    for (const Case& c : cases) {
        Retype(width->Edit(), c.typed);
        QTest::qWait(kPause);
        EXPECT_EQ(Params().m_nWidth, c.stored) << c.typed.toStdString();
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(Steps(), before + 1);

    QTest::keyClicks(width->Edit(), QStringLiteral("7000"));
    QTest::keyClick(width->Edit(), Qt::Key_Tab);
    QTest::qWait(50);
    EXPECT_EQ(prompts.messages, QStringList{"Please enter an integer between 0 and 5000."});
    EXPECT_TRUE(width->Edit()->hasFocus());
    EXPECT_EQ(Params().m_nWidth, 600);
}

// A colour goes in the moment it is chosen; a pick from a list, a radio
// button at once too.
TEST_F(LiveEdit, PicksGoInAtOnce)
{
    ShowApplet();
    prompts.colors.push_back(QColor(200, 100, 50));
    QTest::mouseClick(Control<CColorButton>("BackgroundColor"), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(Params().m_crBackground, RGB(200, 100, 50));
    Control<QComboBox>("Align")->setCurrentIndex(2);
    QTest::qWait(20);
    EXPECT_EQ(Params().m_nAlign, 2);
    WithText<QRadioButton>(Shown(), "Tile")->click();
    QTest::qWait(20);
    EXPECT_EQ(Params().m_nImageMode, 1);
    // A cancelled colour dialog changes nothing.
    prompts.colors.push_back(std::nullopt);
    const int before = Steps();
    QTest::mouseClick(Control<CColorButton>("BackgroundColor"), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(Steps(), before);
}

// An edit still waiting for its pause belongs to the item it was typed for,
// even when another item is shown before the pause ends.
TEST_F(LiveEdit, WaitingEditStaysWithItsItem)
{
    ShowItem(a1, menuA);
    Retype(Control<QLineEdit>("Description"), QStringLiteral("for a1"));
    ShowItem(b1, menuB);
    QTest::qWait(kPause);
    EXPECT_EQ(a1->m_strDescription, "for a1");
    EXPECT_EQ(b1->m_strDescription, "");
    EXPECT_EQ(Control<QLineEdit>("Description")->text(), "");
}
