// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgAudio.h"

#include "core/io/CMediaFormat.h"

CDlgAudio::CDlgAudio(IUserPrompts& prompts, QWidget* parent)
    : CDlgMediaFiles(prompts, QStringLiteral("Audio"), kDialogId, {"Mouse Over", "Click"}, Filter(),
                     CMediaFormat::Kind::Sound, parent)
{
}

// Every sound the HTML5 forms play first; then only those the applet reads.
QString CDlgAudio::Filter()
{
    return CDlgMediaFiles::FilterOf(QStringLiteral("All Audio Files"), CMediaFormat::Kind::Sound) +
           QStringLiteral(";;Audio Files(*.au) (*.au)");
}
