// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuStyle.h"

CItemStyle& CMenuStyle::Style(int state)
{
    return state == 1 ? m_styleOver : state == 2 ? m_styleClick : m_styleNormal;
}

const CItemStyle& CMenuStyle::Style(int state) const
{
    return state == 1 ? m_styleOver : state == 2 ? m_styleClick : m_styleNormal;
}
