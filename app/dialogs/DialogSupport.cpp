#include "app/dialogs/DialogSupport.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "app/dialogs/Platform.h"

namespace vyr {

namespace {

// Reads a number the way the user typed it: blanks around it are allowed, anything else
// after it is not, and neither are infinities or NaN, which no field may hand on.
std::optional<double> parseNumber(const QLineEdit* field) {
    bool ok = false;
    const double v = QLocale::c().toDouble(field->text().trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> parseInt(const QLineEdit* field) {
    bool ok = false;
    const int v = QLocale::c().toInt(field->text().trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

QString notANumber() {
    return QStringLiteral("Please enter a number.");
}

}  // namespace

QString formatFloat(float value) {
    return QString::number(static_cast<double>(value), 'g', 6);
}

QString formatDouble(double value) {
    return QString::number(value, 'g', 15);
}

QColor colourFromRgb(uint32_t rgb) {
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

QString rangeMessage(double low, double high) {
    return QStringLiteral("Please enter a number between %1 and %2.")
        .arg(formatDouble(low), formatDouble(high));
}

// Paints the colour squares over the whole dialog, letting the mouse through to the
// controls beneath.
class SwatchLayer : public QWidget {
  public:
    struct Swatch {
        double fx, fy;
        int size;
        std::function<uint32_t()> colour;
    };

    explicit SwatchLayer(QWidget* dialog) : QWidget(dialog) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("swatches"));
    }
    std::vector<Swatch> swatches;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (const Swatch& s : swatches) {
            // Fractions of the dialog's own size, truncated toward zero. The window manager's
            // frame is not ours to measure or paint, so the size is the dialog's area.
            const int x = static_cast<int>(s.fx * width());
            const int y = static_cast<int>(s.fy * height());
            p.fillRect(x, y, s.size, s.size, colourFromRgb(s.colour()));
        }
    }
};

CheckedDialog::CheckedDialog(QWidget* parent, const QString& caption) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
}

void CheckedDialog::accept() {
    for (const Check& c : checks_) {
        if (const std::optional<QString> message = c.message()) {
            c.control->setFocus(Qt::OtherFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(c.control))
                edit->selectAll();
            showMessage(this, *message);
            return;
        }
    }
    QDialog::accept();
}

void CheckedDialog::addSwatch(double fx, double fy, int size, std::function<uint32_t()> colour) {
    if (swatches_ == nullptr) {
        swatches_ = new SwatchLayer(this);
        swatches_->setGeometry(rect());
    }
    swatches_->swatches.push_back({fx, fy, size, std::move(colour)});
    swatches_->raise();
    swatches_->update();
}

void CheckedDialog::repaintSwatches() {
    if (swatches_ != nullptr)
        swatches_->update();
    if (watching_)
        emit edited();
}

void CheckedDialog::watchEdits() {
    watching_ = true;
    problemNote_ = new QLabel(this);
    problemNote_->setObjectName(QStringLiteral("problem"));
    problemNote_->setWordWrap(true);
    problemNote_->setFrameShape(QFrame::Box);
    problemNote_->setMargin(2);
    problemNote_->setAutoFillBackground(true);
    problemNote_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette note;
    note.setColor(QPalette::Window, QColor(255, 240, 200));
    note.setColor(QPalette::WindowText, Qt::black);
    problemNote_->setPalette(note);
    problemNote_->hide();
    const auto changed = [this] {
        const QWidget* focus = focusWidget();
        const Check* noted = nullptr;
        QString noteText;
        for (const Check& c : checks_) {
            const std::optional<QString> message = c.message();
            c.control->setToolTip(message.value_or(QString()));
            QPalette marked;
            if (message)
                marked.setColor(QPalette::Base, QColor(255, 210, 210));
            c.control->setPalette(marked);
            // The note goes beside the control being typed in, else the first bad one.
            const bool typedIn =
                focus != nullptr && (c.control == focus || c.control->isAncestorOf(focus));
            if (message && (noted == nullptr || typedIn))
                noted = &c, noteText = *message;
        }
        showProblemNote(noted != nullptr ? noted->control : nullptr, noteText);
        emit edited();
    };
    for (auto* field : findChildren<QLineEdit*>())
        connect(field, &QLineEdit::textChanged, this, changed);
    for (auto* text : findChildren<QPlainTextEdit*>())
        connect(text, &QPlainTextEdit::textChanged, this, changed);
    for (auto* box : findChildren<QComboBox*>())
        connect(box, &QComboBox::currentTextChanged, this, changed);
    for (auto* button : findChildren<QAbstractButton*>()) {
        if (button->isCheckable())
            connect(button, &QAbstractButton::toggled, this, changed);
    }
    for (auto* slider : findChildren<QAbstractSlider*>())
        connect(slider, &QAbstractSlider::valueChanged, this, changed);
}

// The note sits just below `control`, as wide as it, or above it when there is no room below;
// it lies over the controls beneath without taking their clicks.
void CheckedDialog::showProblemNote(QWidget* control, const QString& text) {
    if (control == nullptr) {
        problemNote_->hide();
        return;
    }
    problemNote_->setText(text);
    const QRect at(control->mapTo(this, QPoint(0, 0)), control->size());
    const int width = std::max(at.width(), 160);
    problemNote_->resize(width, problemNote_->heightForWidth(width));
    int y = at.bottom() + 1;
    if (y + problemNote_->height() > height())
        y = std::max(0, at.top() - problemNote_->height());
    problemNote_->move(std::min(at.left(), std::max(0, this->width() - width)), y);
    problemNote_->show();
    problemNote_->raise();
}

std::optional<QString> CheckedDialog::problem() const {
    for (const Check& c : checks_) {
        if (std::optional<QString> message = c.message())
            return message;
    }
    return std::nullopt;
}

QDialogButtonBox* CheckedDialog::okCancelButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CheckedDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CheckedDialog::reject);
    return buttons;
}

void CheckedDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (swatches_ != nullptr) {
        swatches_->setGeometry(rect());
        swatches_->raise();
    }
}

QLineEdit* CheckedDialog::floatField(const QString& name, float value, float low, float high) {
    return numberField(name, formatFloat(value), low, high, true);
}

QLineEdit* CheckedDialog::doubleField(const QString& name, double value, double low, double high) {
    return numberField(name, formatDouble(value), low, high, false);
}

QLineEdit* CheckedDialog::numberField(const QString& name, const QString& text, double low,
                                      double high, bool single) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    addCheck(edit, [edit, low, high, single]() -> std::optional<QString> {
        const std::optional<double> v = parseNumber(edit);
        if (!v)
            return notANumber();
        // A float widens to double exactly, so the comparison is the float one.
        const double x = single ? static_cast<double>(static_cast<float>(*v)) : *v;
        if (!(x >= low && x <= high))
            return rangeMessage(low, high);
        return std::nullopt;
    });
    return edit;
}

QLineEdit* CheckedDialog::intField(const QString& name, int value) {
    auto* edit = new QLineEdit(QString::number(value), this);
    edit->setObjectName(name);
    addCheck(edit, [edit]() -> std::optional<QString> {
        if (!parseInt(edit))
            return QStringLiteral("Please enter an integer.");
        return std::nullopt;
    });
    return edit;
}

void CheckedDialog::addCheck(QWidget* control, std::function<std::optional<QString>()> check) {
    checks_.push_back({control, std::move(check)});
}

float CheckedDialog::floatValue(const QLineEdit* field) {
    return static_cast<float>(parseNumber(field).value_or(0.0));
}

double CheckedDialog::doubleValue(const QLineEdit* field) {
    return parseNumber(field).value_or(0.0);
}

int CheckedDialog::intValue(const QLineEdit* field) {
    return parseInt(field).value_or(0);
}

}  // namespace vyr
