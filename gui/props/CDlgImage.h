// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CDlgMediaFiles.h"

// "Image": the item's normal, mouse-over and click images and where to apply them.
class CDlgImage : public CDlgMediaFiles {
    Q_OBJECT
public:
    static constexpr int kDialogId = 150;
    enum { kNormal, kOver, kClick };

    explicit CDlgImage(IUserPrompts& prompts, QWidget* parent = nullptr);

    // The file filter of every image browse button.
    static QString Filter();
};
