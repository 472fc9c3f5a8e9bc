#pragma once

#include <functional>

class QWidget;

namespace vyr {

class Camera;
class Light;
class Text;
class Scene;
struct TextParameters;
struct ViewSettings;

/// Rebuilds the text after `previous` was replaced by the text's new values. A font that
/// cannot be opened leaves the mesh and the previous values in place and says so once.
bool rebuildOrRestore(QWidget* parent, Text& text, const TextParameters& previous);

/// The scene objects' parameter dialogs ("Camera", "Light", "Text Properties"), modal on the
/// parent window. With `preview`, each acceptable change shows at once: it is given to the
/// object and `preview` is called; Cancel puts back the values from before the dialog. OK
/// applies the dialog's values. The caller redraws whatever the outcome.
class DialogEditor {
  public:
    explicit DialogEditor(QWidget* parent, std::function<void()> preview = {})
        : parent_(parent), preview_(std::move(preview)) {}
    bool editCamera(Camera& camera);
    bool editLight(Light& light);
    bool editText(Text& text);
    /// "Text Materials"; on OK the materials are stored and the text rebuilt.
    bool editMaterials(Text& text);

  private:
    /// The "Text Properties" or "Text Materials" dialog of the text.
    template <class Dialog>
    bool editTextWith(Text& text, bool rebuildAlways);

    QWidget* parent_;
    std::function<void()> preview_;
};

/// "Preferences": wireframeMove, and the fonts folder the text moves to (moveToFolder) when it
/// differs from settings.fontsFolder (which keeps its start-up value). True on OK.
bool runPreferences(QWidget* parent, ViewSettings& settings, Text& text);

/// The "Render" options dialog; on OK its eight values are stored in `settings`. True on OK
/// (the caller then draws the final frame).
bool runRenderOptions(QWidget* parent, ViewSettings& settings);

/// "Export VRML": the dialog, then the world file; failures are shown in a message box.
void runExportVrml(QWidget* parent, const Scene& scene, ViewSettings& settings);

/// "Export C/OpenGl": the dialog, then the header and source pair; failures are shown.
void runExportC(QWidget* parent, const Scene& scene);

/// The "Help/Credits" pages.
void showHelpCredits(QWidget* parent);

}  // namespace vyr
