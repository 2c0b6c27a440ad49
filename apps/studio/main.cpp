#include "GlWindow.h"
#include "Options.h"
#include "Studio.h"

#include "control/Registration.h"

#include <cstdio>
#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(studio::kUsage, stdout);
        return 0;
    }
    std::string error;
    const auto options = studio::ParseOptions(args, error);
    if (!options) {
        std::cerr << "vntab-studio: " << error << "\n" << studio::kUsage;
        return 2;
    }
    vntab::RegisterVNTabCtl();
    auto window = studio::GlWindow::Open("vntab-studio", 960, 640, options->measure_frames == 0, error);
    if (!window) {
        std::cerr << "vntab-studio: " << error << "\n";
        return 2;
    }
    studio::Studio app(*options, *window);
    return app.Run();
}
