// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "editor/CEditorContext.h"

class IPreviewBrowser;
class QWidget;

// Pictures of the templates as the menu runtime draws them, for New's list.
// Each is kept in the cache folder under a key made of the page the
// template makes and the runtime, so a changed template or runtime is drawn
// again and an unchanged one is read back. Drawing needs the browser
// engine's plug-in; without it only the pictures already kept are given.
// The pages are drawn one after the other in a view that is never on screen.
class CTemplatePictures : public QObject {
    Q_OBJECT
public:
    static constexpr int kSize = 96;  // the longer side of a picture
    static constexpr int kSettleMs = 150;

    CTemplatePictures(const CEditorContext& context, QString cacheFolder, QObject* parent = nullptr);
    ~CTemplatePictures() override;

    // The per-user cache folder of the pictures.
    static QString DefaultFolder();

    // Gives the kept pictures of the templates at once and draws the others;
    // Pictured(index, picture) for each, in list order.
    void Start();
    // Pictures drawn by the runtime (not read back) in this run.
    int Drawn() const { return m_nDrawn; }
    // Every template has its picture or none can be drawn.
    bool IsDone() const { return m_bStarted && m_queue.empty() && !m_bBusy; }

signals:
    void Pictured(int index, const QImage& picture);
    void Finished();

private:
    struct CJob {
        int index = 0;
        std::string page;  // the page text
        QString file;      // the picture's place in the cache
        QSize size;        // the page's size
    };

    bool MakeJob(int index, CJob& job);
    bool CreateView();
    void DrawNext();
    void OnLoaded(bool ok);
    void Grab();
    void Finish(const QImage& picture);

    CEditorContext m_ctx;
    QString m_strFolder;
    std::vector<CJob> m_queue;  // front: being drawn
    std::unique_ptr<QWidget> m_pHost;
    IPreviewBrowser* m_pBrowser = nullptr;  // a child of m_pHost
    bool m_bStarted = false;
    bool m_bViewTried = false;
    bool m_bBusy = false;
    int m_nDrawn = 0;
};
