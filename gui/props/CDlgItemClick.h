// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CDlgItemState.h"

// "Item Clicked": one state block of the menu that holds the selected item.
class CDlgItemClick : public CDlgItemState {
    Q_OBJECT
public:
    static constexpr int kDialogId = 148;

    explicit CDlgItemClick(const CEditorContext& context, QWidget* parent = nullptr);
};
