#include "guidataset/showcmd/core/InOrderWorker.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

// Jobs run on one thread of the worker's own, in the order added, inside the
// setting up; a small queue makes Add wait instead of dropping anything.
TEST(InOrderWorker, RunsEveryJobInOrderOnItsThreadInsideTheSettingUp)
{
    std::vector<int> done;
    std::vector<std::string> steps;
    std::thread::id worker;
    bool otherThread = true;
    {
        CInOrderWorker jobs(64, [&](const std::function<void()>& runJobs) {
            steps.push_back("set up");
            worker = std::this_thread::get_id();
            runJobs();
            steps.push_back("settled after " + std::to_string(done.size()) + " jobs");
        });
        for (int i = 0; i < 500; ++i)
            ASSERT_TRUE(jobs.Add(
                [&, i] {
                    otherThread = otherThread && std::this_thread::get_id() == worker;
                    done.push_back(i);
                },
                10));
        jobs.Finish();
    }
    ASSERT_EQ(done.size(), 500u);
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(done[static_cast<std::size_t>(i)], i);
    EXPECT_TRUE(otherThread);
    EXPECT_NE(worker, std::this_thread::get_id());
    EXPECT_EQ(steps, (std::vector<std::string>{"set up", "settled after 500 jobs"}));
}

// The first exception stops the running: nothing after it runs, Add says so,
// and Finish throws it on the adding thread.
TEST(InOrderWorker, AJobsExceptionDropsTheLaterJobsAndReachesFinish)
{
    int ran = 0;
    CInOrderWorker jobs(64);
    jobs.Add([&] { ++ran; }, 10);
    jobs.Add([] { throw std::runtime_error("parser out of memory"); }, 10);
    bool refused = false;
    for (int i = 0; i < 1000 && !refused; ++i)
        refused = !jobs.Add([&] { ++ran; }, 40);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(jobs.Failed());
    try {
        jobs.Finish();
        ADD_FAILURE() << "Finish did not throw";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "parser out of memory");
    }
    EXPECT_EQ(ran, 1);
}

} // namespace
