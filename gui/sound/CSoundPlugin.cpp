// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CSoundPlugin.h"

#include "CQtSoundPlayer.h"

std::unique_ptr<ISoundPlayer> CSoundPlugin::MakePlayer()
{
    return std::make_unique<CQtSoundPlayer>();
}
