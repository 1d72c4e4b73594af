#include "CStdFileSystem.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include <unistd.h>

#include "CPath.h"

namespace fs = std::filesystem;

namespace {
std::string TempNameBeside(const std::string& path)
{
    static std::mt19937 rng{std::random_device{}()};
    const std::string folder = CPath::Folder(path);
    const std::string name = "." + CPath::FileName(path) + ".tmp" + std::to_string(rng() % 1000000);
    return folder.empty() && path.find(CPath::kSep) == std::string::npos
               ? name
               : CPath::Join(folder.empty() ? std::string(1, CPath::kSep) : folder, name);
}

// Writes, flushes and syncs; any short write (a full disk) is a failure.
bool WriteAll(std::FILE* f, const std::string& bytes)
{
    if (!f)
        return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (std::fflush(f) == 0) && ok;
    ok = ok && ::fsync(::fileno(f)) == 0;
    ok = (std::fclose(f) == 0) && ok;
    return ok;
}
}  // namespace

std::FILE* CStdFileSystem::OpenForWriting(const std::string& tempPath)
{
    return std::fopen(tempPath.c_str(), "wb");
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

bool CStdFileSystem::ReadFile(const std::string& path, std::string& bytes)
{
    if (IsDirectory(path))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    bytes.clear();
    if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), size);
        bytes.resize(static_cast<size_t>(in.gcount()));
    } else {
        // Not seekable (a pipe or a device): read to the end.
        in.clear();
        in.seekg(0, std::ios::beg);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return !in.bad();
}

bool CStdFileSystem::WriteFileAtomic(const std::string& path, const std::string& bytes)
{
    if (path.empty() || IsDirectory(path))
        return false;
    const std::string temp = TempNameBeside(path);
    if (!WriteAll(OpenForWriting(temp), bytes)) {
        std::remove(temp.c_str());
        return false;
    }
    std::error_code ec;
    fs::rename(fs::path(temp), fs::path(path), ec);
    if (ec) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool CStdFileSystem::CopyFile(const std::string& from, const std::string& to)
{
    std::error_code ec;
    if (fs::exists(fs::path(to), ec) && fs::equivalent(fs::path(from), fs::path(to), ec))
        return true;  // copying a file onto itself leaves it as it is
    std::string bytes;
    if (!IsRegularFile(from) || !ReadFile(from, bytes))
        return false;
    return WriteFileAtomic(to, bytes);
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

CStdFileSystem& CStdFileSystem::Instance()
{
    static CStdFileSystem instance;
    return instance;
}
