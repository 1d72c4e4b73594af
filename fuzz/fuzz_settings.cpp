// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the settings file reader and the template store
// as their files. Reading, writing back and reading again must agree, a
// value just written must read back (or the write be refused), and nothing
// may crash, leak or hang.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/io/IFileSystem.h"
#include "core/settings/CIniSettings.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"

namespace {
class MapFileSystem : public IFileSystem {
public:
    std::map<std::string, std::string> m_files;

    bool IsRegularFile(const std::string& path) override { return m_files.count(path) != 0; }
    bool IsDirectory(const std::string&) override { return false; }
    bool ReadFile(const std::string& path, std::string& bytes) override
    {
        const auto found = m_files.find(path);
        if (found == m_files.end())
            return false;
        bytes = found->second;
        return true;
    }
    bool WriteFileAtomic(const std::string& path, const std::string& bytes) override
    {
        m_files[path] = bytes;
        return true;
    }
    bool CopyFile(const std::string&, const std::string&) override { return true; }
    bool MakeDir(const std::string&) override { return true; }
    bool RemoveFile(const std::string& path) override { return m_files.erase(path) != 0; }
    bool RemoveDir(const std::string&) override { return true; }
};

using Values = std::map<std::pair<std::string, std::string>, std::string>;

Values Flatten(const std::vector<CIniSettings::CSection>& sections)
{
    Values values;
    for (const auto& section : sections)
        for (const auto& key : section.m_arrKeys)
            values[{section.m_strName, key.m_strKey}] = key.m_strRaw;
    return values;
}

void CheckSettings(const std::string& text)
{
    // Once written, the text is in the writer's own form: writing it again
    // changes nothing that is read.
    const auto once = CIniSettings::Parse(CIniSettings::Format(CIniSettings::Parse(text)));
    if (Flatten(CIniSettings::Parse(CIniSettings::Format(once))) != Flatten(once))
        std::abort();

    MapFileSystem fs;
    fs.m_files["/cfg/a.conf"] = text;
    CIniSettings settings(fs, "/cfg/a.conf");
    const std::string value = "a,b;c=\"d\" \\e";
    settings.SetString("Fuzz Group", "Key", value);
    if (!settings.WriteFailed() && settings.GetString("Fuzz Group", "Key", "") != value)
        std::abort();
    // Numbers are read by the same path as texts: every call reads the whole
    // file again, so one write and one read per input is enough.
}

void CheckTemplates(const std::string& text)
{
    MapFileSystem fs;
    fs.m_files["/prog/AppletTavelinWizard.tpl"] = text;
    CMemorySettings names;
    names.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "Normal,T,X");
    CTemplateStore store(names, fs, "/prog");
    // Loading a section is the project reader's work, fuzzed on its own.
    store.RenameTemplate("T", "U");
    store.DeleteTemplate("X");
}

// The same bytes as the stored name list: the list's editing rules must keep
// every name they do not touch.
void CheckNameList(const std::string& text)
{
    const std::vector<std::string> names = CTemplateStore::SplitNames(text);
    const std::string inserted = CTemplateStore::InsertName(text, "Fuzz", 1);
    const std::vector<std::string> after = CTemplateStore::SplitNames(CTemplateStore::RemoveName(inserted, "Fuzz"));
    if (std::find(names.begin(), names.end(), "Fuzz") == names.end() && after != names)
        std::abort();
    MapFileSystem fs;
    CMemorySettings listed;
    listed.SetString(CTemplateStore::kSection, CTemplateStore::kKey, text);
    CTemplateStore store(listed, fs, "/prog");
    if (!names.empty())
        store.MoveTemplate(names.front(), 0, false);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckSettings(text);
    CheckTemplates(text);
    CheckNameList(text);
    return 0;
}
