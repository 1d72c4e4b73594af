// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "CProjectResult.h"
#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"

class CPageWriter;
class CProjectReader;

// Opens and saves a page with its project file and the copies beside it:
// the one sequence behind File > Open, Save, Save As Template, the preview
// and atw.
class CProjectService {
public:
    static constexpr const char* kNotOurFile =
        "This File is not saved by Applet Tavelin Wizard!\nSystem can't open it.";

    CProjectService(IFileSystem& fs, std::string programDir);

    // Pages then carry the runtime script line and a save copies the script.
    void SetHtml5Runtime(bool on) { m_bHtml5Runtime = on; }

    // "Can't open file PAGE.!Please check it."
    static std::string CannotOpen(const std::string& page);
    // What an open or save that ran out of memory says; files stay as they were.
    static std::string NoMemoryToOpen(const std::string& page);
    static std::string NoMemoryToSave(const std::string& page);
    // A project file without its "[Tavelin1.0]" section (damaged, or some
    // other file of that name) is refused, and so never saved over.
    static std::string Damaged(const std::string& project);

    // Reads the project file beside page. params is replaced only when it
    // was read: after a failure (no project file, unreadable, damaged, too
    // large for the memory left) it is left as it was. A save of the pair
    // that was cut off between its two files is completed first, and a
    // warning says so. Warnings: what a damaged file
    // made the reader skip. beforeReplace runs just before params changes
    // (the editor lets go of its pointers into the old model there).
    CProjectResult Open(const std::string& page, CAppletParameters& params,
                        const std::function<void()>& beforeReplace = {});
    // As Open, from a project text held in memory (a recovery copy of the
    // work on page).
    CProjectResult OpenText(const std::string& text, const std::string& page, CAppletParameters& params,
                            const std::function<void()>& beforeReplace = {});
    // Writes page, its project file and the copies into page's folder: the
    // page and the project file together or not at all. Warnings: copies
    // that failed or were refused; the page is written all the same.
    CProjectResult Save(CAppletParameters& params, const std::string& page);
    // Adds params as a section named name to the template file in the
    // program folder, its media copied under "Sample". Warnings: copies that
    // failed or were refused; the section is written all the same.
    CProjectResult SaveTemplate(CAppletParameters& params, const std::string& name);
    // The page text that Save writes.
    std::string PageText(CAppletParameters& params);

private:
    // Reads a project with read (an error text, "" when read) and puts it
    // in place of params.
    CProjectResult Replace(const std::function<std::string(CProjectReader&)>& read, const std::string& page,
                           CAppletParameters& params, const std::function<void()>& beforeReplace,
                           std::vector<std::string> notices);
    // Runs save on a writer of params (file: what the save writes, for the
    // messages) and turns its outcome into a result.
    CProjectResult Write(CAppletParameters& params, const std::string& file,
                         const std::function<bool(CPageWriter&)>& save);

    IFileSystem& m_fs;
    std::string m_strProgramDir;
    bool m_bHtml5Runtime = false;
};
