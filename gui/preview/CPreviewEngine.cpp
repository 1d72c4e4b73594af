// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPreviewEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include "IPreviewBrowserFactory.h"

IPreviewBrowserFactory* CPreviewEngine::Factory(QString& error)
{
    static IPreviewBrowserFactory* loaded = nullptr;
    if (!loaded)
        loaded = Load(Folders(), error);
    return loaded;
}

IPreviewBrowserFactory* CPreviewEngine::Load(const QStringList& folders, QString& error)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
        if (!QFileInfo::exists(path))
            continue;
        // The loader is let go of, the library stays: a plug-in is unloaded
        // only when asked to.
        QPluginLoader loader(path);
        auto* factory = qobject_cast<IPreviewBrowserFactory*>(loader.instance());
        if (factory)
            return factory;
        error = QCoreApplication::translate("CPreviewEngine", "The browser engine could not be loaded: %1")
                    .arg(loader.errorString());
        return nullptr;
    }
    error = QCoreApplication::translate("CPreviewEngine",
                                        "The browser engine is not installed (%1 not found). To get Live Preview, "
                                        "install the package %2 (sudo apt install %2) and show the pane again.")
                .arg(QString::fromLatin1(kFileName), QString::fromLatin1(kPackage));
    return nullptr;
}

QStringList CPreviewEngine::Folders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir(program).filePath(QStringLiteral("../" ATW_PLUGIN_DIR))};
}
