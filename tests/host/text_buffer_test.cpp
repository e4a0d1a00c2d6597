#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "display/text_buffer.h"

namespace {

// Makes every resize fail while it is in scope.
struct FailingAllocator {
    TextBuffer::ResizeFn saved = TextBuffer::resize;
    FailingAllocator() {
        TextBuffer::resize = [](void*, std::size_t) -> void* { return nullptr; };
    }
    ~FailingAllocator() { TextBuffer::resize = saved; }
};

}  // namespace

TEST(TextBuffer, NewBufferIsEmptyWithAThousandBytes) {
    TextBuffer b;
    EXPECT_EQ(b.capacity, 1000);
    EXPECT_EQ(b.length, 0);
    EXPECT_STREQ(b.data, "");
}

TEST(TextBuffer, GrowthThresholdIncludesEquality) {
    struct Case {
        int count;
        int capacityAfter;
    };
    // length + n + 10 >= capacity grows: 990 reaches the capacity exactly.
    for (Case c : {Case{989, 1000}, Case{990, 2000}, Case{1990, 3000}, Case{2500, 3000}, Case{4321, 5000}}) {
        SCOPED_TRACE(c.count);
        TextBuffer b;
        const std::string text(static_cast<std::size_t>(c.count), 'x');
        EXPECT_EQ(b.append(text.c_str()), c.count);
        EXPECT_EQ(b.capacity, c.capacityAfter);
        EXPECT_EQ(b.length, c.count);
        EXPECT_EQ(std::string(b.data), text);
        EXPECT_LT(b.length + 10, b.capacity);
    }
}

TEST(TextBuffer, AppendsAccumulateAcrossGrowth) {
    TextBuffer b;
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        b.append("abcdefg");
        b.appendInt(i, 10);
        expected += "abcdefg" + std::to_string(i);
    }
    EXPECT_EQ(std::string(b.data, static_cast<std::size_t>(b.length)), expected);
    EXPECT_EQ(b.data[b.length], 0);
}

TEST(TextBuffer, AppendIntInEveryRadixTheProgramUses) {
    struct Case {
        std::int32_t value, radix;
        const char* text;
    };
    const Case cases[] = {
        {-5, 10, "-5"},         {-1, 16, "ffffffff"},   {255, 16, "ff"},
        {0, 10, "0"},           {10, 16, "a"},          {0, 16, "0"},
        {2147483647, 10, "2147483647"}, {INT32_MIN, 10, "-2147483648"},
        {INT32_MIN, 16, "80000000"},    {-1, 2, "11111111111111111111111111111111"},
        {35, 36, "z"},          {-2, 10, "-2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TextBuffer b;
        b.append("R=");
        b.appendInt(c.value, c.radix);
        EXPECT_EQ(std::string(b.data), std::string("R=") + c.text);
    }
}

TEST(TextBuffer, AssignReplacesALongerText) {
    TextBuffer b;
    b.assign("a much longer text than the next");
    b.assign("R=");
    EXPECT_STREQ(b.data, "R=");
    EXPECT_EQ(b.length, 2);
}

TEST(TextBuffer, AppendCountCopiesZeroBytesAndZeroCountChangesNothing) {
    TextBuffer b;
    EXPECT_EQ(b.appendCount("ab\0cd", 5), 5);
    EXPECT_EQ(std::string(b.data, 5), std::string("ab\0cd", 5));
    EXPECT_EQ(b.appendCount("zz", 0), 5);
    EXPECT_EQ(b.length, 5);
    EXPECT_EQ(b.appendCount("zz", -1), 0) << "a negative count is refused";
    EXPECT_EQ(b.length, 5);
}

TEST(TextBuffer, FailedGrowthKeepsTheTextAndCapacity) {
    TextBuffer b;
    b.assign("kept");
    {
        FailingAllocator failing;
        const std::string big(995, 'y');
        EXPECT_EQ(b.append(big.c_str()), 0);
        EXPECT_EQ(b.grow(), 0);
    }
    EXPECT_STREQ(b.data, "kept");
    EXPECT_EQ(b.length, 4);
    EXPECT_EQ(b.capacity, 1000);
    // And growth works again once memory is back.
    const std::string big(995, 'y');
    EXPECT_EQ(b.append(big.c_str()), 999);
    EXPECT_EQ(b.capacity, 2000);
}

TEST(TextBuffer, ConstructionWithoutMemoryGivesAUsableEmptyBuffer) {
    TextBuffer::ResizeFn saved = TextBuffer::resize;
    TextBuffer::resize = [](void*, std::size_t) -> void* { return nullptr; };
    TextBuffer b;
    EXPECT_STREQ(b.data, "");
    EXPECT_EQ(b.append("lost"), 0);
    EXPECT_STREQ(b.data, "");
    TextBuffer::resize = saved;
    EXPECT_EQ(b.append("found"), 5);
    EXPECT_STREQ(b.data, "found");
    EXPECT_EQ(b.capacity, 1000);
}
