// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CFileCommit.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "CPath.h"
#include "CStdFileSystem.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kTempMark = ".tmp";
constexpr const char* kJournalMark = ".journal";
constexpr int kNameTries = 8;

// A temporary file as the sink of a fill; a restart empties it.
class CFileSink : public IByteSink {
public:
    explicit CFileSink(std::FILE* file) : m_file(file) {}
    bool Write(std::string_view bytes) override
    {
        m_bOk = m_bOk && (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size());
        return m_bOk;
    }
    bool Restart() override
    {
        m_bOk = m_bOk && std::fflush(m_file) == 0 && ::ftruncate(::fileno(m_file), 0) == 0 &&
                std::fseek(m_file, 0, SEEK_SET) == 0;
        return m_bOk;
    }

private:
    std::FILE* m_file;
    bool m_bOk = true;
};
// The longest file name the file systems take, and the digits after a
// temporary's prefix.
constexpr size_t kNameMax = 255;
constexpr size_t kTempDigits = 6;

std::string FolderOf(const std::string& path)
{
    const std::string folder = CPath::Folder(path);
    if (!folder.empty())
        return folder;
    return path.find(CPath::kSep) == std::string::npos ? std::string(".") : std::string(1, CPath::kSep);
}

// "." + name + mark; for a name too long to take that, its start and a
// hash of the whole name, so that the temporaries of two long names that
// begin alike stay apart.
std::string PrefixFor(const std::string& name, const char* mark)
{
    std::string prefix = "." + name + mark;
    if (prefix.size() + kTempDigits <= kNameMax)
        return prefix;
    std::uint32_t hash = 2166136261u;
    for (const unsigned char c : name)
        hash = (hash ^ c) * 16777619u;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
    size_t keep = kNameMax - kTempDigits - std::string(mark).size() - 10;  // ".", "~" and the hash
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;  // never half a UTF-8 character
    return "." + name.substr(0, keep) + "~" + hex + mark;
}

std::string TempNameBeside(const std::string& path)
{
    // One generator per thread: the autosave worker saves beside the editor.
    thread_local std::mt19937 rng{std::random_device{}()};
    return CPath::Join(FolderOf(path), PrefixFor(CPath::FileName(path), kTempMark) + std::to_string(rng() % 1000000));
}

bool Present(const std::string& path)
{
    struct stat st {};
    return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

bool IsStaleName(const std::string& entry, const std::string& prefix)
{
    if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0)
        return false;
    return entry.find_first_not_of("0123456789", prefix.size()) == std::string::npos;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
}  // namespace

CFileCommit::~CFileCommit()
{
    Discard();
}

std::string CFileCommit::Resolve(const std::string& path)
{
    fs::path current(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)) || ec)
            return current.string();
        const fs::path next = fs::read_symlink(current, ec);
        if (ec)
            return {};
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return {};
}

void CFileCommit::RemoveStale(const std::string& target)
{
    const std::string folder = FolderOf(target);
    const std::string prefix = PrefixFor(CPath::FileName(target), kTempMark);
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (IsStaleName(name, prefix) && !it->is_directory(typeError))
            ::unlink(CPath::Join(folder, name).c_str());
    }
}

std::string CFileCommit::JournalFor(const std::string& target)
{
    return CPath::Join(FolderOf(target), PrefixFor(CPath::FileName(target), kJournalMark));
}

// The journal holds four fields per file, each ended by a NUL: target,
// temporary, backup and whether the target existed. It is complete and on
// the disk before the first rename, so one that does not parse was cut off
// before any file changed.
int CFileCommit::Finish(const std::string& target)
{
    const std::string journal = JournalFor(target);
    struct stat st {};
    if (::lstat(journal.c_str(), &st) != 0)
        return 0;
    // Only the user's own journal is acted on: one that another user put in
    // a shared folder could otherwise rename any file of the user's.
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
        return -1;
    std::ifstream in(journal, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> fields;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\0', start);
        if (end == std::string::npos)
            break;
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (fields.empty() || fields.size() % 4 != 0 || text.back() != '\0') {
        ::unlink(journal.c_str());
        return 0;
    }
    // Every file not yet renamed still has its finished temporary, of the
    // user's own, beside its target.
    for (size_t i = 0; i < fields.size(); i += 4) {
        struct stat temp {};
        if (FolderOf(fields[i + 1]) != FolderOf(fields[i]) ||
            (::lstat(fields[i + 1].c_str(), &temp) == 0 && (!S_ISREG(temp.st_mode) || temp.st_uid != ::geteuid())))
            return -1;
    }
    std::set<std::string> folders{FolderOf(journal)};
    for (size_t i = 0; i < fields.size(); i += 4) {
        if (Present(fields[i + 1]) && ::rename(fields[i + 1].c_str(), fields[i].c_str()) != 0)
            return -1;
        folders.insert(FolderOf(fields[i]));
    }
    for (const std::string& folder : folders)
        SyncFolder(folder);
    ::unlink(journal.c_str());
    for (size_t i = 0; i < fields.size(); i += 4)
        if (!fields[i + 2].empty() && FolderOf(fields[i + 2]) == FolderOf(fields[i]))
            ::unlink(fields[i + 2].c_str());
    return 1;
}

bool CFileCommit::WriteJournal(const std::string& journal) const
{
    std::string text;
    for (const CEntry& entry : m_entries) {
        for (const std::string* field : {&entry.m_strTarget, &entry.m_strTemp, &entry.m_strBackup})
            text.append(*field).push_back('\0');
        text.append(entry.m_bExisted ? "1" : "0").push_back('\0');
    }
    const int fd = ::open(journal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        SyncFolder(FolderOf(journal));
    else
        ::unlink(journal.c_str());
    return ok;
}

bool CFileCommit::Stage(const std::string& path, const std::string& bytes)
{
    return Stage(path, [&bytes](IByteSink& sink) { return sink.Write(bytes); });
}

bool CFileCommit::Stage(const std::string& path, const Fill& fill)
{
    const std::string target = Resolve(path);
    if (target.empty())
        return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return false;  // never a folder, a device or a pipe
        return Write(target, fill, old.st_mode & 07777, true, old.st_gid);
    }
    return errno == ENOENT && Write(target, fill, 0666, false, static_cast<gid_t>(-1));
}

bool CFileCommit::StageCopy(const std::string& path, const std::string& bytes, mode_t sourceMode)
{
    struct stat old {};
    if (::lstat(path.c_str(), &old) == 0 && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode))
        return false;
    return Write(
        path, [&bytes](IByteSink& sink) { return sink.Write(bytes); }, sourceMode & 0666, false,
        static_cast<gid_t>(-1));
}

