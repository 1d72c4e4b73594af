#pragma once

#include <string>

// Where the tool finds the program folder: the executable's own folder, or
// the per-user folder that the editor falls back to when that one cannot be
// written.
class CToolFolders {
public:
    // The folder of the running executable (argv0 when it cannot be asked).
    static std::string ExecutableDir(const std::string& argv0);
    // $XDG_DATA_HOME (or $HOME/.local/share) + "/Quorvex/AppletTavelinWizard".
    static std::string UserDataDir();
    // Without trailing separators ("/" stays "/").
    static std::string Trimmed(std::string folder);
};
