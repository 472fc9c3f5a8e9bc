#pragma once

#include <QString>

#include "app/dialogs/DialogSupport.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace vyr {

struct TextParameters;

/// "Text Properties": filters, font, text (of several lines) and its layout, and the shape of
/// the extrusion and bevel. The fonts folder travels with the dialog; picking an installed
/// family sets folder and file.
class TextPropertiesDialog : public CheckedDialog {
    Q_OBJECT
  public:
    TextPropertiesDialog(QWidget* parent, const TextParameters& text);

    /// Copies the dialog's values into `text` (not the mesh; fontPath is not recomposed).
    void apply(TextParameters& text) const;

  private:
    void makeFontBoxes(const TextParameters& text);
    void makeLayoutControls(const TextParameters& text);
    QWidget* layoutGroup();
    void layOut();
    void pickInstalledFont(int index);

    QString folder_;
    QComboBox* filter1_;
    QComboBox* filter2_;
    QComboBox* font_;
    QComboBox* installed_;
    QPlainTextEdit* text_;
    QComboBox* layout_;
    QComboBox* direction_;
    QComboBox* alignment_;
    QLineEdit* language_;
    QLineEdit* features_;
    QLineEdit* lineSpacing_;
    QLineEdit* faceIndex_;
    QLineEdit* precision_;
    QLineEdit* extrusion_;
    QCheckBox* bevel_;
    QCheckBox* rounded_;
    QLineEdit* bevelDepth_;
    QLineEdit* bevelWidth_;
};

}  // namespace vyr
