// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CRecoveryStore.h"

#include <algorithm>
#include <charconv>
#include <random>
#include <string_view>
#include <unistd.h>

#include "core/format/CFieldEscape.h"
#include "core/io/CPath.h"
#include "core/io/CPrivateFolder.h"

namespace {
constexpr int kOpenAttempts = 8;

std::uint64_t Fnv1a(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string Hex16(std::uint64_t value)
{
    static const char* const kDigits = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        out[static_cast<size_t>(i)] = kDigits[value & 0xF];
    return out;
}

// The next "name value" line of a copy's head; false when it is missing.
bool HeadLine(std::string_view bytes, size_t& pos, std::string_view name, std::string_view& value)
{
    const size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos)
        return false;
    const std::string_view line = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != ' ')
        return false;
    value = line.substr(name.size() + 1);
    return true;
}

template <typename T>
bool ParseNumber(std::string_view text, T& value, int base = 10)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, base);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

std::string NewId()
{
    std::random_device device;
    std::mt19937_64 rng((static_cast<std::uint64_t>(device()) << 32) ^ device());
    return std::to_string(::getpid()) + "-" + Hex16(rng()).substr(8);
}
}  // namespace

CRecoveryStore::CRecoveryStore(IFileSystem& fs, std::string folder) : m_fs(fs), m_strFolder(std::move(folder))
{
}

CRecoveryStore::~CRecoveryStore() = default;

std::string CRecoveryStore::CopyPath(const std::string& id) const
{
    return CPath::Join(m_strFolder, id + kCopyExt);
}

bool CRecoveryStore::Open()
{
    if (IsOpen())
        return true;
    if (m_strFolder.empty() || !CPrivateFolder::Make(m_strFolder))
        return false;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        std::string id = NewId();
        if (m_fs.Exists(CopyPath(id)))
            continue;
        if (m_ownLock.TryLock(CPath::Join(m_strFolder, id + kLockExt))) {
            m_strId = std::move(id);
            return true;
        }
    }
    return false;
}

bool CRecoveryStore::Refused() const
{
    return !m_strFolder.empty() && m_fs.Exists(m_strFolder) && !CPrivateFolder::IsOurs(m_strFolder);
}

std::string CRecoveryStore::Encode(const CRecoveryCopy& copy)
{
    std::string out = kMagic;
    out += "\npage ";
    CFieldEscape::Escape(copy.pagePath, out);
    out += "\ntime " + std::to_string(copy.savedAt);
    out += "\nsize " + std::to_string(copy.projectText.size());
    out += "\nsum " + Hex16(Fnv1a(copy.projectText));
    out += "\n\n";
    out.reserve(out.size() + copy.projectText.size());
    out += copy.projectText;
    return out;
}

bool CRecoveryStore::Decode(const std::string& bytes, CRecoveryCopy& copy)
{
    const std::string_view all(bytes);
    const std::string_view magic(kMagic);
    if (all.size() <= magic.size() || all.substr(0, magic.size()) != magic || all[magic.size()] != '\n')
        return false;
    size_t pos = magic.size() + 1;
    std::string_view page, time, size, sum;
    if (!HeadLine(all, pos, "page", page))
        return false;
    std::int64_t seconds = 0;
    size_t length = 0;
    std::uint64_t hash = 0;
    if (!HeadLine(all, pos, "time", time) || !ParseNumber(time, seconds) || !HeadLine(all, pos, "size", size) ||
        !ParseNumber(size, length) || !HeadLine(all, pos, "sum", sum) || sum.size() != 16 ||
        !ParseNumber(sum, hash, 16) || pos >= all.size() || all[pos] != '\n')
        return false;
    const std::string_view text = all.substr(pos + 1);
    if (text.size() != length || Fnv1a(text) != hash)
        return false;
    copy.pagePath = CFieldEscape::Unescape(page);
    copy.savedAt = seconds;
    copy.projectText.assign(text);
    return true;
}

bool CRecoveryStore::WriteOwn(const std::string& encoded) const
{
    if (!IsOpen())
        return false;
    // Made private before the first byte goes in; the atomic write keeps
    // the mode of the file it replaces.
    const std::string path = CopyPath(m_strId);
    if (!m_fs.Exists(path) && !CPrivateFolder::CreateFile(path))
        return false;
    return CPrivateFolder::IsOurFile(path) && m_fs.WriteFileAtomic(path, encoded);
}

