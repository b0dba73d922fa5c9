// The record, its pointers and the overflow check of the text-storing rule.
#include "fixture.h"

using namespace devcap_test;

namespace {

class RecordTest : public CapTest {};

TEST_F(RecordTest, WarnStrOverflowNullTextWarnsAndReturns) {
    cap_WarnStrOverflow(nullptr, 10);
    EXPECT_TRUE(log.HasFrom("cap_WarnStrOverflow", kWarn, "invalid params!\n")) << log.Dump();
}

TEST_F(RecordTest, WarnStrOverflowAtTheBoundary) {
    cap_WarnStrOverflow("", 1);
    cap_WarnStrOverflow("abcdefghi", 10);  // 9 characters fit 10
    EXPECT_EQ(log.Size(), 0u) << log.Dump();
    cap_WarnStrOverflow("abcdefghij", 10);  // 10 do not
    EXPECT_TRUE(log.Has(kWarn, "abcdefghij size = 10 is overflow of 10\n")) << log.Dump();
}

TEST_F(RecordTest, MessagesCarryModuleFunctionAndLine) {
    cap_WarnStrOverflow(nullptr, 1);
    auto e = log.Entries();
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].module, HOST_MODULE_NAME);
    EXPECT_EQ(e[0].fn, "cap_WarnStrOverflow");
    EXPECT_GT(e[0].line, 0);
    EXPECT_EQ(e[0].raw.find('"'), std::string::npos);
}

}  // namespace
