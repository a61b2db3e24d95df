#pragma once

#include "png_writer.h"

#include <filesystem>

// Each function writes its picture(s) below `outputDir`.

void writeTints(const std::filesystem::path& outputDir, PngFilter filter);
void writeRing(const std::filesystem::path& outputDir);
void writeIcon(const std::filesystem::path& outputDir);
