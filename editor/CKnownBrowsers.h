// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The web browsers found on this machine: each well-known browser whose
// program lies in a folder of the search path, in a fixed order. Built afresh
// whenever it is needed (the Web Browser dialog, Preview, View Sample, help)
// and thrown away after use; a position stored in the settings is a position
// in this list as it was at the time of the choice.
class CKnownBrowsers {
public:
    // Searches the folders of the PATH environment value as it is now.
    CKnownBrowsers();
    // Searches the folders of a PATH-style list (separated by ':').
    explicit CKnownBrowsers(const QString& searchPath);
    virtual ~CKnownBrowsers() = default;

    int Count() const { return m_nCount; }
    // The executable and display name at index; empty outside the list.
    QString Path(int index) const;
    QString Name(int index) const;
    const QStringList& Names() const { return m_arrNames; }

private:
    void Detect(const QStringList& folders);
    void Add(const QString& name, const QString& path);

    int m_nCount = 0;
    QStringList m_arrPaths;
    QStringList m_arrNames;
};
