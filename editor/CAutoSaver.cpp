// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAutoSaver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QThread>
#include <QUndoStack>
#include <algorithm>

#include "CModelEditor.h"
#include "CText.h"
#include "core/format/CSlicedProjectText.h"
#include "core/io/CPath.h"
#include "core/settings/CAppSettings.h"

namespace {
constexpr int kMaxIntervalSeconds = 24 * 60 * 60;

// At most this many paths are named in one message; the rest are counted.
constexpr int kListedPaths = 20;

QString PageName(const CRecoveryCopy& copy)
{
    const QString page = CText::ToQ(copy.pagePath);
    return page.isEmpty() ? QCoreApplication::translate("CAutoSaver", "Untitled") : QDir::toNativeSeparators(page);
}

QString SavedAt(const CRecoveryCopy& copy)
{
    return QDateTime::fromSecsSinceEpoch(copy.savedAt).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// One for a single thing, else many with its count.
QString Counted(size_t count, const QString& one, const QString& many)
{
    return count == 1 ? one : many.arg(count);
}

QString PathList(const std::vector<std::string>& paths)
{
    QStringList lines;
    for (size_t i = 0; i < paths.size() && i < static_cast<size_t>(kListedPaths); ++i)
        lines << QDir::toNativeSeparators(CText::ToQ(paths[i]));
    if (paths.size() > static_cast<size_t>(kListedPaths))
        lines << QCoreApplication::translate("CAutoSaver", "and %1 more").arg(paths.size() - kListedPaths);
    return lines.join(QLatin1Char('\n'));
}
}  // namespace

CAutoSaver::CAutoSaver(CModelEditor& editor, CRecoveryStore& store, ISettingsStore& settings, IFileSystem& fs,
                       std::function<QString()> pagePath, QObject* parent)
    : QObject(parent), m_editor(editor), m_store(store), m_settings(settings), m_fs(fs), m_pagePath(std::move(pagePath))
{
    m_quiet.setSingleShot(true);
    m_deadline.setSingleShot(true);
    m_slices.setInterval(0);
    connect(&m_quiet, &QTimer::timeout, this, &CAutoSaver::WriteSoon);
    connect(&m_deadline, &QTimer::timeout, this, &CAutoSaver::WriteSoon);
    connect(&m_slices, &QTimer::timeout, this, &CAutoSaver::ComposeSlice);
    connect(&editor, &CModelEditor::Changed, this, &CAutoSaver::OnChanged);
    connect(&editor, &CModelEditor::ModelReset, this, &CAutoSaver::Discard);
    connect(&editor.History(), &QUndoStack::cleanChanged, this, &CAutoSaver::OnCleanChanged);
}

CAutoSaver::~CAutoSaver()
{
    // The copy stays: only Discard and Shutdown remove it.
    WaitForWrite();
}

int CAutoSaver::IntervalMs() const
{
    const int seconds = CAppSettings(m_settings).AutoSaveInterval();
    return seconds <= 0 ? 0 : std::min(seconds, kMaxIntervalSeconds) * 1000;
}

void CAutoSaver::OnChanged()
{
    const int interval = IntervalMs();
    if (interval == 0) {
        Discard();
        return;
    }
    m_bDirty = true;
    StopComposing();  // what was being composed is out of date
    m_quiet.start(std::min(kQuietMs, interval));
    if (!m_deadline.isActive())
        m_deadline.start(interval);
}

void CAutoSaver::OnCleanChanged(bool clean)
{
    if (clean)
        Discard();
    else
        OnChanged();
}

void CAutoSaver::WriteSoon()
{
    m_quiet.stop();
    m_deadline.stop();
    if (IntervalMs() == 0)
        return;
    // A folder that could not be made at start may be there by now; while it
    // is not, each write that cannot happen is a failure that is told.
    if (!m_store.IsOpen() && !m_store.Open()) {
        emit Written(false);
        return;
    }
    if (m_pWriter) {
        m_bWriteAgain = true;
        return;
    }
    StartComposing();
}

bool CAutoSaver::Busy() const
{
    return m_composer != nullptr || m_pWriter != nullptr;
}

void CAutoSaver::StartComposing()
{
    m_composer = std::make_unique<CSlicedProjectText>(m_editor.Params(), m_fs);
    m_composer->Start();
    m_bDirty = false;
    m_slices.start();
}

void CAutoSaver::StopComposing()
{
    m_slices.stop();
    m_composer.reset();
}

void CAutoSaver::ComposeSlice()
{
    if (!m_composer || !m_composer->Step(kSliceItems))
        return;
    m_slices.stop();
    CRecoveryCopy copy;
    copy.pagePath = CText::FromQ(m_pagePath ? m_pagePath() : QString());
    copy.savedAt = QDateTime::currentSecsSinceEpoch();
    copy.projectText = m_composer->Take();
    m_composer.reset();
    CRecoveryStore* store = &m_store;
    std::atomic<bool>* ok = &m_bWriteOk;
    m_pWriter = QThread::create(
        [store, ok, copy = std::move(copy)] { ok->store(store->WriteOwn(CRecoveryStore::Encode(copy))); });
    const quint64 generation = ++m_nWriteGeneration;
    connect(m_pWriter, &QThread::finished, this, [this, generation] { WriteFinished(generation); });
    m_pWriter->start(QThread::LowPriority);
}

void CAutoSaver::WriteFinished(quint64 generation)
{
    if (!m_pWriter || generation != m_nWriteGeneration)
        return;
    m_pWriter->wait();
    delete m_pWriter;
    m_pWriter = nullptr;
    emit Written(m_bWriteOk.load());
    if (m_bWriteAgain) {
        m_bWriteAgain = false;
        WriteSoon();
    }
}

void CAutoSaver::WaitForWrite()
{
    if (!m_pWriter)
        return;
    m_pWriter->wait();
    const bool again = m_bWriteAgain;
    m_bWriteAgain = false;
    WriteFinished(m_nWriteGeneration);
    m_bWriteAgain = again;
}

void CAutoSaver::Discard()
{
    m_quiet.stop();
    m_deadline.stop();
    StopComposing();
    m_bWriteAgain = false;
    m_bDirty = false;
    WaitForWrite();
    m_store.DiscardOwn();
}

void CAutoSaver::Shutdown()
{
    Discard();
    m_store.Close();
}

QString CAutoSaver::RecoverQuestion(const CRecoveryCopy& copy)
{
    return tr("Recover unsaved changes to %1 from %2?").arg(PageName(copy), SavedAt(copy));
}

QString CAutoSaver::RecoverRow(const CRecoveryCopy& copy)
{
    return QStringLiteral("%1    %2").arg(SavedAt(copy), PageName(copy));
}

QString CAutoSaver::AsideMessage(const CRecoveryStore::CScan& scan, const QString& keptFolder)
{
    QStringList parts;
    std::vector<std::string> stuck;
    for (const auto* list : {&scan.damaged, &scan.foreign}) {
        std::vector<std::string> moved;
        for (const std::string& path : *list)
            (CText::ToQ(path).startsWith(keptFolder + QLatin1Char('/')) ? moved : stuck).push_back(path);
        if (moved.empty())
            continue;
        const QString text = list == &scan.damaged
                                 ? Counted(moved.size(),
                                           tr("A recovery copy of unsaved changes could not be read. It has been kept "
                                              "aside in %1:"),
                                           tr("%1 recovery copies of unsaved changes could not be read. They have been "
                                              "kept aside in %2:"))
                                 : Counted(moved.size(),
                                           tr("A recovery copy of unsaved changes belongs to another user. It has been "
                                              "kept aside in %1:"),
                                           tr("%1 recovery copies of unsaved changes belong to another user. They have "
                                              "been kept aside in %2:"));
        parts << text.arg(QDir::toNativeSeparators(keptFolder)) + QLatin1Char('\n') + PathList(moved);
    }
    if (!stuck.empty())
        parts << Counted(stuck.size(),
                         tr("A recovery copy of unsaved changes that could not be read, or is not "
                            "yours, could not be moved aside:"),
                         tr("%1 recovery copies of unsaved changes that could not be read, or are not "
                            "yours, could not be moved aside:")) +
                     QLatin1Char('\n') + PathList(stuck);
    return parts.join(QStringLiteral("\n\n"));
}

void CAutoSaver::OfferRecovery(IUserPrompts& prompts, QWidget* parent, const OpenRecovered& open,
                               const CRecoverAll::SaveRecovered& saveAll)
{
    CRecoveryStore::CScan scan = m_store.ClaimOrphans();
    if (scan.refused || m_store.Refused())
        prompts.Message(parent, tr("The recovery folder %1 is not yours (or is a link to a folder that is not "
                                   "yours). It is not used: unsaved changes are not autosaved.")
                                    .arg(QDir::toNativeSeparators(CText::ToQ(m_store.Folder()))));
    const QString aside = AsideMessage(scan, CText::ToQ(CPath::Join(m_store.Folder(), CRecoveryStore::kDamagedFolder)));
    if (!aside.isEmpty())
        prompts.Message(parent, aside);
    if (scan.copies.empty())
        return;
    const IUserPrompts::RecoverListAnswer answer = Ask(prompts, parent, scan.copies);
    if (answer.answer == IUserPrompts::RecoverAnswer::RecoverAll) {
        const QString folder = prompts.FolderName(parent, tr("Recover All Into Folder"), QDir::homePath());
        if (!folder.isEmpty()) {
            prompts.Message(parent, CRecoverAll(m_store, m_fs, saveAll).Run(scan.copies, folder),
                            IUserPrompts::Icon::Information);
            return;
        }
    }
    for (size_t i = 0; i < scan.copies.size(); ++i) {
        const CRecoveryCopy& copy = scan.copies[i];
        if (answer.answer == IUserPrompts::RecoverAnswer::Discard)
            m_store.Discard(copy.id);
        else if (answer.answer == IUserPrompts::RecoverAnswer::Recover && static_cast<int>(i) == answer.row)
            Recover(copy, open);
        else
            m_store.Release(copy.id);
    }
}

// One question for one copy, one list for several.
IUserPrompts::RecoverListAnswer CAutoSaver::Ask(IUserPrompts& prompts, QWidget* parent,
                                                const std::vector<CRecoveryCopy>& copies)
{
    if (copies.size() == 1)
        return {prompts.AskRecover(parent, RecoverQuestion(copies[0])), 0};
    QStringList rows;
    for (const CRecoveryCopy& copy : copies)
        rows << RecoverRow(copy);
    return prompts.AskRecoverList(parent,
                                  tr("%1 recovery copies of unsaved changes were left by runs that ended "
                                     "abruptly. Recover one, save them all into a folder, discard them "
                                     "all, or keep them for the next start:")
                                      .arg(copies.size()),
                                  rows);
}

void CAutoSaver::Recover(const CRecoveryCopy& copy, const OpenRecovered& open)
{
    if (!open(CText::ToQ(copy.pagePath), copy.projectText)) {
        m_store.Release(copy.id);
        return;
    }
    // The recovered work is this editor's now: its copy first, then the
    // left one goes.
    Discard();
    m_store.WriteOwn(CRecoveryStore::Encode(copy));
    m_store.Discard(copy.id);
}
