// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QWebEngineView>

#include "gui/preview/IPreviewBrowser.h"

class CLivePreviewPage;
class CPreviewBridge;

// The preview's browser view on Qt WebEngine: an off-the-record profile, a
// page that shows only its own address, and the bridge over which the page
// reports clicks.
class CWebPreviewBrowser : public QWebEngineView, public IPreviewBrowser {
    Q_OBJECT
public:
    CWebPreviewBrowser(CHandlers handlers, QWidget* parent);
    ~CWebPreviewBrowser() override;

    QWidget* Widget() override { return this; }
    void Load(const QUrl& page) override;
    void Run(const QString& script, std::function<void(const QVariant&)> done) override;

private:
    void Connect();

    CHandlers m_handlers;
    CLivePreviewPage* m_pPage = nullptr;
    CPreviewBridge* m_pBridge = nullptr;
};
