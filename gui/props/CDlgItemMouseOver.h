// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CDlgItemState.h"

// "Item Mouse Over": one state block of the menu that holds the selected item.
class CDlgItemMouseOver : public CDlgItemState {
    Q_OBJECT
public:
    static constexpr int kDialogId = 147;

    explicit CDlgItemMouseOver(const CEditorContext& context, QWidget* parent = nullptr);
};
