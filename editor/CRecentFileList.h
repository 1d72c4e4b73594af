// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include "core/settings/CAppSettings.h"

class ISettingsStore;

// The recently opened or saved pages, newest first, kept in the settings as
// "Recent File List"/"File1".."File4" and written at every change.
class CRecentFileList {
public:
    static constexpr int kSize = CAppSettings::kRecentCount;

    explicit CRecentFileList(ISettingsStore& settings);

    const QStringList& Files() const { return m_files; }
    void Add(const QString& path);
    void Remove(int index);

private:
    void Store();

    ISettingsStore& m_settings;
    QStringList m_files;
};
