// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/CTestEditor.h"

TEST(Smoke, EditorAddsTopMenuThroughTheDoor)
{
    CTestEditor run;
    int inserted = 0;
    QObject::connect(&run.editor, &CModelEditor::TopMenuInserted, [&](int index) { inserted += index == 0; });
    CTavelin* menu = run.editor.AddTopMenu();
    EXPECT_EQ(inserted, 1);
    ASSERT_EQ(run.params.m_arrMenus.size(), 1u);
    EXPECT_EQ(run.params.m_arrMenus[0].get(), menu);
    EXPECT_EQ(menu->m_strName, "top-level Tavelina");
}
