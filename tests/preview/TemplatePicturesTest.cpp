// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// New's template list with the pictures the runtime draws: drawn once, read
// back from the cache afterwards, drawn again when a template changes.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "gui/FrameFixture.h"
#include "gui/dialogs/CDlgNewMenu.h"
#include "gui/dialogs/CTemplateList.h"
#include "gui/preview/CTemplatePictures.h"

namespace {

constexpr int kWaitMs = 120000;

class TemplatePicturesTest : public FrameFixture {
protected:
    // Opens New, waits for every picture; the pictures by row.
    std::vector<QImage> Pictures(int& drawn)
    {
        CDlgNewMenu dialog(Context(), Frame());
        dialog.show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Pictures()->IsDone(); }, kWaitMs));
        drawn = dialog.Pictures()->Drawn();
        std::vector<QImage> out;
        CTemplateList* list = dialog.List();
        out.reserve(size_t(list->count()));
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->item(i)->icon().pixmap(list->iconSize()).toImage());
        return out;
    }

    static int Colours(const QImage& image)
    {
        QSet<QRgb> seen;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                seen.insert(image.pixel(x, y));
        return int(seen.size());
    }
};

TEST_F(TemplatePicturesTest, NewShowsEachTemplateAsDrawnAndKeepsThePictures)
{
    QDir(CTemplatePictures::DefaultFolder()).removeRecursively();
    ASSERT_TRUE(Start());
    int drawn = 0;
    const std::vector<QImage> first = Pictures(drawn);
    ASSERT_GE(first.size(), 10U);
    EXPECT_EQ(drawn, int(first.size()));
    QSet<QByteArray> distinct;
    for (size_t i = 0; i < first.size(); ++i) {
        ASSERT_FALSE(first[i].isNull()) << i;
        EXPECT_GT(Colours(first[i]), 3) << "template " << i << " is a blank picture";
        distinct.insert(QByteArray(reinterpret_cast<const char*>(first[i].constBits()), int(first[i].sizeInBytes())));
    }
    EXPECT_GE(distinct.size(), int(first.size()) - 1);  // none alike, save by chance one pair
    EXPECT_EQ(QDir(CTemplatePictures::DefaultFolder()).entryList({QStringLiteral("*.png")}).size(), int(first.size()));

    // Read back from the cache: nothing is drawn.
    const std::vector<QImage> again = Pictures(drawn);
    EXPECT_EQ(drawn, 0);
    ASSERT_EQ(again.size(), first.size());
    EXPECT_EQ(again.front(), first.front());

    // A changed template is drawn again, the others are not.
    QFile file(program.filePath(QStringLiteral("AppletTavelinWizard.tpl")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray text = file.readAll();
    file.close();
    const qsizetype at = text.indexOf("I0-1=Home,");
    ASSERT_GE(at, 0);
    text.replace(at, 10, "I0-1=Start,");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
    file.close();
    const std::vector<QImage> changed = Pictures(drawn);
    EXPECT_EQ(drawn, 1);
    ASSERT_EQ(changed.size(), first.size());
    EXPECT_NE(changed.front(), first.front());
}

}  // namespace
