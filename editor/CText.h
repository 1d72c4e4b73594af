// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Conversions between the core's 8-bit text and the widgets' QString, with
// the local 8-bit codec.
class CText {
public:
    static QString ToQ(std::string_view text);
    static std::string FromQ(const QString& text);
    // As FromQ, with every line break (LF, CR or CR LF) stored as CR LF.
    static std::string FromQMultiLine(const QString& text);
    // As ToQ, with CR LF shown as one line break.
    static QString ToQMultiLine(std::string_view text);
};
