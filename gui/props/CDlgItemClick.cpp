// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgItemClick.h"

CDlgItemClick::CDlgItemClick(const CEditorContext& context, QWidget* parent)
    : CDlgItemState(context, tr("Item Clicked"), kDialogId, 2, parent)
{
}
