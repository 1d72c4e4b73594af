// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgImage.h"

CDlgImage::CDlgImage(IUserPrompts& prompts, QWidget* parent)
    : CDlgMediaFiles(prompts, tr("Image"), kDialogId, {tr("Normal"), tr("Mouse Over"), tr("Click")}, Filter(), parent)
{
}

QString CDlgImage::Filter()
{
    return tr("Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)");
}
