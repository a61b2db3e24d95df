#include "pictures.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

// Generates the pictures the application ships with. The output depends on
// nothing but this program, so every run produces the same bytes.

namespace {

struct Options {
    PngFilter tintFilter = PngFilter::None;
    std::filesystem::path outputDir;
};

void printUsage()
{
    std::cerr << "usage: make_images [--filter none|up] OUTDIR\n"
                 "  --filter  PNG row filter for the tint presets (default: none)\n";
}

std::optional<PngFilter> parseFilter(const std::string& name)
{
    if (name == "none") {
        return PngFilter::None;
    }
    if (name == "up") {
        return PngFilter::Up;
    }
    return std::nullopt;
}

std::optional<Options> parseArguments(int argc, char** argv)
{
    Options options;
    bool haveOutputDir = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--filter") == 0 && i + 1 < argc) {
            const std::optional<PngFilter> filter = parseFilter(argv[++i]);
            if (!filter) {
                return std::nullopt;
            }
            options.tintFilter = *filter;
        } else if (argv[i][0] != '-' && !haveOutputDir) {
            options.outputDir = argv[i];
            haveOutputDir = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveOutputDir) {
        return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseArguments(argc, argv);
    if (!options) {
        printUsage();
        return 2;
    }
    try {
        writeTints(options->outputDir, options->tintFilter);
        writeRing(options->outputDir);
        writeIcon(options->outputDir);
    } catch (const std::exception& error) {
        std::cerr << "make_images: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
