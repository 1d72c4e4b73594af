// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QDir>
#include <QTest>

#include "PropertyFixture.h"
#include "core/model/CItemStyle.h"
#include "gui/props/CDlgAnimateSpeed.h"
#include "gui/props/CDlgAudio.h"
#include "gui/props/CDlgBackgroundStyle.h"
#include "gui/props/CDlgFont.h"
#include "gui/props/CDlgImage.h"

// Pictures of every sheet, tab and dialog for a look by eye; runs only when
// ATW_SCREENSHOT_DIR names a folder.
class PropertyScreens : public PropertyFixture {
protected:
    void Save(QWidget* widget, const QString& name)
    {
        QTest::qWait(20);
        widget->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
    }
    void SaveDialog(QDialog& dialog, const QString& name)
    {
        dialog.show();
        Save(&dialog, name);
        dialog.hide();
    }
    QString dir = qEnvironmentVariable("ATW_SCREENSHOT_DIR");
};

TEST_F(PropertyScreens, EverySheetAndDialog)
{
    if (dir.isEmpty())
        GTEST_SKIP() << "ATW_SCREENSHOT_DIR not set";
    a1->m_strLabel = "Products\r\nand more";
    a1->m_strTarget = "_t";
    ShowApplet();
    Save(frame, "applet0");
    ClickTab(1);
    Save(frame, "applet1");
    ShowItem(a1, menuA);
    Save(frame, "item");
    Selection().SetItemSheetMode(false);
    ShowItem(a1, menuA);
    for (int i = 0; i < 4; ++i) {
        ClickTab(i);
        Save(frame, QStringLiteral("menu%1").arg(i));
    }
    CDlgAnimateSpeed speed(5, 40);
    SaveDialog(speed, "animate");
    CDlgBackgroundStyle background(0, 2, 1);
    SaveDialog(background, "background");
    CDlgFont font(prompts, CItemStyle{});
    SaveDialog(font, "font");
    CDlgImage image(prompts);
    image.SetScope(CModelEditor::Scope::Item);
    SaveDialog(image, "image");
    CDlgAudio audio(prompts);
    SaveDialog(audio, "audio");
}
