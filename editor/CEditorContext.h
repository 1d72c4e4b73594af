// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "CModelEditor.h"

class CBrowserLauncher;
class CSelection;
class IFileSystem;
class ISettingsStore;
class IUserPrompts;

// What the document, the windows, the property pages and the dialogs work
// with, handed to each through its constructor: the model and the one door
// that changes it, the selection the pages edit, the settings, the file
// system, the prompts, the browser launcher and the program folder. The
// application object makes the parts and owns them; tests make their own.
struct CEditorContext {
    CModelEditor& editor;
    CSelection& selection;
    ISettingsStore& settings;
    IFileSystem& fileSystem;
    IUserPrompts& prompts;
    CBrowserLauncher& browser;
    std::string programDir;
    // Where Preview and the Live Preview write their pages: the per-user
    // cache for an installed editor; empty for the program folder's "tmp".
    std::string previewDir;
    // Where the shipped help pages and samples are read, in place and never
    // written: an installation's data folder; empty for the program folder.
    std::string dataDir;
    // Whether New draws each template with the browser engine, when its
    // plug-in is there: the editor does; tests that do not draw leave it off.
    bool drawTemplates = false;

    CAppletParameters& Params() const { return editor.Params(); }
    const std::string& DataDir() const { return dataDir.empty() ? programDir : dataDir; }
};
