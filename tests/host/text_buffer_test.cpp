#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "display/text_buffer.h"

namespace {

// Makes every resize fail while it is in scope.
struct FailingAllocator {
    TextBuffer::ResizeFn saved = TextBuffer::resize;
    FailingAllocator() { TextBuffer::resize = [](void*, std::size_t) -> void* { return nullptr; }; }
    ~FailingAllocator() { TextBuffer::resize = saved; }
};

std::string text(const TextBuffer& b) { return std::string(b.data, static_cast<std::size_t>(b.length)); }

}  // namespace

TEST(TextBuffer, GrowsByAThousandWhenTextAndTenSpareBytesReachTheCapacity) {
    struct Case {
        int count, capacityAfter;
    };
    for (Case c : {Case{989, 1000}, Case{990, 2000}, Case{1990, 3000}, Case{4321, 5000}}) {
        TextBuffer b;
        const std::string t(static_cast<std::size_t>(c.count), 'x');
        EXPECT_EQ(b.append(t.c_str()), c.count);
        EXPECT_EQ(b.capacity, c.capacityAfter) << c.count;
        EXPECT_EQ(text(b), t);
    }
    // Appends accumulate across growth; assign replaces.
    TextBuffer b;
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        b.append("abcdefg");
        b.appendInt(i, 10);
        expected += "abcdefg" + std::to_string(i);
    }
    EXPECT_EQ(text(b), expected);
    b.assign("R=");
    EXPECT_EQ(text(b), "R=");
    EXPECT_EQ(b.appendCount("ab\0cd", 5), 7);
    EXPECT_EQ(text(b), std::string("R=ab\0cd", 7));
    EXPECT_EQ(b.appendCount("zz", 0), 7);
    EXPECT_EQ(b.appendCount("zz", -1), 0) << "a negative count is refused";
    EXPECT_EQ(b.length, 7);
}

TEST(TextBuffer, FailedAllocationKeepsTheTextAndWorksAgainLater) {
    TextBuffer b;
    b.assign("kept");
    const std::string big(995, 'y');
    std::unique_ptr<TextBuffer> empty;
    {
        FailingAllocator failing;
        EXPECT_EQ(b.append(big.c_str()), 0);
        EXPECT_EQ(b.grow(), 0);
        empty = std::make_unique<TextBuffer>();
        EXPECT_STREQ(empty->data, "");
        EXPECT_EQ(empty->append("lost"), 0);
    }
    EXPECT_EQ(text(b), "kept");
    EXPECT_EQ(b.capacity, 1000);
    EXPECT_EQ(b.append(big.c_str()), 999);
    EXPECT_EQ(b.capacity, 2000);
    EXPECT_EQ(empty->append("found"), 5) << "a buffer made without memory tries again";
    EXPECT_EQ(empty->capacity, 1000);
}
