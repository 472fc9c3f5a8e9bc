#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vyr {

/// A float shown with 6 significant digits, a double with 15, in the shortest general form.
QString formatFloat(float value);
QString formatDouble(double value);

/// A colour packed as 0x00BBGGRR.
QColor colourFromRgb(uint32_t rgb);

/// Base of the parameter dialogs: the number fields and other checked controls are
/// registered in the order the dialog exchanges them; OK checks them in that order and stays
/// open at the first bad one, which takes the focus while a message box says what is wrong.
class CheckedDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CheckedDialog(QWidget* parent, const QString& caption);

    /// OK: closes only when every registered control holds an acceptable value.
    void accept() override;

    /// A 15 x 15 (or `size`) square of `colour()` with its top-left corner at the given
    /// fractions of the dialog's width and height, painted above the controls.
    void addSwatch(double fx, double fy, int size, std::function<uint32_t()> colour);

    /// Repaints the swatches after a colour changed (an edit, when edits are watched).
    void repaintSwatches();

    /// From now on every change of a control emits edited(), and a registered control whose
    /// value is not acceptable shows a pale red background with its problem as its tool tip;
    /// the problem of the control being typed in (else of the first bad one) is written in a
    /// note beside it.
    void watchEdits();
    /// The first registered control's problem; nothing when every value is acceptable.
    std::optional<QString> problem() const;

  signals:
    void edited();

  public:
    /// The "OK" and "Cancel" buttons, wired to accept() and reject().
    QDialogButtonBox* okCancelButtons();

  protected:
    /// Number fields: the value in the chosen format, checked against [low, high] (a float
    /// field compares its single-precision value).
    QLineEdit* floatField(const QString& name, float value, float low, float high);
    QLineEdit* doubleField(const QString& name, double value, double low, double high);
    /// A decimal integer with no range.
    QLineEdit* intField(const QString& name, int value);
    /// Any other control: `check` returns the message for a bad value, or nothing.
    void addCheck(QWidget* control, std::function<std::optional<QString>()> check);

    static float floatValue(const QLineEdit* field);
    static double doubleValue(const QLineEdit* field);
    static int intValue(const QLineEdit* field);

    void resizeEvent(QResizeEvent* event) override;

  private:
    // A number field checked against [low, high]; `single` compares the value as the float
    // it will be stored as.
    QLineEdit* numberField(const QString& name, const QString& text, double low, double high,
                           bool single);

    void showProblemNote(QWidget* control, const QString& text);

    struct Check {
        QWidget* control;
        std::function<std::optional<QString>()> message;
    };
    std::vector<Check> checks_;
    class SwatchLayer* swatches_ = nullptr;
    bool watching_ = false;
    QLabel* problemNote_ = nullptr;
};

/// The message for a number outside [low, high].
QString rangeMessage(double low, double high);

}  // namespace vyr
