// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CGumboOptions.h"

#include <new>

namespace {
// Through operator new, as the rest of the program allocates: where a
// program puts that on another allocator (atw), the memory of a parse tree
// once freed is what the project built next takes, not more.
void* Allocate(void* /*userdata*/, size_t size)
{
    return ::operator new(size);
}

void Release(void* /*userdata*/, void* p)
{
    ::operator delete(p);
}

GumboOptions Make()
{
    GumboOptions options = kGumboDefaultOptions;
    options.allocator = Allocate;
    options.deallocator = Release;
    // Nothing reads the parser's error list, and each entry holds a copy of
    // the open elements: on a deeply nested page, every stray end tag would
    // copy thousands of them (gigabytes for a page under a megabyte).
    options.max_errors = 0;
    return options;
}
}  // namespace

const GumboOptions& CGumboOptions::Get()
{
    static const GumboOptions options = Make();
    return options;
}
