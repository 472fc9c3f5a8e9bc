#include "render/SgiImage.h"

#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vyr {

namespace {

constexpr size_t kHeaderSize = 512;
// Lens-flare textures are a few hundred kilobytes; anything this large is not one of ours.
constexpr long kMaxFileSize = 256L << 20;

uint16_t big16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] << 8 | p[1]);
}
uint32_t big32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 |
           static_cast<uint32_t>(p[2]) << 8 | p[3];
}
void putBig16(std::vector<unsigned char>& out, size_t at, unsigned v) {
    out[at] = static_cast<unsigned char>(v >> 8);
    out[at + 1] = static_cast<unsigned char>(v);
}
void putBig32(std::vector<unsigned char>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<unsigned char>(v >> (24 - 8 * i));
}

bool fail(std::string* error, std::string why) {
    if (error)
        *error = std::move(why);
    return false;
}

std::string rowName(int y, int z) {
    return "row " + std::to_string(y) + " of channel " + std::to_string(z);
}

// Reads the whole file; false with the system's text for the failure.
bool readFile(const std::string& path, std::vector<unsigned char>& bytes, std::string* error) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return fail(error, path + ": " + std::strerror(errno));
    std::string why;
    long size = -1;
    if (std::fseek(f, 0, SEEK_END) != 0 || (size = std::ftell(f)) < 0 ||
        std::fseek(f, 0, SEEK_SET) != 0)
        why = std::strerror(errno);
    else if (size > kMaxFileSize)
        why = "file of " + std::to_string(size) + " bytes is too large for an SGI texture";
    else {
        bytes.resize(static_cast<size_t>(size));
        if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size())
            why = std::ferror(f) ? std::strerror(errno) : "file shrank while being read";
    }
    std::fclose(f);
    if (!why.empty()) {
        bytes.clear();
        return fail(error, path + ": " + why);
    }
    return true;
}

// Checks the header and the run-length tables of `image.file` and fills the rest of `image`.
bool parse(SgiImage& image, std::string* error) {
    const std::vector<unsigned char>& f = image.file;
    if (f.size() < kHeaderSize)
        return fail(error, "file of " + std::to_string(f.size()) +
                               " bytes is shorter than the 512-byte SGI header");
    image.magic = big16(&f[0]);
    image.type = big16(&f[2]);
    image.dimension = big16(&f[4]);
    image.xsize = big16(&f[6]);
    image.ysize = big16(&f[8]);
    image.zsize = big16(&f[10]);
    if ((image.type & 0xFF) == 2)
        return fail(error, "two bytes per sample are not supported");
    if (image.xsize == 0 || image.ysize == 0 || image.zsize == 0)
        return fail(error, "image of " + std::to_string(image.xsize) + " x " +
                               std::to_string(image.ysize) + " x " + std::to_string(image.zsize) +
                               " samples is empty");
    if (image.xsize > kSgiMaxSide || image.ysize > kSgiMaxSide)
        return fail(error, "image of " + std::to_string(image.xsize) + " x " +
                               std::to_string(image.ysize) + " is larger than " +
                               std::to_string(kSgiMaxSide) + " x " + std::to_string(kSgiMaxSide));

    const size_t rows = static_cast<size_t>(image.ysize) * image.zsize;
    if (!image.runLength()) {
        const size_t need = kHeaderSize + rows * image.xsize;
        if (f.size() < need)
            return fail(error, "verbatim pixels need " + std::to_string(need) +
                                   " bytes, the file has " + std::to_string(f.size()));
        return true;
    }

    const size_t tables = kHeaderSize + rows * 8;
    if (f.size() < tables)
        return fail(error, "run-length row tables need " + std::to_string(tables) +
                               " bytes, the file has " + std::to_string(f.size()));
    image.rowStart.resize(rows);
    image.rowLength.resize(rows);
    for (size_t i = 0; i < rows; ++i) {
        image.rowStart[i] = big32(&f[kHeaderSize + 4 * i]);
        image.rowLength[i] = big32(&f[kHeaderSize + 4 * (rows + i)]);
    }
    for (size_t i = 0; i < rows; ++i) {
        const int y = static_cast<int>(i % image.ysize), z = static_cast<int>(i / image.ysize);
        const uint64_t end = uint64_t{image.rowStart[i]} + image.rowLength[i];
        if (image.rowLength[i] > image.scratchSize())
            return fail(error, rowName(y, z) + " is " + std::to_string(image.rowLength[i]) +
                                   " bytes long, more than the row buffer of " +
                                   std::to_string(image.scratchSize()));
        if (end > f.size())
            return fail(error, rowName(y, z) + " at offset " + std::to_string(image.rowStart[i]) +
                                   " with " + std::to_string(image.rowLength[i]) +
                                   " bytes ends past the end of the file (" +
                                   std::to_string(f.size()) + " bytes)");
    }
    return true;
}

}  // namespace

std::unique_ptr<SgiImage> imageOpen(std::span<const unsigned char> bytes, std::string* error) {
    auto image = std::make_unique<SgiImage>();
    image->file.assign(bytes.begin(), bytes.end());
    if (!parse(*image, error))
        return nullptr;
    return image;
}

