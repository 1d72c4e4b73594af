#include "CBrowserLauncher.h"

#include <QFileInfo>
#include <QUrl>

#include "CAppletTavelinWizardApp.h"
#include "CKnownBrowsers.h"
#include "CText.h"
#include "IUserPrompts.h"

bool CBrowserLauncher::ShowPage(const QUrl& url)
{
    IUserPrompts& prompts = theApp().Prompts();
    const QString program = ChosenExecutable();
    if (program.isEmpty())
        return prompts.OpenUrl(url);
    // A plain file is handed over by its path; an address with a fragment or
    // a query (or one on the web) keeps its URL form.
    const bool plainFile = url.isLocalFile() && !url.hasFragment() && !url.hasQuery();
    const QString argument = plainFile ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    return prompts.StartDetached(program, {argument}, QString());
}

bool CBrowserLauncher::ShowPreview(const QString& pagePath)
{
    IUserPrompts& prompts = theApp().Prompts();
    const QString program = ChosenExecutable();
    if (program.isEmpty())
        return prompts.OpenUrl(QUrl::fromLocalFile(pagePath));
    if (IsAppletViewer(program)) {
        const QFileInfo page(pagePath);
        return prompts.StartDetached(program, {page.fileName()}, page.absolutePath());
    }
    return prompts.StartDetached(program, {pagePath}, QString());
}

QString CBrowserLauncher::ChosenExecutable()
{
    const CAppletTavelinWizardApp& app = theApp();
    if (app.m_nBrowserMode == 1)
        return QString();
    if (app.m_nBrowserMode == 0)
        return CText::ToQ(app.m_strBrowserPath);
    return CKnownBrowsers().Path(app.m_nKnownBrowser);
}

bool CBrowserLauncher::IsAppletViewer(const QString& executable)
{
    // Only a copy is upper-cased: the path started keeps its own case.
    return executable.toUpper().contains(QLatin1String("APPLETVIEWER"));
}
