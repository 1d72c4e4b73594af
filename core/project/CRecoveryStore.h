// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/io/CFileLock.h"
#include "core/io/IFileSystem.h"

// One recovery copy: the project text of unsaved work, the page it belongs
// to ("" for a project never saved) and when it was written.
struct CRecoveryCopy {
    std::string id;
    std::string pagePath;
    std::int64_t savedAt = 0;  // seconds since 1970 (UTC)
    std::string projectText;
};

// The recovery copies of unsaved work in the per-user data folder. Each
// running editor owns one copy, "<id>.atwr", and holds the lock file
// "<id>.lock" for as long as it runs; the id is its process number and a
// random part, so that two editors never share a copy. A copy whose lock
// nobody holds was left by a run that ended without removing it (a crash, a
// kill, a power cut) and is offered for recovery; while it is offered the
// offering editor holds its lock, so no other editor offers it at the same
// time. A copy that cannot be read or does not pass its checks, and a copy
// that is not the user's own file, is moved into the folder "damaged" and
// reported once, never loaded.
//
// The copies hold the user's unsaved work: the folder is the user's alone
// (mode 0700; a folder, or a link to one, of anyone else is refused) and each
// copy is readable by the user alone (mode 0600).
//
// A copy file: the line "ATW-RECOVERY 1", then "page <path>" (the path
// escaped as a project-file field), "time <seconds>", "size <bytes>",
// "sum <FNV-1a 64 of the text, 16 hex digits>", an empty line and the
// project text, byte for byte.
class CRecoveryStore {
public:
    static constexpr const char* kCopyExt = ".atwr";
    static constexpr const char* kLockExt = ".lock";
    static constexpr const char* kDamagedFolder = "damaged";
    static constexpr const char* kMagic = "ATW-RECOVERY 1";

    // What a scan for left copies found: the copies now claimed by this
    // store (oldest first), the damaged ones and those of another user, as
    // the paths they were kept aside under (or their own path when even that
    // failed), and whether the folder was refused as not the user's.
    struct CScan {
        std::vector<CRecoveryCopy> copies;
        std::vector<std::string> damaged;
        std::vector<std::string> foreign;
        bool refused = false;
    };

    CRecoveryStore(IFileSystem& fs, std::string folder);
    // Drops every lock and leaves the files, as a run that ends abruptly does.
    ~CRecoveryStore();
    CRecoveryStore(const CRecoveryStore&) = delete;
    CRecoveryStore& operator=(const CRecoveryStore&) = delete;

    // Makes the folder and takes this editor's own lock; false when that is
    // not possible (no copies are written then).
    bool Open();
    // True when the folder exists but is not the user's (see above).
    bool Refused() const;
    bool IsOpen() const { return m_ownLock.Held(); }
    const std::string& Folder() const { return m_strFolder; }
    // This editor's own copy is CopyPath(Id()).
    const std::string& Id() const { return m_strId; }
    std::string CopyPath(const std::string& id) const;

    static std::string Encode(const CRecoveryCopy& copy);
    // False when bytes are not a complete, intact copy.
    static bool Decode(const std::string& bytes, CRecoveryCopy& copy);

    // Replaces this editor's copy with encoded bytes (from Encode) through
    // the atomic write. Touches nothing else of the store, so it may run on a
    // worker thread while the user-interface thread waits for nothing.
    bool WriteOwn(const std::string& encoded) const;
    // Removes this editor's copy (after a save, a new or open project, or an
    // exit without saving).
    void DiscardOwn();
    // DiscardOwn, then gives up the own lock and its file.
    void Close();

    // Claims every copy that no running editor holds.
    CScan ClaimOrphans();
    // Removes a claimed copy and its lock file.
    void Discard(const std::string& id);
    // Gives a claimed copy back untouched (offered again at the next start).
    void Release(const std::string& id);

private:
    static std::string IdOf(const std::string& fileName, const char* ext);
    bool TryClaim(const std::string& id, CScan& scan);
    std::string KeepAside(const std::string& id, bool readable);
    void RemoveStaleLocks();

    IFileSystem& m_fs;
    std::string m_strFolder;
    std::string m_strId;
    CFileLock m_ownLock;
    std::map<std::string, CFileLock> m_claims;
};
