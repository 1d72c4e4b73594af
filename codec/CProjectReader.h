#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "../model/CAppletParameters.h"
#include "IFileSystem.h"

// "[section]key" -> value, the last occurrence in the file winning.
using CIniMap = std::unordered_map<std::string, std::string>;

// Reads a project file, or one section of the template file, into the model.
class CProjectReader {
public:
    static constexpr const char* kProjectSection = "Tavelin1.0";
    static constexpr const char* kDefaultApStyle =
        "My Tavelina,0,200,500,0,0,,,,,,1,5,5,0,1,0,1,1,0,0,5,0";

    CProjectReader(CAppletParameters& params, IFileSystem& fs, std::string programDir);

    static bool ReadIniMap(IFileSystem& fs, const std::string& file, CIniMap& map);
    static void ParseIni(const std::string& text, CIniMap& map);
    static void GetValues(const CIniMap& map, const std::string& section, const std::string& key,
                          const std::string& defaultText, int count, std::vector<std::string>& list);
    static std::string ExtractField(const std::string& text, int index, char separator);
    // Optional sign and leading digits; anything else reads 0.
    static int ToNumber(const std::string& text);

    // Fills the (reset) model from the section; false only when the file
    // cannot be opened.
    bool LoadModel(const std::string& file, const std::string& section, bool templateMode);
    // Reset, then LoadModel with the project section.
    bool LoadProject(const std::string& path);

    // What was skipped in a damaged file (bad relations, nesting too deep);
    // empty for a sound file.
    const std::vector<std::string>& Warnings() const { return m_warnings; }

private:
    CAppletParameters& m_params;
    IFileSystem& m_fs;
    std::string m_strProgramDir;
    std::vector<std::string> m_warnings;
};
