// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/io/CMediaFiles.h"
#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"

// Writes the model as the HTML page, the ".tvx" project file with copies of
// the class and media files beside it, or as a section of the template file.
class CPageWriter {
public:
    static constexpr const char* kSaveFailed = "Save as file failed!";
    static constexpr const char* kProjectBusy = "The project file is being saved by another program. Please try again.";
    static constexpr const char* kClassFile = "tavelin.class";
    static constexpr const char* kTemplateFile = "AppletTavelinWizard.tpl";
    static constexpr const char* kRuntimeFile = "tavelin.js";
    static constexpr const char* kRuntimeLine = "<script src=\"tavelin.js\"></script>";
    static constexpr const char* kNotice = "Tavelin1.0,Applet Tavelina Wizard menu applet";
    // The class of the menu box written inside the applet of a runtime page.
    static constexpr const char* kFallbackScope = "tv-applet";

    CPageWriter(CAppletParameters& params, IFileSystem& fs, std::string programDir);

    // With the runtime on, the page carries kRuntimeLine after "</applet>"
    // and a project save copies "tavelin.js" from the program folder beside
    // the page, so that today's browsers draw the menu. Such a page is in
    // standards mode (a doctype, a body), names its language, character set
    // and a viewport, holds the menu as nested lists of links inside the
    // applet (shown before and without script) with their style sheet, and
    // its text fields are escaped so that a comma cannot split them
    // (CParamEncoder). Off, the page is the applet page as it always was.
    void SetHtml5Runtime(bool on) { m_bHtml5Runtime = on; }
    // The language the runtime page declares; from the locale by default.
    void SetLanguage(const std::string& language) { m_strLanguage = language; }

    // The page text; runs the numbering walk.
    std::string BuildPage();
    // The project file text: header "[Tavelin1.0]" (or "[name]" and no
    // Notice line in template mode), every menu and item, the "Misc" line.
    // In template mode media fields hold bare names as recorded for templates.
    std::string ProjectText(bool templateMode = false, const std::string& templateName = "");

    // The page at file (in folder, its folder) with pageText, the result of
    // BuildPage, and the project file beside it. The page and the project
    // file are replaced together or not at all. False after a failure;
    // LastError() then holds the text to show ("Save as file failed!").
    // Copies that failed or were refused (two files of one name) are listed
    // in Warnings() and do not stop the save.
    bool SaveFiles(const std::string& file, const std::string& folder, const std::string& pageText);
    // The model as the section templateName of kTemplateFile in the program
    // folder, its media files in the sample folders there; else as SaveFiles.
    bool SaveTemplate(const std::string& folder, const std::string& templateName);

    const std::string& LastError() const { return m_strError; }
    const std::vector<std::string>& Warnings() const { return m_warnings; }

    // Reversible escape of a text field of a marked project file (commas,
    // line breaks and the escape marker where a token follows it);
    // UnescapeField undoes it. Unmarked files are read plain (CFieldEscape).
    static std::string EscapeField(const std::string& text);
    static std::string UnescapeField(const std::string& text);
    // The page title: "&" -> "&amp;", "<" -> "&lt;".
    static std::string EscapeTitle(const std::string& text);

private:
    bool SaveProject(const std::string& file, const std::string& folder, const std::string& pageText);
    // False, with the message in LastError(), for a target that no save may
    // replace: a folder, a device or pipe, or a symbolic link that is not
    // to be followed or leads to a file of another program.
    bool CheckTarget(const std::string& path);
    // Completes a save of projectFile and page that was cut off between its
    // files (under the lock); false when that could not be done.
    bool FinishInterrupted(const std::string& projectFile, const std::string& page);
    bool WriteTemplate(const std::string& folder, const std::string& templateName);
    // Every save starts afresh and ends with the copies' warnings.
    void StartSave();
    bool FinishSave(bool saved);
    // shared: into the template folders, through CMediaFiles::CopyShared.
    void CopyItemMedia(const std::string& imageFolder, const std::string& audioFolder, bool shared);
    bool Fail();
    // "<html>" and "<head>" with, for the runtime page, the language, the
    // character set that fits rest (the remainder of the page) and a viewport.
    std::string PageStart(const std::string& rest) const;

    CAppletParameters& m_params;
    IFileSystem& m_fs;
    std::string m_strProgramDir;
    std::string m_strError;
    std::vector<std::string> m_warnings;
    std::vector<std::string> m_notices;  // said before the copies' warnings
    std::string m_strLanguage;
    CMediaFiles m_media;
    bool m_bHtml5Runtime = false;
};
