// Start-up of the calculator against a bare Qt window of the same size, and against that window
// holding the calculator's controls as plain Qt makes them, as whole processes taking turns in
// one run so that all see the same machine. Prints the median time from launch to first paint,
// peak resident memory and processor time of each, and the first one's ratios to the others.
//   startup_bench [--runs N] [PROBE...]    (the platform is the usual QT_QPA_PLATFORM)
// Probes named on the command line (another build's calculator, say) replace the three.
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
    double processorMilliseconds;  // user and system, to the process's end
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
    const auto milliseconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return {nanoseconds / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0,
            milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 20;
    std::string directory = argv[0];
    directory.erase(directory.find_last_of('/') + 1);
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            programs.emplace_back(argv[i]);
        }
    }
    if (programs.empty()) {
        // The calculator, the bare window, and the bare window with the calculator's controls.
        programs = {directory + "startup_probe_tolvane", directory + "startup_probe_bare",
                    directory + "startup_probe_controls"};
    }
    const std::size_t count = programs.size();

    for (const std::string& program : programs) {
        Run(program);  // warm the file cache and the font caches for each
    }
    std::vector<std::vector<double>> time(count), memory(count), processor(count);
    for (int i = 0; i < runs; ++i) {
        // Each in turn goes first, so that none always follows another.
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t which = (static_cast<std::size_t>(i) + k) % count;
            const Sample sample = Run(programs[which]);
            time[which].push_back(sample.milliseconds);
            memory[which].push_back(sample.peakMebibytes);
            processor[which].push_back(sample.processorMilliseconds);
        }
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, %d runs each, in turn\n",
                platform != nullptr ? platform : "(default)", runs);
    for (std::size_t k = 0; k < count; ++k) {
        std::printf("  [%zu] %s\n", k, programs[k].c_str());
    }
    std::printf("%-22s", "median");
    for (std::size_t k = 0; k < count; ++k) {
        std::printf(" %9s[%zu]", "", k);
    }
    for (std::size_t k = 1; k < count; ++k) {
        std::printf("  [0]/[%zu]", k);
    }
    std::printf("\n");
    const auto row = [count](const char* name, const std::vector<std::vector<double>>& samples) {
        std::printf("%-22s", name);
        for (std::size_t k = 0; k < count; ++k) {
            std::printf(" %12.1f", Median(samples[k]));
        }
        for (std::size_t k = 1; k < count; ++k) {
            std::printf(" %9.3f", Median(samples[0]) / Median(samples[k]));
        }
        std::printf("\n");
    };
    row("launch to paint (ms)", time);
    row("peak resident (MiB)", memory);
    row("processor time (ms)", processor);
    return 0;
}
