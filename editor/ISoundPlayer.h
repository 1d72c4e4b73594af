// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Plays a sound file so that the author can hear it before choosing it. The
// editor uses CPluginSoundPlayer (which loads CQtSoundPlayer from a plug-in);
// tests install a fake that only records, so a test never makes a sound.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;

    // Starts path from its beginning, stopping whatever was playing.
    virtual void Play(const QString& path) = 0;
    virtual void Stop() = 0;
};
