// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The editor's command line: an optional page to open, "--program-dir DIR"
// (a program folder other than the executable's, for tests and scripts),
// "--help" and "--version". Qt's own options ("-platform NAME" and the like)
// are understood and left to Qt, so that the line can be read, and a wrong
// one refused, before the GUI starts.
class CCommandLine {
    Q_DECLARE_TR_FUNCTIONS(CCommandLine)

public:
    // False when the line cannot be understood; m_strError then says why.
    bool Parse(const QStringList& arguments);
    // In the language of the translators installed.
    static QString HelpText();
    // The program's name and QCoreApplication::applicationVersion().
    static QString VersionText();

    QString m_strPage;
    QString m_strProgramDir;
    QString m_strError;
    bool m_bHelp = false;
    bool m_bVersion = false;
};
