#include <QApplication>
#include <cstdio>

#include "CAppletTavelinWizardApp.h"
#include "CCommandLine.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QCoreApplication::setApplicationName(QStringLiteral("AppletTavelinWizard"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));

    CCommandLine line;
    if (!line.Parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(line.m_strError), qPrintable(CCommandLine::HelpText()));
        return 2;
    }
    if (line.m_bHelp || line.m_bVersion) {
        std::fputs(qPrintable(line.m_bHelp ? CCommandLine::HelpText() : CCommandLine::VersionText()), stdout);
        return 0;
    }
    if (!theApp().InitInstance(QCoreApplication::arguments()))
        return 1;
    const int result = QApplication::exec();
    const int exitCode = theApp().ExitInstance();
    return result != 0 ? result : exitCode;
}
