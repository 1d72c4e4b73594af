// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <set>
#include <string>

#include "CEditorContext.h"
#include "core/project/CProjectResult.h"

class QWidget;

// Preview and View Sample. The document runs the check before Preview;
// these do the rest.
class CPreview {
public:
    static constexpr const char* kPreviewFolder = "tmp";
    static constexpr const char* kPreviewPage = "~AppMenu.htm";
    static constexpr const char* kSamplePage = "Sample/Samples.htm";
    // Added to the message list by a preview without the menu script.
    static constexpr const char* kAppletOnlyNote = QT_TRANSLATE_NOOP(
        "CPreview", "Note:\t\tCurrent browsers no longer run Java applets, so this preview shows no menu. "
                    "Turn on Options > HTML5 Menu Runtime to have the page draw it.");

    explicit CPreview(const CEditorContext& context) : m_ctx(context) {}

    // Writes "~AppMenu.htm" and its companions into the preview folder
    // (PreviewFolder(context)) and starts the chosen browser on it. A write
    // that failed has its message shown; the result carries the copies'
    // warnings for the caller to show. The names of the files this preview
    // created there (that were not there before) are added to created.
    CProjectResult Preview(QWidget* owner, std::set<std::string>* created = nullptr) const;
    // Shows "Sample/Samples.htm" of the shipped data, where it lies, in the
    // chosen browser.
    void ViewSample(QWidget* owner = nullptr) const;

    // The preview folder and page under the program folder.
    static std::string PreviewFolder(const std::string& programDir);
    static std::string PreviewPagePath(const std::string& programDir);
    // The context's preview folder (its previewDir, else the one under the
    // program folder) and the page in it.
    static std::string PreviewFolder(const CEditorContext& context);
    static std::string PreviewPagePath(const CEditorContext& context);

private:
    const CEditorContext& m_ctx;
};
