// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CPropertySheet.h"

class CDlgItemClick;
class CDlgItemMouseOver;
class CDlgItemNormal;
class CDlgMenuStyle;

// The sheet of how an item and its siblings are drawn: the style of the menu
// that holds the selected item and its three item states.
class CMenuPropertySheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 65655;

    explicit CMenuPropertySheet(const CEditorContext& context, QWidget* parent = nullptr);

    CDlgMenuStyle* m_pMenuStylePage = nullptr;
    CDlgItemNormal* m_pNormalPage = nullptr;
    CDlgItemMouseOver* m_pOverPage = nullptr;
    CDlgItemClick* m_pClickPage = nullptr;
};
