// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>
#include <string>

// The tree's clipboard. An item with its whole sub-tree travels as exactly
// its archive bytes (CArchive::StoreItem) under the private format, and
// nothing else (no text form) is put on the clipboard.
//
// The format's one name is the MIME type "application/x-applettavelinwizard-item":
// two running editors exchange items through the system clipboard under it.
// The same bytes are also offered under the format name
// "AppletTavelinWizardClipboardFormat" (on Windows as the registered clipboard
// format of that name), and read from there when the MIME type is missing.
class CTreeClipboard {
public:
    static QString MimeType();
    static QString NamedFormat();

    // Puts bytes on the system clipboard; true when the clipboard now offers them.
    static bool Put(const std::string& bytes);
    // True when the clipboard offers data in the private format.
    static bool Offers();
    // The bytes in the private format; nothing when the clipboard holds none.
    static std::optional<std::string> Get();
};
