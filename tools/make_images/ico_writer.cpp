#include "ico_writer.h"

#include <cstddef>

namespace {

constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 32;
constexpr std::uint16_t kIconResourceType = 1;
constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;

std::size_t maskRowBytes(int size)
{
    // Mask rows are padded to whole 32-bit words.
    return static_cast<std::size_t>((size + 31) / 32) * 4;
}

void appendBitmapInfoHeader(Bytes& bytes, int size)
{
    const std::size_t imageBytes =
        static_cast<std::size_t>(size) * size * 4 + maskRowBytes(size) * size;
    appendLittleEndian32(bytes, kBitmapInfoHeaderSize);
    appendLittleEndian32(bytes, static_cast<std::uint32_t>(size));
    // Icons count the colour bitmap and the mask together, hence twice the height.
    appendLittleEndian32(bytes, static_cast<std::uint32_t>(size * 2));
    appendLittleEndian16(bytes, 1); // planes
    appendLittleEndian16(bytes, kBitsPerPixel);
    appendLittleEndian32(bytes, 0); // uncompressed
    appendLittleEndian32(bytes, static_cast<std::uint32_t>(imageBytes));
    appendLittleEndian32(bytes, 0); // horizontal resolution: not given
    appendLittleEndian32(bytes, 0); // vertical resolution: not given
    appendLittleEndian32(bytes, 0); // no palette
    appendLittleEndian32(bytes, 0); // no palette
}

std::size_t pixelOffset(int size, int x, int y)
{
    return (static_cast<std::size_t>(y) * size + x) * 4;
}

// DIBs store their rows bottom-up.
void appendColourRows(Bytes& bytes, int size, const Bytes& rgba)
{
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* pixel = &rgba[pixelOffset(size, x, y)];
            bytes.insert(bytes.end(), {pixel[2], pixel[1], pixel[0], pixel[3]});
        }
    }
}

// Only consulted by renderers that ignore alpha: a set bit lets the
// background show through, so it is set wherever the picture is fully clear.
void appendMaskRows(Bytes& bytes, int size, const Bytes& rgba)
{
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(maskRowBytes(size), 0);
        for (int x = 0; x < size; ++x) {
            if (rgba[pixelOffset(size, x, y) + 3] == 0) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
}

void appendDirectoryEntry(Bytes& bytes, const IconImage& image, std::uint32_t offset)
{
    // A stored dimension of 0 means 256.
    const auto dimension = static_cast<std::uint8_t>(image.size == 256 ? 0 : image.size);
    bytes.push_back(dimension);
    bytes.push_back(dimension);
    bytes.push_back(0); // no palette
    bytes.push_back(0); // reserved
    appendLittleEndian16(bytes, 1); // planes
    appendLittleEndian16(bytes, kBitsPerPixel);
    appendLittleEndian32(bytes, static_cast<std::uint32_t>(image.data.size()));
    appendLittleEndian32(bytes, offset);
}

} // namespace

Bytes encodeIconBitmap(int size, const Bytes& rgba)
{
    Bytes bytes;
    appendBitmapInfoHeader(bytes, size);
    appendColourRows(bytes, size, rgba);
    appendMaskRows(bytes, size, rgba);
    return bytes;
}

void writeIco(std::ostream& out, const std::vector<IconImage>& images)
{
    Bytes directory;
    appendLittleEndian16(directory, 0); // reserved
    appendLittleEndian16(directory, kIconResourceType);
    appendLittleEndian16(directory, static_cast<std::uint16_t>(images.size()));

    auto offset = static_cast<std::uint32_t>(kDirectorySize + kDirectoryEntrySize * images.size());
    for (const IconImage& image : images) {
        appendDirectoryEntry(directory, image, offset);
        offset += static_cast<std::uint32_t>(image.data.size());
    }

    out.write(reinterpret_cast<const char*>(directory.data()),
              static_cast<std::streamsize>(directory.size()));
    for (const IconImage& image : images) {
        out.write(reinterpret_cast<const char*>(image.data.data()),
                  static_cast<std::streamsize>(image.data.size()));
    }
}
