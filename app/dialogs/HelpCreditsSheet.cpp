#include "app/dialogs/HelpCreditsSheet.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CommandIds.h"
#include "app/dialogs/Artwork.h"

namespace vyr {

namespace {

QLabel* paragraph(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QWidget* generalHelpPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const char* const paragraphs[] = {
        "You have access to the Pop Up menu by pressing the right mouse button over the client "
        "area.",
        "Thanks to the menu you can change the parameters for the lights, the text, the "
        "materials and the rendering options.",
        "All graphical operation need the use of the toolbar and take place within the "
        "viewport. Once you've set the text and the view properly, you might want to render it "
        "to obtain a superior image quality and to apply special effects.",
        "You might also want to export the resulting mesh to a VRML file or to output the data "
        "to a C/OpenGl source file that you could include in your own program.",
        "Do not hesitate to change text precision during manipulation, to enable or disable the "
        "beveling option, and so on....",
        "To obtain beautifu images you'll need to spend time on setting up the lights and the "
        "materials."};
    for (const char* p : paragraphs)
        layout->addWidget(paragraph(page, QString::fromLatin1(p)));
    layout->addStretch();
    return page;
}

// A raised, empty button face: light top-left edge, dark bottom-right edge.
QPixmap blankButton(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(QColor(0xD4, 0xD0, 0xC8));
    QPainter p(&pixmap);
    p.setPen(Qt::white);
    p.drawLine(0, 0, size - 1, 0);
    p.drawLine(0, 0, 0, size - 1);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(size - 1, 0, size - 1, size - 1);
    p.drawLine(0, size - 1, size - 1, size - 1);
    return pixmap;
}

// A button face with the toolbar's own picture of `commandId` centred in it.
QPixmap buttonPicture(int commandId, int size) {
    QPixmap framed = blankButton(size);
    QPainter p(&framed);
    const QIcon icon = toolbarIcon(commandId);
    const QSize inner =
        icon.availableSizes().constFirst().scaled(size - 4, size - 4, Qt::KeepAspectRatio);
    icon.paint(&p, QRect(QPoint((size - inner.width()) / 2, (size - inner.height()) / 2), inner));
    return framed;
}

QWidget* toolbarPage() {
    using namespace command;
    struct Row {
        const char* text;
        int commandId;  // 0: a heading without a button
    };
    const Row rows[] = {{"Modify selected light position/direction :", 0},
                        {"Translate selected light source", kTranslateLight},
                        {"Rotate selected light direction", kRotateLight},
                        {"Light Selection :", 0},
                        {"Yellow light", kSelectYellow},
                        {"Blue light", kSelectBlue},
                        {"Green light", kSelectGreen},
                        {"Flare", kSelectFlare},
                        {"Scale the text along the X and Y direction", kScaleText},
                        {"Turn around the scene ", kRotateCamera},
                        {"Zoom in or out by moving the mouse from right to left", kZoom}};
    auto* page = new QWidget;
    auto* grid = new QGridLayout;
    const int size = page->fontMetrics().height() + 8;
    int r = 0;
    for (const Row& row : rows) {
        if (row.commandId != 0) {
            auto* picture = new QLabel(page);
            picture->setPixmap(buttonPicture(row.commandId, size));
            grid->addWidget(picture, r, 0);
        }
        grid->addWidget(new QLabel(QString::fromLatin1(row.text), page), r, 1);
        ++r;
    }
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(paragraph(
        page, QStringLiteral("To modifiy the view, you need to select one of the 3 bottom buttons "
                             "and to use the mouse in the window. To modify a light position or "
                             "direction, you first have to select it by pushing it's "
                             "corresponding button on the toolbar.")));
    layout->addWidget(paragraph(
        page, QStringLiteral("Then you have to select between translating or changing the "
                             "orientation of the light with the two upper buttons. Eventually "
                             "you need to use the mouse in the viewport.")));
    layout->addStretch();
    return page;
}

QWidget* creditsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(paragraph(
        page, QStringLiteral("VYR, a modeller of three-dimensional extruded text, for Linux.")));
    layout->addWidget(paragraph(
        page,
        QStringLiteral(
            "Built with: Qt 6 (windows, dialogs and the OpenGL widget); FreeType (TrueType "
            "glyph outlines); fontconfig (finding the installed fonts); OpenGL through Mesa and "
            "GLU (drawing and the polygon tessellator); libjpeg-turbo (JPEG images); libpng "
            "(PNG images); Clipper (polygon clipping); CGAL and oneTBB.")));
    layout->addWidget(paragraph(
        page, QStringLiteral("Thanks to the authors and maintainers of these libraries and of "
                             "the Debian packages that carry them.")));
    layout->addStretch();
    return page;
}

}  // namespace

HelpCreditsSheet::HelpCreditsSheet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Help/Credits"));
    setModal(true);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    pages->addTab(generalHelpPage(), QStringLiteral("general help"));
    pages->addTab(toolbarPage(), QStringLiteral("ToolBar"));
    pages->addTab(creditsPage(), QStringLiteral("Credits"));
    pages->setCurrentIndex(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    resize(sizeHint().width(), sizeHint().height());
}

}  // namespace vyr
