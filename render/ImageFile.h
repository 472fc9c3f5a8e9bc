#pragma once

#include <string>
#include <vector>

namespace vyr {

class Renderer;

/// How the bytes of one uncompressed pixel are laid out.
enum class PixelLayout {
    Rgb,   ///< red, green, blue
    Bgr,   ///< blue, green, red
    Rgbx,  ///< red, green, blue, one byte skipped
    Bgrx,  ///< blue, green, red, one byte skipped (a 32-bit 0xXXRRGGBB word, little-endian)
    Grey,  ///< one luminance byte
};

/// Encodes `height` rows of `width` pixels, top row first, each row `pitch` bytes apart (0:
/// packed) as a JPEG of the given quality (clamped to 1..100): YCbCr with 4:2:0 chroma
/// subsampling for colour layouts, one grey channel for Grey. Returns the file's bytes, or
/// nothing with `error` set.
std::vector<unsigned char> encodeJpeg(const unsigned char* pixels, int width, int height, int pitch,
                                      PixelLayout layout, int quality,
                                      std::string* error = nullptr);

/// Packed pixels of 3 (RGB) or 1 (grey) channels, top row first, as a JPEG in memory.
std::vector<unsigned char> encodeJpegToMemory(const unsigned char* pixels, int width, int height,
                                              int channels, int quality,
                                              std::string* error = nullptr);

/// Packed RGB pixels, top row first, as a PNG in memory (libpng).
std::vector<unsigned char> encodePng(const unsigned char* rgb, int width, int height,
                                     std::string* error = nullptr);

/// Writes `bytes` to `path` through an atomic file: the file appears whole or not at all.
/// False with `error` naming the file when it could not be written.
bool writeImageFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string* error = nullptr);

/// Reads back the frame the renderer just drew, encodes it at `quality` and writes it to
/// `name`. False with `error` set when encoding or writing failed; no file is left then.
bool saveRenderJpeg(const std::string& name, int quality, const Renderer& renderer,
                    std::string* error = nullptr);

}  // namespace vyr
