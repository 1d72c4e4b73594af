// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMediaPreview.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/io/CMediaFormat.h"
#include "editor/CText.h"
#include "editor/ISoundPlayer.h"

CMediaPreview::CMediaPreview(ISoundPlayer& player, QWidget* parent) : QWidget(parent), m_player(player)
{
    setObjectName(QStringLiteral("MediaPreview"));
    m_pThumbnail = new QLabel(this);
    m_pThumbnail->setObjectName(QStringLiteral("Thumbnail"));
    m_pThumbnail->setFixedSize(kThumbnailSize + 4, kThumbnailSize + 4);
    m_pThumbnail->setAlignment(Qt::AlignCenter);
    m_pThumbnail->setFrameShape(QFrame::StyledPanel);
    m_pCaption = new QLabel(this);
    m_pCaption->setObjectName(QStringLiteral("Caption"));
    m_pCaption->setWordWrap(true);
    m_pCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pPlay = new QPushButton(tr("&Play"), this);
    m_pPlay->setObjectName(QStringLiteral("Play"));
    m_pPlay->setAutoDefault(false);
    connect(m_pPlay, &QPushButton::clicked, this, &CMediaPreview::PlayCurrent);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_pThumbnail, 0, Qt::AlignHCenter);
    column->addWidget(m_pCaption);
    column->addWidget(m_pPlay, 0, Qt::AlignHCenter);
    column->addStretch(1);
    ShowFile(QString());
}

CMediaPreview::~CMediaPreview()
{
    m_player.Stop();
}

void CMediaPreview::ShowFile(const QString& path)
{
    m_player.Stop();
    m_strPath.clear();
    m_pThumbnail->clear();
    m_pCaption->clear();
    m_pPlay->setEnabled(false);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return;
    const CMediaFormat::Format* format = CMediaFormat::Of(CText::FromQ(path));
    if (format && format->kind == CMediaFormat::Kind::Sound) {
        m_strPath = path;
        m_pThumbnail->setText(QStringLiteral("\u266B"));
        m_pCaption->setText(tr("Sound, %1 KB").arg((info.size() + 1023) / 1024));
        m_pPlay->setEnabled(true);
        return;
    }
    if (ShowPicture(path))
        m_strPath = path;
    else
        m_pCaption->setText(tr("No preview"));
}

// The reader scales while it reads, so that a vector picture is drawn at the
// thumbnail's size rather than scaled as pixels.
QPixmap CMediaPreview::Thumbnail(const QString& path, int side, QSize* original)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return QPixmap();
    if (size.width() > side || size.height() > side)
        reader.setScaledSize(size.scaled(QSize(side, side), Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (original)
        *original = size;
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

bool CMediaPreview::ShowPicture(const QString& path)
{
    QSize size;
    const QPixmap thumbnail = Thumbnail(path, kThumbnailSize, &size);
    if (thumbnail.isNull())
        return false;
    m_pThumbnail->setPixmap(thumbnail);
    m_pCaption->setText(tr("%1 \u00D7 %2 pixels").arg(size.width()).arg(size.height()));
    return true;
}

void CMediaPreview::PlayCurrent()
{
    if (!m_strPath.isEmpty())
        m_player.Play(m_strPath);
}
