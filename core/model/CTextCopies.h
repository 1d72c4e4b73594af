// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

#include "CSharedText.h"

// Hands out copies of one text from one thread without an atomic step for
// each copy: a reader gives the same media path to thousands of items. The
// text's count is raised once by a large number when this takes the text,
// and what was not handed out is taken back when this goes. The copies are
// ordinary values that may go anywhere, and from any thread, at any time.
class CTextCopies {
public:
    explicit CTextCopies(CSharedText text) noexcept;
    CTextCopies(const CTextCopies&) = delete;
    CTextCopies& operator=(const CTextCopies&) = delete;
    ~CTextCopies();

    CSharedText Copy() noexcept;
    std::string_view view() const noexcept { return m_text.view(); }

private:
    CSharedText m_text;
    size_t m_nGiven = 0;
};
