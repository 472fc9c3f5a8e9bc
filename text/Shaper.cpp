#include "text/Shaper.h"

#include <hb.h>

namespace vyr {

namespace {

// Splits a feature list at its commas; an empty item is skipped.
std::vector<std::string> featureItems(const std::string& features) {
    std::vector<std::string> items;
    for (size_t at = 0; at <= features.size();) {
        const size_t comma = std::min(features.find(',', at), features.size());
        if (comma > at)
            items.push_back(features.substr(at, comma - at));
        at = comma + 1;
    }
    return items;
}

}  // namespace

struct Shaper::Handles {
    hb_blob_t* blob = nullptr;
    hb_face_t* face = nullptr;
    hb_font_t* font = nullptr;
    hb_buffer_t* buffer = hb_buffer_create();

    void close() {
        hb_font_destroy(font);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
        font = nullptr, face = nullptr, blob = nullptr;
    }
    ~Handles() {
        close();
        hb_buffer_destroy(buffer);
    }
};

Shaper::Shaper() : handles_(std::make_unique<Handles>()) {}

Shaper::~Shaper() = default;

bool Shaper::open(const std::string& path, int faceIndex) {
    if (handles_->font != nullptr && path == path_ && faceIndex == faceIndex_)
        return true;
    handles_->close();
    path_.clear();
    Handles& h = *handles_;
    h.blob = hb_blob_create_from_file_or_fail(path.c_str());
    if (h.blob == nullptr || faceIndex < 0 ||
        static_cast<unsigned>(faceIndex) >= hb_face_count(h.blob)) {
        handles_->close();
        return false;
    }
    h.face = hb_face_create(h.blob, static_cast<unsigned>(faceIndex));
    h.font = hb_font_create(h.face);
    // Positions in font units: the caller scales them as the outlines are scaled.
    const auto upem = static_cast<int>(hb_face_get_upem(h.face));
    hb_font_set_scale(h.font, upem, upem);
    path_ = path;
    faceIndex_ = faceIndex;
    return true;
}

std::vector<ShapedGlyph> Shaper::shape(std::u32string_view codes, size_t begin, size_t end,
                                       TextDirection direction, const std::string& language,
                                       const std::string& features) {
    std::vector<ShapedGlyph> out;
    if (handles_->font == nullptr || begin >= end)
        return out;
    hb_buffer_t* buffer = handles_->buffer;
    hb_buffer_reset(buffer);
    // The whole text is context for the line's characters; clusters index the whole text.
    hb_buffer_add_utf32(buffer, reinterpret_cast<const uint32_t*>(codes.data()),
                        static_cast<int>(codes.size()), static_cast<unsigned>(begin),
                        static_cast<int>(end - begin));
    if (direction != TextDirection::kAuto)
        hb_buffer_set_direction(
            buffer, direction == TextDirection::kRightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
    if (!language.empty())
        hb_buffer_set_language(buffer, hb_language_from_string(language.c_str(), -1));
    hb_buffer_guess_segment_properties(buffer);

    std::vector<hb_feature_t> list;
    for (const std::string& item : featureItems(features)) {
        hb_feature_t f;
        if (hb_feature_from_string(item.c_str(), static_cast<int>(item.size()), &f))
            list.push_back(f);
    }
    hb_shape(handles_->font, buffer, list.data(), static_cast<unsigned>(list.size()));

    unsigned count = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* at = hb_buffer_get_glyph_positions(buffer, &count);
    // A right-to-left run comes out in visual order already: its first glyph is the leftmost.
    out.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        out.push_back({info[i].codepoint, info[i].cluster, static_cast<double>(at[i].x_advance),
                       static_cast<double>(at[i].x_offset), static_cast<double>(at[i].y_offset)});
    return out;
}

std::vector<TextDirection> scriptDirections(std::u32string_view codes, size_t begin, size_t end) {
    hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
    std::vector<TextDirection> out(end - begin, TextDirection::kAuto);
    TextDirection last = TextDirection::kAuto;
    for (size_t i = begin; i < end; ++i) {
        const hb_direction_t d =
            hb_script_get_horizontal_direction(hb_unicode_script(unicode, codes[i]));
        if (d == HB_DIRECTION_RTL || d == HB_DIRECTION_LTR)
            last =
                d == HB_DIRECTION_RTL ? TextDirection::kRightToLeft : TextDirection::kLeftToRight;
        out[i - begin] = last;
    }
    // Leading characters of no direction take the first direction that follows.
    TextDirection next = TextDirection::kLeftToRight;
    for (size_t k = out.size(); k-- > 0;) {
        if (out[k] == TextDirection::kAuto)
            out[k] = next;
        else
            next = out[k];
    }
    return out;
}

std::optional<std::string> featureProblem(const std::string& features) {
    if (features.size() > 4096)
        return "the feature list is longer than 4096 bytes";
    for (const std::string& item : featureItems(features)) {
        hb_feature_t f;
        if (!hb_feature_from_string(item.c_str(), static_cast<int>(item.size()), &f))
            return "\"" + item + "\" is not a font feature (such as -liga, +smcp or kern=0)";
    }
    return std::nullopt;
}

std::optional<std::string> languageProblem(const std::string& language) {
    if (language.size() > 64 ||
        language.find_first_not_of(
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-") != std::string::npos)
        return "\"" + language + "\" is not a language tag (such as ar or hi-IN)";
    return std::nullopt;
}

}  // namespace vyr
