// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the menu importers (the first byte picks the file
// name, so every kind is reached), rewrites a page's links for a page in
// another folder, builds whatever they accept into a model and checks its
// links against a folder that holds nothing: nothing may
// crash, leak or hang, and a refusal must leave an empty tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/check/CLinkChecker.h"
#include "core/import/CImportBuilder.h"
#include "core/import/CMenuImport.h"
#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"

namespace {
// A folder that holds nothing.
class EmptyFileSystem : public IFileSystem {
public:
    bool IsRegularFile(const std::string&) override { return false; }
    bool IsDirectory(const std::string&) override { return false; }
    bool ReadFile(const std::string&, std::string&) override { return false; }
    bool WriteFileAtomic(const std::string&, const std::string&) override { return false; }
    bool CopyFile(const std::string&, const std::string&) override { return false; }
    bool MakeDir(const std::string&) override { return false; }
    bool RemoveFile(const std::string&) override { return false; }
    bool RemoveDir(const std::string&) override { return false; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const kNames[] = {"/site/menu.html", "sitemap.xml", "outline.md", "menu.txt"};
    const std::string name = kNames[data[0] % 4];
    CMenuImport import;
    if (!import.LoadText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), name))
        return 0;
    const size_t candidates = import.Candidates().size();
    CImportNode root;
    if (!import.Import(root, candidates > 1 ? data[0] % candidates : 0)) {
        if (!root.m_children.empty())
            std::abort();
        return 0;
    }
    import.LinkFrom(root, data[0] & 4 ? "/site/nav/menu.htm" : "/other/menu.htm");
    CAppletParameters params;
    CImportBuilder::BuildProject(params, root);
    EmptyFileSystem fs;
    CLinkChecker(fs, "/site/menu.htm").Run(params);
    return 0;
}
