#include "app/dialogs/TextPropertiesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/dialogs/SystemFonts.h"
#include "text/Shaper.h"
#include "text/TextParameters.h"

namespace vyr {

namespace {

QComboBox* filterBox(QWidget* parent, const QString& name, int number) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(filterNames());
    box->setCurrentIndex(number >= 0 && number < filterNames().size() ? number : -1);
    return box;
}

QComboBox* choiceBox(QWidget* parent, const QString& name, const QStringList& choices, int chosen) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(choices);
    box->setCurrentIndex(chosen);
    return box;
}

// The entry whose text the box shows (ignoring case), or -1 when the typed text names none.
int typedIndex(const QComboBox* box) {
    return box->findText(box->currentText(), Qt::MatchFixedString);
}

std::optional<QString> filterMessage(const QComboBox* box) {
    if (typedIndex(box) < 0)
        return rangeMessage(0, static_cast<double>(filterNames().size() - 1));
    return std::nullopt;
}

}  // namespace

TextPropertiesDialog::TextPropertiesDialog(QWidget* parent, const TextParameters& text)
    : CheckedDialog(parent, QStringLiteral("Text Properties")),
      folder_(QString::fromStdString(text.fontsFolder)) {
    filter1_ = filterBox(this, QStringLiteral("filter1"), text.filter1);
    filter2_ = filterBox(this, QStringLiteral("filter2"), text.filter2);
    addCheck(filter1_, [this] { return filterMessage(filter1_); });
    addCheck(filter2_, [this] { return filterMessage(filter2_); });

    makeFontBoxes(text);

    text_ = new QPlainTextEdit(QString::fromStdString(text.text), this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setTabChangesFocus(true);
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * 3 + 12);
    precision_ = doubleField(QStringLiteral("precision"), text.precision,
                             TextParameters::kMinPrecision, TextParameters::kMaxPrecision);
    extrusion_ = doubleField(QStringLiteral("extrusionLength"), text.extrusionLength, 0.0,
                             TextParameters::kMaxExtrusion);
    bevel_ = new QCheckBox(QStringLiteral("Enable Bevel"), this);
    bevel_->setObjectName(QStringLiteral("bevelOn"));
    bevel_->setChecked(text.bevelOn);
    rounded_ = new QCheckBox(QStringLiteral("Rounded Edges"), this);
    rounded_->setObjectName(QStringLiteral("roundedEdges"));
    rounded_->setChecked(text.roundedEdges);
    bevelDepth_ = doubleField(QStringLiteral("bevelDepth"), text.bevelDepth, 0.0,
                              TextParameters::kMaxBevelDepth);
    bevelWidth_ = floatField(QStringLiteral("bevelWidth"), text.bevelWidth, 0.0f,
                             TextParameters::kMaxBevelWidth);

    makeLayoutControls(text);
    layOut();

    // Tab order follows the order the values are exchanged and checked.
    QWidget* order[] = {filter1_,   filter2_,   font_,     installed_, text_,        layout_,
                        direction_, alignment_, language_, features_,  lineSpacing_, faceIndex_,
                        precision_, extrusion_, bevel_,    rounded_,   bevelDepth_,  bevelWidth_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

// The font file box (the folder's fonts, editable) and the installed families.
void TextPropertiesDialog::makeFontBoxes(const TextParameters& text) {
    font_ = new QComboBox(this);
    font_->setObjectName(QStringLiteral("font"));
    font_->setEditable(true);
    font_->setInsertPolicy(QComboBox::NoInsert);
    int selected = -1;
    font_->addItems(fontChoices(folder_, QString::fromStdString(text.fontFile), &selected));
    font_->setCurrentIndex(selected);

    installed_ = new QComboBox(this);
    installed_->setObjectName(QStringLiteral("installedFont"));
    installed_->addItem(QStringLiteral("(choose an installed family)"));
    for (const InstalledFont& f : installedFonts())
        installed_->addItem(f.family, QStringList{f.path, QString::number(f.face)});
    connect(installed_, &QComboBox::activated, this, &TextPropertiesDialog::pickInstalledFont);
}

// The layout's choices and fields, checked after the text.
void TextPropertiesDialog::makeLayoutControls(const TextParameters& text) {
    layout_ = choiceBox(this, QStringLiteral("layout"),
                        {QStringLiteral("Simple"), QStringLiteral("Shaped")},
                        static_cast<int>(text.layout));
    direction_ = choiceBox(
        this, QStringLiteral("direction"),
        {QStringLiteral("Auto"), QStringLiteral("Left to right"), QStringLiteral("Right to left")},
        static_cast<int>(text.direction));
    alignment_ =
        choiceBox(this, QStringLiteral("alignment"),
                  {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")},
                  static_cast<int>(text.alignment));
    language_ = new QLineEdit(QString::fromStdString(text.language), this);
    language_->setObjectName(QStringLiteral("language"));
    language_->setPlaceholderText(QStringLiteral("from the text"));
    features_ = new QLineEdit(QString::fromStdString(text.features), this);
    features_->setObjectName(QStringLiteral("features"));
    features_->setPlaceholderText(QStringLiteral("-liga,+smcp"));
    // The language and the features as the command line and the scene file take them.
    const auto checked = [this](QLineEdit* field, auto problemOf) {
        addCheck(field, [field, problemOf]() -> std::optional<QString> {
            if (const auto why = problemOf(field->text().trimmed().toStdString()))
                return QString::fromStdString(*why);
            return std::nullopt;
        });
    };
    checked(language_, languageProblem);
    checked(features_, featureProblem);
    lineSpacing_ = doubleField(QStringLiteral("lineSpacing"), text.lineSpacing,
                               TextParameters::kMinLineSpacing, TextParameters::kMaxLineSpacing);
    faceIndex_ =
        doubleField(QStringLiteral("faceIndex"), text.faceIndex, 0, TextParameters::kMaxFaceIndex);
    addCheck(faceIndex_, [this]() -> std::optional<QString> {
        const double v = doubleValue(faceIndex_);
        if (v != static_cast<int>(v))
            return QStringLiteral("Please enter a whole number.");
        return std::nullopt;
    });
}

QWidget* TextPropertiesDialog::layoutGroup() {
    auto* group = new QGroupBox(QStringLiteral("Layout"), this);
    auto* grid = new QGridLayout(group);
    const std::pair<const char*, QWidget*> cells[] = {{"Layout", layout_},
                                                      {"Direction", direction_},
                                                      {"Align", alignment_},
                                                      {"Language", language_},
                                                      {"Features", features_},
                                                      {"Line spacing", lineSpacing_},
                                                      {"Face in collection", faceIndex_}};
    int at = 0;
    for (const auto& [label, control] : cells) {
        grid->addWidget(new QLabel(QLatin1String(label), group), at / 2, (at % 2) * 2);
        grid->addWidget(control, at / 2, (at % 2) * 2 + 1);
        ++at;
    }
    return group;
}

void TextPropertiesDialog::layOut() {
    auto* filters = new QGroupBox(QStringLiteral("Filters"), this);
    auto* filtersLayout = new QFormLayout(filters);
    filtersLayout->addRow(QStringLiteral("filter1"), filter1_);
    filtersLayout->addRow(QStringLiteral("filter2"), filter2_);

    auto* main = new QFormLayout;
    main->addRow(QStringLiteral("Font"), font_);
    main->addRow(QStringLiteral("Installed fonts"), installed_);
    main->addRow(QStringLiteral("Text to display"), text_);
    auto* precisionRow = new QHBoxLayout;
    precisionRow->addWidget(precision_);
    precisionRow->addWidget(new QLabel(QStringLiteral("( 1 most accurate )"), this));
    main->addRow(QStringLiteral("Precision"), precisionRow);
    main->addRow(QStringLiteral("Extrusion Length"), extrusion_);

    auto* bevelGroup = new QGroupBox(QStringLiteral("Bevel"), this);
    auto* bevelLayout = new QGridLayout(bevelGroup);
    bevelLayout->addWidget(bevel_, 0, 0);
    bevelLayout->addWidget(rounded_, 0, 1);
    bevelLayout->addWidget(new QLabel(QStringLiteral("Bevel Depth (extrusion)"), bevelGroup), 1, 0);
    bevelLayout->addWidget(bevelDepth_, 1, 1);
    bevelLayout->addWidget(new QLabel(QStringLiteral("Bevel Width"), bevelGroup), 2, 0);
    bevelLayout->addWidget(bevelWidth_, 2, 1);
    auto* note = new QLabel(tr("The bevel narrows where strokes are thinner than twice its width."),
                            bevelGroup);
    note->setWordWrap(true);
    bevelLayout->addWidget(note, 3, 0, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filters);
    layout->addLayout(main);
    layout->addWidget(layoutGroup());
    layout->addWidget(bevelGroup);
    layout->addStretch();
    layout->addWidget(okCancelButtons());
}

void TextPropertiesDialog::pickInstalledFont(int index) {
    const QStringList pathAndFace = installed_->itemData(index).toStringList();
    if (pathAndFace.size() != 2)
        return;
    const QFileInfo file(pathAndFace[0]);
    folder_ = file.absolutePath();
    font_->setEditText(file.fileName());
    faceIndex_->setText(pathAndFace[1]);
}

void TextPropertiesDialog::apply(TextParameters& text) const {
    text.filter1 = typedIndex(filter1_);
    text.filter2 = typedIndex(filter2_);
    text.chooseFont(folder_.toStdString(), font_->currentText().toStdString());
    text.text = text_->toPlainText().toStdString();
    text.layout = static_cast<TextLayout>(layout_->currentIndex());
    text.direction = static_cast<TextDirection>(direction_->currentIndex());
    text.alignment = static_cast<TextAlignment>(alignment_->currentIndex());
    text.language = language_->text().trimmed().toStdString();
    text.features = features_->text().trimmed().toStdString();
    text.lineSpacing = doubleValue(lineSpacing_);
    text.faceIndex = static_cast<int>(doubleValue(faceIndex_));
    text.precision = doubleValue(precision_);
    text.extrusionLength = doubleValue(extrusion_);
    text.bevelOn = bevel_->isChecked();
    text.roundedEdges = rounded_->isChecked();
    text.bevelDepth = doubleValue(bevelDepth_);
    text.bevelWidth = floatValue(bevelWidth_);
}

}  // namespace vyr
