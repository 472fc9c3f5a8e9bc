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

// Writes the files of `extension` for `path`, all or none; a failure is shown.
void writeOutput(QWidget* parent, const char* extension, const std::string& path,
                 const OutputSource& source) {
    OutputSet files;
    if (!files.add(findOutputFormat(extension)->files(path, source, true)) || !files.commit())
        showMessage(parent, cannotWrite(files.failedPath(), files.failure()), true);
}

// Shows a `Dialog` of `target` and applies it on OK; whether it was accepted. With
// `preview`, each acceptable change is applied to `target` at once and shown by `preview`;
// Cancel puts back what `target` held before.
template <class Dialog, class Target>
bool applyOnOk(QWidget* parent, Target& target, const std::function<void()>& preview = {}) {
    const Target before = target;
    Dialog dialog(parent, target);
    if (preview) {
        dialog.watchEdits();
        QObject::connect(&dialog, &CheckedDialog::edited, &dialog, [&] {
            if (dialog.problem())
                return;
            target = before;
            dialog.apply(target);
            preview();
        });
    }
    const bool ok = dialog.exec() == QDialog::Accepted;
    target = before;
    if (ok)
        dialog.apply(target);
    return ok;
}

}  // namespace

bool rebuildOrRestore(QWidget* parent, Text& text, const TextParameters& previous) {
    BuildResult built;
    {
        WaitCursor wait;
        built = text.buildMesh();
    }
    if (built.ok)
        return true;
    const std::string font = text.parameters.fontFile;
    text.parameters = previous;
    showMessage(parent,
                QStringLiteral("The font \"%1\" cannot be used (%2). The text keeps its "
                               "previous shape.")
                    .arg(QString::fromStdString(font), QString::fromStdString(built.message)),
                true);
    return false;
}

bool DialogEditor::editCamera(Camera& camera) {
    return applyOnOk<CameraDialog>(parent_, camera, preview_);
}

bool DialogEditor::editLight(Light& light) {
    return applyOnOk<LightDialog>(parent_, light, preview_);
}

// The mesh is built from `built`; the dialog's values, and on Cancel those from before it,
// are built again whenever they shape another mesh (materials are part of the solid list,
// so they always do). A preview whose build fails keeps the last one; OK reports it.
template <class Dialog>
bool DialogEditor::editTextWith(Text& text, bool rebuildAlways) {
    const TextParameters before = text.parameters;
    TextParameters built = before;
    const auto differs = [rebuildAlways](const TextParameters& a, const TextParameters& b) {
        return rebuildAlways ? a != b : a.shapeDiffers(b) || a.fontsFolder != b.fontsFolder;
    };
    Dialog dialog(parent_, before);
    if (preview_) {
        dialog.watchEdits();
        QObject::connect(&dialog, &CheckedDialog::edited, &dialog, [&] {
            TextParameters next = before;
            if (dialog.problem() || (dialog.apply(next), !differs(next, built)))
                return;
            text.parameters = next;
            if (!text.buildMesh().ok) {
                text.parameters = built;  // the values of the mesh on show
                return;
            }
            built = next;
            preview_();
        });
    }
    const bool ok = dialog.exec() == QDialog::Accepted;
    text.parameters = before;
    if (ok) {
        dialog.apply(text.parameters);
        if ((rebuildAlways || differs(text.parameters, built)) &&
            rebuildOrRestore(parent_, text, before))
            built = text.parameters;
    }
    // Cancelled, or a font that failed: the values from before, built again after a preview.
    if (differs(text.parameters, built))
        text.buildMesh();
    return ok;
}

bool DialogEditor::editText(Text& text) {
    return editTextWith<TextPropertiesDialog>(text, false);
}

bool DialogEditor::editMaterials(Text& text) {
    return editTextWith<TextMaterialsDialog>(text, true);
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
