#include <gtest/gtest.h>

#include <string>

#include "settings/scene_settings.h"

namespace {

TEST(ListNames, OnlySavedListsAreRenamedAndNamesAreCutTo63Characters) {
    SetListName(3, "renamed");
    EXPECT_EQ(ListNames[3], "Default4");
    SetListName(10, "renamed");

    const std::string longName(100, 'n');
    SetListName(6, longName.c_str());
    EXPECT_EQ(ListNames[6], longName.substr(0, 63));

    SetListName(9, nullptr);
    EXPECT_EQ(ListNames[9], "");
    SetListName(9, "custom");
}

}  // namespace
