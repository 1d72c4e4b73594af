// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The editor's texts in the user's language: atw_<language>.qm from the
// program's translations folder (translations/ beside the executable in a
// build tree, share/applettavelinwizard/translations in an installation) and
// Qt's own qtbase_<language>.qm for the texts of Qt's dialogs and of the
// command-line parser. Loaded before any application object exists (the
// languages come from LANGUAGE, LC_ALL, LC_MESSAGES and LANG through QLocale,
// whether or not the C library has that locale), installed into each
// application object in turn.
class CTranslations {
public:
    // The folders that may hold atw_*.qm for an executable in exeDir.
    static QStringList Folders(const QString& exeDir);
    // Loads the translations of the first of the locale's UI languages that
    // the editor has; English, the editor's own language, ends the search.
    // True when one of the editor's was loaded.
    bool Load(const QLocale& locale, const QStringList& folders);
    // The language loaded ("de"), empty when the editor speaks English.
    QString Language() const { return m_strLanguage; }
    // Into (and out of) the application object that exists now.
    void Install();
    void Remove();

private:
    QTranslator m_editor;
    QTranslator m_qt;
    QString m_strLanguage;
};
