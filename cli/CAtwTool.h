// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/project/CProjectService.h"
#include "core/settings/CIniSettings.h"

class CToolArgs;
struct CImportNode;

// Runs one command of the atw tool on the core: the project commands here,
// the template commands in CTemplateCommands. Results go to out unchanged,
// messages to err.
class CAtwTool {
public:
    enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = 2 };

    CAtwTool(IFileSystem& fs, CIniSettings& settings, std::string programDir, std::ostream& out, std::ostream& err);

    int Run(const CToolArgs& args);
    // Where the shipped samples lie when the program folder is a per-user copy.
    void SetSharedDataDir(std::string dir) { m_strSharedDir = std::move(dir); }

    // Reads PAGE's project into the model as File > Open does; false after
    // reporting why not.
    bool OpenPage(const std::string& page);
    // Writes a message of the system to err; returns kFailure.
    int Fail(const std::string& message);
    // False, after saying so, when the settings file is there but cannot
    // be read: the template list would be the default, not the user's.
    bool SettingsReadable();

    CAppletParameters& Model() { return m_params; }
    IFileSystem& FileSystem() { return m_fs; }
    CIniSettings& Settings() { return m_settings; }
    // Warnings (damage read past, media copies that failed), one line each
    // on standard error; the exit status of a command that left them:
    // kSuccess without any, else kFailure.
    int PrintWarnings(const std::vector<std::string>& warnings);
    const std::string& ProgramDir() const { return m_strProgramDir; }

private:
    // The project service with the user's runtime choice.
    CProjectService Service() const;
    int Html(const std::string& page);
    int Check(const std::string& page, bool autoSize);
    int Save(const std::string& page, const std::string& newPage);
    int Export(const std::string& page, const std::string& newPage);
    int New(int index, const std::string& newPage);
    int Import(const std::string& source, int index, int list, const std::string& newPage);
    bool ReadSource(const std::string& source, int list, const std::string& newPage, CImportNode& root);
    // atw import --list: the lists of a page, numbered as --list takes them.
    int ListCandidates(const std::string& source);
    int CheckLinks(const std::string& page);
    // Loads template index into the model; false after reporting a bad
    // index or a template file that cannot be read.
    bool LoadTemplate(int index);
    // False, after saying why, when newPage is a page that no command may
    // write over (one of the user's own, without a project file).
    bool MayWrite(const std::string& newPage);
    int SaveAs(const std::string& newPage);
    // Pages carry the runtime: the editor's option, unless --no-runtime.
    bool Runtime() const;
    void Print(const std::string& text);

    IFileSystem& m_fs;
    CIniSettings& m_settings;
    std::string m_strProgramDir;
    std::string m_strSharedDir;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_bNoRuntime = false;
    bool m_bFragment = false;
    CAppletParameters m_params;
};
