#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"

namespace vyr {

/// Runs the command line's job: starts from the default scene (or the given scene file),
/// applies the text options, builds the mesh, writes the outputs and the statistics.
/// Returns the exit status: 0 success, 1 failure (with one line on `err`).
int runCli(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vyr
