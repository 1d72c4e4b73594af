// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <utility>

#include "ISettingsStore.h"

// Settings kept in memory only, for tests and for tools that must not touch
// the user's own settings. Every value is held as text; an integer that was
// stored as text reads back as its number, other text as the default.
class CMemorySettings : public ISettingsStore {
public:
    int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;
    bool Contains(const std::string& section, const std::string& key) override;

    // Forgets one value (as if it had never been written).
    void Remove(const std::string& section, const std::string& key);
    size_t Count() const { return m_values.size(); }

private:
    std::map<std::pair<std::string, std::string>, std::string> m_values;
};
