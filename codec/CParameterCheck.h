#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "../model/CAppletParameters.h"
#include "CMediaFiles.h"
#include "IFileSystem.h"

// The check before publishing: the applet size that all open menus need and
// every file that the model names but that does not exist.
class CParameterCheck {
public:
    static constexpr const char* kFooter =
        "\r\n----------------------------------End Message--------------------------------\r\n\r\n";

    CParameterCheck(CAppletParameters& params, IFileSystem& fs);

    // Builds the report; with autoChangeSize the applet takes the recommended
    // size. Returns the whole report text (CR LF line ends).
    std::string Run(bool autoChangeSize);

    void AccumulateSize(const CTavelin& menu, int x);
    // Check-only: appends warnings. Otherwise copies existing media into
    // folder (template mode: its "Sample/Image" and "Sample/Audio").
    void CheckMenuFiles(const std::string& folder, const CTavelin& menu, std::string& messages,
                        bool checkOnly, bool templateMode);

private:
    void WalkMenuFiles(const std::string& folder, const CTavelin& menu, std::string& messages,
                       bool checkOnly, bool templateMode);
    void CheckItemFile(const CTavelinItem& item, const std::string& path, const char* kind,
                       std::string& messages);
    void CheckAppletFile(const std::string& path, const char* what, std::string& messages);
    void CheckSameName(const std::string& path, std::string& messages);
    std::string CommaWarnings();

    CAppletParameters& m_params;
    CMediaFiles m_media;  // asks the file system about each path once per run
    std::unordered_map<std::string, std::string> m_names;  // file name -> the first media path of it
    std::unordered_set<std::string> m_clashes;             // paths already reported
};
