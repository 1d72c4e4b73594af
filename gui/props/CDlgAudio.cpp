// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAudio.h"

CDlgAudio::CDlgAudio(IUserPrompts& prompts, QWidget* parent)
    : CDlgMediaFiles(prompts, QStringLiteral("Audio"), kDialogId, {"Mouse Over", "Click"}, Filter(), parent)
{
}

QString CDlgAudio::Filter()
{
    return QStringLiteral("Audio Files(*.au) (*.au)");
}
