// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

#include "IByteSink.h"

class CStdFileSystem;

// Replaces several files as one step. Stage writes each new content to a
// temporary file beside its target (".name.tmpNNNNNN", the name shortened
// where that would not fit), flushed to the disk; Commit then renames them
// over their targets in the order staged, keeping a hard link to each
// replaced file so that a failed rename can put back what was there. Whatever
// fails, no temporary file stays behind. A commit of several files writes a
// journal beside the first target before its first rename and removes it
// after the last: a process cut off in between leaves the journal, from which
// Finish completes the commit.
class CFileCommit {
public:
    explicit CFileCommit(CStdFileSystem& fs) : m_fs(fs) {}
    ~CFileCommit();
    CFileCommit(const CFileCommit&) = delete;
    CFileCommit& operator=(const CFileCommit&) = delete;

    // Where a write to path lands: path itself, or the file that its chain of
    // symbolic links leads to; "" for a chain that loops.
    static std::string Resolve(const std::string& path);
    // Removes the temporaries of target's name that an interrupted save left
    // in its folder.
    static void RemoveStale(const std::string& target);
    // The journal of a commit whose first target is target.
    static std::string JournalFor(const std::string& target);
    // Completes the commit that target's journal describes: 0 when there is
    // none, 1 when it was completed, -1 when it could not be (the journal
    // stays for the next try).
    static int Finish(const std::string& target);

    // A saved file: written where path's links lead, with the mode and group
    // of the file it replaces. Refuses a target that is not a regular file.
    bool Stage(const std::string& path, const std::string& bytes);
    // The same with the content that fill writes into the temporary file.
    using Fill = std::function<bool(IByteSink&)>;
    bool Stage(const std::string& path, const Fill& fill);
    // A copy: replaces whatever file or link is at path, created with at most
    // the permissions of sourceMode.
    bool StageCopy(const std::string& path, const std::string& bytes, mode_t sourceMode);
    bool Commit();

private:
    struct CEntry {
        std::string m_strTarget;
        std::string m_strTemp;
        std::string m_strBackup;  // a second name of the replaced file
        bool m_bExisted = false;
        bool m_bRenamed = false;
    };

    bool Write(const std::string& target, const Fill& fill, mode_t mode, bool exactMode, gid_t group);
    bool KeepOld(CEntry& entry);
    bool WriteJournal(const std::string& journal) const;
    void RollBack();
    void Discard();

    CStdFileSystem& m_fs;
    std::vector<CEntry> m_entries;
};
