// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "CNumberingWalk.h"
#include "CProjectText.h"
#include "CWriteState.h"
#include "core/io/CMediaFiles.h"
#include "core/model/CAppletParameters.h"

// The project-file text of a large project composed a slice at a time, so
// that the editor can write a recovery copy between two key presses. The
// first steps number the menus and compose the structure value, keeping
// what the numbering walk gave in a write state of its own, so that a page
// build between slices does not disturb it; the following ones append the
// lines of some menus, a long menu's items split across steps. The model
// must not change between Start and the last Step: the caller starts again
// after an edit.
// The finished text equals CPageWriter::ProjectText() of the same model.
class CSlicedProjectText {
public:
    CSlicedProjectText(CAppletParameters& params, IFileSystem& fs);

    // Begins again from the first step; cheap.
    void Start();
    // Numbers or appends the lines of about maxItems items (at least one
    // line); true when the text is complete.
    bool Step(size_t maxItems);
    bool Done() const { return m_bDone; }
    // The composed text; moved out, valid once Done().
    std::string Take() { return std::exchange(m_strText, std::string()); }

private:
    size_t StructureBytes() const;
    void StepWalk(size_t maxItems);
    bool StepLines(size_t maxItems);
    bool StepTail(size_t maxItems);
    void Restart();

    CAppletParameters& m_params;
    CMediaFiles m_media;
    std::optional<CProjectText> m_text;
    CWriteState m_state;  // the written menus in number order
    CNumberingWalk m_walk;
    bool m_bNumbered = false;    // the walk is done
    bool m_bStructured = false;  // and the structure value composed
    size_t m_nNext = 0;          // the menu whose lines come next
    size_t m_nItem = 0;          // and its next item; 0 before its style lines
    std::string m_strStructure;  // the whole tail line, structure value and all
    size_t m_nTail = 0;          // how much of it is in the text
    std::string m_strText;
    bool m_bDone = false;
};
