// Registration of the command groups of pelmora-cli.
#pragma once

#include <CLI/CLI.hpp>

namespace pelmora::cli {

// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// A command's callback stores its exit status here.
struct RunState {
    int exitCode = kExitOk;
};

// One function per command group; main() calls each.
void addTextCommands(CLI::App& app, RunState& state);
// find, lint
void addSearchCommands(CLI::App& app, RunState& state);
// info
void addInfoCommands(CLI::App& app, RunState& state);
void addAnnotationCommands(CLI::App& app, RunState& state);
// analyse, preannotate
void addAnalyserCommands(CLI::App& app, RunState& state);
void addEditCommands(CLI::App& app, RunState& state);
void addDictCommands(CLI::App& app, RunState& state);
void addSuggestCommands(CLI::App& app, RunState& state);
void addIoCommands(CLI::App& app, RunState& state);
void addImportCommands(CLI::App& app, RunState& state);
// concordance
void addConcordanceCommands(CLI::App& app, RunState& state);
// overview, inconsistencies, apply-analysis
void addOverviewCommands(CLI::App& app, RunState& state);
// normalise
void addNormaliseCommands(CLI::App& app, RunState& state);
// convert
void addExchangeCommands(CLI::App& app, RunState& state);

}  // namespace pelmora::cli
