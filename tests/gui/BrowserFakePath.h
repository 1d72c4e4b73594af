// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A PATH made of one fresh folder for as long as the object lives, holding
// only the fake programs a test makes (so no real browser is ever found).
class BrowserFakePath {
public:
    BrowserFakePath() : m_saved(qgetenv("PATH")) { qputenv("PATH", m_bin.path().toLocal8Bit()); }
    ~BrowserFakePath() { qputenv("PATH", m_saved); }

    QString Folder() const { return m_bin.path(); }
    QString MakeProgram(const QString& name, bool executable = true) const
    {
        return MakeFile(m_bin.path(), name, executable);
    }
    static QString MakeFile(const QString& folder, const QString& name, bool executable)
    {
        const QString path = folder + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (executable)
            permissions |= QFileDevice::ExeOwner;
        file.setPermissions(permissions);
        return path;
    }

private:
    QTemporaryDir m_bin;
    QByteArray m_saved;
};
