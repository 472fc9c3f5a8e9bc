// The scene file's extension block: text beyond Latin-1 round-trips byte for byte, a scene
// the fixed layout holds has no block, and a damaged block changes nothing.

#include <gtest/gtest.h>

#include <algorithm>

#include "scene/SceneFile.h"

using namespace vyr;

namespace {

std::vector<uint8_t> bytesOf(const std::string& s) {
    return {s.begin(), s.end()};
}

}  // namespace

TEST(SceneExtension, TextBeyondLatin1RoundTripsAndLatin1NeedsNoBlock) {
    Scene latin("/nonexistent");
    latin.text().parameters.text = "caf\xC3\xA9";
    const std::vector<uint8_t> plain = sceneBytes(latin);
    // The text field holds one byte per character, and nothing follows the fixed layout.
    const std::vector<uint8_t> text = bytesOf(
        "\x04"
        "caf\xE9");
    EXPECT_NE(std::search(plain.begin(), plain.end(), text.begin(), text.end()), plain.end());
    EXPECT_EQ(plain.size(), sceneBytes(Scene("/nonexistent")).size() + 3);

    Scene unicode("/nonexistent");
    const std::string utf8 = "\xD0\x96 \xE6\xBC\xA2\xC3\xA9";  // Ж 漢é
    unicode.text().parameters.text = utf8;
    const std::vector<uint8_t> bytes = sceneBytes(unicode);
    // The fixed text field: '?' for each character beyond Latin-1; then the block: tag,
    // version 1, the length of its fields, the text (a short string: one length byte), then
    // the default layout, direction, language, features, line spacing 1, alignment, face.
    const std::vector<uint8_t> tail =
        bytesOf(std::string("VYRX\x01\0\0\0\x23\0\0\0\x08", 13) + utf8 + std::string(10, '\0') +
                std::string("\0\0\0\0\0\0\xF0\x3F", 8) + std::string(8, '\0'));
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - tail.size()));
    const std::vector<uint8_t> field = bytesOf("\x04? ?\xE9");
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), field.begin(), field.end()), bytes.end());

    for (const auto& [file, expected] :
         {std::pair(&plain, "caf\xC3\xA9"), std::pair(&bytes, utf8.c_str())}) {
        Scene loaded("/nonexistent");
        EXPECT_TRUE(loadSceneBytes(loaded, file->data(), file->size(), "t.vyr").ok);
        EXPECT_EQ(loaded.text().parameters.text, expected);
        EXPECT_EQ(sceneBytes(loaded), *file);
    }
}

TEST(SceneExtension, ADamagedBlockIsRefusedAndChangesNothing) {
    Scene unicode("/nonexistent");
    unicode.text().parameters.text = "\xD0\x96\xD0\x96";
    const std::vector<uint8_t> good = sceneBytes(unicode),
                               latin = sceneBytes(Scene("/nonexistent"));
    const size_t block = good.size() - 43;  // header, then 5 bytes of text and 26 of values
    const auto changed = [&](size_t at, uint8_t value, int grow = 0) {
        std::vector<uint8_t> b = good;
        b[at] = value;
        b.resize(b.size() + grow);
        return b;
    };
    std::vector<uint8_t> junk = latin;
    junk.insert(junk.end(), {'x', 'y'});
    const std::pair<std::vector<uint8_t>, std::string> cases[] = {
        {junk, "2 bytes after the scene are not an extension block"},
        {changed(block + 3, 'Y'), "are not an extension block"},
        {changed(block + 4, 2), "extension block has version 2"},
        {changed(block, 'V', -1), "should hold 31 bytes but 30 follow"},
        {changed(block, 'V', 1), "should hold 31 bytes but 32 follow"},
        {changed(block + 8, 27, -4), "extension block is cut short"},
        {changed(block + 8, 32, 1), "holds more than its fields"},
        {changed(block + 17, 7), "does not know"},                   // the layout
        {changed(block + 33, 0), "line spacing outside 0.1 to 10"},  // an exponent byte
        {changed(block + 15, 0xFF),
         "not UTF-8 (byte " + std::to_string(block + 15) + " of the file)"}};
    for (const auto& [bytes, says] : cases) {
        Scene target("/nonexistent");
        target.text().parameters.text = "kept";
        const std::vector<uint8_t> before = sceneBytes(target);
        const SceneFileResult r = loadSceneBytes(target, bytes.data(), bytes.size(), "t.vyr");
        EXPECT_FALSE(r.ok) << says;
        EXPECT_NE(r.message.find(says), std::string::npos) << r.message;
        EXPECT_EQ(sceneBytes(target), before);
    }
}
