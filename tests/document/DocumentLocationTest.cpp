// Document names below the root.
#include "document/DocumentLocation.h"

#include <gtest/gtest.h>

namespace scanvo {
namespace {

TEST(DocumentLocationTest, NamesInsideAndOutsideTheRoot)
{
    struct Case {
        const char* name;
        bool inside;
    };
    const Case cases[] = {
        {"doc", true},          {"test1\\44", true},   {"2024/box7", true},  {"a/../b", true},
        {"..hidden", true},     {"a..b/c", true},      {"/abs", false},      {"\\abs", false},
        {"..", false},          {"../x", false},       {"..\\x", false},     {"a/../../x", false},
        {"a\\b\\..\\..\\..", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsDocNameInsideRoot(QString::fromUtf8(c.name)), c.inside) << c.name;
}

TEST(DocumentLocationTest, DocumentDirectoryJoinsWithSlashes)
{
    EXPECT_EQ(DocumentDirectoryPath("/data/root", "test1\\44"), "/data/root/test1/44");
    EXPECT_EQ(DocumentDirectoryPath("/data/root/", "2024/box7/"), "/data/root/2024/box7");
    EXPECT_EQ(DocumentDirectoryPath("\\data\\root", "doc"), "/data/root/doc");
}

}  // namespace
}  // namespace scanvo
