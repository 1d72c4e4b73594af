// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CItemPropertySheet.h"

#include "CDlgItem.h"

CItemPropertySheet::CItemPropertySheet(const CEditorContext& context, QWidget* parent)
    : CPropertySheet(context, parent), m_pItemPage(new CDlgItem(context))
{
    setProperty("helpContext", kHelpContext);
    AddPage(m_pItemPage);
    AddModeButtons(true);
}
