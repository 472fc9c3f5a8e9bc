#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/CliRunner.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const vyr::ParseResult parsed = vyr::parseArguments(args);
        if (!parsed.ok) {
            std::cerr << "vyr-cli: " << parsed.error << "\n";
            return 2;
        }
        return vyr::runCli(parsed.options, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "vyr-cli: " << e.what() << "\n";
        return 1;
    } catch (...) {
        std::cerr << "vyr-cli: unexpected failure\n";
        return 1;
    }
}
