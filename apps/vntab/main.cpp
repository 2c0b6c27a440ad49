#include "Commands.h"

int main(int argc, char** argv) {
    return vntab_cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
