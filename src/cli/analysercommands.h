// What the analyser commands share with the suggester's: loading the local analyser.
#pragma once

#include "annotation/localanalyser.h"

#include <memory>
#include <string>

namespace pelmora::cli {

// Loads the transducer at the path; a failure is told as an error (null comes back). Unknown
// tags of its analyses are written to standard error, each once.
std::shared_ptr<LocalAnalyser> loadAnalyserForCli(const std::string& path, Prompter& prompter);

}  // namespace pelmora::cli
