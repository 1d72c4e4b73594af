// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the project reader as a project file, then writes
// the loaded model and reads it again: the second text must equal the first,
// and nothing may crash, leak or hang.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/check/CParameterCheck.h"
#include "core/format/CProjectReader.h"
#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageWriter.h"

namespace {
// One file in memory; media paths ending in "gif" exist.
class FuzzFileSystem : public IFileSystem {
public:
    std::string m_strPath;
    std::string m_strBytes;

    bool IsRegularFile(const std::string& path) override
    {
        return path == m_strPath || (path.size() > 3 && path.compare(path.size() - 3, 3, "gif") == 0);
    }
    bool IsDirectory(const std::string&) override { return false; }
    bool ReadFile(const std::string& path, std::string& bytes) override
    {
        bytes = path == m_strPath ? m_strBytes : std::string("GIF");
        return true;
    }
    bool WriteFileAtomic(const std::string&, const std::string&) override { return true; }
    bool CopyFile(const std::string&, const std::string&) override { return true; }
    bool MakeDir(const std::string&) override { return true; }
    bool RemoveFile(const std::string&) override { return true; }
    bool RemoveDir(const std::string&) override { return true; }
};

std::string LoadAndWrite(FuzzFileSystem& fs, CAppletParameters& params, bool templateMode)
{
    CProjectReader reader(params, fs, "/prog");
    params.Reset();
    reader.LoadModel(fs.m_strPath, templateMode ? "T" : "Tavelin1.0", templateMode);
    CPageWriter writer(params, fs, "/prog");
    return writer.ProjectText();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFileSystem fs;
    fs.m_strPath = "/site/menu.tvx";
    fs.m_strBytes.assign(reinterpret_cast<const char*>(data), size);
    CAppletParameters params;
    const bool templateMode = size > 1 && data[1] == 'T';  // "[T]" sections load as templates
    const std::string first = LoadAndWrite(fs, params, templateMode);

    CPageWriter writer(params, fs, "/prog");
    const std::string page = writer.BuildPage();
    writer.SaveFiles("/site/menu.htm", "/site", page);
    CParameterCheck(params, fs).Run();

    fs.m_strBytes = first;
    const std::string second = LoadAndWrite(fs, params, false);
    if (second != first)
        std::abort();
    return 0;
}
