// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAppletPropertySheet.h"

#include "CDlgAppletParam.h"
#include "CDlgAppletStyle.h"

CAppletPropertySheet::CAppletPropertySheet(const CEditorContext& context, QWidget* parent)
    : CPropertySheet(context, parent), m_pParamPage(new CDlgAppletParam(context)),
      m_pStylePage(new CDlgAppletStyle(context))
{
    AddPage(m_pParamPage);
    AddPage(m_pStylePage);
}
