// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

#include "core/settings/CProgramFolder.h"

namespace {

const QString kFolder = QStringLiteral("translations");

}  // namespace

QStringList CTranslations::Folders(const QString& exeDir)
{
    const QDir dir(exeDir);
    return {dir.filePath(kFolder),
            QDir::cleanPath(
                dir.filePath(QStringLiteral("../%1/%2").arg(QLatin1String(CProgramFolder::kInstalledData), kFolder)))};
}

bool CTranslations::Load(const QLocale& locale, const QStringList& folders)
{
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return false;
        for (const QString& folder : folders) {
            // "de_DE" finds atw_de_DE.qm or else atw_de.qm.
            if (!m_editor.load(QStringLiteral("atw_") + language, folder))
                continue;
            m_strLanguage = m_editor.language();
            // Qt's own texts where Debian ships them (qt6-translations-l10n).
            (void)m_qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return true;
        }
    }
    return false;
}

void CTranslations::Install()
{
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
    if (!m_editor.isEmpty())
        QCoreApplication::installTranslator(&m_editor);
}

void CTranslations::Remove()
{
    QCoreApplication::removeTranslator(&m_editor);
    QCoreApplication::removeTranslator(&m_qt);
}
