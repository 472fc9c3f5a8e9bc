#include <gtest/gtest.h>

#include "render/SgiImage.h"

using namespace vyr;
using Bytes = std::vector<unsigned char>;

namespace {

void put(Bytes& b, size_t at, uint32_t v, int size) {
    for (int i = 0; i < size; ++i)
        b[at + i] = static_cast<unsigned char>(v >> (8 * (size - 1 - i)));
}

// A header of one channel: type 0x0101 is run-length, 0x0001 verbatim.
Bytes header(unsigned type, unsigned width, unsigned height, unsigned channels = 1) {
    Bytes h(512, 0);
    const unsigned fields[6] = {474, type, 2, width, height, channels};
    for (int i = 0; i < 6; ++i)
        put(h, 2 * i, fields[i], 2);
    return h;
}

// One run-length row of five samples, written by hand: {7, 7, 7, 1, 2} by default.
Bytes handRunLength(const Bytes& packets = {0x03, 7, 0x82, 1, 2, 0x00}) {
    Bytes f = header(0x0101, 5, 1);
    f.resize(520);
    put(f, 512, 520, 4);
    put(f, 516, static_cast<uint32_t>(packets.size()), 4);
    f.insert(f.end(), packets.begin(), packets.end());
    return f;
}

}  // namespace

TEST(SgiImage, VerbatimAndRunLengthFilesOfOnePictureGiveTheSameTexture) {
    SgiTexture hand, verbatim, runLength;
    ASSERT_TRUE(ReadTexture(handRunLength(), hand));
    EXPECT_EQ(hand.pixels, (Bytes{7, 7, 7, 1, 2}));

    // Runs longer than one packet holds, literals and single samples; 300 x 3.
    Bytes picture(900);
    for (int i = 0; i < 900; ++i)
        picture[i] = static_cast<unsigned char>(i < 200 ? 9 : i % 3 == 0 ? i : 200 + i / 100);
    ASSERT_TRUE(ReadTexture(encodeSgi(picture.data(), 300, 3, false), verbatim));
    ASSERT_TRUE(ReadTexture(encodeSgi(picture.data(), 300, 3, true), runLength));
    EXPECT_EQ(verbatim.pixels, picture);
    EXPECT_EQ(runLength.pixels, picture);
    EXPECT_EQ(runLength.width, 300);
    EXPECT_EQ(runLength.height, 3);
}

TEST(SgiImage, TruncatedOrLyingFilesAreRefusedWithTheirReason) {
    auto with = [](Bytes f, size_t at, uint32_t value, size_t size = 0) {
        put(f, at, value, 4);
        f.resize(size ? size : f.size());
        return f;
    };
    const Bytes good = handRunLength();
    const std::pair<Bytes, const char*> cases[] = {
        {with(good, 512, 520, 300), "file of 300 bytes is shorter than the 512-byte SGI header"},
        {with(header(1, 4, 4), 12, 0, 527), "verbatim pixels need 528 bytes, the file has 527"},
        {header(1, 0, 4), "is empty"},
        {header(1, 9000, 1), "larger than 8192 x 8192"},
        {header(2, 4, 4), "two bytes per sample"},
        {with(header(0x0101, 5, 10), 12, 0, 591), "row tables need 592 bytes"},
        {with(good, 512, 521), "ends past the end of the file (526 bytes)"},
        {with(good, 512, 0xFFFFFFFF), "ends past the end of the file"},
        {with(good, 516, 5 * 256 + 1), "more than the row buffer of 1280"},
        {handRunLength({0x7F, 7, 0}), "a packet of 127 samples runs past the row's 5"},
        {handRunLength({0x85, 1, 2}), "ends inside a literal packet"},
        {handRunLength({0x05, 7}), "ends without its end-of-row packet"},
        {handRunLength({0x03, 7, 0}), "holds 3 of its 5 samples"},
        {with(header(1, 1, 1, 3), 12, 0, 515), "image has 3 channels, a texture has one"},
    };
    for (const auto& [file, reason] : cases) {
        SCOPED_TRACE(reason);
        SgiTexture texture;
        std::string error;
        EXPECT_FALSE(ReadTexture(file, texture, &error));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_TRUE(texture.pixels.empty());
    }
}
