// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAutoSaver.h"

#include <QDateTime>
#include <QFileInfo>
#include <QThread>
#include <QUndoStack>
#include <algorithm>

#include "CModelEditor.h"
#include "CText.h"
#include "core/format/CSlicedProjectText.h"
#include "core/settings/CAppSettings.h"

namespace {
constexpr int kMaxIntervalSeconds = 24 * 60 * 60;
}

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
    const QString page = CText::ToQ(copy.pagePath);
    const QString name = page.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(page).fileName();
    const QString time = QDateTime::fromSecsSinceEpoch(copy.savedAt).toString(QStringLiteral("HH:mm"));
    return QStringLiteral("Recover unsaved changes to %1 from %2?").arg(name, time);
}

void CAutoSaver::OfferRecovery(IUserPrompts& prompts, QWidget* parent, const OpenRecovered& open)
{
    CRecoveryStore::CScan scan = m_store.ClaimOrphans();
    for (const std::string& path : scan.damaged)
        prompts.Message(parent, QStringLiteral("A recovery copy of unsaved changes could not be read. "
                                               "It has been kept aside as \"%1\".")
                                    .arg(CText::ToQ(path)));
    for (CRecoveryCopy& copy : scan.copies) {
        switch (prompts.AskRecover(parent, RecoverQuestion(copy))) {
        case IUserPrompts::RecoverAnswer::Recover:
            if (!open(CText::ToQ(copy.pagePath), copy.projectText)) {
                m_store.Release(copy.id);
                break;
            }
            // The recovered work is this editor's now: its copy first, then
            // the left one goes.
            Discard();
            m_store.WriteOwn(CRecoveryStore::Encode(copy));
            m_store.Discard(copy.id);
            break;
        case IUserPrompts::RecoverAnswer::Discard: m_store.Discard(copy.id); break;
        case IUserPrompts::RecoverAnswer::Later: m_store.Release(copy.id); break;
        }
    }
}
