// The soak: random steps from a seed, every rule checked after every step. A failure prints its
// seed and the shortest list of steps that still fails, found by shrinking from a fresh form.
//
//   vntab_soak [--steps N] [--seed S] [--shrink-seconds T]
#include "Run.h"
#include "Shrink.h"

#include "control/Registration.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

struct Arguments {
    size_t steps = 100000;
    uint64_t seed = std::random_device{}();
    long shrink_seconds = 300;
};

bool parse(int argc, char** argv, Arguments& a) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        char* end = nullptr;
        const unsigned long long v = std::strtoull(argv[i + 1], &end, 10);
        if (*end != '\0') return false;
        if (flag == "--steps")
            a.steps = v;
        else if (flag == "--seed")
            a.seed = v;
        else if (flag == "--shrink-seconds")
            a.shrink_seconds = static_cast<long>(v);
        else
            return false;
    }
    return argc % 2 == 1;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!parse(argc, argv, args)) {
        std::fprintf(stderr, "usage: vntab_soak [--steps N] [--seed S] [--shrink-seconds T]\n");
        return 2;
    }
    vntab::RegisterVNTabCtl();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vntab-soak-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    soak::RunOptions options{folder.string(), nullptr};

    const auto start = std::chrono::steady_clock::now();
    soak::RunCounts counts;
    soak::Steps ran;
    const auto failure = soak::RunRandom(args.seed, args.steps, options, ran, &counts);
    std::printf("soak: %zu steps from seed %llu in %.1f s: %zu refused, %zu saved and loaded, %zu clicks "
                "switched tabs, %zu repaints raised\n",
                counts.steps, static_cast<unsigned long long>(args.seed), seconds_since(start),
                counts.refused, counts.saves, counts.clicks_that_switched, counts.repaints_that_raised);
    if (!failure) {
        std::filesystem::remove_all(folder);
        return 0;
    }
    std::printf("FAILED at step %zu of seed %llu: %s\n", failure->step + 1,
                static_cast<unsigned long long>(args.seed), failure->message.c_str());
    std::printf("reproduce: vntab_soak --steps %zu --seed %llu\n", failure->step + 1,
                static_cast<unsigned long long>(args.seed));
    std::fflush(stdout);

    const std::string rule = failure->rule();
    std::string last_message = failure->message;
    const auto shrunk = soak::Shrink(
        ran,
        [&](const soak::Steps& candidate) {
            const auto again = soak::RunSteps(candidate, options);
            if (!again || again->rule() != rule) return false;
            last_message = again->message;
            return true;
        },
        std::chrono::seconds(args.shrink_seconds));
    const auto final_failure = soak::RunSteps(shrunk.steps, options);
    std::printf("shortest failing list (%zu of %zu steps, %zu runs%s):\n", shrunk.steps.size(), ran.size(),
                shrunk.tries, shrunk.finished ? "" : ", stopped by the time limit");
    for (size_t i = 0; i < shrunk.steps.size(); ++i)
        std::printf("  %zu. %s\n", i + 1, shrunk.steps[i].Describe().c_str());
    std::printf("which fails with: %s\n",
                final_failure ? final_failure->message.c_str() : last_message.c_str());
    std::filesystem::remove_all(folder);
    return 1;
}
