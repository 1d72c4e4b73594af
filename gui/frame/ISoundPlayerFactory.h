// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QtPlugin>
#include <memory>

#include "editor/ISoundPlayer.h"

// What the sound plug-in offers (gui/sound): players that play through Qt
// Multimedia, whose libraries only the plug-in links.
class ISoundPlayerFactory {
public:
    virtual ~ISoundPlayerFactory() = default;
    virtual std::unique_ptr<ISoundPlayer> MakePlayer() = 0;
};

#define ISoundPlayerFactory_iid "com.quorvex.AppletTavelinWizard.ISoundPlayerFactory/1"
Q_DECLARE_INTERFACE(ISoundPlayerFactory, ISoundPlayerFactory_iid)
