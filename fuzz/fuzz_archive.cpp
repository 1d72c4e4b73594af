// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the clipboard reader: it must refuse or accept
// them without crashing, leaking or reading out of bounds. Every accepted
// block must store again and read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/model/CArchive.h"
#include "core/model/CTavelinItem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto item = CArchive::LoadItem(bytes, &error);
    if (!item)
        return 0;
    const std::string again = CArchive::StoreItem(*item);
    if (!CArchive::LoadItem(again, &error) || CArchive::StoreItem(*item) != again)
        std::abort();
    return 0;
}
