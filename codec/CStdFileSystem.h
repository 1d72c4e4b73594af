#pragma once

#include <cstdio>

#include "IFileSystem.h"

// IFileSystem on the standard library.
class CStdFileSystem : public IFileSystem {
public:
    bool IsRegularFile(const std::string& path) override;
    bool IsDirectory(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool ReadFile(const std::string& path, std::string& bytes) override;
    bool WriteFileAtomic(const std::string& path, const std::string& bytes) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool MakeDir(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    bool RemoveDir(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& folder) override;

    // The one instance that the programs use.
    static CStdFileSystem& Instance();

protected:
    // Opens the temporary file that WriteFileAtomic fills; tests point it at
    // a device that fails mid-write.
    virtual std::FILE* OpenForWriting(const std::string& tempPath);
};
