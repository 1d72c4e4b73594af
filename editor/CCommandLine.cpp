// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CCommandLine.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

void Describe(QCommandLineParser& parser)
{
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help and exit.")));
    parser.addOption(QCommandLineOption(QStringLiteral("version"), QStringLiteral("Show the version and exit.")));
    parser.addOption(QCommandLineOption(QStringLiteral("program-dir"),
                                        QStringLiteral("Work in DIR instead of the program's own folder."),
                                        QStringLiteral("DIR")));
}

}  // namespace

bool CCommandLine::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    Describe(parser);
    if (!parser.parse(arguments)) {
        m_strError = parser.errorText();
        return false;
    }
    m_bHelp = parser.isSet(QStringLiteral("help"));
    m_bVersion = parser.isSet(QStringLiteral("version"));
    m_strProgramDir = parser.value(QStringLiteral("program-dir"));
    if (!m_strProgramDir.isEmpty())
        m_strProgramDir = QDir::cleanPath(QDir(m_strProgramDir).absolutePath());
    const QStringList pages = parser.positionalArguments();
    if (pages.size() > 1) {
        m_strError = QStringLiteral("Only one page can be opened.");
        return false;
    }
    m_strPage = pages.value(0);
    return true;
}

QString CCommandLine::HelpText()
{
    // Written out here: it is printed before any application object exists.
    return QStringLiteral("Usage: AppletTavelinWizard [--program-dir DIR] [page]\n"
                          "Applet Tavelina Wizard: build sliding menus for web pages without coding.\n\n"
                          "Options:\n"
                          "  -h, --help          Show this help and exit.\n"
                          "  --version           Show the version and exit.\n"
                          "  --program-dir DIR   Work in DIR instead of the program's own folder.\n\n"
                          "Arguments:\n"
                          "  page                A saved page (.htm) to open.\n");
}

QString CCommandLine::VersionText()
{
    return QStringLiteral("Applet Tavelina Wizard Version 1.0\n");
}
