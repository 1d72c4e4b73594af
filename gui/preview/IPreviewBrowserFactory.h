// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QtPlugin>

#include "IPreviewBrowser.h"

// The entry point of the browser engine's plug-in.
class IPreviewBrowserFactory {
public:
    virtual ~IPreviewBrowserFactory() = default;
    // A new view under parent, which owns it; handlers are called for as
    // long as it lives.
    virtual IPreviewBrowser* CreateBrowser(IPreviewBrowser::CHandlers handlers, QWidget* parent) = 0;
};

#define ATW_PREVIEW_BROWSER_FACTORY_IID "com.quorvex.AppletTavelinWizard.PreviewBrowserFactory/1.0"
Q_DECLARE_INTERFACE(IPreviewBrowserFactory, ATW_PREVIEW_BROWSER_FACTORY_IID)
