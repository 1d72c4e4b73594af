// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/format/CWriteState.h"
#include "core/io/CMediaFiles.h"
#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/model/CTextKeyed.h"

// The check before publishing: the applet size that all open menus need,
// every file that the model names but that does not exist, the files that
// only the HTML5 forms can use, and the labels that do not fit the width of
// their items (CLabelFit).
class CParameterCheck {
public:
    static constexpr const char* kFooter =
        "\r\n----------------------------------End Message--------------------------------\r\n\r\n";

    // What a check found: the whole report text (CR LF line ends) and the
    // applet size that all open menus need. The check changes no setting:
    // Auto-Change Menu Size is the caller's to apply.
    // lineItems names, by line of the report (from 0), the item a warning
    // is about; null for the other lines.
    struct Result {
        std::string report;
        int width = 0;
        int height = 0;
        std::vector<const CTavelinItem*> lineItems;
    };

    CParameterCheck(CAppletParameters& params, IFileSystem& fs);

    Result Run();

    // Adds the open menus from menu down to the sizes of the state.
    static void AccumulateSize(const CTavelin& menu, int x, CWriteState& state);
    // Check-only: appends warnings. Otherwise copies existing media into
    // folder (template mode: its "Sample/Image" and "Sample/Audio").
    void CheckMenuFiles(const std::string& folder, const CTavelin& menu, std::string& messages, bool checkOnly,
                        bool templateMode);

private:
    void WalkMenuFiles(const std::string& folder, const CTavelin& menu, std::string& messages, bool checkOnly,
                       bool templateMode);
    void CheckItemFile(const CTavelinItem& item, std::string_view path, const char* kind, std::string& messages);
    void CheckAppletFile(const std::string& path, const char* what, std::string& messages);
    void CheckSameName(std::string_view path, std::string& messages);
    void AppendCommaWarnings(std::string& report);
    void AppendLabelWarnings(std::string& report);
    void AppendHtml5OnlyWarnings(std::string& report);
    // The next line appended to text is about item.
    void Mark(const std::string& text, const CTavelinItem* item);
    std::vector<const CTavelinItem*> LineItems(const std::string& report) const;

    CAppletParameters& m_params;
    CWriteState m_state;
    CMediaFiles m_media;                                          // asks the file system about each path once per run
    CTextKeyed<std::string> m_names;                              // file name -> the first media path of it
    std::unordered_set<std::string> m_clashes;                    // paths already reported
    std::vector<std::pair<size_t, const CTavelinItem*>> m_marks;  // offset in the report, item
};
