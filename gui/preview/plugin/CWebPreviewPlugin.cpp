// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CWebPreviewPlugin.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtWebEngineQuick/qtwebenginequickglobal.h>
#include <utility>

#include "CWebPreviewBrowser.h"

namespace {

// The engine is made ready once, before its first view: the editor starts
// without any OpenGL context (one made at start loads the GL driver, some
// 40 MB), so the view draws with Qt Quick's software renderer, which also
// spares the window its switch to an OpenGL surface (a flicker) when the
// view joins it. Qt WebEngine 6.4 still reads the format of a global shared
// context when it starts, so one is made now, late, by the engine's own
// set-up call (it warns that it is late; the context is not drawn with).
void PrepareEngine()
{
    static const bool prepared = [] {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        QtWebEngineQuick::initialize();
        return true;
    }();
    (void)prepared;
}

}  // namespace

IPreviewBrowser* CWebPreviewPlugin::CreateBrowser(IPreviewBrowser::CHandlers handlers, QWidget* parent)
{
    PrepareEngine();
    return new CWebPreviewBrowser(std::move(handlers), parent);
}
