// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Where the tool finds the program folder: the executable's own folder (or
// an installation's data beside it), or the per-user folder that the editor
// works in when that one is not to be written.
class CToolFolders {
public:
    // The folder of the running executable (argv0 when it cannot be asked).
    static std::string ExecutableDir(const std::string& argv0);
    // $XDG_DATA_HOME (or $HOME/.local/share) + "/Quorvex/AppletTavelinWizard".
    static std::string UserDataDir();
    // Without trailing separators ("/" stays "/").
    static std::string Trimmed(std::string folder);
};
