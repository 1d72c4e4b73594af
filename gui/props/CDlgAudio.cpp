// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAudio.h"

CDlgAudio::CDlgAudio(IUserPrompts& prompts, QWidget* parent)
    : CDlgMediaFiles(prompts, tr("Audio"), kDialogId, {tr("Mouse Over"), tr("Click")}, Filter(), parent)
{
}

QString CDlgAudio::Filter()
{
    return tr("Audio Files(*.au) (*.au)");
}
