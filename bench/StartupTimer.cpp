// startup_timer RUNS PROGRAM...: starts each PROGRAM with --startup-probe,
// RUNS times in turn (after two rounds not counted, which warm the disk
// cache), and prints for each the median and the shortest time from the
// start of its process to the first paint it reports, and the peak memory
// (maximum resident set) of its runs:
//
//   startup PROGRAM median_ms=41.2 min_ms=38.0 max_rss_kib=52344

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int kWarmUpRounds = 2;

struct Run {
    double milliseconds = 0.0;
    long maxRssKib = 0;
};

struct Samples {
    std::string program;
    std::vector<double> milliseconds;
    long maxRssKib = 0;
};

long long nowMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(count));
    return text;
}

// The time the program printed after "shown_us=".
long long shownMicroseconds(const std::string &output, const std::string &program)
{
    const std::string key = "shown_us=";
    const std::size_t at = output.find(key);
    if (at == std::string::npos)
        throw std::runtime_error(program + " reported no first paint: " + output);
    return std::stoll(output.substr(at + key.size()));
}

pid_t spawnProbe(const std::string &program, int pipeEnds[2])
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string option = "--startup-probe";
    std::string path = program;
    char *arguments[] = {path.data(), option.data(), nullptr};
    pid_t child = 0;
    const int failure = posix_spawn(&child, path.c_str(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failure != 0)
        throw std::runtime_error("cannot start " + program);
    return child;
}

Run runOnce(const std::string &program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    const long long started = nowMicroseconds();
    const pid_t child = spawnProbe(program, pipeEnds);
    close(pipeEnds[1]);
    const std::string output = readAll(pipeEnds[0]);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed");
    return {static_cast<double>(shownMicroseconds(output, program) - started) / 1000.0,
            usage.ru_maxrss};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printSamples(const Samples &samples)
{
    std::printf("startup %s median_ms=%.2f min_ms=%.2f max_rss_kib=%ld\n", samples.program.c_str(),
                median(samples.milliseconds),
                *std::min_element(samples.milliseconds.begin(), samples.milliseconds.end()),
                samples.maxRssKib);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 2 ? std::atoi(argv[1]) : 0;
    if (runs < 1) {
        std::fprintf(stderr, "usage: startup_timer RUNS PROGRAM...\n");
        return 64;
    }
    std::vector<Samples> samples;
    for (int index = 2; index < argc; ++index)
        samples.push_back({argv[index], {}, 0});
    try {
        // In turn, so that a change in the machine's load touches every program alike.
        for (int round = 0; round < kWarmUpRounds + runs; ++round) {
            for (Samples &program : samples) {
                const Run run = runOnce(program.program);
                if (round < kWarmUpRounds)
                    continue;
                program.milliseconds.push_back(run.milliseconds);
                program.maxRssKib = std::max(program.maxRssKib, run.maxRssKib);
            }
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "startup_timer: %s\n", error.what());
        return 1;
    }
    for (const Samples &program : samples)
        printSamples(program);
    return 0;
}
