// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "CScriptedPrompts.h"
#include "core/io/CStdFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CBrowserLauncher.h"
#include "editor/CEditorContext.h"
#include "editor/CModelEditor.h"
#include "editor/CSelection.h"

// The parts of a run for a test that makes its windows itself: a model with
// its editor, a selection, settings in memory, scripted prompts, a browser
// launcher over them, and the context that hands them out. The program
// folder is set before the windows are made.
struct CTestEditor {
    explicit CTestEditor(std::string programDir = std::string())
        : context{editor, selection, settings, CStdFileSystem::Instance(), prompts, browser, std::move(programDir),
                  {},     {}}
    {
    }
    CTestEditor(const CTestEditor&) = delete;
    CTestEditor& operator=(const CTestEditor&) = delete;

    CAppletParameters params;
    CModelEditor editor{params};
    CSelection selection;
    CMemorySettings settings;
    CScriptedPrompts prompts;
    CBrowserLauncher browser{prompts, settings};
    CEditorContext context;
};
