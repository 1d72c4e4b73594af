// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CWriteState.h"

void CWriteState::ClearWalk()
{
    m_arrMenus.clear();
    m_arrWritten.clear();
    m_strRelation.clear();
}
