// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CDlgMediaFiles.h"

// "Audio": the item's mouse-over and click sounds and where to apply them.
class CDlgAudio : public CDlgMediaFiles {
    Q_OBJECT
public:
    static constexpr int kDialogId = 151;
    enum { kOver, kClick };

    explicit CDlgAudio(IUserPrompts& prompts, QWidget* parent = nullptr);

    // The file filter of every audio browse button.
    static QString Filter();
};
