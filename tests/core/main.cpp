// Every core test runs against a deadline: one that blocks (on a FIFO, say) or loops fails
// within seconds, naming itself, instead of holding the suite until CTest gives up on it.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

namespace {

char running[256];

struct Deadline : ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override {
        std::snprintf(running, sizeof running, "%s.%s timed out\n", test.test_suite_name(),
                      test.name());
        ::alarm(10);
    }
    void OnTestEnd(const ::testing::TestInfo&) override { ::alarm(0); }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::signal(SIGALRM, [](int) {
        (void)!::write(STDERR_FILENO, running, std::strlen(running));
        ::_exit(1);
    });
    ::testing::UnitTest::GetInstance()->listeners().Append(new Deadline);
    return RUN_ALL_TESTS();
}
