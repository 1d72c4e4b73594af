// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CPropertySheet.h"

class CDlgItem;

// The sheet of what an item shows: its one page "Item".
class CItemPropertySheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 65656;

    explicit CItemPropertySheet(const CEditorContext& context, QWidget* parent = nullptr);

    CDlgItem* m_pItemPage = nullptr;
};
