// Every core test runs against a deadline: one that blocks (on a FIFO or a pipe, say) or loops
// fails within seconds, naming itself, instead of holding the suite until CTest gives up on it.
// A watchdog thread keeps the time, the same way on every system.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include <gtest/gtest.h>

namespace {

using Clock = std::chrono::steady_clock;

std::mutex mutex;
std::string running;
Clock::time_point due = Clock::time_point::max();

struct Deadline : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override {
        const std::lock_guard lock(mutex);
        running = std::string(test.test_suite_name()) + "." + test.name();
        due = Clock::now() + std::chrono::seconds(10);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        const std::lock_guard lock(mutex);
        due = Clock::time_point::max();
    }
};

[[noreturn]] void Watch() {
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const std::lock_guard lock(mutex);
        if (Clock::now() >= due) {
            std::fprintf(stderr, "%s timed out\n", running.c_str());
            std::fflush(stderr);
            std::_Exit(1);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    try {
        std::thread(Watch).detach();
        ::testing::UnitTest::GetInstance()->listeners().Append(new Deadline);
    } catch (const std::system_error&) {
        // WebAssembly built without threads can start none. There each test runs as a process
        // of its own under CTest, whose time limit stops one that hangs.
    }
    return RUN_ALL_TESTS();
}
