// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "gui/frame/ISoundPlayerFactory.h"

// The sound plug-in: the editor loads it at the first sound it plays.
class CSoundPlugin : public QObject, public ISoundPlayerFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISoundPlayerFactory_iid)
    Q_INTERFACES(ISoundPlayerFactory)

public:
    std::unique_ptr<ISoundPlayer> MakePlayer() override;
};
