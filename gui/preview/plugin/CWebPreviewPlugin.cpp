// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CWebPreviewPlugin.h"

#include <utility>

#include "CWebPreviewBrowser.h"

IPreviewBrowser* CWebPreviewPlugin::CreateBrowser(IPreviewBrowser::CHandlers handlers, QWidget* parent)
{
    return new CWebPreviewBrowser(std::move(handlers), parent);
}
