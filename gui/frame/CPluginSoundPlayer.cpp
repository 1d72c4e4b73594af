// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPluginSoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QtDebug>
#include <utility>

#include "ISoundPlayerFactory.h"

CPluginSoundPlayer::CPluginSoundPlayer(QStringList folders) : m_folders(std::move(folders))
{
}

CPluginSoundPlayer::~CPluginSoundPlayer() = default;

ISoundPlayer* CPluginSoundPlayer::Player()
{
    if (m_bTried)
        return m_player.get();
    m_bTried = true;
    for (const QString& folder : std::as_const(m_folders)) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
        if (!QFileInfo::exists(path))
            continue;
        // The loader is let go of, the library stays: a plug-in is unloaded
        // only when asked to.
        QPluginLoader loader(path);
        if (auto* factory = qobject_cast<ISoundPlayerFactory*>(loader.instance()))
            m_player = factory->MakePlayer();
        else
            qWarning("No sound: %s", qPrintable(loader.errorString()));
        return m_player.get();
    }
    qWarning("No sound: %s is not installed", kFileName);
    return nullptr;
}

void CPluginSoundPlayer::Play(const QString& path)
{
    if (ISoundPlayer* player = Player())
        player->Play(path);
}

void CPluginSoundPlayer::Stop()
{
    if (m_player)
        m_player->Stop();
}
