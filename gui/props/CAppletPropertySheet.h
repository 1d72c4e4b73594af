// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CPropertySheet.h"

class CDlgAppletParam;
class CDlgAppletStyle;

// The sheet of the applet (the root node): "Applet Parameters" and "More Styles".
class CAppletPropertySheet : public CPropertySheet {
    Q_OBJECT
public:
    explicit CAppletPropertySheet(const CEditorContext& context, QWidget* parent = nullptr);

    CDlgAppletParam* m_pParamPage = nullptr;
    CDlgAppletStyle* m_pStylePage = nullptr;
};
