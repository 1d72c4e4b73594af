// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <memory>

#include "editor/ISoundPlayer.h"

// The editor's sound player: it loads the sound plug-in (libatwsound.so,
// beside the program or in the installed plug-in folder) at the first sound,
// so that a run that plays nothing never loads Qt Multimedia and the sound
// and codec libraries it brings.
class CPluginSoundPlayer : public ISoundPlayer {
public:
    static constexpr const char* kFileName = "libatwsound.so";

    explicit CPluginSoundPlayer(QStringList folders);
    ~CPluginSoundPlayer() override;
    CPluginSoundPlayer(const CPluginSoundPlayer&) = delete;
    CPluginSoundPlayer& operator=(const CPluginSoundPlayer&) = delete;

    void Play(const QString& path) override;
    void Stop() override;

private:
    // The plug-in's player; null until the first sound, and when the
    // plug-in cannot be loaded (then no sound plays, and a warning says why).
    ISoundPlayer* Player();

    QStringList m_folders;
    std::unique_ptr<ISoundPlayer> m_player;
    bool m_bTried = false;
};
