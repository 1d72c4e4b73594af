// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QPluginLoader>
#include <QProcess>
#include <gtest/gtest.h>

#include "gui/frame/CPluginSoundPlayer.h"
#include "gui/frame/ISoundPlayerFactory.h"

// The editor links no media framework: its sound player loads the plug-in
// that does at the first sound, and does without when it is missing.
TEST(SoundPlugin, TheMediaFrameworkComesOnlyWithThePlugin)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"),
                  {QStringLiteral("-d"), QStringLiteral(ATW_BIN_DIR "/AppletTavelinWizard")});
    ASSERT_TRUE(readelf.waitForFinished(30000));
    const QString needed = QString::fromLocal8Bit(readelf.readAllStandardOutput());
    EXPECT_TRUE(needed.contains(QStringLiteral("libQt6Widgets")));
    EXPECT_FALSE(needed.contains(QStringLiteral("libQt6Multimedia"))) << needed.toStdString();

    QPluginLoader loader(QStringLiteral(ATW_BIN_DIR "/") + QString::fromLatin1(CPluginSoundPlayer::kFileName));
    auto* factory = qobject_cast<ISoundPlayerFactory*>(loader.instance());
    ASSERT_NE(factory, nullptr) << loader.errorString().toStdString();
    EXPECT_NE(factory->MakePlayer(), nullptr);

    CPluginSoundPlayer missing({QStringLiteral("/nonexistent")});
    missing.Play(QStringLiteral("/nonexistent/click.wav"));  // a warning, no sound, no crash
    missing.Stop();
}
