// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CDlgItemState.h"

// "Item Normal": one state block of the menu that holds the selected item.
class CDlgItemNormal : public CDlgItemState {
    Q_OBJECT
public:
    static constexpr int kDialogId = 144;

    explicit CDlgItemNormal(const CEditorContext& context, QWidget* parent = nullptr);
};
