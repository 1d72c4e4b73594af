// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CToolArgs.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

struct CCommandForm {
    const char* m_pszName;
    std::size_t m_nOperands;
    const char* m_pszOptions;  // the options the command takes, each followed by a space
    const char* m_pszForm;
};

constexpr CCommandForm kCommands[] = {
    {"html", 1, "--no-runtime ", "atw html [--no-runtime] PAGE"},
    {"check", 1, "--auto-size ", "atw check [--auto-size] PAGE"},
    {"save", 2, "--no-runtime ", "atw save [--no-runtime] PAGE NEWPAGE"},
    {"export", 2, "--fragment ", "atw export [--fragment] PAGE NEWPAGE"},
    {"templates", 0, "", "atw templates"},
    {"new", 1, "--template ", "atw new [--template N] NEWPAGE"},
    {"import", 2, "--template --list ",
     "atw import SOURCE NEWPAGE [--template N] [--list N], or atw import --list SOURCE"},
    {"check-links", 1, "", "atw check-links PAGE"},
    {"save-template", 2, "--position ", "atw save-template NAME [--position N] PAGE"},
    {"rename-template", 2, "", "atw rename-template OLD NEW"},
    {"delete-template", 1, "", "atw delete-template NAME"},
    {"move-template", 2, "", "atw move-template NAME up|down"},
};

}  // namespace

const char* CToolArgs::Help()
{
    return "Usage: atw [--program-dir DIR] COMMAND ARGS...\n"
           "\n"
           "  atw html [--no-runtime] PAGE     print the page text that Save would write for PAGE's project;\n"
           "                                   --no-runtime: the applet page alone, without tavelin.js\n"
           "  atw check [--auto-size] PAGE     print the check report for PAGE's project\n"
           "  atw save [--no-runtime] PAGE NEWPAGE   open PAGE's project and save it as NEWPAGE (page, .tvx,\n"
           "                                   copies)\n"
           "  atw export [--fragment] PAGE NEWPAGE   write PAGE's menu as a page without the applet: nested\n"
           "                                   lists of links, a style sheet and the script tavelin.js, media\n"
           "                                   copied; --fragment: only the menu, to paste into a page, and\n"
           "                                   its style sheet as NEWPAGE's name with .css\n"
           "  atw templates                    list the template names, one a line, in list order\n"
           "  atw new [--template N] NEWPAGE   new project from template N (default 0), saved as NEWPAGE\n"
           "  atw import SOURCE NEWPAGE [--template N] [--list N]   new project whose menu is read from\n"
           "                                   SOURCE: an HTML page (its list N, by default the first the\n"
           "                                   editor offers), a sitemap (.xml, .xml.gz) or a text outline\n"
           "  atw import --list SOURCE         print the lists of the page SOURCE, numbered from 0, as the\n"
           "                                   editor offers them\n"
           "  atw check-links PAGE             list the broken and the external links and media of PAGE's\n"
           "                                   project; exit status 1 when any is broken\n"
           "  atw save-template NAME [--position N] PAGE   add PAGE's project as template NAME at position N\n"
           "                                   (default 0, the front of the list)\n"
           "  atw rename-template OLD NEW\n"
           "  atw delete-template NAME\n"
           "  atw move-template NAME up|down\n"
           "  atw --program-dir DIR ...        use DIR as the program folder (default: the executable's folder)\n"
           "  atw --help | --version\n"
           "\n"
           "PAGE is opened as File > Open does: its project file is the page's name with the extension\n"
           ".tvx, beside it. Templates and settings are those of the editor.\n"
           "Exit status: 0 success, 1 failure (the message on standard error), 2 usage error.\n";
}

bool CToolArgs::Fail(const std::string& message)
{
    m_strError = message;
    return false;
}

bool CToolArgs::Parse(const std::vector<std::string>& args)
{
    bool optionsEnd = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnd && arg == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && (arg.rfind("--", 0) == 0 || arg == "-h")) {
            if (!TakeOption(args, i))
                return false;
        } else if (m_strCommand.empty()) {
            m_strCommand = arg;
        } else {
            m_arrOperands.push_back(arg);
        }
    }
    if (m_bHelp || m_bVersion)
        return true;
    return CheckCommand();
}

bool CToolArgs::TakeOption(const std::vector<std::string>& args, std::size_t& i)
{
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
        m_bHelp = true;
    } else if (arg == "--version") {
        m_bVersion = true;
    } else if (arg == "--program-dir") {
        if (i + 1 >= args.size() || args[i + 1].empty())
            return Fail("--program-dir needs a folder");
        m_strProgramDir = args[++i];
    } else if (arg == "--auto-size") {
        m_bAutoSize = true;
        m_arrCommandOptions.push_back(arg);
    } else if (arg == "--no-runtime") {
        m_bNoRuntime = true;
        m_arrCommandOptions.push_back(arg);
    } else if (arg == "--fragment") {
        m_bFragment = true;
        m_arrCommandOptions.push_back(arg);
    } else if (arg == "--template") {
        return TakeNumber(args, i, m_nTemplate, m_arrCommandOptions.emplace_back(arg));
    } else if (arg == "--list") {
        m_arrCommandOptions.push_back(arg);
        // "--list N" picks a list; a bare "--list" prints them.
        if (i + 1 < args.size() && !args[i + 1].empty() &&
            args[i + 1].find_first_not_of("0123456789") == std::string::npos)
            return TakeNumber(args, i, m_nList, m_arrCommandOptions.back());
        m_bListOnly = true;
    } else if (arg == "--position") {
        return TakeNumber(args, i, m_nPosition, m_arrCommandOptions.emplace_back(arg));
    } else {
        return Fail("unknown option " + arg);
    }
    return true;
}

bool CToolArgs::TakeNumber(const std::vector<std::string>& args, std::size_t& i, int& value, std::string& seen)
{
    if (i + 1 >= args.size())
        return Fail(seen + " needs a number");
    const std::string& text = args[++i];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0)
        return Fail(seen + " needs a number from 0 up, not \"" + text + "\"");
    return true;
}

bool CToolArgs::CheckCommand()
{
    if (m_strCommand.empty())
        return Fail("no command given");
    const auto* form = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const CCommandForm& f) { return m_strCommand == f.m_pszName; });
    if (form == std::end(kCommands))
        return Fail("unknown command \"" + m_strCommand + "\"");
    for (const std::string& option : m_arrCommandOptions)
        if (std::string_view(form->m_pszOptions).find(option + " ") == std::string_view::npos)
            return Fail(option + " is not an option of " + m_strCommand + "; usage: " + form->m_pszForm);
    const std::size_t operands = m_bListOnly ? 1 : form->m_nOperands;
    if (m_arrOperands.size() != operands)
        return Fail("wrong number of arguments; usage: " + std::string(form->m_pszForm));
    if (m_strCommand == "move-template" && m_arrOperands[1] != "up" && m_arrOperands[1] != "down")
        return Fail("the direction must be up or down; usage: " + std::string(form->m_pszForm));
    return true;
}
