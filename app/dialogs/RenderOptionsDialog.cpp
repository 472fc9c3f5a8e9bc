#include "app/dialogs/RenderOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/dialogs/Platform.h"
#include "scene/ViewSettings.h"

namespace vyr {

namespace {
constexpr int kSwatchSize = 18;
constexpr double kSwatchX = 0.7;
constexpr double kSwatchY = 0.57;

QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name, bool on) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}
}  // namespace

RenderOptionsDialog::RenderOptionsDialog(QWidget* parent, const ViewSettings& settings)
    : CheckedDialog(parent, QStringLiteral("Render")),
      openingQuality_(settings.jpegQuality),
      glowColour_(settings.glowColour) {
    auto* jpeg = new QGroupBox(QStringLiteral("Save to Jpeg"), this);
    toFile_ = checkBox(jpeg, QStringLiteral("Render to File"), QStringLiteral("renderToFile"),
                       settings.renderToFile);
    fileName_ = new QLineEdit(QString::fromStdString(settings.jpegFileName), jpeg);
    fileName_->setObjectName(QStringLiteral("fileName"));
    fileName_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    auto* browse = new QPushButton(QStringLiteral("Browse"), jpeg);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &RenderOptionsDialog::browse);
    quality_ = new QSlider(Qt::Horizontal, jpeg);
    quality_->setObjectName(QStringLiteral("quality"));
    quality_->setRange(1, 100);
    quality_->setValue(openingQuality_);

    auto* jpegLayout = new QGridLayout(jpeg);
    jpegLayout->addWidget(toFile_, 0, 0, 1, 3);
    jpegLayout->addWidget(fileName_, 1, 0, 1, 3);
    jpegLayout->addWidget(browse, 1, 3);
    jpegLayout->addWidget(new QLabel(QStringLiteral("Image quality"), jpeg), 2, 0, 1, 3,
                          Qt::AlignHCenter);
    jpegLayout->addWidget(new QLabel(QStringLiteral("Low"), jpeg), 3, 0);
    jpegLayout->addWidget(quality_, 3, 1);
    jpegLayout->addWidget(new QLabel(QStringLiteral("High"), jpeg), 3, 2);
    jpegLayout->addWidget(new QLabel(QStringLiteral("Compression rate"), jpeg), 4, 0, 1, 3,
                          Qt::AlignHCenter);
    jpegLayout->addWidget(new QLabel(QStringLiteral("High"), jpeg), 5, 0);
    jpegLayout->addWidget(new QLabel(QStringLiteral("Low"), jpeg), 5, 2);

    auto* fx = new QGroupBox(QStringLiteral("F/X"), this);
    flare_ =
        checkBox(fx, QStringLiteral("Render "), QStringLiteral("lensFlare"), settings.lensFlareOn);
    antialiasing_ = checkBox(fx, QStringLiteral("Antialiasing"), QStringLiteral("antialiasing"),
                             settings.antialiasingOn);
    glow_ = checkBox(fx, QStringLiteral("Render Glow"), QStringLiteral("glow"), settings.glowOn);
    auto* colour = new QPushButton(QStringLiteral("Color"), fx);
    colour->setObjectName(QStringLiteral("color"));
    connect(colour, &QPushButton::clicked, this, &RenderOptionsDialog::chooseGlowColour);
    thickness_ = intField(QStringLiteral("thickness"), settings.glowThickness);
    thickness_->setParent(fx);

    auto* fxLayout = new QGridLayout(fx);
    fxLayout->addWidget(flare_, 0, 0);
    fxLayout->addWidget(new QLabel(QStringLiteral("Lens Flare"), fx), 1, 0);
    fxLayout->addWidget(antialiasing_, 2, 0);
    fxLayout->addWidget(glow_, 3, 0);
    fxLayout->addWidget(colour, 3, 1);
    fxLayout->addWidget(new QLabel(QStringLiteral("Thickness"), fx), 4, 0);
    fxLayout->addWidget(thickness_, 4, 1);
    // The swatch is painted right of the colour button.
    fxLayout->setColumnMinimumWidth(2, kSwatchSize + 24);
    fxLayout->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(jpeg);
    layout->addWidget(fx);
    layout->addStretch();
    layout->addWidget(okCancelButtons());
    addSwatch(kSwatchX, kSwatchY, kSwatchSize, [this] { return glowColour_; });
}

void RenderOptionsDialog::browse() {
    // Only the file name can change here; every other control keeps what it shows, except
    // the track bar, which goes back to the quality the dialog was opened with.
    const std::optional<FileChoice> choice = chooseFile(
        this, FileChooserKind::Save, QStringLiteral("JPG Image File|*.jpg| All (*.*) |*.*|"),
        QStringLiteral("*.jpg"), QStringLiteral("jpg Image File"));
    if (choice) {
        const QString& ext = choice->extension;
        if (ext == QLatin1String("JPG") || ext == QLatin1String("jpg") ||
            ext == QLatin1String("Jpg")) {
            fileName_->setText(choice->path);
        } else {
            showMessage(this, QStringLiteral("Jpg Image Format only supported"), true);
        }
    }
    quality_->setRange(1, 100);
    quality_->setValue(openingQuality_);
}

void RenderOptionsDialog::chooseGlowColour() {
    if (const std::optional<uint32_t> c = chooseColour(this, 0)) {
        glowColour_ = *c;
        repaintSwatches();
    }
}

void RenderOptionsDialog::apply(ViewSettings& settings) const {
    settings.renderToFile = toFile_->isChecked();
    settings.jpegFileName = fileName_->text().toStdString();
    settings.jpegQuality = quality_->value();
    settings.lensFlareOn = flare_->isChecked();
    settings.antialiasingOn = antialiasing_->isChecked();
    settings.glowOn = glow_->isChecked();
    settings.glowThickness = intValue(thickness_);
    settings.glowColour = glowColour_;
}

}  // namespace vyr
