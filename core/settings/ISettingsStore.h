// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Per-user settings by section and key, each an integer or a text.
// The editor backs it with QSettings; tests use CMemorySettings.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) = 0;
    virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void SetString(const std::string& section, const std::string& key, const std::string& value) = 0;
    // True when a value is stored under section and key.
    virtual bool Contains(const std::string& section, const std::string& key) = 0;
    // Writes what was set to the file now, for a value that other programs
    // read at once (the template list). Stores that write each value as it
    // is set, or keep none, need do nothing.
    virtual void Flush() {}
    // True when the settings file is there but cannot be read (no regular
    // file, no permission): what is read then are the defaults.
    virtual bool Unreadable() { return false; }
};
