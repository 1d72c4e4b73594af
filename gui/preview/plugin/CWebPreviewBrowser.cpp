// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CWebPreviewBrowser.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <utility>

#include "CLivePreviewPage.h"
#include "CPreviewBridge.h"

namespace {

QString ResourceText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

CWebPreviewBrowser::CWebPreviewBrowser(CHandlers handlers, QWidget* parent)
    : QWebEngineView(parent), m_handlers(std::move(handlers))
{
    Q_INIT_RESOURCE(preview);  // the bridge script lives in this library
    Q_INIT_RESOURCE(atw_preview_runtime);
    setObjectName(QStringLiteral("livePreviewView"));
    // Off the record: nothing kept on disk. The profile must outlive the
    // page: it belongs to the view's parent, which lets go of it after the view.
    auto* profile = new QWebEngineProfile(parent ? static_cast<QObject*>(parent) : this);
    m_pPage = new CLivePreviewPage(profile, this);
    m_pPage->settings()->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    m_pPage->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    m_pBridge = new CPreviewBridge(this);
    auto* channel = new QWebChannel(m_pPage);
    channel->registerObject(QStringLiteral("atwEditor"), m_pBridge);
    m_pPage->setWebChannel(channel);
    QWebEngineScript script;
    script.setName(QStringLiteral("atw-live-preview"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    // The fuller runtime goes in first: it draws the menu from the page's
    // parameters and redraws it in place; the page's own tavelin.js then
    // leaves it in charge.
    script.setSourceCode(ResourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")) + QLatin1Char('\n') +
                         ResourceText(QStringLiteral(":/preview/tavelin-preview.js")) + QLatin1Char('\n') +
                         ResourceText(QStringLiteral(":/preview/livepreview.js")));
    m_pPage->scripts().insert(script);
    setPage(m_pPage);
    Connect();
}

// The page (a child of the view) says nothing more to the pane on its way.
CWebPreviewBrowser::~CWebPreviewBrowser()
{
    m_handlers = {};
    m_pPage->disconnect(this);
    m_pBridge->disconnect(this);
}

void CWebPreviewBrowser::Connect()
{
    const auto call = [](const auto& handler, const auto& value) {
        if (handler)
            handler(value);
    };
    connect(m_pPage, &QWebEnginePage::loadFinished, this, [this, call](bool ok) { call(m_handlers.m_loaded, ok); });
    connect(m_pPage, &QWebEnginePage::linkHovered, this,
            [this, call](const QString& url) { call(m_handlers.m_hovered, url); });
    connect(m_pPage, &CLivePreviewPage::NavigationRefused, this,
            [this, call](const QUrl& url) { call(m_handlers.m_refused, url.toString()); });
    connect(m_pBridge, &CPreviewBridge::LinkClicked, this,
            [this, call](const QString& url) { call(m_handlers.m_refused, url); });
    connect(m_pBridge, &CPreviewBridge::ItemClicked, this,
            [this, call](const QString& key) { call(m_handlers.m_itemClicked, key); });
}

void CWebPreviewBrowser::Load(const QUrl& page)
{
    m_pPage->SetHome(page);
    m_pPage->load(page);
}

void CWebPreviewBrowser::Run(const QString& script, std::function<void(const QVariant&)> done)
{
    if (done)
        m_pPage->runJavaScript(script, done);  // taken by const reference
    else
        m_pPage->runJavaScript(script);
}
