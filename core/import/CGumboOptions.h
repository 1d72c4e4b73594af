// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <gumbo.h>

// The HTML parser's options with an allocator that throws std::bad_alloc
// where the library's own would hand a null pointer on (and then write
// through it): a page too large for the memory left ends in a message, not
// a crash. What the parser had allocated by then is not given back. The
// parser keeps no list of the page's errors.
class CGumboOptions {
public:
    static const GumboOptions& Get();
};
