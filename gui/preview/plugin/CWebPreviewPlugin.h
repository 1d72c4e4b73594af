// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "gui/preview/IPreviewBrowserFactory.h"

// The browser engine's plug-in: the editor loads it when the Live Preview
// pane is first shown, and with it Qt WebEngine.
class CWebPreviewPlugin : public QObject, public IPreviewBrowserFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ATW_PREVIEW_BROWSER_FACTORY_IID)
    Q_INTERFACES(IPreviewBrowserFactory)
public:
    using QObject::QObject;

    IPreviewBrowser* CreateBrowser(IPreviewBrowser::CHandlers handlers, QWidget* parent) override;
};
