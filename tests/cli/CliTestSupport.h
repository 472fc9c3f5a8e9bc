#pragma once

// Helpers shared by the CLI tests.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliOptions.h"
#include "cli/CliRunner.h"

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

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An empty folder of the test's own, removed with everything in it at the end.
struct TempFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vyr-cli-" + std::to_string(::getpid()) + "-" +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());

    TempFolder() { std::filesystem::create_directories(path); }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
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
