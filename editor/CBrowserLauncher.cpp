// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CBrowserLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include "CKnownBrowsers.h"
#include "CText.h"
#include "IUserPrompts.h"
#include "core/settings/CAppSettings.h"

CBrowserLauncher::CBrowserLauncher(IUserPrompts& prompts, ISettingsStore& settings)
    : m_prompts(prompts), m_settings(settings)
{
    Reload();
}

CBrowserLauncher::Mode CBrowserLauncher::ModeOf(int stored)
{
    if (stored == static_cast<int>(Mode::Specified))
        return Mode::Specified;
    return stored == static_cast<int>(Mode::Default) ? Mode::Default : Mode::Known;
}

void CBrowserLauncher::Reload()
{
    const CAppSettings settings(m_settings);
    m_mode = ModeOf(settings.BrowserMode());
    m_strBrowserPath = settings.BrowserPath();
    m_nKnownBrowser = settings.KnownBrowser();
}

void CBrowserLauncher::SetChoice(Mode mode, const std::string& browserPath, int knownBrowser)
{
    m_mode = mode;
    m_strBrowserPath = browserPath;
    m_nKnownBrowser = knownBrowser;
    CAppSettings settings(m_settings);
    settings.SetBrowserMode(static_cast<int>(m_mode));
    settings.SetBrowserPath(m_strBrowserPath);
    settings.SetKnownBrowser(m_nKnownBrowser);
}

bool CBrowserLauncher::ShowPage(const QUrl& url, QWidget* owner) const
{
    const QString program = ChosenExecutable();
    if (program.isEmpty())
        return Open(url, owner);
    // A plain file is handed over by its path; an address with a fragment or
    // a query (or one on the web) keeps its URL form.
    const bool plainFile = url.isLocalFile() && !url.hasFragment() && !url.hasQuery();
    const QString argument = plainFile ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    return Start(program, argument, QString(), owner);
}

bool CBrowserLauncher::ShowPreview(const QString& pagePath, QWidget* owner) const
{
    const QString program = ChosenExecutable();
    if (program.isEmpty())
        return Open(QUrl::fromLocalFile(pagePath), owner);
    if (IsAppletViewer(program)) {
        const QFileInfo page(pagePath);
        return Start(program, page.fileName(), page.absolutePath(), owner);
    }
    return Start(program, pagePath, QString(), owner);
}

bool CBrowserLauncher::Open(const QUrl& url, QWidget* owner) const
{
    if (m_prompts.OpenUrl(url))
        return true;
    const QString shown = url.isLocalFile() ? url.toLocalFile() : url.toString();
    m_prompts.Message(owner, QCoreApplication::translate("CBrowserLauncher", kNoDefault).arg(shown));
    return false;
}

bool CBrowserLauncher::Start(const QString& program, const QString& argument, const QString& folder,
                             QWidget* owner) const
{
    if (m_prompts.StartDetached(program, {argument}, folder))
        return true;
    m_prompts.Message(owner, QCoreApplication::translate("CBrowserLauncher", kCannotStart).arg(program));
    return false;
}

QString CBrowserLauncher::ChosenExecutable() const
{
    if (m_mode == Mode::Default)
        return QString();
    if (m_mode == Mode::Specified)
        return CText::ToQ(m_strBrowserPath);
    return CKnownBrowsers().Path(m_nKnownBrowser);
}

bool CBrowserLauncher::IsAppletViewer(const QString& executable)
{
    // Only a copy is upper-cased: the path started keeps its own case.
    return executable.toUpper().contains(QLatin1String("APPLETVIEWER"));
}
