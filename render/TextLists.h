#pragma once

namespace vyr {

class Text;

/// The display lists that draw a text object: the wire list (used while the user drags), the
/// solid list, and the solid's triangles alone (for stencil passes). Each is compiled from the
/// object's last build when first drawn after it, so a rebuild costs only the lists that are
/// drawn. Needs a current OpenGL context for every call, including destruction.
class TextLists {
  public:
    TextLists() = default;
    ~TextLists();
    TextLists(const TextLists&) = delete;
    TextLists& operator=(const TextLists&) = delete;

    /// Marks the lists for recompiling when the text was rebuilt since the last call. Returns
    /// false when no list names could be reserved.
    bool update(const Text& text);
    /// Calls the wire list when `wire` is set, else the solid list, under the text's scale.
    void draw(const Text& text, bool wire);
    /// Covers the pixels draw() covers, without lighting, materials or normals: the wire
    /// list when `wire` is set, else the solid list's triangles alone. For stencil passes.
    void drawOutline(const Text& text, bool wire);

  private:
    enum Kind { kWire, kSolid, kOutline, kKinds };
    /// The list of `kind`, compiled from the text's last build if it does not hold it yet.
    unsigned list(const Text& text, Kind kind);

    unsigned base_ = 0;  // kKinds consecutive names
    unsigned generation_ = 0;
    bool current_ = false;
    bool compiled_[kKinds] = {};
};

}  // namespace vyr
