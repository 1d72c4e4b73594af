// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>
#include <QVariant>
#include <functional>

class QWidget;

// The browser view that the Live Preview pane draws its page in. It comes
// from the browser engine's plug-in (IPreviewBrowserFactory), so that the
// engine's libraries are loaded when the pane is first shown, not when the
// editor starts.
class IPreviewBrowser {
public:
    // What the page tells the pane. Each may be empty.
    struct CHandlers {
        std::function<void(bool ok)> m_loaded;              // a load has ended
        std::function<void(const QString& url)> m_hovered;  // the link under the pointer, or empty
        std::function<void(const QString& url)> m_refused;  // a link or navigation that was not followed
        std::function<void(const QString& key)> m_itemClicked;
    };

    virtual ~IPreviewBrowser() = default;

    // The view itself, to be placed in a layout; its parent owns it.
    virtual QWidget* Widget() = 0;
    // Loads page, the one address the view may show.
    virtual void Load(const QUrl& page) = 0;
    // Runs script in the page; done (if any) gets its value.
    virtual void Run(const QString& script, std::function<void(const QVariant&)> done = {}) = 0;
};
