// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgItemNormal.h"

CDlgItemNormal::CDlgItemNormal(const CEditorContext& context, QWidget* parent)
    : CDlgItemState(context, tr("Item Normal"), kDialogId, 0, parent)
{
}
