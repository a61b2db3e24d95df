// Reads the committed pictures with a decoder of its own, so a wrong colour, size or
// format in a preset cannot hide behind the tool that made it.
#include <gtest/gtest.h>
#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t BigEndian(const unsigned char* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

struct Png {
  std::uint32_t width = 0, height = 0;
  int bitDepth = 0, colourType = 0, interlace = 0;
  Bytes idat;
  std::vector<std::string> chunks;
  bool crcsValid = true;
};

Png ParsePng(const Bytes& file) {
  static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Png png;
  EXPECT_GE(file.size(), 8u);
  EXPECT_TRUE(std::equal(signature, signature + 8, file.begin()));
  for (std::size_t at = 8; at + 12 <= file.size();) {
    const std::uint32_t length = BigEndian(&file[at]);
    const std::string type(file.begin() + at + 4, file.begin() + at + 8);
    const unsigned char* data = &file[at + 8];
    const uLong crc = crc32(crc32(0, &file[at + 4], 4), data, length);
    png.crcsValid = png.crcsValid && crc == BigEndian(data + length);
    png.chunks.push_back(type);
    if (type == "IHDR") {
      png.width = BigEndian(data);
      png.height = BigEndian(data + 4);
      png.bitDepth = data[8];
      png.colourType = data[9];
      png.interlace = data[12];
    } else if (type == "IDAT") {
      png.idat.insert(png.idat.end(), data, data + length);
    }
    at += 12 + length;
  }
  return png;
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Inflates and unfilters row by row, calling check(row) with each row's RGB bytes.
template <typename Check>
void ForEachRow(const Png& png, Check check) {
  const std::size_t stride = png.width * 3;
  z_stream z{};
  ASSERT_EQ(inflateInit(&z), Z_OK);
  z.next_in = const_cast<unsigned char*>(png.idat.data());
  z.avail_in = static_cast<uInt>(png.idat.size());
  Bytes previous(stride, 0), row(stride + 1);
  for (std::uint32_t y = 0; y < png.height; ++y) {
    z.next_out = row.data();
    z.avail_out = static_cast<uInt>(row.size());
    while (z.avail_out > 0) {
      const int status = inflate(&z, Z_NO_FLUSH);
      ASSERT_TRUE(status == Z_OK || (status == Z_STREAM_END && z.avail_out == 0)) << "row " << y;
    }
    const int filter = row[0];
    unsigned char* x = row.data() + 1;
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= 3 ? x[i - 3] : 0, b = previous[i], c = i >= 3 ? previous[i - 3] : 0;
      const int add = filter == 1   ? a
                      : filter == 2 ? b
                      : filter == 3 ? (a + b) / 2
                      : filter == 4 ? Paeth(a, b, c)
                                    : 0;
      ASSERT_LE(filter, 4);
      x[i] = static_cast<unsigned char>(x[i] + add);
    }
    previous.assign(x, x + stride);
    check(previous);
  }
  inflateEnd(&z);
}

struct Preset {
  const char* file;
  std::array<unsigned char, 3> rgb;
};

const Preset kPresets[] = {
    {"tints/0_recommended.png", {0xFF, 0xFF, 0xB8}}, {"tints/1_black.png", {0x00, 0x00, 0x00}},
    {"tints/2_yellow.png", {0xFF, 0xFF, 0x05}},      {"tints/3_green.png", {0x22, 0xAC, 0x38}},
    {"tints/4_red.png", {0xFC, 0x44, 0x0F}},
};

TEST(TintPresets, EachIsA5000SquareRgbPngOfExactlyOneColour) {
  for (const Preset& preset : kPresets) {
    SCOPED_TRACE(preset.file);
    const Bytes file = ReadFile(std::string(VIRESHADE_RESOURCES_DIR) + "/" + preset.file);
    const Png png = ParsePng(file);
    EXPECT_TRUE(png.crcsValid);
    EXPECT_EQ(png.width, 5000u);
    EXPECT_EQ(png.height, 5000u);
    EXPECT_EQ(png.bitDepth, 8);
    EXPECT_EQ(png.colourType, 2);
    EXPECT_EQ(png.interlace, 0);
    EXPECT_EQ(png.chunks.front(), "IHDR");
    EXPECT_EQ(png.chunks.back(), "IEND");
    EXPECT_LT(file.size(), 100000u) << "a preset is decoded at every repaint: keep it small";
    std::uint32_t wrong = 0;
    ForEachRow(png, [&](const Bytes& row) {
      for (std::size_t i = 0; i < row.size(); i += 3) {
        wrong +=
            row[i] != preset.rgb[0] || row[i + 1] != preset.rgb[1] || row[i + 2] != preset.rgb[2];
      }
    });
    EXPECT_EQ(wrong, 0u);
  }
}

TEST(RingPicture, Is203By105OpaqueRgbWithAWhiteDiscInALightGreyField) {
  const Png png = ParsePng(ReadFile(std::string(VIRESHADE_RESOURCES_DIR) + "/ring.png"));
  EXPECT_TRUE(png.crcsValid);
  EXPECT_EQ(png.width, 203u);
  EXPECT_EQ(png.height, 105u);
  EXPECT_EQ(png.colourType, 2);
  std::vector<Bytes> rows;
  ForEachRow(png, [&](const Bytes& row) { rows.push_back(row); });
  ASSERT_EQ(rows.size(), 105u);
  auto pixel = [&](int x, int y) {
    return std::array<int, 3>{rows[y][x * 3], rows[y][x * 3 + 1], rows[y][x * 3 + 2]};
  };
  EXPECT_EQ(pixel(0, 0), (std::array<int, 3>{235, 235, 235}));
  EXPECT_EQ(pixel(202, 104), (std::array<int, 3>{235, 235, 235}));
  EXPECT_EQ(pixel(94, 55), (std::array<int, 3>{255, 255, 255})) << "the disc under the percentage";
}

TEST(ApplicationIcon, HoldsTheSmallAndLargeSizes) {
  const Bytes ico = ReadFile(std::string(VIRESHADE_RESOURCES_DIR) + "/vireshade.ico");
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(ico[2], 1);  // type: icon
  const int count = ico[4] | ico[5] << 8;
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) sizes.push_back(ico[6 + 16 * i] == 0 ? 256 : ico[6 + 16 * i]);
  for (int wanted : {16, 32, 48, 256}) {
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), wanted), sizes.end()) << wanted;
  }
}

}  // namespace
