// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the settings file reader as its file. Reading,
// writing back and reading again must agree, a value just written must read
// back (or the write be refused), and nothing may crash, leak or hang. The
// template store has a fuzzer of its own (fuzz_templates), so that each runs
// its parsing at thousands of inputs a second.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "MapFileSystem.h"
#include "core/settings/CIniSettings.h"

namespace {

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckSettings(text);
    return 0;
}
