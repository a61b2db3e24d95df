#include "runtime/png_image.h"

#include <png.h>

namespace runtime {

PixelImage DecodePng(std::string_view file) {
  png_image header{};
  header.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&header, file.data(), file.size())) return {};

  header.format = PNG_FORMAT_BGRA;
  PixelImage image;
  image.width = static_cast<int>(header.width);
  image.height = static_cast<int>(header.height);
  image.bgra.resize(static_cast<std::size_t>(header.width) * header.height);
  if (!png_image_finish_read(&header, nullptr, image.bgra.data(), 0, nullptr)) {
    png_image_free(&header);
    return {};
  }
  return image;
}

}  // namespace runtime
