#include "launcher/arguments.h"

#include <gtest/gtest.h>

TEST(ProcessArguments, BuiltOnceFromThisProcess) {
    CArguments& first = GetArguments();
    EXPECT_EQ(&first, &GetArguments());

    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    ASSERT_GE(first.GetSize(), 1);
    EXPECT_EQ(first.GetAt(0), module);
    EXPECT_EQ(GetFilename(), first.GetFilename());
    EXPECT_EQ(BuildArgumentString(), first.BuildArgumentString());
}
