// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

class ISettingsStore;
class IUserPrompts;
class QUrl;
class QWidget;

// Starts the browser the user chose (Options > Web Browser) on a page: the
// desktop's default browser, the user's executable or the detected browser
// at the chosen position. Everything goes through the prompts, so that tests never
// start a program. The choice is read from the settings when made and
// written back by SetChoice. A browser that cannot be started is named in a
// message over owner.
class CBrowserLauncher {
public:
    static constexpr const char* kCannotStart =
        QT_TRANSLATE_NOOP("CBrowserLauncher", "The web browser \"%1\" could not be started.");
    static constexpr const char* kNoDefault =
        QT_TRANSLATE_NOOP("CBrowserLauncher", "The default web browser could not be started for \"%1\".");

    // The kinds of choice, valued as the settings store them ("Use Default").
    enum class Mode {
        Specified = 0,  // the user's executable
        Default = 1,    // the desktop's default browser
        Known = 2,      // a detected browser
    };
    // The mode a stored value means: any value not listed is Known.
    static Mode ModeOf(int stored);

    CBrowserLauncher(IUserPrompts& prompts, ISettingsStore& settings);

    // View Sample and help: the page (or address) in the chosen browser.
    bool ShowPage(const QUrl& url, QWidget* owner = nullptr) const;
    // Preview: as ShowPage for a page on disk, except that an applet viewer
    // is started in the page's folder with the bare page name.
    bool ShowPreview(const QString& pagePath, QWidget* owner = nullptr) const;

    // The executable the current choice names; empty for the desktop's
    // default browser, which also stands in when the choice names nothing
    // (no path given, a position the detected list does not have).
    QString ChosenExecutable() const;
    static bool IsAppletViewer(const QString& executable);

    Mode BrowserMode() const { return m_mode; }
    const std::string& BrowserPath() const { return m_strBrowserPath; }
    int KnownBrowser() const { return m_nKnownBrowser; }
    // Takes a new choice and writes all three values to the settings.
    void SetChoice(Mode mode, const std::string& browserPath, int knownBrowser);
    // Reads the choice from the settings again.
    void Reload();

private:
    bool Open(const QUrl& url, QWidget* owner) const;
    bool Start(const QString& program, const QString& argument, const QString& folder, QWidget* owner) const;

    IUserPrompts& m_prompts;
    ISettingsStore& m_settings;
    Mode m_mode = Mode::Default;
    std::string m_strBrowserPath;
    int m_nKnownBrowser = 0;
};
