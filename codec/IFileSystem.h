#pragma once

#include <string>
#include <vector>

// The core's only door to the file system, so that tests can replace it.
// Paths are 8-bit byte strings with the native separator.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // True when a regular file exists at path (a folder or device is not one).
    virtual bool IsRegularFile(const std::string& path) = 0;
    virtual bool IsDirectory(const std::string& path) = 0;
    // True when anything (file, folder, device) exists at path.
    virtual bool Exists(const std::string& path) { return IsRegularFile(path) || IsDirectory(path); }
    // Reads the whole file; false when it cannot be opened.
    virtual bool ReadFile(const std::string& path, std::string& bytes) = 0;
    // Writes bytes to a temporary file in the same folder and renames it over
    // path only when complete; on failure path is left as it was.
    virtual bool WriteFileAtomic(const std::string& path, const std::string& bytes) = 0;
    // Copies a file, replacing an existing target (through a temporary file).
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    // Creates the folder (and its parents); an existing folder is no failure.
    virtual bool MakeDir(const std::string& path) = 0;
    virtual bool RemoveFile(const std::string& path) = 0;
    // Removes an empty folder; false when it is not empty or not there.
    virtual bool RemoveDir(const std::string& path) = 0;
    // The names of the entries directly inside folder (files and folders),
    // sorted; empty when the folder cannot be listed.
    virtual std::vector<std::string> ListFiles(const std::string& /*folder*/) { return {}; }
};
