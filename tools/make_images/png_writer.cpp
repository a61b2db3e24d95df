#include "png_writer.h"

#include <algorithm>
#include <stdexcept>

namespace {

const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Each IDAT is emitted when this much compressed data has piled up.
constexpr std::size_t kIdatCapacity = 64 * 1024;

// 72 dpi expressed the way PNG wants it: pixels per metre.
constexpr std::uint32_t kPixelsPerMetre = 2835;
constexpr std::uint8_t kUnitMetre = 1;

} // namespace

std::size_t bytesPerPixel(PngColour colour)
{
    return colour == PngColour::Rgba ? 4 : 3;
}

PngWriter::PngWriter(std::ostream& out, const PngFormat& format)
    : out_(out),
      format_(format),
      rowBytes_(format.width * bytesPerPixel(format.colour)),
      previousRow_(rowBytes_),
      filteredRow_(rowBytes_ + 1),
      idat_(kIdatCapacity)
{
    writeHeaderChunks();
    if (deflateInit(&zlib_, Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("cannot initialise deflate");
    }
    zlib_.next_out = idat_.data();
    zlib_.avail_out = static_cast<uInt>(idat_.size());
}

PngWriter::~PngWriter()
{
    deflateEnd(&zlib_);
}

void PngWriter::writeRow(const std::uint8_t* pixels)
{
    if (rowsWritten_ == format_.height) {
        throw std::logic_error("more PNG rows than the header announced");
    }
    filterRow(pixels);
    compress(filteredRow_.data(), filteredRow_.size(), Z_NO_FLUSH);
    ++rowsWritten_;
}

void PngWriter::finish()
{
    if (rowsWritten_ != format_.height) {
        throw std::logic_error("fewer PNG rows than the header announced");
    }
    compress(nullptr, 0, Z_FINISH);
    if (zlib_.avail_out != idat_.size()) {
        emitIdat();
    }
    writeChunk("IEND", {});
}

void PngWriter::writeHeaderChunks()
{
    out_.write(reinterpret_cast<const char*>(kSignature), sizeof kSignature);

    Bytes header;
    appendBigEndian32(header, format_.width);
    appendBigEndian32(header, format_.height);
    header.push_back(8); // bits per channel
    header.push_back(static_cast<std::uint8_t>(format_.colour));
    header.push_back(0); // compression: deflate
    header.push_back(0); // filtering: adaptive per row
    header.push_back(0); // no interlacing
    writeChunk("IHDR", header);

    Bytes physical;
    appendBigEndian32(physical, kPixelsPerMetre);
    appendBigEndian32(physical, kPixelsPerMetre);
    physical.push_back(kUnitMetre);
    writeChunk("pHYs", physical);
}

void PngWriter::filterRow(const std::uint8_t* pixels)
{
    const bool useUp = format_.filter == PngFilter::Up && rowsWritten_ > 0;
    filteredRow_[0] = static_cast<std::uint8_t>(useUp ? PngFilter::Up : PngFilter::None);
    std::uint8_t* target = filteredRow_.data() + 1;
    if (useUp) {
        for (std::size_t i = 0; i < rowBytes_; ++i) {
            target[i] = static_cast<std::uint8_t>(pixels[i] - previousRow_[i]);
        }
    } else {
        std::copy(pixels, pixels + rowBytes_, target);
    }
    if (format_.filter == PngFilter::Up) {
        std::copy(pixels, pixels + rowBytes_, previousRow_.begin());
    }
}

void PngWriter::compress(const std::uint8_t* data, std::size_t size, int flush)
{
    // zlib's interface predates const, but it never writes through next_in.
    zlib_.next_in = const_cast<Bytef*>(data);
    zlib_.avail_in = static_cast<uInt>(size);
    for (;;) {
        const int status = deflate(&zlib_, flush);
        if (status == Z_STREAM_ERROR) {
            throw std::runtime_error("deflate failed");
        }
        const bool outputFull = zlib_.avail_out == 0;
        if (outputFull) {
            emitIdat();
        }
        // Deflate only stops short of a full output buffer once it has
        // consumed all input, so spare room means this row is done.
        const bool done = flush == Z_FINISH ? status == Z_STREAM_END : !outputFull;
        if (done) {
            return;
        }
    }
}

void PngWriter::emitIdat()
{
    const std::size_t used = idat_.size() - zlib_.avail_out;
    writeChunk("IDAT", Bytes(idat_.begin(), idat_.begin() + used));
    zlib_.next_out = idat_.data();
    zlib_.avail_out = static_cast<uInt>(idat_.size());
}

void PngWriter::writeChunk(const char* type, const Bytes& data)
{
    Bytes length;
    appendBigEndian32(length, static_cast<std::uint32_t>(data.size()));

    const auto* typeBytes = reinterpret_cast<const Bytef*>(type);
    uLong crc = crc32(0L, typeBytes, 4);
    // crc32() treats a null buffer as a request for its seed value, and an
    // empty vector may hand out null, so empty chunks must skip this step.
    if (!data.empty()) {
        crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    }
    Bytes checksum;
    appendBigEndian32(checksum, static_cast<std::uint32_t>(crc));

    out_.write(reinterpret_cast<const char*>(length.data()), 4);
    out_.write(type, 4);
    out_.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    out_.write(reinterpret_cast<const char*>(checksum.data()), 4);
}

void writePng(std::ostream& out, const PngFormat& format, const Bytes& pixels)
{
    PngWriter writer(out, format);
    const std::size_t rowBytes = format.width * bytesPerPixel(format.colour);
    for (std::uint32_t row = 0; row < format.height; ++row) {
        writer.writeRow(pixels.data() + row * rowBytes);
    }
    writer.finish();
}
