// SPDX-License-Identifier: MIT
#include <string>
#include <vector>

#include "cli/CliApp.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return vistrel::cli::runCli(arguments, {});
}
