// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CKnownBrowsers.h"

#include <QDir>
#include <QStandardPaths>

namespace {

struct KnownBrowser {
    const char* name;
    QStringList programs;  // tried in this order; the first found counts
};

const QList<KnownBrowser>& Candidates()
{
    static const QList<KnownBrowser> list = {
        {"Firefox", {"firefox", "firefox-esr"}},
        {"Chromium", {"chromium", "chromium-browser"}},
        {"Google Chrome", {"google-chrome", "google-chrome-stable"}},
        {"Microsoft Edge", {"microsoft-edge", "microsoft-edge-stable"}},
        {"Brave", {"brave-browser"}},
        {"Opera", {"opera"}},
        {"Vivaldi", {"vivaldi", "vivaldi-stable"}},
        {"Epiphany", {"epiphany-browser", "epiphany"}},
        {"Konqueror", {"konqueror"}},
        {"Falkon", {"falkon"}},
        {"Applet Viewer", {"appletviewer"}},
    };
    return list;
}

}  // namespace

CKnownBrowsers::CKnownBrowsers() : CKnownBrowsers(qEnvironmentVariable("PATH"))
{
}

CKnownBrowsers::CKnownBrowsers(const QString& searchPath)
{
    // Empty entries would mean the current folder; a browser is never taken
    // from there.
    Detect(searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts));
}

QString CKnownBrowsers::Path(int index) const
{
    return index >= 0 && index < m_nCount ? m_arrPaths.at(index) : QString();
}

QString CKnownBrowsers::Name(int index) const
{
    return index >= 0 && index < m_nCount ? m_arrNames.at(index) : QString();
}

void CKnownBrowsers::Detect(const QStringList& folders)
{
    // findExecutable searches the process's PATH when given no folders.
    if (folders.isEmpty())
        return;
    for (const KnownBrowser& browser : Candidates()) {
        for (const QString& program : browser.programs) {
            const QString path = QStandardPaths::findExecutable(program, folders);
            if (!path.isEmpty()) {
                Add(QString::fromLatin1(browser.name), path);
                break;
            }
        }
    }
}

void CKnownBrowsers::Add(const QString& name, const QString& path)
{
    m_arrNames << name;
    m_arrPaths << path;
    ++m_nCount;
}
