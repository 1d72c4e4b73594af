#include <gtest/gtest.h>

#include "app/CAppletTavelinWizardApp.h"
#include "app/CModelEditor.h"

TEST(Smoke, EditorAddsTopMenuThroughTheDoor)
{
    auto& params = theApp().m_params;
    params.Reset();
    int inserted = 0;
    auto c = QObject::connect(&theApp().Editor(), &CModelEditor::TopMenuInserted,
                              [&](int index) { inserted += index == 0; });
    CTavelin* menu = theApp().Editor().AddTopMenu();
    QObject::disconnect(c);
    EXPECT_EQ(inserted, 1);
    ASSERT_EQ(params.m_arrMenus.size(), 1u);
    EXPECT_EQ(params.m_arrMenus[0].get(), menu);
    EXPECT_EQ(menu->m_strName, "top-level Tavelina");
    params.Reset();
}