std::unique_ptr<SgiImage> imageOpen(const std::string& path, std::string* error) {
    auto image = std::make_unique<SgiImage>();
    if (!readFile(path, image->file, error))
        return nullptr;
    std::string why;
    if (!parse(*image, &why)) {
        fail(error, path + ": " + why);
        return nullptr;
    }
    return image;
}

bool imageGetRow(const SgiImage& image, unsigned char* destination, int y, int z,
                 std::string* error) {
    if (y < 0 || y >= image.ysize || z < 0 || z >= image.zsize)
        return fail(error, rowName(y, z) + " is outside the image");
    const size_t index = static_cast<size_t>(y) + static_cast<size_t>(z) * image.ysize;
    const size_t width = image.xsize;
    if (!image.runLength()) {
        std::memcpy(destination, image.file.data() + kHeaderSize + index * width, width);
        return true;
    }

    // imageOpen checked that the stored row lies inside the file.
    const unsigned char* in = image.file.data() + image.rowStart[index];
    const unsigned char* const inEnd = in + image.rowLength[index];
    size_t written = 0;
    for (;;) {
        if (in == inEnd)
            return fail(error, rowName(y, z) + " ends without its end-of-row packet");
        const unsigned char p = *in++;
        const size_t count = p & 0x7F;
        if (count == 0)
            break;
        if (count > width - written)
            return fail(error, rowName(y, z) + ": a packet of " + std::to_string(count) +
                                   " samples runs past the row's " + std::to_string(width));
        if (p & 0x80) {
            if (count > static_cast<size_t>(inEnd - in))
                return fail(error, rowName(y, z) + " ends inside a literal packet");
            std::memcpy(destination + written, in, count);
            in += count;
        } else {
            if (in == inEnd)
                return fail(error, rowName(y, z) + " ends inside a run packet");
            std::memset(destination + written, *in++, count);
        }
        written += count;
    }
    if (written != width)
        return fail(error, rowName(y, z) + " holds " + std::to_string(written) + " of its " +
                               std::to_string(width) + " samples");
    return true;
}

void imageClose(std::unique_ptr<SgiImage>& image) {
    image.reset();
}

namespace {

bool readWhole(std::unique_ptr<SgiImage> image, SgiTexture& texture, std::string* error) {
    if (image->zsize != 1)
        return fail(error,
                    "image has " + std::to_string(image->zsize) + " channels, a texture has one");
    SgiTexture out;
    out.width = image->xsize;
    out.height = image->ysize;
    out.channels = image->zsize;
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y)
        if (!imageGetRow(*image, out.pixels.data() + static_cast<size_t>(y) * out.width, y, 0,
                         error))
            return false;
    imageClose(image);
    texture = std::move(out);
    return true;
}

}  // namespace

bool readTexture(std::span<const unsigned char> bytes, SgiTexture& texture, std::string* error) {
    texture = {};
    std::unique_ptr<SgiImage> image = imageOpen(bytes, error);
    return image && readWhole(std::move(image), texture, error);
}

bool readTexture(const std::string& path, SgiTexture& texture, std::string* error) {
    texture = {};
    std::unique_ptr<SgiImage> image = imageOpen(path, error);
    if (!image)
        return false;
    std::string why;
    if (!readWhole(std::move(image), texture, &why))
        return fail(error, path + ": " + why);
    return true;
}

namespace {

// One row in SGI packets: runs of three or more equal bytes as run packets, the rest as
// literal packets, each at most 127 samples, then the end marker.
void encodeRow(const unsigned char* row, int width, std::vector<unsigned char>& out) {
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 127 && row[x + run] == row[x])
            ++run;
        if (run >= 3) {
            out.push_back(static_cast<unsigned char>(run));
            out.push_back(row[x]);
            x += run;
            continue;
        }
        int start = x, count = 0;
        while (x < width && count < 127) {
            if (x + 2 < width && row[x] == row[x + 1] && row[x] == row[x + 2])
                break;
            ++x;
            ++count;
        }
        out.push_back(static_cast<unsigned char>(0x80 | count));
        out.insert(out.end(), row + start, row + start + count);
    }
    out.push_back(0);
}

}  // namespace

std::vector<unsigned char> encodeSgi(const unsigned char* pixels, int width, int height,
                                     bool runLength) {
    assert(width >= 1 && width <= kSgiMaxSide && height >= 1 && height <= kSgiMaxSide);
    std::vector<unsigned char> out(kHeaderSize, 0);
    putBig16(out, 0, 474);                          // magic
    putBig16(out, 2, runLength ? 0x0101 : 0x0001);  // storage, bytes per sample
    putBig16(out, 4, 2);                            // dimension: one channel
    putBig16(out, 6, static_cast<unsigned>(width));
    putBig16(out, 8, static_cast<unsigned>(height));
    putBig16(out, 10, 1);
    putBig32(out, 12, 0);    // minimum sample
    putBig32(out, 16, 255);  // maximum sample
    const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    if (!runLength) {
        out.insert(out.end(), pixels, pixels + w * h);
        return out;
    }
    out.resize(kHeaderSize + 8 * h);
    for (size_t y = 0; y < h; ++y) {
        const size_t start = out.size();
        encodeRow(pixels + y * w, width, out);
        putBig32(out, kHeaderSize + 4 * y, static_cast<uint32_t>(start));
        putBig32(out, kHeaderSize + 4 * (h + y), static_cast<uint32_t>(out.size() - start));
    }
    return out;
}

}  // namespace vyr
