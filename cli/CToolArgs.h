// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// The command line of the atw tool: global options, the command and its
// operands and options. Parse reports what is wrong in m_strError.
class CToolArgs {
public:
    static constexpr const char* kUsageLine =
        "Usage: atw [--program-dir DIR] COMMAND ARGS... (atw --help lists the commands)";

    // args without the program name; false on a usage error.
    bool Parse(const std::vector<std::string>& args);
    static const char* Help();

    std::string m_strCommand;
    std::vector<std::string> m_arrOperands;
    std::string m_strProgramDir;  // empty: the executable's folder
    bool m_bHelp = false;
    bool m_bVersion = false;
    bool m_bAutoSize = false;   // check --auto-size
    bool m_bNoRuntime = false;  // html, save --no-runtime
    bool m_bFragment = false;   // export --fragment
    int m_nTemplate = 0;        // new, import --template N
    int m_nPosition = 0;        // save-template --position N
    int m_nList = 0;            // import --list N
    bool m_bListOnly = false;   // import --list without a number: print the lists
    std::string m_strError;

private:
    bool TakeOption(const std::vector<std::string>& args, std::size_t& i);
    bool TakeNumber(const std::vector<std::string>& args, std::size_t& i, int& value, std::string& seen);
    bool CheckCommand();
    bool Fail(const std::string& message);

    std::vector<std::string> m_arrCommandOptions;  // options given, for the command check
};
