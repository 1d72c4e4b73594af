// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Where a large text goes a piece at a time (the temporary file of a save)
// instead of into one string that grows.
class IByteSink {
public:
    virtual ~IByteSink() = default;
    // Appends bytes; false once a write has failed.
    virtual bool Write(std::string_view bytes) = 0;
    // Drops everything written so far: the writer starts again from nothing.
    virtual bool Restart() = 0;
};
