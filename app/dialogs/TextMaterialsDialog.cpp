#include "app/dialogs/TextMaterialsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "app/dialogs/Platform.h"
#include "text/TextParameters.h"

namespace vyr {

namespace {

constexpr int kSwatchSize = 15;
constexpr double kGroupX[3] = {0.2, 0.48, 0.75};
// Ambient, diffuse, specular, emission: the order of the buttons, top to bottom.
constexpr double kColourY[4] = {0.17, 0.3, 0.43, 0.56};
const char* const kColourNames[4] = {"Ambient", "Diffuse", "Specular", "Emission"};
const char* const kGroupCaptions[3] = {"Front && Backface ", "Side", "Bevelled side"};
const char* const kGroupNames[3] = {"front", "side", "bevel"};

std::array<float, 4>& colourOf(Material& m, int which) {
    switch (which) {
        case 0:
            return m.ambient;
        case 1:
            return m.diffuse;
        case 2:
            return m.specular;
        default:
            return m.emission;
    }
}

}  // namespace

int colourByte(float component) {
    const float scaled = component * 255.0f;
    if (!(scaled > 0.0f))
        return 0;
    return std::min(255, static_cast<int>(scaled));
}

TextMaterialsDialog::TextMaterialsDialog(QWidget* parent, const TextParameters& text)
    : CheckedDialog(parent, QStringLiteral("Text Materials")),
      materials_{text.frontMaterial, text.sideMaterial, text.bevelMaterial} {
    // Three equal columns take the left 84% of the width and the buttons the rest, so that
    // each swatch falls right of its group's colour buttons; the colour buttons keep their
    // natural width and the dialog is wide enough for them to end before the swatches.
    auto* layout = new QHBoxLayout(this);
    int buttonWidth = 0;
    for (int g = 0; g < 3; ++g) {
        auto* box = new QGroupBox(QLatin1String(kGroupCaptions[g]), this);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        for (int c = 0; c < 4; ++c) {
            auto* button = new QPushButton(QLatin1String(kColourNames[c]), box);
            button->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(kGroupNames[g]),
                                                             QLatin1String(kColourNames[c])));
            connect(button, &QPushButton::clicked, this, [this, g, c] {
                if (const std::optional<uint32_t> rgb = chooseColour(this)) {
                    std::array<float, 4>& colour = colourOf(materials_[g], c);
                    colour[0] = static_cast<float>(*rgb & 0xFF) / 255.0f;
                    colour[1] = static_cast<float>((*rgb >> 8) & 0xFF) / 255.0f;
                    colour[2] = static_cast<float>((*rgb >> 16) & 0xFF) / 255.0f;
                    repaintSwatches();
                }
            });
            button->setFixedWidth(button->sizeHint().width());
            buttonWidth = std::max(buttonWidth, button->width());
            grid->addWidget(button, c, 0);
            addSwatch(kGroupX[g], kColourY[c], kSwatchSize, [this, g, c]() -> uint32_t {
                const std::array<float, 4>& colour = colourOf(materials_[g], c);
                return static_cast<uint32_t>(colourByte(colour[0])) |
                       static_cast<uint32_t>(colourByte(colour[1])) << 8 |
                       static_cast<uint32_t>(colourByte(colour[2])) << 16;
            });
        }
        shininess_[g] = floatField(QStringLiteral("%1Shininess").arg(QLatin1String(kGroupNames[g])),
                                   materials_[g].shininess, 0.0f, 128.0f);
        shininess_[g]->setParent(box);
        grid->addWidget(new QLabel(QStringLiteral("Shininess"), box), 4, 0);
        grid->addWidget(shininess_[g], 5, 0, 1, 2);
        grid->setRowStretch(6, 1);
        layout->addWidget(box, 28);
    }
    QDialogButtonBox* buttons = okCancelButtons();
    buttons->setOrientation(Qt::Vertical);
    layout->addWidget(buttons, 16);
    // The third group starts near 0.56 w and its swatches sit at 0.75 w.
    setMinimumWidth(static_cast<int>((buttonWidth + 3 * kSwatchSize) / 0.19));
    setMinimumHeight(static_cast<int>(sizeHint().height() * 1.2));
}

void TextMaterialsDialog::apply(TextParameters& text) const {
    std::array<Material, 3> m = materials_;
    for (int g = 0; g < 3; ++g)
        m[g].shininess = floatValue(shininess_[g]);
    text.frontMaterial = m[0];
    text.sideMaterial = m[1];
    text.bevelMaterial = m[2];
}

}  // namespace vyr
