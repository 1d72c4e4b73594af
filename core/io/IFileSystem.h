// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "IByteSink.h"

// The core's only door to the file system, so that tests can replace it.
// Paths are 8-bit byte strings with the native separator.
class IFileSystem {
public:
    // One file of a save: its path and its whole new content.
    struct CFileWrite {
        std::string m_strPath;
        std::string m_strBytes;
    };
    // One file of a save whose content fill writes into a sink a piece at a
    // time (false when it could not), so that it is never held whole.
    struct CFileFill {
        std::string m_strPath;
        std::function<bool(IByteSink&)> m_fill;
    };

    virtual ~IFileSystem() = default;

    // True when a regular file exists at path (a folder or device is not one).
    virtual bool IsRegularFile(const std::string& path) = 0;
    virtual bool IsDirectory(const std::string& path) = 0;
    // True when anything (file, folder, device) exists at path.
    virtual bool Exists(const std::string& path) { return IsRegularFile(path) || IsDirectory(path); }
    // What path leads to (links followed), in one look at the disk where the
    // system allows it: a check of many paths asks once for each.
    enum class Kind { Missing, Regular, Directory, Other };
    virtual Kind KindOf(const std::string& path)
    {
        if (IsRegularFile(path))
            return Kind::Regular;
        if (IsDirectory(path))
            return Kind::Directory;
        return Exists(path) ? Kind::Other : Kind::Missing;
    }
    // Reads the whole file; false when it cannot be opened or is not a
    // regular file (a pipe or a device is never read).
    virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
    // The same into a buffer that is not cleared before the file's bytes
    // land in it (for large files read once); size gets their number.
    virtual bool ReadBytes(const std::string& path, std::unique_ptr<char[]>& bytes, size_t& size)
    {
        std::string text;
        if (!ReadFile(path, text))
            return false;
        bytes = std::make_unique_for_overwrite<char[]>(text.size() + 1);
        std::memcpy(bytes.get(), text.data(), text.size());
        size = text.size();
        return true;
    }
    // The reader of a buffer that ReadBytes filled is done with its bytes
    // from `from` up to `to`: their memory may go back to the system, and they
    // may read as anything afterwards. The buffer itself stays valid.
    virtual void ReleaseBytes(std::string_view buffer, size_t from, size_t to) { (void)buffer, (void)from, (void)to; }
    // Writes bytes to a temporary file in the same folder and renames it over
    // path only when complete; on failure path is left as it was.
    virtual bool WriteFileAtomic(const std::string& path, const std::string& bytes) = 0;
    // Writes every file of the list or none of them: each new content goes to
    // a temporary file first, and only when all are complete do they replace
    // their targets. On failure every target is left as it was. With
    // removeStale (only under Lock) temporaries that an earlier, interrupted
    // save left beside the targets are removed.
    virtual bool WriteFilesAtomic(const std::vector<CFileWrite>& files, bool /*removeStale*/ = false)
    {
        std::map<std::string, std::string> old;
        size_t done = 0;
        for (; done < files.size(); ++done) {
            const std::string& path = files[done].m_strPath;
            std::string bytes;
            if (ReadFile(path, bytes))
                old.emplace(path, bytes);
            if (!WriteFileAtomic(path, files[done].m_strBytes))
                break;
        }
        if (done == files.size())
            return true;
        while (done-- > 0) {
            const auto found = old.find(files[done].m_strPath);
            if (found != old.end())
                WriteFileAtomic(found->first, found->second);
            else
                RemoveFile(files[done].m_strPath);
        }
        return false;
    }
    // WriteFilesAtomic with contents written in pieces: each temporary file
    // is filled through its sink as its fill runs. Here each content is
    // gathered into a string first, for file systems that only keep strings.
    virtual bool FillFilesAtomic(const std::vector<CFileFill>& files, bool removeStale = false)
    {
        std::vector<CFileWrite> writes;
        for (const CFileFill& file : files) {
            CStringSink sink;
            if (!file.m_fill(sink))
                return false;
            writes.push_back({file.m_strPath, std::move(sink.m_strBytes)});
        }
        return WriteFilesAtomic(writes, removeStale);
    }
    // Copies a file, replacing an existing target (through a temporary file).
    // The copy never gets wider permissions than the source.
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    // Creates the folder (and its parents); an existing folder is no failure.
    virtual bool MakeDir(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // Creates an empty file at path and removes it again: whether files can
    // be made there. Nothing is kept, so nothing needs to reach the disk.
    virtual bool ProbeCreate(const std::string& path) { return WriteFileAtomic(path, "") && RemoveFile(path); }
    // Removes an empty folder; false when it is not empty or not there.
    virtual bool RemoveDir(const std::string& path) = 0;
    // The names of the entries directly inside folder (files and folders),
    // sorted; empty when the folder cannot be listed.
    virtual std::vector<std::string> ListFiles(const std::string& /*folder*/) { return {}; }

    // Removes the temporaries that an interrupted copy to target left in
    // its folder (only under Lock of the save that copies).
    virtual void RemoveStaleCopies(const std::string& /*target*/) {}
    // A write of several files that was cut off between its renames leaves
    // a journal beside the first of them (path); this completes that write:
    // 0 when there was none, 1 when it was completed, -1 when it could not be
    // (the journal stays). Only under Lock of path.
    virtual int FinishInterruptedWrite(const std::string& /*path*/) { return 0; }
    // True when such a journal lies beside path.
    virtual bool HasInterruptedWrite(const std::string& /*path*/) { return false; }

    // True when path itself is a symbolic link (not followed).
    virtual bool IsSymbolicLink(const std::string& /*path*/) { return false; }
    // Where a symbolic link finally leads (links in the chain followed);
    // "" when path is no link or the chain loops.
    virtual std::string LinkTarget(const std::string& /*path*/) { return {}; }
    // False for a symbolic link that a save must not follow: one in a
    // sticky folder (a shared one such as /tmp) owned neither by the user
    // nor by the folder's owner, as the kernel's protected_symlinks rule has it.
    virtual bool MayFollowLink(const std::string& /*path*/) { return true; }

    // An advisory lock on path between saves of this program: waits while
    // another save holds it and gives up after a while (false). Held until
    // Unlock; a file that Lock had to create and that is still empty then
    // goes again. Where no lock file can be opened at all (a folder that
    // cannot be written) the save goes ahead unlocked and fails on its own.
    virtual bool Lock(const std::string& /*path*/) { return true; }
    virtual void Unlock(const std::string& /*path*/) {}

private:
    struct CStringSink : IByteSink {
        std::string m_strBytes;
        bool Write(std::string_view bytes) override
        {
            m_strBytes += bytes;
            return true;
        }
        bool Restart() override
        {
            m_strBytes.clear();
            return true;
        }
    };
};
