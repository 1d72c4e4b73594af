// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QVariantMap>
#include <memory>

#include "core/settings/ISettingsStore.h"

// The per-user settings store: QSettings under organisation "Quorvex" and
// application "AppletTavelinWizard"; sections are groups. When the settings
// file is no regular file (a pipe, a device, a broken link) it is neither
// read nor written: the settings of the run are then kept in memory. Every
// read takes in what another program (atw, a second editor) stored since.
// Values set are written to the file together: by QSettings from the event
// loop soon after, at exit, on Flush, or with the next read.
class CQtSettings : public ISettingsStore {
public:
    CQtSettings();

    int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;
    bool Contains(const std::string& section, const std::string& key) override;
    void Flush() override;
    // The file is there but no regular file where its links lead.
    bool Unreadable() override { return !FileIsSafe(); }

private:
    static QString Key(const std::string& section, const std::string& key);
    bool FileIsSafe() const;
    QVariant Value(const QString& key) const;
    void Store(const QString& key, const QVariant& value);

    QString m_strFile;
    std::unique_ptr<QSettings> m_pSettings;  // null: kept in m_memory
    QVariantMap m_memory;
};
