#pragma once

#include "byte_buffer.h"

#include <cstddef>
#include <cstdint>
#include <ostream>

#include <zlib.h>

enum class PngColour : std::uint8_t { Rgb = 2, Rgba = 6 };

// Filter applied to every row after the first. The first row always goes out
// unfiltered: Up has no row above it, so it would gain nothing there.
enum class PngFilter : std::uint8_t { None = 0, Up = 2 };

struct PngFormat {
    std::uint32_t width;
    std::uint32_t height;
    PngColour colour;
    PngFilter filter;
};

std::size_t bytesPerPixel(PngColour colour);

// Writes an 8-bit, non-interlaced PNG row by row. Rows are streamed through
// deflate as they arrive, so even a 5000x5000 picture never needs more than
// two raw rows in memory.
class PngWriter {
public:
    PngWriter(std::ostream& out, const PngFormat& format);
    ~PngWriter();
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    // `pixels` holds one row of width * bytesPerPixel bytes, top row first.
    void writeRow(const std::uint8_t* pixels);
    // Call once, after the last row.
    void finish();

private:
    void writeHeaderChunks();
    void filterRow(const std::uint8_t* pixels);
    void compress(const std::uint8_t* data, std::size_t size, int flush);
    void emitIdat();
    void writeChunk(const char* type, const Bytes& data);

    std::ostream& out_;
    PngFormat format_;
    std::size_t rowBytes_;
    std::uint32_t rowsWritten_ = 0;
    z_stream zlib_{};
    Bytes previousRow_;
    Bytes filteredRow_;
    Bytes idat_;
};

// Convenience for pictures that are already fully in memory.
void writePng(std::ostream& out, const PngFormat& format, const Bytes& pixels);
