#pragma once

#include "byte_buffer.h"

#include <ostream>
#include <vector>

struct IconImage {
    int size;   // width and height in pixels, at most 256
    Bytes data; // either an icon bitmap from encodeIconBitmap() or a whole PNG file
};

// Turns straight-alpha RGBA pixels, top row first, into the bitmap form an
// icon entry holds: a 32-bit BGRA DIB followed by its 1-bit AND mask.
Bytes encodeIconBitmap(int size, const Bytes& rgba);

// Writes a Windows .ico holding `images` in the given order.
void writeIco(std::ostream& out, const std::vector<IconImage>& images);
