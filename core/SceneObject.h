#pragma once

#include <iosfwd>
#include <string>

namespace vyr {

class Archive;
class CCamera;
class CLight;
class CText;
struct ViewState;

/// Draws scene objects; implemented by the renderer.
class SceneRenderer {
  public:
    virtual ~SceneRenderer() = default;
    virtual void drawCamera(const CCamera& camera, const ViewState& view) = 0;
    virtual void drawLight(const CLight& light, const ViewState& view) = 0;
    virtual void drawText(const CText& text, const ViewState& view) = 0;
};

/// Opens the parameter dialogs of scene objects; implemented by the GUI. Each returns true
/// when the user confirmed.
class SceneEditor {
  public:
    virtual ~SceneEditor() = default;
    virtual bool editCamera(CCamera& camera) = 0;
    virtual bool editLight(CLight& light) = 0;
    virtual bool editText(CText& text) = 0;
};

/// Writes scene objects to a stream in one file format; implemented by the exporters.
class SceneWriter {
  public:
    virtual ~SceneWriter() = default;
    virtual void writeCamera(const CCamera& camera, std::ostream& out) = 0;
    virtual void writeLight(const CLight& light, std::ostream& out) = 0;
    virtual void writeText(const CText& text, std::ostream& out) = 0;
};

/// The serialisable base of the three scene classes. Drawing, dialogs and file formats live
/// in other libraries and are reached through the interfaces above.
class SceneObject {
  public:
    virtual ~SceneObject() = default;

    /// Registered class name ("CCamera", "CLight", "CText") and schema number (1).
    virtual const char* className() const = 0;
    int schema() const { return 1; }
    virtual void Serialize(Archive& archive) = 0;

    virtual void Draw(const ViewState& view, SceneRenderer& renderer) const = 0;
    /// Kept for its place among the operations; nothing calls it.
    virtual int Query() const { return -1; }
    virtual bool EditProperties(SceneEditor& editor) = 0;
    virtual void WriteVrml(std::ostream& out, SceneWriter& vrml) const = 0;
    virtual void WriteC(std::ostream& out, SceneWriter& c) const = 0;
};

}  // namespace vyr
