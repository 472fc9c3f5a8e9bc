#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vyr {

/// An open SGI image (".bw", ".rgb"): the header fields and, for run-length files, the row
/// tables. The whole file is held in memory; every offset and length in it has been checked
/// against the file's size when imageOpen returned it, so reading rows never leaves the file.
///
/// Layout (big-endian): a 512-byte header with magic, type (high byte 1: run-length), dimension,
/// xsize, ysize and zsize at bytes 0..11. Verbatim files follow with zsize planes of ysize rows
/// of xsize bytes, bottom row first. Run-length files follow with a table of ysize x zsize row
/// start offsets, a table of as many row lengths (32-bit each; row y of channel z is entry
/// y + z x ysize), then the encoded rows. One byte per sample.
struct SgiImage {
    uint16_t magic = 0;
    uint16_t type = 0;
    uint16_t dimension = 0;
    uint16_t xsize = 0;
    uint16_t ysize = 0;
    uint16_t zsize = 0;
    std::vector<unsigned char> file;
    std::vector<uint32_t> rowStart;   ///< run-length only, in host order
    std::vector<uint32_t> rowLength;  ///< run-length only, in host order

    bool runLength() const { return (type >> 8) == 1; }
    /// The longest encoded row accepted: the size of the row buffer a reader sets aside.
    size_t scratchSize() const { return static_cast<size_t>(xsize) * 256; }
};

/// Largest width and height accepted, so a lying header cannot ask for gigabytes.
inline constexpr int kSgiMaxSide = 8192;

/// Opens the SGI image at `path`. Returns nothing with `error` set to "<path>: <reason>" when
/// the file cannot be read (the reason is the system's text) or its header, row tables or
/// pixel data do not fit in the file.
std::unique_ptr<SgiImage> imageOpen(const std::string& path, std::string* error = nullptr);
/// The same for a file already in memory; `error` gets the reason alone.
std::unique_ptr<SgiImage> imageOpen(std::span<const unsigned char> bytes,
                                    std::string* error = nullptr);

/// Decodes row `y` (0 = bottom) of channel `z` into `destination`, xsize bytes. False with
/// `error` set, and `destination` possibly half-written, when the row is out of range, a
/// run-length packet would write past the row, the packets end before the row is full or
/// before their end marker.
bool imageGetRow(const SgiImage& image, unsigned char* destination, int y, int z,
                 std::string* error = nullptr);

/// Releases the image.
void imageClose(std::unique_ptr<SgiImage>& image);

/// A one-channel picture read by readTexture: width x height bytes, row 0 the file's first
/// (bottom) row.
struct SgiTexture {
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
    int channels = 0;
};

/// Reads a one-channel SGI image whole. Returns false with `error` set ("<path>: <reason>")
/// when the file cannot be opened, is damaged, or has other than one channel; `texture` is
/// then left empty, never half-filled.
bool readTexture(const std::string& path, SgiTexture& texture, std::string* error = nullptr);
/// The same for a file already in memory; `error` gets the reason alone.
bool readTexture(std::span<const unsigned char> bytes, SgiTexture& texture,
                 std::string* error = nullptr);

/// Writes a one-channel SGI image of width x height bytes (row 0 at the bottom), run-length
/// encoded or verbatim, as the SGI tools read it. Asserts 1 <= width, height <= kSgiMaxSide.
std::vector<unsigned char> encodeSgi(const unsigned char* pixels, int width, int height,
                                     bool runLength);

}  // namespace vyr
