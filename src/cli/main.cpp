#include "app/InstallPaths.h"
#include "cli/CheckCommand.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string executable = CurrentExecutablePath();
    if (executable.empty() && argc > 0)
        executable = argv[0];
    CheckCommand command(stdout, stderr, executable);
    return command.run(arguments);
}
