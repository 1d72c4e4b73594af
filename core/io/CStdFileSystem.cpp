// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CStdFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

#include "CFileCommit.h"
#include "CPath.h"

namespace fs = std::filesystem;

namespace {
// Opens an existing regular file without waiting on a pipe; -1 otherwise.
int OpenRegular(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        errno = EINVAL;  // neither "missing" nor "just made by another"
        return -1;
    }
    return fd;
}

// The lock file for path, opened (and created when missing); -1 on failure.
int OpenLockFile(const std::string& path, bool& created)
{
    created = false;
    int fd = OpenRegular(path, O_RDONLY);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = fd >= 0;
    }
    return fd;
}

// Closes a descriptor however its reader ends, an allocation that fails
// while the file is read included.
class COpenFile {
public:
    explicit COpenFile(int fd) : m_fd(fd) {}
    ~COpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    COpenFile(const COpenFile&) = delete;
    COpenFile& operator=(const COpenFile&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

bool SameFileAt(int fd, const std::string& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
           held.st_ino == named.st_ino;
}
}  // namespace

CStdFileSystem::~CStdFileSystem()
{
    while (!m_locks.empty())
        Unlock(m_locks.begin()->first);
}

std::FILE* CStdFileSystem::OpenForWriting(const std::string& tempPath, mode_t mode)
{
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file)
        ::close(fd);
    return file;
}

bool CStdFileSystem::RenameFile(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool CStdFileSystem::IsRegularFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

bool CStdFileSystem::IsDirectory(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

bool CStdFileSystem::Exists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::exists(fs::symlink_status(fs::path(path), ec));
}

IFileSystem::Kind CStdFileSystem::KindOf(const std::string& path)
{
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return Kind::Missing;
    return S_ISREG(st.st_mode) ? Kind::Regular : S_ISDIR(st.st_mode) ? Kind::Directory : Kind::Other;
}

bool CStdFileSystem::IsSymbolicLink(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::is_symlink(fs::symlink_status(fs::path(path), ec));
}

std::string CStdFileSystem::LinkTarget(const std::string& path)
{
    return IsSymbolicLink(path) ? CFileCommit::Resolve(path) : std::string();
}

bool CStdFileSystem::MayFollowLink(const std::string& path)
{
    struct stat link {};
    struct stat folder {};
    if (path.empty() || ::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return true;
    std::string parent = CPath::Folder(path);
    if (parent.empty())
        parent = path.front() == CPath::kSep ? std::string(1, CPath::kSep) : std::string(".");
    if (::stat(parent.c_str(), &folder) != 0)
        return false;
    return (folder.st_mode & S_ISVTX) == 0 || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

void CStdFileSystem::RemoveStaleCopies(const std::string& target)
{
    if (!target.empty())
        CFileCommit::RemoveStale(target);
}

int CStdFileSystem::FinishInterruptedWrite(const std::string& path)
{
    const std::string target = CFileCommit::Resolve(path);
    return target.empty() ? 0 : CFileCommit::Finish(target);
}

bool CStdFileSystem::HasInterruptedWrite(const std::string& path)
{
    const std::string target = CFileCommit::Resolve(path);
    struct stat st {};
    return !target.empty() && ::lstat(CFileCommit::JournalFor(target).c_str(), &st) == 0;
}

bool CStdFileSystem::ReadFile(const std::string& path, std::string& bytes)
{
    const COpenFile file(path.empty() ? -1 : OpenRegular(path, O_RDONLY));
    const int fd = file.Get();
    if (fd < 0)
        return false;
    struct stat st {};
    ::fstat(fd, &st);
    bytes.clear();
    // The size is a hint: the file may grow or shrink while it is read.
    bytes.resize(static_cast<size_t>(std::max<off_t>(st.st_size, 0)) + 1);
    size_t filled = 0;
    bool ok = true;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2 + 4096);
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        filled += static_cast<size_t>(got);
    }
    bytes.resize(filled);
    return ok;
}

namespace {

// Gives advice on the whole units (pages, huge pages) inside the range
// only: the allocator's own records around a buffer stay as they are.
void AdviseInside(const char* begin, size_t count, std::uintptr_t unit, int advice)
{
    const auto first = (reinterpret_cast<std::uintptr_t>(begin) + unit - 1) & ~(unit - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(begin) + count) & ~(unit - 1);
    if (end > first)
        ::madvise(reinterpret_cast<void*>(first), end - first, advice);
}

// A large buffer is backed by huge pages where the system offers them on
// request: a project of tens of megabytes then costs a few page faults
// instead of thousands. Only a hint; nothing changes where it is refused.
void AskForHugePages(const char* buffer, size_t size)
{
    constexpr std::uintptr_t kHuge = 2u << 20;
    if (size >= 2 * kHuge)
        AdviseInside(buffer, size, kHuge, MADV_HUGEPAGE);
}

}  // namespace

bool CStdFileSystem::ReadBytes(const std::string& path, std::unique_ptr<char[]>& bytes, size_t& size)
{
    const COpenFile file(path.empty() ? -1 : OpenRegular(path, O_RDONLY));
    const int fd = file.Get();
    if (fd < 0)
        return false;
    struct stat st {};
    ::fstat(fd, &st);
    // The size is a hint: the file may grow or shrink while it is read.
    size_t capacity = static_cast<size_t>(std::max<off_t>(st.st_size, 0)) + 1;
    bytes = std::make_unique_for_overwrite<char[]>(capacity);
    AskForHugePages(bytes.get(), capacity);
    size = 0;
    bool ok = true;
    for (;;) {
        if (size == capacity) {
            capacity = capacity * 2 + 4096;
            auto larger = std::make_unique_for_overwrite<char[]>(capacity);
            std::memcpy(larger.get(), bytes.get(), size);
            bytes = std::move(larger);
        }
        const ssize_t got = ::read(fd, bytes.get() + size, capacity - size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        size += static_cast<size_t>(got);
    }
    return ok;
}

// A buffer of a few megabytes comes from the allocator's heap, where its
// pages serve the next read: a page handed back would only cost a fault (and
// a zeroed page) when that read uses it again. Only a large buffer's pages go.
void CStdFileSystem::ReleaseBytes(std::string_view buffer, size_t from, size_t to)
{
    constexpr size_t kWorthHandingBack = 8u << 20;
    if (buffer.size() < kWorthHandingBack || from >= to || to > buffer.size())
        return;
    AdviseInside(buffer.data() + from, to - from, static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE)), MADV_DONTNEED);
}

