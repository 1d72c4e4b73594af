#pragma once

#include <QSettings>

#include "templates/ISettingsStore.h"

// The per-user settings store: QSettings under organisation "Quorvex" and
// application "AppletTavelinWizard"; sections are groups.
class CQtSettings : public ISettingsStore {
public:
    CQtSettings();

    int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    bool Contains(const std::string& section, const std::string& key) override;

private:
    static QString Key(const std::string& section, const std::string& key);
    QSettings m_settings;
};
