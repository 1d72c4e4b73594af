// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTreeClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QString CTreeClipboard::MimeType()
{
    return QStringLiteral("application/x-applettavelinwizard-item");
}

QString CTreeClipboard::NamedFormat()
{
#ifdef Q_OS_WIN
    return QStringLiteral("application/x-qt-windows-mime;value=\"AppletTavelinWizardClipboardFormat\"");
#else
    return QStringLiteral("AppletTavelinWizardClipboardFormat");
#endif
}

bool CTreeClipboard::Put(const std::string& bytes)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || bytes.empty())
        return false;
    const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    auto* mime = new QMimeData;
    mime->setData(MimeType(), data);
    mime->setData(NamedFormat(), data);
    clipboard->setMimeData(mime);
    const QMimeData* now = clipboard->mimeData();
    return now && now->data(MimeType()) == data;
}

bool CTreeClipboard::Offers()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    return mime && (mime->hasFormat(MimeType()) || mime->hasFormat(NamedFormat()));
}

std::optional<std::string> CTreeClipboard::Get()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    if (!mime)
        return std::nullopt;
    for (const QString& format : {MimeType(), NamedFormat()}) {
        if (mime->hasFormat(format)) {
            const QByteArray data = mime->data(format);
            return std::string(data.constData(), static_cast<size_t>(data.size()));
        }
    }
    return std::nullopt;
}
