// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <set>
#include <string>

#include "core/io/IFileSystem.h"

// Where the program works: the folder that holds the template file, the
// scripts, the sample folders of the user's own templates and the preview
// folder. In a build tree that is the executable's folder when it can be
// written; otherwise, and always for an installed program (whose data lies in
// share/applettavelinwizard beside bin/ and belongs to the package), a
// per-user folder laid out from the shipped data. The help pages and the
// samples are read where they were shipped (SharedDataDir), never copied.
class CProgramFolder {
public:
    static constexpr const char* kPreviewFolder = "tmp";
    // Where an installation keeps the shipped data, from the executable's folder's parent.
    static constexpr const char* kInstalledData = "share/applettavelinwizard";
    // What a per-user folder gets of the shipped data: the template file
    // (where the user's own templates go) and the scripts pages publish.
    static constexpr const char* kShipped[] = {"AppletTavelinWizard.tpl", "tavelin.class", "tavelin.js"};
    // The help pages ("help") and the samples ("Sample") are read where they
    // were shipped.

    explicit CProgramFolder(IFileSystem& fs) : m_fs(fs) {}

    // exeDir and userDir carry no trailing separator. Returns exeDir when it
    // can be written, else userDir filled with the shipped data it lacks;
    // exeDir after all when userDir cannot be made.
    std::string Resolve(const std::string& exeDir, const std::string& userDir);
    // The program folder of a run that names none. Beside an installation's
    // data: userDir, filled with the data it lacks and brought up to date
    // with the installed files (the data folder itself when userDir cannot
    // be made); otherwise Resolve(exeDir, userDir).
    std::string ResolveForExecutable(const std::string& exeDir, const std::string& userDir);
    // The installed data folder that belongs to exeDir ("" when there is none).
    std::string InstalledDataDir(const std::string& exeDir);
    // Where the shipped help and samples are read: for the executable's own
    // folder an installation's data folder when there is one; else dir.
    std::string SharedDataDir(const std::string& dir, bool executableDir);
    // Creates and removes a probe file in folder.
    bool CanWrite(const std::string& folder);
    // Copies each shipped entry of shippedDir that targetDir lacks, file by
    // file; a file already in targetDir (the user's own templates) is kept.
    // With refresh, shipped files that differ from the copy (help pages,
    // samples and scripts after an upgrade) are copied again, all but the
    // template file.
    void LayShippedData(const std::string& shippedDir, const std::string& targetDir, bool refresh = false);
    // Deletes the named files of the preview folder previewDir (what Preview
    // wrote; passing over what cannot be deleted), then removes the folder
    // when it is empty. Other files there, such as a project the user saved,
    // stay.
    void CleanPreviewFolder(const std::string& previewDir, const std::set<std::string>& written);

private:
    // userDir filled from shippedDir, or fallback when userDir cannot be written.
    std::string UserCopy(const std::string& shippedDir, const std::string& userDir, const std::string& fallback,
                         bool refresh);
    void CopyMissing(const std::string& from, const std::string& to, int depth, bool refresh);
    bool Differs(const std::string& a, const std::string& b);

    IFileSystem& m_fs;
};
