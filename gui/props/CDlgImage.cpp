// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgImage.h"

CDlgImage::CDlgImage(IUserPrompts& prompts, QWidget* parent)
    : CDlgMediaFiles(prompts, QStringLiteral("Image"), kDialogId, {"Normal", "Mouse Over", "Click"}, Filter(), parent)
{
}

QString CDlgImage::Filter()
{
    return QStringLiteral("Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)");
}
