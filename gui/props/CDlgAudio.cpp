// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAudio.h"

#include "core/io/CMediaFormat.h"

CDlgAudio::CDlgAudio(IUserPrompts& prompts, QWidget* parent)
    : CDlgMediaFiles(prompts, tr("Audio"), kDialogId, {tr("Mouse Over"), tr("Click")}, Filter(),
                     CMediaFormat::Kind::Sound, parent)
{
}

// Every sound the HTML5 forms play first; then only those the applet reads.
QString CDlgAudio::Filter()
{
    return CDlgMediaFiles::FilterOf(tr("All Audio Files"), CMediaFormat::Kind::Sound) + QStringLiteral(";;") +
           tr("Audio Files(*.au) (*.au)");
}
