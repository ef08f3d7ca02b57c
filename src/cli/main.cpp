// pelmora-cli: the batch tool over the Pelmora core.
#include "commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    using namespace pelmora::cli;
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
