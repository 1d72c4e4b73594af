// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

// Hashes any text the same way, so that a map keyed by std::string can be
// searched with a std::string_view without building a key first.
struct CTextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>{}(text); }
};

// A map from texts that a std::string_view finds.
template <typename Value>
using CTextKeyed = std::unordered_map<std::string, Value, CTextHash, std::equal_to<>>;