void CRecoveryStore::DiscardOwn()
{
    if (IsOpen())
        m_fs.RemoveFile(CopyPath(m_strId));
}

void CRecoveryStore::Close()
{
    DiscardOwn();
    m_ownLock.RemoveAndRelease();
}

std::string CRecoveryStore::IdOf(const std::string& fileName, const char* ext)
{
    const std::string_view suffix(ext);
    // Names starting with "." are the atomic write's temporary files.
    if (fileName.size() <= suffix.size() || fileName[0] == '.' ||
        std::string_view(fileName).substr(fileName.size() - suffix.size()) != suffix)
        return {};
    return fileName.substr(0, fileName.size() - suffix.size());
}

CRecoveryStore::CScan CRecoveryStore::ClaimOrphans()
{
    CScan scan;
    if (m_strFolder.empty() || !m_fs.IsDirectory(m_strFolder))
        return scan;
    if (!CPrivateFolder::IsOurs(m_strFolder)) {
        scan.refused = true;
        return scan;
    }
    for (const std::string& name : m_fs.ListFiles(m_strFolder)) {
        const std::string id = IdOf(name, kCopyExt);
        if (!id.empty() && id != m_strId && m_claims.count(id) == 0)
            TryClaim(id, scan);
    }
    RemoveStaleLocks();
    std::stable_sort(scan.copies.begin(), scan.copies.end(),
                     [](const CRecoveryCopy& a, const CRecoveryCopy& b) { return a.savedAt < b.savedAt; });
    return scan;
}

bool CRecoveryStore::TryClaim(const std::string& id, CScan& scan)
{
    CFileLock lock;
    if (!lock.TryLock(CPath::Join(m_strFolder, id + kLockExt)))
        return false;  // its editor is running (or another one is offering it)
    const std::string path = CopyPath(id);
    CRecoveryCopy copy;
    std::string bytes;
    if (!m_fs.IsRegularFile(path)) {
        lock.RemoveAndRelease();  // removed by its owner meanwhile
        return false;
    }
    if (!CPrivateFolder::IsOurFile(path)) {
        // Another user's file (or a link) in the user's own folder: never
        // read, only moved out of the way.
        scan.foreign.push_back(KeepAside(id, false));
        lock.RemoveAndRelease();
        return false;
    }
    if (!m_fs.ReadFile(path, bytes) || !Decode(bytes, copy)) {
        scan.damaged.push_back(KeepAside(id, true));
        lock.RemoveAndRelease();
        return false;
    }
    copy.id = id;
    scan.copies.push_back(std::move(copy));
    m_claims.emplace(id, std::move(lock));
    return true;
}

// Renamed (whoever owns the file and whatever its mode); where that is not
// possible, a readable copy is copied.
std::string CRecoveryStore::KeepAside(const std::string& id, bool readable)
{
    std::string from = CopyPath(id);
    const std::string folder = CPath::Join(m_strFolder, kDamagedFolder);
    std::string to = CPath::Join(folder, id + kCopyExt);
    if (!CPrivateFolder::Make(folder))
        return from;
    if (CPrivateFolder::Move(from, to) || (readable && m_fs.CopyFile(from, to) && m_fs.RemoveFile(from)))
        return to;
    return from;
}

void CRecoveryStore::RemoveStaleLocks()
{
    for (const std::string& name : m_fs.ListFiles(m_strFolder)) {
        const std::string id = IdOf(name, kLockExt);
        if (id.empty() || id == m_strId || m_claims.count(id) != 0 || m_fs.Exists(CopyPath(id)))
            continue;
        CFileLock lock;
        if (lock.TryLock(CPath::Join(m_strFolder, name)))
            lock.RemoveAndRelease();
    }
}

void CRecoveryStore::Discard(const std::string& id)
{
    const auto it = m_claims.find(id);
    if (it == m_claims.end())
        return;
    m_fs.RemoveFile(CopyPath(id));
    it->second.RemoveAndRelease();
    m_claims.erase(it);
}

void CRecoveryStore::Release(const std::string& id)
{
    m_claims.erase(id);
}
