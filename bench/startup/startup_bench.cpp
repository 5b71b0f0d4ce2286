// Start-up of the calculator against a bare Qt window of the same size, as whole processes,
// alternating in one run so that both see the same machine. Prints the median time from launch
// to first paint, the median peak resident memory, and the ratios.
//   startup_bench [--runs N]     (the platform is the usual QT_QPA_PLATFORM)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;
    double peakMebibytes;
};

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Starts the probe, reads its report, and takes its peak memory from the kernel.
Sample Run(const std::string& program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "TOLVANE_BENCH_T0=", 17) != 0) {
            environment.emplace_back(*entry);
        }
    }
    environment.push_back("TOLVANE_BENCH_T0=" + std::to_string(MonotonicNanoseconds()));
    std::vector<char*> envp;
    for (auto& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};

    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data()) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    std::array<char, 256> buffer{};
    for (ssize_t n; (n = read(pipeEnds[0], buffer.data(), buffer.size())) > 0;) {
        output.append(buffer.data(), static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto found = output.find("first_paint_ns=");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || found == std::string::npos) {
        std::fprintf(stderr, "%s did not report a first paint: %s\n", path.c_str(), output.c_str());
        std::exit(1);
    }
    const double nanoseconds = std::atof(output.c_str() + found + 15);
    return {nanoseconds / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 20;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    std::string directory = argv[0];
    directory.erase(directory.find_last_of('/') + 1);
    const std::string ours = directory + "startup_probe_tolvane";
    const std::string bare = directory + "startup_probe_bare";

    Run(ours);  // warm the file cache and the font caches for both
    Run(bare);
    std::vector<double> oursTime, bareTime, oursMemory, bareMemory;
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so neither always follows the other.
        const bool oursFirst = i % 2 == 0;
        const Sample first = Run(oursFirst ? ours : bare);
        const Sample second = Run(oursFirst ? bare : ours);
        const Sample& o = oursFirst ? first : second;
        const Sample& b = oursFirst ? second : first;
        oursTime.push_back(o.milliseconds);
        bareTime.push_back(b.milliseconds);
        oursMemory.push_back(o.peakMebibytes);
        bareMemory.push_back(b.peakMebibytes);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d runs each, alternating\n",
                platform != nullptr ? platform : "(default)", runs);
    std::printf("%-22s %12s %12s %8s\n", "median", "calculator", "bare window", "ratio");
    std::printf("%-22s %12.1f %12.1f %8.3f\n", "launch to paint (ms)", Median(oursTime),
                Median(bareTime), Median(oursTime) / Median(bareTime));
    std::printf("%-22s %12.1f %12.1f %8.3f\n", "peak resident (MiB)", Median(oursMemory),
                Median(bareMemory), Median(oursMemory) / Median(bareMemory));
    return 0;
}
