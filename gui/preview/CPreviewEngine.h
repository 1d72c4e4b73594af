// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class IPreviewBrowserFactory;

// Finds the browser engine's plug-in and loads it, once a run: beside the
// program (a build tree) or in the installed plug-in folder.
class CPreviewEngine {
public:
    static constexpr const char* kFileName = "libatwwebpreview.so";
    // The Debian package that brings the plug-in; the editor's own package
    // only recommends it.
    static constexpr const char* kPackage = "applettavelinwizard-live-preview";

    // The factory of the plug-in; null, with error saying why, when it is
    // not there or cannot be loaded. Asked again after a failure, it tries
    // again (a missing package may have been installed since).
    static IPreviewBrowserFactory* Factory(QString& error);
    // The factory of the first plug-in found in folders.
    static IPreviewBrowserFactory* Load(const QStringList& folders, QString& error);
    static QStringList Folders();
};
