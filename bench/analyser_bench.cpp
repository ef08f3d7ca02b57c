// Times lookups through the core's local analyser: every word of a list, looked up and read into
// the program's vocabulary (LocalAnalyser::analyse), several passes. Prints one line for the
// script: "words passes cpu_seconds wall_seconds readings analyses" of the median pass (readings
// as offered, analysis strings as the transducer gives them); asserts nothing.
#include "annotation/localanalyser.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace pelmora;

namespace {

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double wallSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: analyser_bench TRANSDUCER WORDS\n";
        return 2;
    }
    const AnalyserLoad load = LocalAnalyser::load(argv[1]);
    if (!load.analyser) {
        std::cerr << load.message << '\n';
        return 1;
    }
    std::vector<std::string> words;
    std::ifstream in(argv[2]);
    for (std::string line; std::getline(in, line);)
        words.push_back(line);

    constexpr int kPasses = 5;
    std::vector<std::pair<double, double>> passes;  // (cpu, wall)
    std::size_t analyses = 0;
    for (int pass = 0; pass < kPasses; ++pass) {
        analyses = 0;
        const double cpu = cpuSeconds();
        const double wall = wallSeconds();
        for (const std::string& word : words)
            analyses += load.analyser->analyse(word).size();
        passes.emplace_back(cpuSeconds() - cpu, wallSeconds() - wall);
    }
    std::sort(passes.begin(), passes.end());
    const auto [cpu, wall] = passes[passes.size() / 2];
    std::size_t strings = 0;
    for (const std::string& word : words)
        strings += load.analyser->analysisStrings(word).size();
    std::cout << words.size() << ' ' << kPasses << ' ' << cpu << ' ' << wall << ' ' << analyses << ' ' << strings
              << '\n';
    return 0;
}