// The temporary is created with at most the final permissions; a replaced
// file's exact mode and group are set on it before it is synced.
bool CFileCommit::Write(const std::string& target, const Fill& fill, mode_t mode, bool exactMode, gid_t group)
{
    CEntry entry;
    entry.m_strTarget = target;
    std::FILE* file = nullptr;
    for (int tries = 0; !file && tries < kNameTries; ++tries) {
        entry.m_strTemp = TempNameBeside(target);
        file = m_fs.OpenForWriting(entry.m_strTemp, mode & 0777);
        if (!file && errno != EEXIST)
            break;
    }
    if (!file)
        return false;
    m_entries.push_back(entry);
    CFileSink sink(file);
    bool ok = fill(sink);
    ok = std::fflush(file) == 0 && ok;
    const int fd = ::fileno(file);
    struct stat opened {};
    struct stat named {};
    // Only the temporary itself is ever given a mode or group.
    const bool ours = ::fstat(fd, &opened) == 0 && ::lstat(entry.m_strTemp.c_str(), &named) == 0 &&
                      S_ISREG(opened.st_mode) && SameFile(opened, named);
    if (ok && ours && exactMode) {
        if (group != static_cast<gid_t>(-1) && opened.st_gid != group &&
            ::fchown(fd, static_cast<uid_t>(-1), group) != 0) {
            // Not a member of that group: the file keeps ours, and the save goes on.
        }
        ok = ::fchmod(fd, mode) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = std::fclose(file) == 0 && ok;
    return ok && ours;
}

// A second name for the file about to be replaced; where hard links are not
// to be had, a copy of its bytes.
bool CFileCommit::KeepOld(CEntry& entry)
{
    struct stat old {};
    entry.m_bExisted = ::lstat(entry.m_strTarget.c_str(), &old) == 0;
    if (!entry.m_bExisted || S_ISLNK(old.st_mode))
        return true;  // a link is simply replaced; nothing to put back but the link
    for (int tries = 0; tries < kNameTries; ++tries) {
        entry.m_strBackup = TempNameBeside(entry.m_strTarget);
        if (::link(entry.m_strTarget.c_str(), entry.m_strBackup.c_str()) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    entry.m_strBackup.clear();
    std::string bytes;
    if (!m_fs.ReadFile(entry.m_strTarget, bytes))
        return false;
    const std::string backup = TempNameBeside(entry.m_strTarget);
    std::FILE* file = std::fopen(backup.c_str(), "wbx");
    if (!file)
        return false;
    entry.m_strBackup = backup;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return (std::fclose(file) == 0) && written && ::chmod(backup.c_str(), old.st_mode & 07777) == 0;
}

bool CFileCommit::Commit()
{
    for (CEntry& entry : m_entries)
        if (!KeepOld(entry)) {
            Discard();
            return false;
        }
    const std::string journal = m_entries.size() > 1 ? JournalFor(m_entries.front().m_strTarget) : std::string();
    if (!journal.empty() && !WriteJournal(journal)) {
        Discard();
        return false;
    }
    for (CEntry& entry : m_entries) {
        if (!m_fs.RenameFile(entry.m_strTemp, entry.m_strTarget)) {
            RollBack();
            if (!journal.empty())
                ::unlink(journal.c_str());
            return false;
        }
        entry.m_bRenamed = true;
        entry.m_strTemp.clear();
    }
    std::set<std::string> folders;
    for (const CEntry& entry : m_entries)
        folders.insert(FolderOf(entry.m_strTarget));
    for (const std::string& folder : folders)
        SyncFolder(folder);
    if (!journal.empty())
        ::unlink(journal.c_str());
    Discard();
    return true;
}

// Puts back every file already replaced, newest first.
void CFileCommit::RollBack()
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        if (!it->m_bRenamed)
            continue;
        if (!it->m_bExisted)
            ::unlink(it->m_strTarget.c_str());
        else if (!it->m_strBackup.empty())
            ::rename(it->m_strBackup.c_str(), it->m_strTarget.c_str());
        // Whether or not it went back, the old file is not deleted: a backup
        // that could not be renamed stays beside the target.
        it->m_strBackup.clear();
    }
    Discard();
}

void CFileCommit::Discard()
{
    for (const CEntry& entry : m_entries) {
        if (!entry.m_strTemp.empty())
            ::unlink(entry.m_strTemp.c_str());
        if (!entry.m_strBackup.empty())
            ::unlink(entry.m_strBackup.c_str());
    }
    m_entries.clear();
}
