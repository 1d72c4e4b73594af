#pragma once

#include <memory>
#include <string>

class CTavelinItem;

// The byte-stream archive of items and menus that the clipboard carries.
class CArchive {
public:
    // The clipboard block of an item with its whole subtree.
    static std::string StoreItem(CTavelinItem& item);
    // Reads a clipboard block into a fresh item; null with a message in
    // *error when the bytes are not a valid block (nothing leaks).
    static std::unique_ptr<CTavelinItem> LoadItem(const std::string& bytes, std::string* error);
};
