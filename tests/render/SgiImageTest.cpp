#include <gtest/gtest.h>

#include "render/SgiImage.h"

using namespace vyr;
using Bytes = std::vector<unsigned char>;

namespace {

void put(Bytes& b, size_t at, uint32_t v, int size) {
    for (int i = 0; i < size; ++i)
        b[at + i] = static_cast<unsigned char>(v >> (8 * (size - 1 - i)));
}

// A header: type 0x0101 is run-length, 0x0001 verbatim; samples from 0 to 255.
Bytes header(unsigned type, unsigned width, unsigned height, unsigned channels = 1) {
    Bytes h(512, 0);
    const unsigned fields[6] = {474, type, 2, width, height, channels};
    for (int i = 0; i < 6; ++i)
        put(h, 2 * i, fields[i], 2);
    put(h, 16, 255, 4);
    return h;
}

// One run-length row written by hand: {7, 7, 7, 1, 2} by default.
Bytes handRunLength(const Bytes& packets = {0x03, 7, 0x82, 1, 2, 0x00}, unsigned width = 5) {
    Bytes f = header(0x0101, width, 1);
    f.resize(520);
    put(f, 512, 520, 4);
    put(f, 516, static_cast<uint32_t>(packets.size()), 4);
    f.insert(f.end(), packets.begin(), packets.end());
    return f;
}

// The file with a 32-bit value put at `at`, then cut or padded to `size` bytes (0: kept).
Bytes with(Bytes f, size_t at, uint32_t value, size_t size = 0) {
    put(f, at, value, 4);
    f.resize(size ? size : f.size());
    return f;
}

}  // namespace

TEST(SgiImage, FilesAreWrittenByteExactAndReadBackWhole) {
    // Runs of three or more as run packets, the rest as literals, then the end of the row.
    const Bytes row{5, 5, 5, 5, 1, 2, 2, 3, 3, 3, 4};
    EXPECT_EQ(encodeSgi(row.data(), 11, 1, true),
              handRunLength({0x04, 5, 0x83, 1, 2, 2, 0x03, 3, 0x81, 4, 0}, 11));

    // Long runs and literals, single samples; the widest and the tallest pictures accepted.
    for (const auto& [w, h] : {std::pair{300, 3}, {8192, 1}, {1, 8192}}) {
        Bytes picture(w * h);
        for (int i = 0; i < w * h; ++i)
            picture[i] = static_cast<unsigned char>(i < 200 ? 9 : i % 3 == 0 ? i : 200 + i / 100);
        for (const bool runLength : {false, true}) {
            SgiTexture t;
            ASSERT_TRUE(readTexture(encodeSgi(picture.data(), w, h, runLength), t));
            EXPECT_TRUE(t.pixels == picture && t.width == w && t.height == h) << w << runLength;
        }
    }
    // A stored row may fill the row buffer (256 bytes a sample) exactly.
    SgiTexture t;
    EXPECT_TRUE(readTexture(with(handRunLength(), 516, 1280, 1800), t));
    EXPECT_EQ(t.pixels, (Bytes{7, 7, 7, 1, 2}));
}

TEST(SgiImage, RowsOfEveryChannelAreReadAndNoneOutsideTheImage) {
    Bytes file = header(1, 2, 2, 2);  // two planes of two rows of two samples, verbatim
    for (unsigned char v = 0; v < 8; ++v)
        file.push_back(v);
    const auto image = imageOpen(file);
    unsigned char row[2];
    ASSERT_TRUE(image && imageGetRow(*image, row, 1, 1));
    EXPECT_TRUE(row[0] == 6 && row[1] == 7) << "plane 1, row 1";
    for (const auto& [y, z] : {std::pair{2, 0}, {0, 2}, {-1, 0}, {0, -1}})
        EXPECT_FALSE(imageGetRow(*image, row, y, z)) << y << z;
}

TEST(SgiImage, TruncatedOrLyingFilesAreRefusedWithTheirReason) {
    const Bytes good = handRunLength();
    const std::pair<Bytes, const char*> cases[] = {
        {with(good, 512, 520, 300), "file of 300 bytes is shorter than the 512-byte SGI header"},
        {with(header(1, 4, 4, 3), 12, 0, 559), "verbatim pixels need 560 bytes, the file has 559"},
        {header(1, 4, 0), "is empty"},
        {header(1, 9000, 1), "larger than 8192 x 8192"},
        {header(2, 4, 4), "two bytes per sample"},
        {with(header(0x0101, 5, 5, 2), 12, 0, 591), "row tables need 592 bytes"},
        {with(good, 512, 521), "ends past the end of the file (526 bytes)"},
        {with(good, 512, 0xFFFFFFFF), "ends past the end of the file"},
        {with(good, 516, 5 * 256 + 1), "more than the row buffer of 1280"},
        {handRunLength({0x03, 7, 0x03, 7, 0}), "a packet of 3 samples runs past the row's 5"},
        {handRunLength({0x85, 1, 2}), "ends inside a literal packet"},
        {handRunLength({0x05}), "ends inside a run packet"},
        {handRunLength({0x03, 7, 0x82, 1, 2}), "ends without its end-of-row packet"},
        {handRunLength({}), "ends without its end-of-row packet"},
        {handRunLength({0x03, 7, 0}), "holds 3 of its 5 samples"},
        {with(header(1, 1, 1, 3), 12, 0, 515), "image has 3 channels, a texture has one"},
    };
    for (const auto& [file, reason] : cases) {
        SCOPED_TRACE(reason);
        SgiTexture texture;
        std::string error;
        EXPECT_FALSE(readTexture(file, texture, &error));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_TRUE(texture.pixels.empty());
    }
}
