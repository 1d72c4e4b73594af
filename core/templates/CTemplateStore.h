// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/project/CProjectResult.h"
#include "core/settings/CAppSettings.h"
#include "core/settings/ISettingsStore.h"

// Named templates: the name list in the settings ("TEMPLATE"/"TemplateKey")
// and one section per template in "AppletTavelinWizard.tpl" in the program
// folder. Nothing is cached: every call reads both afresh and writes at once.
// Every change holds the lock of the template file (IFileSystem::Lock) from
// its first read to its last write, so that changes by two programs (atw
// and the editor, or two of either) are made one after the other.
class CTemplateStore {
public:
    static constexpr const char* kSection = CAppSettings::kTemplateKey.section;
    static constexpr const char* kKey = CAppSettings::kTemplateKey.key;
    static constexpr const char* kBuiltinNames =
        "Normal,solid button,flat button,Color Button,standard tree,Arrowhead Tree,products tree,"
        "Line Tree,decoration tree,Color Tree,organ tree,Appending Tree,Hot Spot,X'mas";
    static constexpr const char* kOpenFailed = "Open template failure!";
    static constexpr const char* kSaveFailed = "Save template failure!";
    // Refusals of a name that the list or the file could not hold.
    static constexpr const char* kEmptyName = "The template name must not be null!";
    static constexpr const char* kBadName = "A template name cannot contain a comma, a bracket or a line break.";
    static constexpr const char* kNameTaken = "A template of that name already exists.";
    static constexpr const char* kBusy = "The templates are being changed by another program. Please try again.";
    // "The template file PATH cannot be read."
    static std::string CannotRead(const std::string& path);

    // sharedDir: where the shipped samples lie, when not in programDir
    // (see CProjectReader::SetSharedSamples).
    CTemplateStore(ISettingsStore& settings, IFileSystem& fs, std::string programDir,
                   std::string sharedDir = std::string());

    std::string TemplateFilePath() const;
    std::string NameList();                // the stored text, default "Normal"
    std::vector<std::string> ListNames();  // by the reading rule
    // Writes the built-in list when the stored one is missing or empty.
    void EnsureNameList();

    // Fills the (reset) model from the template at index; false, with
    // LastError(), when the template file is missing, no regular file or
    // cannot be read, or the memory ran out (the model is then reset).
    bool LoadTemplate(CAppletParameters& params, int index);
    // Each returns false after a failure; LastError() then holds the message
    // (empty for a refused move). The template file is only ever replaced
    // whole, and never when it could not be read; when its step fails the
    // name list is put back as it was. New names lose the spaces around them.
    // Adding a listed name again keeps its place and appends a newer section;
    // the result also carries the warnings of media copies that failed.
    CProjectResult AddTemplate(CAppletParameters& params, const std::string& name, int position);
    // Removes the name and every section of that name.
    bool DeleteTemplate(const std::string& name);
    // Refuses a new name that is listed or not storable; renames every
    // section of the old name and drops stale sections of the new one.
    bool RenameTemplate(const std::string& oldName, const std::string& newName);
    // position: where name stands in the list; refused unless it is there
    // and has a neighbour on that side.
    bool MoveTemplate(const std::string& name, int position, bool up);
    const std::string& LastError() const { return m_strError; }

    // The name list's editing rules, on the stored text form.
    static std::string InsertName(const std::string& list, const std::string& name, int position);
    static std::string RemoveName(const std::string& list, const std::string& name);
    static std::string RenameName(const std::string& list, const std::string& oldName, const std::string& newName);
    static std::vector<std::string> SplitNames(const std::string& list);
    // The template file's lines without their line ends, and back (CR LF).
    static std::vector<std::string> SplitLines(const std::string& text);
    static std::string JoinLines(const std::vector<std::string>& lines);
    // A typed name without the white space around it.
    static std::string TrimName(const std::string& name);
    // A name the list or the file could not hold (comma, "[", "]", line break).
    static bool IsStorableName(const std::string& name);
    // True when a listed name begins with name, ignoring case.
    static bool BeginsListedName(const std::vector<std::string>& names, const std::string& name);

private:
    void StoreList(const std::string& list);
    // Stores list again after a failed file step; always false.
    bool Restore(const std::string& list);
    bool Fail(const std::string& message);
    // Reads the template file: 1 read, 0 missing, -1 present but unreadable.
    int ReadTemplateFile(std::vector<std::string>& lines);
    bool WriteTemplateFile(const std::vector<std::string>& lines);

    ISettingsStore& m_settings;
    IFileSystem& m_fs;
    std::string m_strProgramDir;
    std::string m_strSharedDir;
    std::string m_strError;
};
