#include <gtest/gtest.h>

#include "model/CAppletParameters.h"

TEST(Model, NewItemAndMenuDefaults)
{
    CTavelinItem item;
    EXPECT_EQ(item.m_strLabel, "item");
    EXPECT_EQ(item.m_bVisible, 1);
    ASSERT_TRUE(item.m_pSubMenu);
    EXPECT_EQ(item.m_pSubMenu->m_strName, "Menu");
    EXPECT_EQ(item.m_pSubMenu->GetItemCount(true), 0);
}
