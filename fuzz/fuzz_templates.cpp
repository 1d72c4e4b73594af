// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the template store, as its template file and as
// its stored list of names: renaming, deleting and moving templates must keep
// every name they do not touch, and nothing may crash, leak or hang.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "MapFileSystem.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"

namespace {
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
    CheckTemplates(text);
    CheckNameList(text);
    return 0;
}
