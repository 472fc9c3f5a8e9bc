#pragma once

// Helpers shared by the CLI tests.

#include <gmock/gmock.h>

#include <algorithm>
#include <sstream>

#include "cli/CliOptions.h"
#include "cli/CliRunner.h"
#include "tests/Support.h"

namespace vyr::test {

// Arguments separated by single spaces; a leading % stands for `folder` and a slash.
inline std::vector<std::string> split(const std::string& line, const std::string& folder = "") {
    std::vector<std::string> args;
    for (size_t at = 0, end = 0; at <= line.size(); at = end + 1) {
        end = std::min(line.find(' ', at), line.size());
        const std::string a = line.substr(at, end - at);
        args.push_back(a.rfind('%', 0) == 0 ? folder + "/" + a.substr(1) : a);
    }
    return args;
}

struct CliOutcome {
    int status;
    std::string out, err;
};

// Parses and runs the arguments in this process as vyr-cli's main does: 2 for bad arguments.
inline CliOutcome cli(const std::vector<std::string>& args) {
    const ParseResult parsed = parseArguments(args);
    std::ostringstream out, err;
    const int status = parsed.ok ? runCli(parsed.options, out, err) : 2;
    return {status, out.str(), parsed.ok ? err.str() : parsed.error + "\n"};
}

// A folder the CLI runs in: a leading % of an argument names a file in it.
struct CliFolder : TempFolder {
    CliOutcome run(const std::string& line) const { return cli(split(line, path.string())); }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
};

}  // namespace vyr::test
