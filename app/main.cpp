// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <unistd.h>

#include "CAppletTavelinWizardApp.h"
#include "CTranslations.h"
#include "editor/CCommandLine.h"
#include "gui/widgets/CEditorStyle.h"

namespace {

// Prints help or version when asked for; true when the program is done.
bool Answered(const CCommandLine& line)
{
    if (!line.m_bHelp && !line.m_bVersion)
        return false;
    std::fputs(qPrintable(line.m_bHelp ? CCommandLine::HelpText() : CCommandLine::VersionText()), stdout);
    return true;
}

// Start-up measurements end the run once the first window is shown, and
// note the monotonic clock's seconds at that moment in the file ATW_SHOWN_AT
// names, so that what the program does on its way out is not counted.
void QuitAfterShow()
{
    const QString file = qEnvironmentVariable("ATW_SHOWN_AT");
    QFile shownAt(file);
    if (!file.isEmpty() && shownAt.open(QIODevice::WriteOnly)) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        shownAt.write(QByteArray::number(std::chrono::duration<double>(now).count(), 'f', 6));
    }
    QCoreApplication::quit();
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QCoreApplication::setApplicationName(QStringLiteral("AppletTavelinWizard"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ATW_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("applettavelinwizard"));

#ifdef ATW_WITH_WEBENGINE
    // The Live Preview's browser engine cannot run its sandbox as root, so
    // only there it is turned off. Its drawing needs no OpenGL context made
    // at start (the plug-in sees to it when the pane is first shown).
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif

    // The line is read under a plain application object, before the GUI
    // starts, so that help, version and a wrong option are answered without a
    // display; its texts, and Qt's, already in the user's language.
    CTranslations translations;
    CCommandLine line;
    {
        QCoreApplication reader(argc, argv);
        translations.Load(QLocale::system(), CTranslations::Folders(QCoreApplication::applicationDirPath()));
        translations.Install();
        QStringList raw;
        for (int i = 0; i < argc; ++i)
            raw << QString::fromLocal8Bit(argv[i]);
        if (!line.Parse(raw)) {
            std::fprintf(stderr, "%s\n\n%s", qPrintable(line.m_strError), qPrintable(CCommandLine::HelpText()));
            return 2;
        }
        if (Answered(line))
            return 0;
        translations.Remove();
    }

    QApplication app(argc, argv);
    QApplication::setStyle(new CEditorStyle(QApplication::style()));
    translations.Install();
    CAppletTavelinWizardApp editor;
    // Qt has taken its own options (-platform ...) out of the arguments by now.
    if (!editor.InitInstance(QCoreApplication::arguments()))
        return 1;
    if (qEnvironmentVariableIsSet("ATW_QUIT_AFTER_SHOW"))
        QTimer::singleShot(0, &app, QuitAfterShow);
    const int result = QApplication::exec();
    const int exitCode = editor.ExitInstance();
    return result != 0 ? result : exitCode;
}
