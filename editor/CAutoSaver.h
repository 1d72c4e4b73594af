// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

#include "CRecoverAll.h"
#include "IUserPrompts.h"
#include "core/project/CRecoveryStore.h"

class CModelEditor;
class CSlicedProjectText;
class IFileSystem;
class ISettingsStore;
class QThread;
class QWidget;

// Keeps a recovery copy of unsaved work. While the project has changes that
// are not saved, the copy is written a few seconds after the last change
// and at most the interval of the Options ("AutoSave Interval", seconds, 0
// off) after the first unsaved one while editing goes on. The project text
// is composed on this thread in slices of a few thousand items between
// events, and written (head, checksum, atomic write) on a worker thread, so
// typing never waits for a large project. A clean history (save, undo back
// to the saved state) and a replaced model (new, open) remove the copy.
//
// At start-up OfferRecovery asks about the copies left by runs that ended
// without removing them: one question for one copy, one list for several.
class CAutoSaver : public QObject {
    Q_OBJECT
public:
    // Quiet time after the last change before a copy is written.
    static constexpr int kQuietMs = 3000;
    // Items composed per slice (a few milliseconds each).
    static constexpr size_t kSliceItems = 4000;

    // pagePath gives the page of the project being edited ("" untitled).
    CAutoSaver(CModelEditor& editor, CRecoveryStore& store, ISettingsStore& settings, IFileSystem& fs,
               std::function<QString()> pagePath, QObject* parent = nullptr);
    ~CAutoSaver() override;

    // Opens a recovered project: true when it was opened (it is then the
    // project being edited, modified, with its page path).
    using OpenRecovered = std::function<bool(const QString& pagePath, const std::string& projectText)>;
    // Asks once about the left copies: Recover opens the chosen one through
    // open (the copy becomes this editor's own; the others stay for the next
    // start), Discard removes them all, Later keeps them all for the next
    // start, Recover All saves them all into a folder the user chooses,
    // through saveAll. Copies kept aside (damaged, another user's) are told
    // in one message, and so is a recovery folder that is not the user's.
    void OfferRecovery(IUserPrompts& prompts, QWidget* parent, const OpenRecovered& open,
                       const CRecoverAll::SaveRecovered& saveAll);
    // The question about one copy, and a copy's row in the list of several.
    static QString RecoverQuestion(const CRecoveryCopy& copy);
    static QString RecoverRow(const CRecoveryCopy& copy);
    // The one message about the copies a scan kept aside in keptFolder (and
    // those it could not move); "" for none.
    static QString AsideMessage(const CRecoveryStore::CScan& scan, const QString& keptFolder);

    // Removes this editor's copy: the work it held has been saved or given up.
    void Discard();
    // At a normal exit: Discard and give up the store.
    void Shutdown();
    // Writes the copy now (composed in slices), as when the quiet time ends.
    void WriteSoon();

    // True while a copy is being composed or written.
    bool Busy() const;
    // Waits for a write in progress (tests, exit).
    void WaitForWrite();

signals:
    // A copy has been written (true) or could not be (false).
    void Written(bool ok);

private:
    static IUserPrompts::RecoverListAnswer Ask(IUserPrompts& prompts, QWidget* parent,
                                               const std::vector<CRecoveryCopy>& copies);
    void Recover(const CRecoveryCopy& copy, const OpenRecovered& open);
    void OnChanged();
    void OnCleanChanged(bool clean);
    int IntervalMs() const;
    void StartComposing();
    void ComposeSlice();
    void StopComposing();
    // The worker of write number generation has ended (a late signal of a
    // write already collected by WaitForWrite is passed over).
    void WriteFinished(quint64 generation);

    CModelEditor& m_editor;
    CRecoveryStore& m_store;
    ISettingsStore& m_settings;
    IFileSystem& m_fs;
    std::function<QString()> m_pagePath;
    QTimer m_quiet;
    QTimer m_deadline;
    QTimer m_slices;
    std::unique_ptr<CSlicedProjectText> m_composer;
    QThread* m_pWriter = nullptr;  // the worker writing a copy, while it runs
    std::atomic<bool> m_bWriteOk{false};
    quint64 m_nWriteGeneration = 0;
    bool m_bDirty = false;       // changes not in the copy yet
    bool m_bWriteAgain = false;  // a copy was due while one was being written
};
