// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "CScriptedPrompts.h"
#include "editor/CText.h"
#include "editor/ISoundPlayer.h"
#include "gui/props/CDlgAudio.h"
#include "gui/props/CDlgImage.h"
#include "gui/widgets/CMediaFileDialog.h"
#include "gui/widgets/CMediaPreview.h"

namespace {
// Records what it is asked to play; never makes a sound.
class FakeSoundPlayer : public ISoundPlayer {
public:
    void Play(const QString& path) override { played << path; }
    void Stop() override { ++stops; }
    QStringList played;
    int stops = 0;
};

class MediaPicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QImage wide(400, 100, QImage::Format_RGB32);
        wide.fill(Qt::red);
        ASSERT_TRUE(wide.save(Path("wide.png")));
        QImage small(20, 30, QImage::Format_RGB32);
        small.fill(Qt::blue);
        ASSERT_TRUE(small.save(Path("small.jpg")));
        // WebP through Qt's image formats plug-ins (qt6-image-formats-plugins).
        ASSERT_TRUE(wide.scaled(300, 300).save(Path("square.webp"), "WEBP"));
        Write("logo.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='512' height='256'>"
                          "<rect width='512' height='256' fill='green'/></svg>");
        Write("broken.png", "not a picture");
        Write("click.ogg", "OggS");
        Write("bell.au", ".snd");
    }
    QString Path(const QString& name) const { return folder.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The dialog's preview after the author highlights name.
    QSize Highlight(CMediaFileDialog& dialog, const QString& name)
    {
        emit dialog.currentChanged(Path(name));
        const QLabel* thumbnail = dialog.findChild<QLabel*>("Thumbnail");
        return thumbnail->pixmap().isNull() ? QSize() : thumbnail->pixmap().size();
    }
    QString Caption(CMediaFileDialog& dialog) { return dialog.findChild<QLabel*>("Caption")->text(); }
    QPushButton* Play(CMediaFileDialog& dialog) { return dialog.findChild<QPushButton*>("Play"); }

    QTemporaryDir folder;
    FakeSoundPlayer player;
};
}  // namespace

TEST_F(MediaPicker, HighlightedPicturesShowAsThumbnails)
{
    CMediaFileDialog dialog(player, CDlgImage::Filter(), Path("small.jpg"));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.Preview()->File(), Path("small.jpg")) << "the field's file is shown at once";
    const struct {
        const char* name;
        QSize thumbnail;
        const char* caption;
    } cases[] = {
        {"wide.png", QSize(128, 32), "400 \u00D7 100 pixels"},  // scaled down, keeping its shape
        {"small.jpg", QSize(20, 30), "20 \u00D7 30 pixels"},    // never scaled up
        {"logo.svg", QSize(128, 64), "512 \u00D7 256 pixels"},  // drawn at the thumbnail's size
        {"square.webp", QSize(128, 128), "300 \u00D7 300 pixels"},
        {"broken.png", QSize(), "No preview"},
        {"missing.gif", QSize(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Highlight(dialog, QString::fromLatin1(c.name)), c.thumbnail);
        EXPECT_EQ(Caption(dialog), QString::fromUtf8(c.caption));
        EXPECT_FALSE(Play(dialog)->isEnabled());
    }
    EXPECT_TRUE(player.played.isEmpty());
}

TEST_F(MediaPicker, HighlightedSoundsPlayThroughThePlayer)
{
    int stopsBeforeClose = 0;
    {
        CMediaFileDialog dialog(player, CDlgAudio::Filter(), QString());
        EXPECT_FALSE(Play(dialog)->isEnabled());
        EXPECT_EQ(Highlight(dialog, "click.ogg"), QSize());
        ASSERT_TRUE(Play(dialog)->isEnabled());
        QTest::mouseClick(Play(dialog), Qt::LeftButton);
        Highlight(dialog, "bell.au");
        QTest::mouseClick(Play(dialog), Qt::LeftButton);
        EXPECT_EQ(player.played, QStringList({Path("click.ogg"), Path("bell.au")}));

        const int stops = player.stops;
        Highlight(dialog, "wide.png");  // another file stops the sound
        EXPECT_GT(player.stops, stops);
        EXPECT_FALSE(Play(dialog)->isEnabled());
        stopsBeforeClose = player.stops;
    }
    EXPECT_GT(player.stops, stopsBeforeClose) << "closing the dialog stops the sound";
}

TEST_F(MediaPicker, ImageDialogShowsTheChosenPictures)
{
    CScriptedPrompts prompts;
    CDlgImage dialog(prompts);
    dialog.SetFile(CDlgImage::kNormal, CText::FromQ(Path("wide.png")));
    dialog.SetFile(CDlgImage::kOver, CText::FromQ(Path("broken.png")));
    prompts.fileNames = {Path("small.jpg")};
    QTest::mouseClick(dialog.findChild<QPushButton*>("BrowseClick"), Qt::LeftButton);
    const auto thumbnail = [&](const char* box) { return dialog.findChild<QLabel*>(box)->pixmap().size(); };
    EXPECT_EQ(thumbnail("ThumbnailNormal"), QSize(32, 8));
    EXPECT_TRUE(dialog.findChild<QLabel*>("ThumbnailMouseOver")->pixmap().isNull());
    EXPECT_EQ(thumbnail("ThumbnailClick"), QSize(20, 30));
    EXPECT_EQ(CDlgAudio(prompts).findChild<QLabel*>("ThumbnailClick"), nullptr) << "sounds have no thumbnail";
}
