// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "editor/ISoundPlayer.h"

class QAudioOutput;
class QMediaPlayer;

// Plays through Qt Multimedia (WAV, Ogg, MP3 and what else the desktop's
// media framework decodes). The player is made at the first sound, so that
// a run that plays nothing never loads the media framework.
class CQtSoundPlayer : public ISoundPlayer {
public:
    CQtSoundPlayer();
    ~CQtSoundPlayer() override;
    CQtSoundPlayer(const CQtSoundPlayer&) = delete;
    CQtSoundPlayer& operator=(const CQtSoundPlayer&) = delete;

    void Play(const QString& path) override;
    void Stop() override;

private:
    std::unique_ptr<QAudioOutput> m_pOutput;
    std::unique_ptr<QMediaPlayer> m_pPlayer;
};
