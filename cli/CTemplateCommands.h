// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>

#include "core/templates/CTemplateStore.h"

class CAtwTool;
class CToolArgs;

// The template commands of the atw tool, with the refusals of the editor's
// template dialogs.
class CTemplateCommands {
public:
    static constexpr const char* kNameExists = "the template has already existed!Please change a name.";
    static constexpr const char* kGiveNewName = "Please give a new name for the template!";

    CTemplateCommands(CAtwTool& tool, std::ostream& out);

    int Run(const CToolArgs& args);

private:
    int List();
    int SaveTemplate(const std::string& name, int position, const std::string& page);
    int Rename(const std::string& oldName, const std::string& newName);
    int Delete(const std::string& name);
    int Move(const std::string& name, bool up);

    // The name's position in the list; -1 after reporting that it is not there.
    int Listed(const std::string& name);
    // False after reporting that the settings file cannot be written.
    bool SettingsWritable();
    // The end of a store operation: its failure, or one of the settings file.
    int Finish(bool ok);

    CAtwTool& m_tool;
    std::ostream& m_out;
    CTemplateStore m_store;
};
