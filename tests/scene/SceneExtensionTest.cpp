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
    // version 1, the length of its one field, the field (a short string: one length byte).
    const std::vector<uint8_t> tail =
        bytesOf(std::string("VYRX\x01\0\0\0\x09\0\0\0\x08", 13) + utf8);
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
    const size_t block = good.size() - 17;  // tag, version, length, then 1 + 4 bytes of text
    const auto changed = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> b = good;
        b[at] = value;
        return b;
    };
    std::vector<uint8_t> cut(good.begin(), good.end() - 1), longer = good, junk = latin;
    longer.push_back(0);
    junk.insert(junk.end(), {'x', 'y'});
    const std::pair<std::vector<uint8_t>, std::string> cases[] = {
        {junk, "2 bytes after the scene are not an extension block"},
        {changed(block + 3, 'Y'), "are not an extension block"},
        {changed(block + 4, 2), "extension block has version 2"},
        {cut, "should hold 5 bytes but 4 follow"},
        {longer, "should hold 5 bytes but 6 follow"},
        {changed(block + 12, 9), "text in its extension block is cut short"},
        {changed(block + 12, 3), "holds more than its fields"},
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
