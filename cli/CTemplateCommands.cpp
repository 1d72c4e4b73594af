// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTemplateCommands.h"

#include <algorithm>

#include "CAtwTool.h"
#include "CToolArgs.h"
#include "core/io/CLockHold.h"

CTemplateCommands::CTemplateCommands(CAtwTool& tool, std::ostream& out)
    : m_tool(tool), m_out(out), m_store(tool.Settings(), tool.FileSystem(), tool.ProgramDir())
{
}

int CTemplateCommands::Run(const CToolArgs& args)
{
    const std::string& command = args.m_strCommand;
    const auto& operands = args.m_arrOperands;
    if (!m_tool.SettingsReadable())
        return CAtwTool::kFailure;
    if (command == "templates")
        return List();
    if (command == "save-template")
        return SaveTemplate(operands[0], args.m_nPosition, operands[1]);
    if (command == "rename-template")
        return Rename(operands[0], operands[1]);
    if (command == "delete-template")
        return Delete(operands[0]);
    return Move(operands[0], operands[1] == "up");
}

int CTemplateCommands::List()
{
    for (const std::string& name : m_store.ListNames())
        m_out << name << '\n';
    return CAtwTool::kSuccess;
}

int CTemplateCommands::SaveTemplate(const std::string& typed, int position, const std::string& page)
{
    const std::string name = CTemplateStore::TrimName(typed);
    if (name.empty())
        return m_tool.Fail(CTemplateStore::kEmptyName);
    if (!CTemplateStore::IsStorableName(name))
        return m_tool.Fail(CTemplateStore::kBadName);
    if (CTemplateStore::BeginsListedName(m_store.ListNames(), name))
        return m_tool.Fail(kNameExists);
    if (!m_tool.OpenPage(page) || !SettingsWritable())
        return CAtwTool::kFailure;
    const CProjectResult result = m_store.AddTemplate(m_tool.Model(), name, position);
    const int warned = m_tool.PrintWarnings(result.Warnings());
    const int status = Finish(result.Ok());
    return status == CAtwTool::kSuccess ? warned : status;
}

int CTemplateCommands::Rename(const std::string& oldName, const std::string& typed)
{
    const std::string newName = CTemplateStore::TrimName(typed);
    if (Listed(oldName) < 0)
        return CAtwTool::kFailure;
    if (newName.empty() || CTemplateStore::BeginsListedName(m_store.ListNames(), newName))
        return m_tool.Fail(kGiveNewName);
    if (!CTemplateStore::IsStorableName(newName))
        return m_tool.Fail(CTemplateStore::kBadName);
    if (!SettingsWritable())
        return CAtwTool::kFailure;
    return Finish(m_store.RenameTemplate(oldName, newName));
}

int CTemplateCommands::Delete(const std::string& name)
{
    if (Listed(name) < 0 || !SettingsWritable())
        return CAtwTool::kFailure;
    return Finish(m_store.DeleteTemplate(name));
}

int CTemplateCommands::Move(const std::string& name, bool up)
{
    const int position = Listed(name);
    if (position < 0 || !SettingsWritable())
        return CAtwTool::kFailure;
    const int last = static_cast<int>(m_store.ListNames().size()) - 1;
    if (up ? position == 0 : position == last)
        return m_tool.Fail("The template \"" + name + "\" is already the " + (up ? "first." : "last."));
    return Finish(m_store.MoveTemplate(name, position, up));
}

int CTemplateCommands::Listed(const std::string& name)
{
    const auto names = m_store.ListNames();
    const auto it = std::find(names.begin(), names.end(), name);
    if (it != names.end())
        return static_cast<int>(it - names.begin());
    m_tool.Fail("There is no template named \"" + name + "\".");
    return -1;
}

// Writes the stored list back unchanged: a settings file that cannot take it
// stops the command before the template file is touched. Under the template
// file's lock, so that no other program's change to the list falls between
// the read and the write.
bool CTemplateCommands::SettingsWritable()
{
    CIniSettings& settings = m_tool.Settings();
    const CLockHold lock(m_tool.FileSystem(), m_store.TemplateFilePath());
    if (!lock.Held()) {
        m_tool.Fail(CTemplateStore::kBusy);
        return false;
    }
    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, m_store.NameList());
    if (!settings.WriteFailed())
        return true;
    m_tool.Fail("Can't write the settings file " + settings.Path() + ".");
    return false;
}

int CTemplateCommands::Finish(bool ok)
{
    CIniSettings& settings = m_tool.Settings();
    if (!ok)
        return m_tool.Fail(m_store.LastError().empty() ? "The template could not be changed." : m_store.LastError());
    if (settings.WriteFailed())
        return m_tool.Fail("Can't write the settings file " + settings.Path() + ".");
    return CAtwTool::kSuccess;
}
