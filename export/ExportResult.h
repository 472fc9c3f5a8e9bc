#pragma once

#include <string>
#include <utility>

namespace vyr {

/// Outcome of an export: ok, or a message a user can act on. A stream that failed while
/// being written, or a value that could not be written sensibly, makes the result not ok.
struct ExportResult {
    bool ok = true;
    std::string message;

    static ExportResult failure(std::string why) { return {false, std::move(why)}; }
};

}  // namespace vyr
