// SPDX-License-Identifier: MIT
#include "output/BlockingCalls.h"

#include <chrono>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "support/RecordingProgressSink.h"

namespace vistrel {
namespace {

using test::RecordingProgressSink;

TEST(BlockingCalls, PumpsWhileACallWaitsAndReturnsOnceItHasReturned) {
    RecordingProgressSink progress;
    BlockingCalls calls(progress);
    // The call waits for as long as the calling thread has not pumped twice: a window that
    // were not pumped meanwhile would leave it waiting for ever.
    std::promise<void> pumpedTwice;
    progress.onPump = [&pumpedTwice](int pumps) {
        if (pumps == 2) {
            pumpedTwice.set_value();
        }
    };
    bool returned = false;
    const std::thread::id caller = std::this_thread::get_id();
    std::thread::id ranOn;

    calls.run([&] {
        ranOn = std::this_thread::get_id();
        pumpedTwice.get_future().wait();
        returned = true;
    });

    EXPECT_TRUE(returned);
    EXPECT_NE(ranOn, caller);
    EXPECT_GE(progress.events.size(), 2U);

    // The thread serves the calls that follow, one after the other.
    std::string order;
    for (const char step : std::string("abc")) {
        calls.run([&order, step] { order += step; });
    }
    EXPECT_EQ(order, "abc");
}

TEST(BlockingCalls, HandsWhatACallThrewToTheCallerAndServesTheNext) {
    RecordingProgressSink progress;
    BlockingCalls calls(progress);

    EXPECT_THROW(calls.run([] { throw std::runtime_error("disk gone"); }), std::runtime_error);

    int value = 0;
    calls.run([&value] { value = 7; });
    EXPECT_EQ(value, 7);
}

TEST(BlockingCalls, LetsACallEndBeforeHandingOnWhatAPumpThrew) {
    RecordingProgressSink progress;
    BlockingCalls calls(progress);
    std::promise<void> pumped;
    progress.onPump = [&pumped](int pumps) {
        if (pumps == 1) {
            pumped.set_value();
            throw std::runtime_error("the window went away");
        }
    };
    // The call writes into the caller's frame after the pump threw.
    bool returned = false;

    EXPECT_THROW(calls.run([&] {
        pumped.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        returned = true;
    }),
                 std::runtime_error);

    EXPECT_TRUE(returned);
}

} // namespace
} // namespace vistrel
