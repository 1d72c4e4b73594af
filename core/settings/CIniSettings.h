// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ISettingsStore.h"
#include "core/io/IFileSystem.h"

// The editor's per-user settings read and written without Qt, in the INI
// file that the editor's QSettings keeps (organisation "Quorvex",
// application "AppletTavelinWizard"): sections are groups, see CIniCodec for
// the escaping. Nothing is cached: every read takes the file afresh and every
// write rewrites it whole and atomically, under the file's lock
// (IFileSystem::Lock) from its read to its write. Groups, keys and values that this
// class does not set are written back as they were read.
class CIniSettings : public ISettingsStore {
public:
    CIniSettings(IFileSystem& fs, std::string path);

    // $XDG_CONFIG_HOME (or $HOME/.config) + "/Quorvex/AppletTavelinWizard.conf".
    static std::string UserFile();

    int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;
    bool Contains(const std::string& section, const std::string& key) override;
    bool Unreadable() override;

    const std::string& Path() const { return m_strPath; }
    // True when the last write could not be made; the file is then unchanged.
    // A file that is no regular file (a pipe, a device) is neither read nor
    // written.
    bool WriteFailed() const { return m_bWriteFailed; }

    struct CKeyLine {
        std::string m_strKey;  // unescaped
        std::string m_strRaw;  // the value as it stands after "="
    };
    struct CSection {
        std::string m_strName;  // unescaped; "" for the general group
        std::vector<CKeyLine> m_arrKeys;
    };
    // The file's groups in file order; a group or key that occurs twice is
    // merged, the later value winning.
    static std::vector<CSection> Parse(const std::string& text);
    static std::string Format(const std::vector<CSection>& sections);

private:
    std::vector<CSection> Load();
    const CKeyLine* Find(const std::string& section, const std::string& key);
    void Store(const std::string& section, const std::string& key, const std::string& raw);
    static bool ReadsBack(const std::string& text, const std::string& section, const std::string& key,
                          const std::string& raw);

    class CIndex;

    IFileSystem& m_fs;
    std::string m_strPath;
    std::vector<CSection> m_arrLoaded;  // what the last read found
    bool m_bWriteFailed = false;
};
