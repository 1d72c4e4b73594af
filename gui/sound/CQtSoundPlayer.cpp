// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CQtSoundPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

CQtSoundPlayer::CQtSoundPlayer() = default;

CQtSoundPlayer::~CQtSoundPlayer()
{
    Stop();
}

void CQtSoundPlayer::Play(const QString& path)
{
    if (!m_pPlayer) {
        m_pOutput = std::make_unique<QAudioOutput>();
        m_pPlayer = std::make_unique<QMediaPlayer>();
        m_pPlayer->setAudioOutput(m_pOutput.get());
    }
    m_pPlayer->stop();
    m_pPlayer->setSource(QUrl::fromLocalFile(path));
    m_pPlayer->play();
}

void CQtSoundPlayer::Stop()
{
    if (m_pPlayer)
        m_pPlayer->stop();
}
