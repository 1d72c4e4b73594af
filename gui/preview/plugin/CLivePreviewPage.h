// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>
#include <QWebEnginePage>

// The preview's web page: it shows only its own page. Any other navigation
// (a link, a script, a form) is refused and reported instead.
class CLivePreviewPage : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

    // The one address this page may load.
    void SetHome(const QUrl& url) { m_home = url; }

signals:
    void NavigationRefused(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    QUrl m_home;
};
