// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CRecoverAll.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <utility>

#include "CText.h"
#include "core/io/CPath.h"
#include "core/io/IFileSystem.h"

CRecoverAll::CRecoverAll(CRecoveryStore& store, IFileSystem& fs, SaveRecovered save)
    : m_store(store), m_fs(fs), m_save(std::move(save))
{
}

QString CRecoverAll::Run(const std::vector<CRecoveryCopy>& copies, const QString& folder)
{
    QStringList saved;
    QStringList kept;
    for (const CRecoveryCopy& copy : copies) {
        const QString page = FreePage(folder, copy.pagePath);
        const QString error = m_save(page, copy.projectText);
        const QString from = copy.pagePath.empty() ? tr("untitled") : CText::ToQ(copy.pagePath);
        if (error.isEmpty()) {
            m_store.Discard(copy.id);
            saved << tr("%1, saved as %2").arg(QDir::toNativeSeparators(from), QFileInfo(page).fileName());
        } else {
            m_store.Release(copy.id);
            kept << tr("%1: %2").arg(QDir::toNativeSeparators(from), error);
        }
    }
    QStringList parts;
    const QString where = QDir::toNativeSeparators(folder);
    if (saved.size() == 1)
        parts << tr("A recovery copy was saved in %1:").arg(where) + QLatin1Char('\n') + saved[0];
    else if (!saved.isEmpty())
        parts << tr("%1 recovery copies were saved in %2:").arg(saved.size()).arg(where) + QLatin1Char('\n') +
                     saved.join(QLatin1Char('\n'));
    if (kept.size() == 1)
        parts << tr("A recovery copy could not be saved and is kept for the next start:") + QLatin1Char('\n') + kept[0];
    else if (!kept.isEmpty())
        parts << tr("%1 recovery copies could not be saved and are kept for the next start:").arg(kept.size()) +
                     QLatin1Char('\n') + kept.join(QLatin1Char('\n'));
    return parts.join(QStringLiteral("\n\n"));
}

QString CRecoverAll::FreePage(const QString& folder, const std::string& page)
{
    const QFileInfo named(CText::ToQ(page.empty() ? std::string("untitled.htm") : CPath::FileName(page)));
    const QString stem = named.completeBaseName();
    const QString suffix = named.suffix().isEmpty() ? QStringLiteral("htm") : named.suffix();
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? stem : QStringLiteral("%1 (%2)").arg(stem).arg(n);
        const QString path = QDir(folder).filePath(name + QLatin1Char('.') + suffix);
        const std::string bytes = CText::FromQ(path);
        if (!m_taken.contains(path) && !m_fs.Exists(bytes) && !m_fs.Exists(CPath::ProjectFileFor(bytes))) {
            m_taken.insert(path);
            return path;
        }
    }
}
