// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuPropertySheet.h"

#include "CDlgItemClick.h"
#include "CDlgItemMouseOver.h"
#include "CDlgItemNormal.h"
#include "CDlgMenuStyle.h"

CMenuPropertySheet::CMenuPropertySheet(const CEditorContext& context, QWidget* parent)
    : CPropertySheet(context, parent), m_pMenuStylePage(new CDlgMenuStyle(context)),
      m_pNormalPage(new CDlgItemNormal(context)), m_pOverPage(new CDlgItemMouseOver(context)),
      m_pClickPage(new CDlgItemClick(context))
{
    setProperty("helpContext", kHelpContext);
    AddPage(m_pMenuStylePage);
    AddPage(m_pNormalPage);
    AddPage(m_pOverPage);
    AddPage(m_pClickPage);
    AddModeButtons(false);
}
