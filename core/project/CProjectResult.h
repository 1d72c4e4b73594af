// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

// What an open or a save of a project came to: whether it was done, the
// message that says why not, and the warnings of a done one (files skipped
// or not copied). The same for the editor, the preview and atw.
class CProjectResult {
public:
    static CProjectResult Done(std::vector<std::string> warnings = {})
    {
        CProjectResult result;
        result.m_bOk = true;
        result.m_arrWarnings = std::move(warnings);
        return result;
    }
    static CProjectResult Failed(std::string error, std::vector<std::string> warnings = {})
    {
        CProjectResult result;
        result.m_strError = std::move(error);
        result.m_arrWarnings = std::move(warnings);
        return result;
    }

    bool Ok() const { return m_bOk; }
    explicit operator bool() const { return m_bOk; }
    const std::string& Error() const { return m_strError; }
    const std::vector<std::string>& Warnings() const { return m_arrWarnings; }

private:
    bool m_bOk = false;
    std::string m_strError;
    std::vector<std::string> m_arrWarnings;
};
