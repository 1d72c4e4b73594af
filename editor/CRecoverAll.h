// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <functional>
#include <vector>

#include "core/project/CRecoveryStore.h"

class IFileSystem;

// "Recover All...": every left recovery copy is saved into one folder as a
// project of its own, named after its page ("untitled.htm" for work that
// never had one), never over a file that is there ("menu (2).htm" then).
// A copy saved is removed from the recovery folder; one that could not be
// saved stays there for the next start.
class CRecoverAll {
    Q_DECLARE_TR_FUNCTIONS(CRecoverAll)
public:
    // Saves a recovered project as pagePath (page and project file): "" when
    // saved, otherwise what went wrong.
    using SaveRecovered = std::function<QString(const QString& pagePath, const std::string& projectText)>;

    CRecoverAll(CRecoveryStore& store, IFileSystem& fs, SaveRecovered save);

    // Saves copies into folder and gives the one message that says what was
    // saved where and what was kept.
    QString Run(const std::vector<CRecoveryCopy>& copies, const QString& folder);

private:
    // A page in folder named after page that neither a file there nor an
    // earlier copy of this run takes, with its project file.
    QString FreePage(const QString& folder, const std::string& page);

    CRecoveryStore& m_store;
    IFileSystem& m_fs;
    SaveRecovered m_save;
    QSet<QString> m_taken;
};
