// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "IFileSystem.h"
#include "core/model/CTextKeyed.h"

// What one run of a writer or the check knows about the media paths the model
// names: each distinct path is asked about once, and each file is copied into
// a folder at most once. A media file is a regular file whose extension is
// one of CMediaFormat's (pictures and sounds of the applet and of the HTML5
// forms alike). A symbolic link is judged without
// following it: it counts only when it leads to a regular file that has a
// media extension itself (a link "logo.gif" to a private key is refused).
class CMediaFiles {
public:
    enum class Kind { Missing, Media, NotMedia, BadLink };

    explicit CMediaFiles(IFileSystem& fs) : m_fs(fs) {}

    static bool HasMediaExtension(const std::string& path);

    Kind Classify(std::string_view path);
    bool IsMedia(std::string_view path) { return Classify(path) == Kind::Media; }
    // The bare file name of a media file (the name CopyShared gave it, when
    // it did), else "".
    std::string FileRef(std::string_view path);
    // Copies a media file to folder/its name (replacing); other paths are
    // skipped. A copy that fails, or that would land where another file of
    // the same name already went in this run, adds a line to Warnings().
    void CopyInto(std::string_view path, const std::string& folder);
    // Copies a media file into a folder that other templates share without
    // ever replacing a file there: a file of the same name and bytes is used
    // as it is, else the copy takes the first free name of "name_2.ext",
    // "name_3.ext" and so on. Failures are reported as by CopyInto.
    void CopyShared(std::string_view path, const std::string& folder);
    // Copies a file the program ships (not judged as media), with the same
    // reporting.
    void CopyProgramFile(const std::string& from, const std::string& to);
    const std::vector<std::string>& Warnings() const { return m_warnings; }
    void Clear();

private:
    struct CEntry {
        Kind m_kind = Kind::Missing;
        // The folders the file went into and the target path in each.
        std::vector<std::pair<std::string, std::string>> m_arrCopies;
        // The name CopyShared chose; "" for the file's own name.
        std::string m_strSharedName;
    };

    CEntry& EntryOf(std::string_view path);
    CEntry* UnplacedMedia(std::string_view path, const std::string& folder);
    Kind Judge(const std::string& path);
    // The shared name for path in folder: taken when free or holding bytes.
    std::string FreeSharedName(const std::string& path, const std::string& folder, const std::string& bytes,
                               bool& present);

    IFileSystem& m_fs;
    CTextKeyed<CEntry> m_entries;
    // Target path -> the source copied there in this run.
    std::unordered_map<std::string, std::string> m_targets;
    std::vector<std::string> m_warnings;
};
