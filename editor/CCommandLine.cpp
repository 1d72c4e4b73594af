// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace {

// The options that QApplication takes for itself (X11's and the widgets'
// included). The line is read before the application object exists, so
// these are known here, hidden from the help, and left for Qt to act on.
constexpr const char* kQtValueOptions[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon",  "qwindowtitle",       "session",       "display", "geometry",
    "style",        "stylesheet",         "name",          "title",   "visual",
    "qmljsdebugger"};
constexpr const char* kQtFlagOptions[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

void DescribeQtOptions(QCommandLineParser& parser)
{
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

}  // namespace

bool CCommandLine::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's own options have one dash and long names ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(QCommandLineOption(QStringLiteral("program-dir"),
                                        tr("Work in DIR instead of the program's own folder."), QStringLiteral("DIR")));
    DescribeQtOptions(parser);
    if (!parser.parse(arguments)) {
        m_strError = parser.errorText();
        return false;
    }
    m_bHelp = parser.isSet(help);
    m_bVersion = parser.isSet(version);
    m_strProgramDir = parser.value(QStringLiteral("program-dir"));
    if (!m_strProgramDir.isEmpty())
        m_strProgramDir = QDir::cleanPath(QDir(m_strProgramDir).absolutePath());
    const QStringList pages = parser.positionalArguments();
    if (pages.size() > 1) {
        m_strError = tr("Only one page can be opened.");
        return false;
    }
    m_strPage = pages.value(0);
    return true;
}

QString CCommandLine::HelpText()
{
    // Written out here: it is printed before the GUI starts.
    return tr("Usage: AppletTavelinWizard [--program-dir DIR] [page]\n"
              "Applet Tavelina Wizard: build sliding menus for web pages without coding.\n\n"
              "Options:\n"
              "  -h, --help          Show this help and exit.\n"
              "  -v, --version       Show the version and exit.\n"
              "  --program-dir DIR   Work in DIR instead of the program's own folder.\n\n"
              "Arguments:\n"
              "  page                A saved page (.htm), or its project file (.tvx), to open.\n");
}

QString CCommandLine::VersionText()
{
    return QStringLiteral("Applet Tavelina Wizard %1\n").arg(QCoreApplication::applicationVersion());
}
