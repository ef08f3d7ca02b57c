// pelmora-cli: the batch tool over the Pelmora core.
#include "commands.h"
#include "pelmora_version.h"

#include <malloc.h>

#include <iostream>

int main(int argc, char** argv)
{
    using namespace pelmora::cli;
    // Commands over many files parse one text after another, each tree built in freshly freed
    // memory; with glibc's defaults every file handed that memory back to the system and faulted
    // it in again, which cost several times the parsing itself. The batch tool keeps it.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    CLI::App app{"Pelmora: batch tool for annotated Livonian corpus texts", "pelmora-cli"};
    app.set_version_flag("--version", std::string("pelmora-cli ") + PELMORA_VERSION);
    app.require_subcommand(1);
    RunState state;
    addTextCommands(app, state);
    addSearchCommands(app, state);
    addInfoCommands(app, state);
    addAnnotationCommands(app, state);
    addAnalyserCommands(app, state);
    addEditCommands(app, state);
    addDictCommands(app, state);
    addSuggestCommands(app, state);
    addIoCommands(app, state);
    addImportCommands(app, state);
    addConcordanceCommands(app, state);
    addOverviewCommands(app, state);
    addNormaliseCommands(app, state);
    addExchangeCommands(app, state);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }
    return state.exitCode;
}
