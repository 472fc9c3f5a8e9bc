#include "app/SceneHistory.h"

#include "scene/Scene.h"
#include "scene/SceneFile.h"
#include "scene/ViewSettings.h"

namespace vyr {

SceneState SceneState::of(const Scene& scene, const ViewSettings& settings) {
    return {sceneBytes(scene), settings.flatShading, settings.backgroundColour,
            settings.flarePosition};
}

void SceneState::restore(Scene& scene, ViewSettings& settings) const {
    // The bytes were written by this scene, so they load whole.
    loadSceneBytes(scene, bytes.data(), bytes.size(), "the undo history");
    settings.flatShading = flatShading;
    settings.backgroundColour = backgroundColour;
    settings.flarePosition = flarePosition;
}

SceneStep::SceneStep(const QString& what, SceneState before, SceneState after,
                     std::function<void(const SceneState&)> show)
    : QUndoCommand(what),
      before_(std::move(before)),
      after_(std::move(after)),
      show_(std::move(show)) {}

void SceneStep::redo() {
    if (made_) {
        made_ = false;
        return;
    }
    show_(after_);
}

}  // namespace vyr
