// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgItemMouseOver.h"

CDlgItemMouseOver::CDlgItemMouseOver(const CEditorContext& context, QWidget* parent)
    : CDlgItemState(context, tr("Item Mouse Over"), kDialogId, 1, parent)
{
}
