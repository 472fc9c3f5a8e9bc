#include "app/dialogs/Dialogs.h"

#include "app/dialogs/CameraDialog.h"
#include "app/dialogs/ExportCDialog.h"
#include "app/dialogs/ExportVrmlDialog.h"
#include "app/dialogs/HelpCreditsSheet.h"
#include "app/dialogs/LightDialog.h"
#include "app/dialogs/Platform.h"
#include "app/dialogs/PreferencesDialog.h"
#include "app/dialogs/RenderOptionsDialog.h"
#include "app/dialogs/TextMaterialsDialog.h"
#include "app/dialogs/TextPropertiesDialog.h"
#include "export/OutputFormats.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"
#include "text/Text.h"

namespace vyr {

namespace {

QString cannotWrite(const std::string& path, const std::string& why) {
    return QStringLiteral("The file \"%1\" could not be written: %2")
        .arg(QString::fromStdString(path), QString::fromStdString(why));
}

// Rebuilds the text after `previous` was replaced by the text's new values. A font that
// cannot be opened leaves the previous mesh and values in place and says so once.
void rebuildOrRestore(QWidget* parent, Text& text, const TextParameters& previous) {
    BuildResult built;
    {
        WaitCursor wait;
        built = text.buildMesh();
    }
    if (built.ok)
        return;
    const std::string font = text.parameters.fontFile;
    text.parameters = previous;
    showMessage(parent,
                QStringLiteral("The font \"%1\" cannot be used (%2). The text keeps its "
                               "previous shape.")
                    .arg(QString::fromStdString(font), QString::fromStdString(built.message)),
                true);
}

// Writes the files of `extension` for `path`, all or none; a failure is shown.
void writeOutput(QWidget* parent, const char* extension, const std::string& path,
                 const OutputSource& source) {
    OutputSet files;
    if (!files.add(findOutputFormat(extension)->files(path, source, true)) || !files.commit())
        showMessage(parent, cannotWrite(files.failedPath(), files.failure()), true);
}

// Shows a `Dialog` of `target` and applies it on OK; whether it was accepted.
template <class Dialog, class Target>
bool applyOnOk(QWidget* parent, Target& target) {
    Dialog dialog(parent, target);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.apply(target);
    return true;
}

}  // namespace

bool DialogEditor::editCamera(Camera& camera) {
    return applyOnOk<CameraDialog>(parent_, camera);
}

bool DialogEditor::editLight(Light& light) {
    return applyOnOk<LightDialog>(parent_, light);
}

bool DialogEditor::editText(Text& text) {
    TextPropertiesDialog dialog(parent_, text.parameters);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const TextParameters previous = text.parameters;
    dialog.apply(text.parameters);
    // A font picked from the installed families may change the folder alone.
    if (text.parameters.shapeDiffers(previous) ||
        text.parameters.fontsFolder != previous.fontsFolder)
        rebuildOrRestore(parent_, text, previous);
    return true;
}

bool runPreferences(QWidget* parent, ViewSettings& settings, Text& text) {
    PreferencesDialog dialog(parent, settings.wireframeMove, settings.fontsFolder);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings.wireframeMove = dialog.wireframeMove();
    const std::string folder = dialog.fontsFolder();
    if (folder != settings.fontsFolder)
        text.parameters.moveToFolder(folder);
    return true;
}

bool editMaterials(QWidget* parent, Text& text) {
    TextMaterialsDialog dialog(parent, text.parameters);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const TextParameters previous = text.parameters;
    dialog.apply(text.parameters);
    // The materials are compiled into the solid list, so even an unchanged set rebuilds.
    rebuildOrRestore(parent, text, previous);
    return true;
}

bool runRenderOptions(QWidget* parent, ViewSettings& settings) {
    return applyOnOk<RenderOptionsDialog>(parent, settings);
}

void runExportVrml(QWidget* parent, const Scene& scene, ViewSettings& settings) {
    ExportVrmlDialog dialog(parent, settings.vrmlFileName);
    if (dialog.exec() != QDialog::Accepted)
        return;
    settings.vrmlFileName = dialog.fileName();
    WaitCursor wait;
    writeOutput(parent, "wrl", settings.vrmlFileName, {scene, nullptr, dialog.parts()});
}

void runExportC(QWidget* parent, const Scene& scene) {
    ExportCDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    WaitCursor wait;
    writeOutput(parent, "c", dialog.name() + ".c", {scene, nullptr, {}});
}

void showHelpCredits(QWidget* parent) {
    HelpCreditsSheet sheet(parent);
    sheet.exec();
}

}  // namespace vyr
