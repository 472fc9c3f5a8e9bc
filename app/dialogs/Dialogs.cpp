#include "app/dialogs/Dialogs.h"

#include "app/dialogs/Platform.h"

namespace vyr {

namespace {

bool notYetAvailable(QWidget* parent) {
    showMessage(parent, QStringLiteral("This dialog is not yet available."));
    return false;
}

}  // namespace

bool DialogEditor::editCamera(CCamera&) {
    return notYetAvailable(parent_);
}
bool DialogEditor::editLight(CLight&) {
    return notYetAvailable(parent_);
}
bool DialogEditor::editText(CText&) {
    return notYetAvailable(parent_);
}
bool runPreferences(QWidget* parent, ViewSettings&, CText&) {
    return notYetAvailable(parent);
}
bool EditMaterials(QWidget* parent, CText&) {
    return notYetAvailable(parent);
}
bool runRenderOptions(QWidget* parent, ViewSettings&) {
    return notYetAvailable(parent);
}
void runExportVrml(QWidget* parent, const Scene&, ViewSettings&) {
    notYetAvailable(parent);
}
void runExportC(QWidget* parent, const Scene&) {
    notYetAvailable(parent);
}
void showHelpCredits(QWidget* parent) {
    notYetAvailable(parent);
}

}  // namespace vyr
