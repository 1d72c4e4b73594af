// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgImage.h"

#include "core/io/CMediaFormat.h"

CDlgImage::CDlgImage(IUserPrompts& prompts, QWidget* parent)
    : CDlgMediaFiles(prompts, tr("Image"), kDialogId, {tr("Normal"), tr("Mouse Over"), tr("Click")}, Filter(),
                     CMediaFormat::Kind::Picture, parent)
{
}

// Every picture the HTML5 forms show first; then only those the applet reads.
QString CDlgImage::Filter()
{
    return CDlgMediaFiles::FilterOf(tr("All Image Files"), CMediaFormat::Kind::Picture) + QStringLiteral(";;") +
           tr("Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)");
}
