#pragma once

#include <string>
#include <string_view>

#include "../model/CAppletParameters.h"

// Find in a big menu: the next item, in tree order, whose label, description
// or link holds a text, ignoring the case of ASCII letters. The search goes
// on after the given item and wraps around to the top.
class CItemSearch {
public:
    // Null when no item matches; after may be null (search from the top) or
    // an item that is no longer in the model.
    static const CTavelinItem* FindNext(const CAppletParameters& params, const CTavelinItem* after,
                                        std::string_view text);
    static bool Matches(const CTavelinItem& item, std::string_view lowerText);
    static std::string Lower(std::string_view text);
};
