// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTemplatePictures.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "CLivePreviewPane.h"
#include "CPreviewEngine.h"
#include "IPreviewBrowserFactory.h"
#include "core/io/CPath.h"
#include "core/publish/CPageWriter.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CText.h"

namespace {

constexpr const char* kPageName = "template.htm";
constexpr const char* kRuntimeName = "tavelin.js";

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

CTemplatePictures::CTemplatePictures(const CEditorContext& context, QString cacheFolder, QObject* parent)
    : QObject(parent), m_ctx(context), m_strFolder(std::move(cacheFolder))
{
}

CTemplatePictures::~CTemplatePictures() = default;

QString CTemplatePictures::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/templates");
}

void CTemplatePictures::Start()
{
    m_bStarted = true;
    const std::vector<std::string> names =
        CTemplateStore(m_ctx.settings, m_ctx.fileSystem, m_ctx.programDir).ListNames();
    for (int index = 0; index < int(names.size()) && !names[size_t(index)].empty(); ++index) {
        CJob job;
        if (!MakeJob(index, job))
            continue;
        const QImage kept(job.file);
        if (!kept.isNull())
            emit Pictured(index, kept);
        else
            m_queue.push_back(std::move(job));
    }
    DrawNext();
}

// The page the template makes, and the place of its picture: the key is
// the page, the runtime it runs and the picture's size.
bool CTemplatePictures::MakeJob(int index, CJob& job)
{
    CAppletParameters params;
    if (!CTemplateStore(m_ctx.settings, m_ctx.fileSystem, m_ctx.programDir).LoadTemplate(params, index))
        return false;
    CPageWriter writer(params, m_ctx.fileSystem, m_ctx.programDir);
    writer.SetHtml5Runtime(true);
    job.index = index;
    job.page = writer.BuildPage();
    job.size = QSize(std::max(CLivePreviewPane::kDesktopWidth, params.m_nWidth + CLivePreviewPane::kPageRoom),
                     params.m_nHeight + CLivePreviewPane::kPageRoom);
    QCryptographicHash key(QCryptographicHash::Sha1);
    key.addData(QByteArray::fromStdString(job.page));
    key.addData(FileBytes(QDir(CText::ToQ(m_ctx.programDir)).filePath(QString::fromLatin1(kRuntimeName))));
    key.addData(QByteArray::number(kSize));
    job.file = QDir(m_strFolder).filePath(QString::fromLatin1(key.result().toHex()) + QStringLiteral(".png"));
    return true;
}

// The engine comes from its plug-in, loaded on first use; a context that
// does not draw gets the kept pictures only.
bool CTemplatePictures::CreateView()
{
    m_bViewTried = true;
    if (!m_ctx.drawTemplates)
        return false;
    QString error;
    IPreviewBrowserFactory* engine = CPreviewEngine::Factory(error);
    if (!engine)
        return false;
    m_pHost = std::make_unique<QWidget>();
    m_pHost->setAttribute(Qt::WA_DontShowOnScreen);
    IPreviewBrowser::CHandlers handlers;
    handlers.m_loaded = [this](bool ok) { OnLoaded(ok); };
    m_pBrowser = engine->CreateBrowser(std::move(handlers), m_pHost.get());
    m_pHost->show();
    return true;
}

void CTemplatePictures::DrawNext()
{
    if (m_bBusy)
        return;
    if (!m_queue.empty() && !m_pBrowser && (m_bViewTried || !CreateView()))
        m_queue.clear();
    if (m_queue.empty()) {
        emit Finished();
        return;
    }
    const CJob& job = m_queue.front();
    const QString pages = QDir(m_strFolder).filePath(QStringLiteral("page"));
    QDir().mkpath(pages);
    const std::string folder = CText::FromQ(pages);
    CAppletParameters params;
    CTemplateStore(m_ctx.settings, m_ctx.fileSystem, m_ctx.programDir).LoadTemplate(params, job.index);
    CPageWriter writer(params, m_ctx.fileSystem, m_ctx.programDir);
    writer.SetHtml5Runtime(true);
    const std::string page = CPath::Join(folder, kPageName);
    // The page is the job's; the writer copies what it shows beside it.
    if (!writer.SaveFiles(page, folder, job.page)) {
        Finish({});
        return;
    }
    m_bBusy = true;
    m_pHost->resize(job.size);
    m_pBrowser->Widget()->setGeometry(QRect(QPoint(0, 0), job.size));
    m_pBrowser->Load(QUrl::fromLocalFile(CText::ToQ(page)));
}

void CTemplatePictures::OnLoaded(bool ok)
{
    if (!m_bBusy)
        return;
    if (!ok) {
        Finish({});
        return;
    }
    // The runtime has drawn the menu by the end of the load; the view shows
    // it a frame or two later.
    QPointer<CTemplatePictures> self(this);
    QTimer::singleShot(kSettleMs, this, [self] {
        if (self)
            self->Grab();
    });
}

// The menu box alone, scaled down to the picture's size.
void CTemplatePictures::Grab()
{
    const QString script =
        QStringLiteral("(b => b ? (r => [r.left, r.top, r.width, r.height])(b.getBoundingClientRect()) : [])"
                       "(document.querySelector('[data-tavelin=applet]'))");
    QPointer<CTemplatePictures> self(this);
    m_pBrowser->Run(script, [self](const QVariant& value) {
        if (!self)
            return;
        const QVariantList r = value.toList();
        QImage shot = self->m_pBrowser->Widget()->grab().toImage();
        if (r.size() == 4)
            shot = shot.copy(QRectF(r[0].toDouble(), r[1].toDouble(), r[2].toDouble(), r[3].toDouble()).toRect());
        self->Finish(shot.scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    });
}

void CTemplatePictures::Finish(const QImage& picture)
{
    const CJob job = m_queue.front();
    m_queue.erase(m_queue.begin());
    m_bBusy = false;
    if (!picture.isNull()) {
        ++m_nDrawn;
        picture.save(job.file, "PNG");
        emit Pictured(job.index, picture);
    }
    DrawNext();
}
