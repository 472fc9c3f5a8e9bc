#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzTargets.h"
#include "cli/CliOptions.h"

int vyr::fuzz::cliArguments(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    const ParseResult r = parseArguments(args);
    if (!r.ok && r.error.empty())
        std::abort();
    return 0;
}
