#include "DelayQueue.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using vq::delayline::DelayQueue;
using vq::delayline::SteadyTime;

const SteadyTime kStart{};

TEST(DelayQueue, HoldsEachPacketItsDelayAndKeepsArrivalOrder) {
    DelayQueue queue(550us, 1 << 20);
    ASSERT_TRUE(queue.Push("first", kStart));
    ASSERT_TRUE(queue.Push("second", kStart + 100us));
    EXPECT_EQ(queue.NextRelease(), kStart + 550us);

    EXPECT_FALSE(queue.PopDue(kStart + 549us));
    EXPECT_EQ(queue.PopDue(kStart + 550us), "first");
    EXPECT_FALSE(queue.PopDue(kStart + 600us)) << "the second arrived later, so it is due later";
    EXPECT_EQ(queue.NextRelease(), kStart + 650us);
    EXPECT_EQ(queue.PopDue(kStart + 10ms), "second");
    EXPECT_FALSE(queue.NextRelease());
    EXPECT_EQ(queue.Bytes(), 0u);
}

TEST(DelayQueue, WithoutDelayReleasesAtOnce) {
    DelayQueue queue(0us, 1 << 20);
    ASSERT_TRUE(queue.Push("now", kStart));
    EXPECT_EQ(queue.PopDue(kStart), "now");
}

TEST(DelayQueue, AFullQueueDropsTheNewestAndTakesAgainOnceDrained) {
    DelayQueue queue(1ms, 10);
    ASSERT_TRUE(queue.Push("12345", kStart));
    ASSERT_TRUE(queue.Push("67890", kStart));
    EXPECT_FALSE(queue.Push("x", kStart));
    EXPECT_EQ(queue.Packets(), 2u);

    EXPECT_EQ(queue.PopDue(kStart + 1ms), "12345");
    EXPECT_TRUE(queue.Push("abc", kStart + 1ms));
    EXPECT_EQ(queue.PopDue(kStart + 2ms), "67890");
    EXPECT_EQ(queue.PopDue(kStart + 2ms), "abc");
}

} // namespace