bool CStdFileSystem::WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    return WriteFilesAtomic({{path, bytes}});
}

namespace {

// Stages every file (its content given by content), then commits them
// together: all are replaced, or none.
template <typename File, typename Content>
bool CommitAll(CFileCommit& commit, const std::vector<File>& files, bool removeStale, const Content& content)
{
    for (const File& file : files) {
        if (file.m_strPath.empty())
            return false;
        if (removeStale)
            CFileCommit::RemoveStale(CFileCommit::Resolve(file.m_strPath));
        if (!commit.Stage(file.m_strPath, content(file)))
            return false;
    }
    return commit.Commit();
}

}  // namespace

bool CStdFileSystem::WriteFilesAtomic(const std::vector<CFileWrite>& files, bool removeStale)
{
    CFileCommit commit(*this);
    return CommitAll(commit, files, removeStale,
                     [](const CFileWrite& file) -> const std::string& { return file.m_strBytes; });
}

bool CStdFileSystem::FillFilesAtomic(const std::vector<CFileFill>& files, bool removeStale)
{
    CFileCommit commit(*this);
    return CommitAll(
        commit, files, removeStale, [](const CFileFill& file) -> const auto& { return file.m_fill; });
}

bool CStdFileSystem::CopyFile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    if (fs::exists(fs::path(to), ec) && fs::equivalent(fs::path(from), fs::path(to), ec))
        return true;  // copying a file onto itself leaves it as it is
    struct stat source {};
    std::string bytes;
    if (::stat(from.c_str(), &source) != 0 || !S_ISREG(source.st_mode) || !ReadFile(from, bytes))
        return false;
    CFileCommit commit(*this);
    return commit.StageCopy(to, bytes, source.st_mode) && commit.Commit();
}

bool CStdFileSystem::MakeDir(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
    return IsDirectory(path);
}

bool CStdFileSystem::RemoveFile(const std::string& path)
{
    std::error_code ec;
    return !IsDirectory(path) && fs::remove(fs::path(path), ec);
}

bool CStdFileSystem::ProbeCreate(const std::string& path)
{
    // No sync: the file is gone again before anything could need it.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return ::unlink(path.c_str()) == 0;
}

bool CStdFileSystem::RemoveDir(const std::string& path)
{
    std::error_code ec;
    return IsDirectory(path) && fs::remove(fs::path(path), ec);
}

std::vector<std::string> CStdFileSystem::ListFiles(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// flock on the file that path leads to. A save that renames a new file over
// it leaves the lock on the old one; whoever waited then finds another file
// at path and locks that instead.
bool CStdFileSystem::Lock(const std::string& path)
{
    const std::string target = CFileCommit::Resolve(path);
    if (target.empty() || m_locks.count(path) != 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_nLockTimeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        CHeldLock held;
        held.m_fd = OpenLockFile(target, held.m_bCreated);
        if (held.m_fd < 0) {
            if (errno == EEXIST)
                continue;  // made by another save just now
            return true;   // nothing to lock: the save itself reports the failure
        }
        while (::flock(held.m_fd, LOCK_EX | LOCK_NB) != 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (std::chrono::steady_clock::now() >= deadline && ::flock(held.m_fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(held.m_fd);
            return false;
        }
        if (SameFileAt(held.m_fd, target)) {
            m_locks.emplace(path, held);
            return true;
        }
        ::close(held.m_fd);
    }
    return false;
}

void CStdFileSystem::Unlock(const std::string& path)
{
    const auto found = m_locks.find(path);
    if (found == m_locks.end())
        return;
    const CHeldLock held = found->second;
    m_locks.erase(found);
    struct stat st {};
    const std::string target = CFileCommit::Resolve(path);
    if (held.m_bCreated && ::fstat(held.m_fd, &st) == 0 && st.st_size == 0 && SameFileAt(held.m_fd, target))
        ::unlink(target.c_str());
    ::flock(held.m_fd, LOCK_UN);
    ::close(held.m_fd);
}

CStdFileSystem& CStdFileSystem::Instance()
{
    static CStdFileSystem instance;
    return instance;
}
