#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/FloatPoints.h"

namespace vyr {

class Scene;
struct ViewSettings;

/// What an undo step puts back: the scene's file bytes, and the view values that commands
/// change beside the scene (shading, background colour, flare point). A few hundred bytes
/// and the text; never the mesh, which is built again from them.
struct SceneState {
    std::vector<uint8_t> bytes;
    bool flatShading = false;
    uint32_t backgroundColour = 0;
    Float4 flarePosition;

    static SceneState of(const Scene& scene, const ViewSettings& settings);
    /// Gives the values back to the scene, whose text is built again, and to the settings.
    void restore(Scene& scene, ViewSettings& settings) const;

    friend bool operator==(const SceneState&, const SceneState&) = default;
};

/// One change to the scene, named for the Edit menu ("Undo <what>"). Pushed once the change
/// is made, so the first redo() does nothing; later ones, and undo(), hand the state after
/// or before to `show`, which restores and redraws it.
class SceneStep : public QUndoCommand {
  public:
    SceneStep(const QString& what, SceneState before, SceneState after,
              std::function<void(const SceneState&)> show);

    void undo() override { show_(before_); }
    void redo() override;

  private:
    SceneState before_, after_;
    std::function<void(const SceneState&)> show_;
    bool made_ = true;
};

}  // namespace vyr
