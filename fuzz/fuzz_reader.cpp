// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the project reader as a project file held in
// memory, then writes the loaded model and reads it again: the second text
// must equal the first, and nothing may crash, leak or hang. The same bytes
// go through the recovery copy's header reader, and as the project text of a
// recovery copy through its encoding and back into the reader. Only parsing
// and composing text run per input, so that thousands run each second; the
// save path around them (files, copies, locks) is the save tests' concern.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/format/CProjectReader.h"
#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/project/CRecoveryStore.h"
#include "core/publish/CPageWriter.h"

namespace {
// A count in a short damaged input would otherwise make up ten thousand
// items, and such inputs took most of the time; the limit's own path is the
// same at any bound.
constexpr std::size_t kMadeUpLimit = 64;

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
    reader.SetMadeUpLimit(kMadeUpLimit);
    params.Reset();
    reader.LoadModel(fs.m_strPath, templateMode ? "T" : "Tavelin1.0", templateMode);
    CPageWriter writer(params, fs, "/prog");
    return writer.ProjectText();
}

// A recovery copy of text must decode to the same text, and the reader takes
// it as a project text. Outside template mode the reader has just taken these
// very bytes as a project, so only a template's bytes are read again.
void CheckRecovery(const std::string& text, FuzzFileSystem& fs, bool readAgain)
{
    CRecoveryCopy copy;
    CRecoveryStore::Decode(text, copy);  // the header reader on arbitrary bytes
    copy.pagePath = "/site/menu.htm";
    copy.savedAt = 1;
    copy.projectText = text;
    CRecoveryCopy back;
    if (!CRecoveryStore::Decode(CRecoveryStore::Encode(copy), back) || back.projectText != text)
        std::abort();
    if (!readAgain)
        return;
    CAppletParameters params;
    CProjectReader reader(params, fs, "/prog");
    reader.SetMadeUpLimit(kMadeUpLimit);
    reader.LoadProjectText(std::move(back.projectText));
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
    CPageWriter(params, fs, "/prog").BuildPage();

    const std::string input = fs.m_strBytes;
    fs.m_strBytes = first;
    const std::string second = LoadAndWrite(fs, params, false);
    if (second != first)
        std::abort();
    CheckRecovery(input, fs, templateMode);
    return 0;
}
