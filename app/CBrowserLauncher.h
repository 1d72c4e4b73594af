#pragma once

#include <QString>

class QUrl;

// Starts the browser the user chose (Options > Web Browser) on a page:
// browser mode 1 hands the page to the desktop's default browser, mode 0
// starts the user's executable, any other mode the detected browser at the
// chosen position. Everything goes through the prompts, so that tests never
// start a program.
class CBrowserLauncher {
public:
    // View Sample and help: the page (or address) in the chosen browser.
    static bool ShowPage(const QUrl& url);
    // Preview: as ShowPage for a page on disk, except that an applet viewer
    // is started in the page's folder with the bare page name.
    static bool ShowPreview(const QString& pagePath);

    // The executable the current choice names; empty for the desktop's
    // default browser, which also stands in when the choice names nothing
    // (no path given, a position the detected list does not have).
    static QString ChosenExecutable();
    static bool IsAppletViewer(const QString& executable);
};
