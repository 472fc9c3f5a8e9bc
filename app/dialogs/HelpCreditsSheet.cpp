#include "app/dialogs/HelpCreditsSheet.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

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

// The command each explained button carries on the main window's toolbar, in ToolbarButton
// order.
constexpr int kButtonCommands[] = {40019, 40020, 40021, 40058, 40059, 40063, 40066, 40045, 40051};

// The button's picture as the owner's toolbar shows it, or our own drawing when the sheet has
// no toolbar above it.
QPixmap buttonPicture(const QToolBar* toolBar, ToolbarButton button, int size) {
    if (toolBar != nullptr) {
        for (const QAction* action : toolBar->actions()) {
            if (action->data().toInt() == kButtonCommands[static_cast<int>(button)] &&
                !action->icon().isNull()) {
                QPixmap framed = blankButton(size);
                QPainter p(&framed);
                const QSize inner =
                    toolBar->iconSize().scaled(size - 4, size - 4, Qt::KeepAspectRatio);
                const QRect r(QPoint((size - inner.width()) / 2, (size - inner.height()) / 2),
                              inner);
                action->icon().paint(&p, r);
                return framed;
            }
        }
    }
    return toolbarButtonPicture(button, size);
}

QWidget* toolbarPage(const QToolBar* toolBar) {
    struct Row {
        const char* text;
        int button;  // -1: a heading without a button
    };
    const Row rows[] = {{"Modify selected light position/direction :", -1},
                        {"Translate selected light source", 0},
                        {"Rotate selected light direction", 1},
                        {"Light Selection :", -1},
                        {"Yellow light", 2},
                        {"Blue light", 3},
                        {"Green light", 4},
                        {"Flare", 5},
                        {"Scale the text along the X and Y direction", 6},
                        {"Turn around the scene ", 7},
                        {"Zoom in or out by moving the mouse from right to left", 8}};
    auto* page = new QWidget;
    auto* grid = new QGridLayout;
    const int size = page->fontMetrics().height() + 8;
    int r = 0;
    for (const Row& row : rows) {
        if (row.button >= 0) {
            auto* picture = new QLabel(page);
            picture->setPixmap(
                buttonPicture(toolBar, static_cast<ToolbarButton>(row.button), size));
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

void drawBulb(QPainter& p, int s, const QColor& colour) {
    p.setBrush(colour);
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QRectF(s * 0.25, s * 0.12, s * 0.5, s * 0.5));
    p.setBrush(Qt::gray);
    p.drawRect(QRectF(s * 0.38, s * 0.62, s * 0.24, s * 0.22));
}

void drawArrow(QPainter& p, QPointF from, QPointF to, double head) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    p.drawLine(to, to - u * head + n * head * 0.6);
    p.drawLine(to, to - u * head - n * head * 0.6);
}

}  // namespace

QPixmap toolbarButtonPicture(ToolbarButton button, int size) {
    QPixmap pixmap = blankButton(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(Qt::black, std::max(1.0, s / 14)));
    p.setBrush(Qt::NoBrush);
    switch (button) {
        case ToolbarButton::Translate:
            drawArrow(p, {s * 0.5, s * 0.5}, {s * 0.85, s * 0.5}, s * 0.15);
            drawArrow(p, {s * 0.5, s * 0.5}, {s * 0.15, s * 0.5}, s * 0.15);
            drawArrow(p, {s * 0.5, s * 0.5}, {s * 0.5, s * 0.15}, s * 0.15);
            drawArrow(p, {s * 0.5, s * 0.5}, {s * 0.5, s * 0.85}, s * 0.15);
            break;
        case ToolbarButton::Rotate:
            p.drawArc(QRectF(s * 0.2, s * 0.2, s * 0.6, s * 0.6), 30 * 16, 300 * 16);
            drawArrow(p, {s * 0.74, s * 0.36}, {s * 0.76, s * 0.33}, s * 0.16);
            break;
        case ToolbarButton::Yellow:
            drawBulb(p, size, QColor(255, 230, 0));
            break;
        case ToolbarButton::Blue:
            drawBulb(p, size, QColor(40, 90, 255));
            break;
        case ToolbarButton::Green:
            drawBulb(p, size, QColor(0, 200, 60));
            break;
        case ToolbarButton::Flare: {
            p.setPen(QPen(QColor(255, 150, 0), std::max(1.0, s / 14)));
            for (int i = 0; i < 8; ++i) {
                const double a = i * 3.14159265358979 / 4;
                p.drawLine(QPointF(s * 0.5, s * 0.5),
                           QPointF(s * (0.5 + 0.38 * std::cos(a)), s * (0.5 + 0.38 * std::sin(a))));
            }
            p.setBrush(QColor(255, 240, 120));
            p.drawEllipse(QPointF(s * 0.5, s * 0.5), s * 0.14, s * 0.14);
            break;
        }
        case ToolbarButton::Scale:
            p.setFont(QFont(QStringLiteral("Sans"), std::max(6, size / 2), QFont::Bold));
            p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("A"));
            drawArrow(p, {s * 0.6, s * 0.4}, {s * 0.9, s * 0.1}, s * 0.12);
            break;
        case ToolbarButton::Turn:
            p.drawEllipse(QRectF(s * 0.15, s * 0.35, s * 0.7, s * 0.3));
            drawArrow(p, {s * 0.3, s * 0.64}, {s * 0.55, s * 0.65}, s * 0.12);
            break;
        case ToolbarButton::Zoom:
            p.drawEllipse(QRectF(s * 0.18, s * 0.18, s * 0.42, s * 0.42));
            p.setPen(QPen(Qt::black, std::max(2.0, s / 8)));
            p.drawLine(QPointF(s * 0.55, s * 0.55), QPointF(s * 0.82, s * 0.82));
            break;
    }
    return pixmap;
}

HelpCreditsSheet::HelpCreditsSheet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Help/Credits"));
    setModal(true);
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    pages->addTab(generalHelpPage(), QStringLiteral("general help"));
    const QWidget* owner = parent != nullptr ? parent->window() : nullptr;
    pages->addTab(toolbarPage(owner != nullptr ? owner->findChild<QToolBar*>() : nullptr),
                  QStringLiteral("ToolBar"));
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
