// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

#include "IFileSystem.h"

// IFileSystem::Lock for one scope: taken on construction (Held() tells
// whether it was), let go however the scope ends, an exception too.
class CLockHold {
public:
    CLockHold(IFileSystem& fs, std::string path) : m_fs(fs), m_strPath(std::move(path)), m_bHeld(m_fs.Lock(m_strPath))
    {
    }
    ~CLockHold()
    {
        if (m_bHeld)
            m_fs.Unlock(m_strPath);
    }
    CLockHold(const CLockHold&) = delete;
    CLockHold& operator=(const CLockHold&) = delete;

    bool Held() const { return m_bHeld; }

private:
    IFileSystem& m_fs;
    std::string m_strPath;
    bool m_bHeld;
};
