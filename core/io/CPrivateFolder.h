// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// A folder that holds one user's private files (the recovery copies of
// unsaved work): only the user may own it, reach it or read what is in it.
// These are questions of ownership and permission bits that IFileSystem does
// not model, so they are answered by the system directly.
class CPrivateFolder {
public:
    // True when folder is a folder of the user running this program. A
    // symbolic link counts only when the link itself and the folder it leads
    // to are both the user's: a link planted by someone else (or leading to
    // someone else's folder) would send the user's work where others read it.
    static bool IsOurs(const std::string& folder);
    // Makes folder (and its parents) when missing and closes it to everyone
    // but the user (mode 0700); false when it is not the user's or cannot be made.
    static bool Make(const std::string& folder);
    // True when path is a regular file of the user (not a link, not another
    // user's file).
    static bool IsOurFile(const std::string& path);
    // Creates the empty file path readable and writable by the user alone
    // (mode 0600); an atomic write over it keeps that mode. False when
    // anything is there already or it cannot be made.
    static bool CreateFile(const std::string& path);
    // Renames from to to within one file system (the file's owner and
    // permissions do not matter, only the folders'); false when that fails.
    static bool Move(const std::string& from, const std::string& to);
};
