#pragma once

namespace vyr {

class Text;

/// The pair of display lists that draws a text object: the wire list (used while the user
/// drags) and the solid list, compiled from the object's last build. Needs a current OpenGL
/// context for every call, including destruction.
class TextLists {
  public:
    TextLists() = default;
    ~TextLists();
    TextLists(const TextLists&) = delete;
    TextLists& operator=(const TextLists&) = delete;

    /// Recompiles both lists when the text was rebuilt since the last call (or never
    /// compiled). Returns false when no list names could be reserved.
    bool update(const Text& text);
    /// Calls the wire list when `wire` is set, else the solid list, under the text's scale.
    void draw(const Text& text, bool wire) const;
    /// Covers the pixels draw() covers, without lighting, materials or normals: the wire
    /// list when `wire` is set, else the solid list's triangles alone. For stencil passes.
    void drawOutline(const Text& text, bool wire) const;

    unsigned wireList() const { return base_; }
    unsigned solidList() const { return base_ ? base_ + 1 : 0; }

  private:
    unsigned base_ = 0;
    unsigned outline_ = 0;
    unsigned generation_ = 0;
    bool compiled_ = false;
};

}  // namespace vyr
