// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CGumboOptions.h"

#include <cstdlib>
#include <new>

namespace {
void* Allocate(void* /*userdata*/, size_t size)
{
    if (void* p = std::malloc(size))
        return p;
    throw std::bad_alloc();
}

void Release(void* /*userdata*/, void* p)
{
    std::free(p);
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
