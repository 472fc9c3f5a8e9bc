#include "app/dialogs/Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "app/CommandIds.h"

namespace vyr {

namespace {

constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 15;
const QColor kInk(40, 44, 52);

QPolygonF arrowHead(QPointF tip, double angleDegrees, double size) {
    const double a = angleDegrees * M_PI / 180.0;
    const QPointF back(std::cos(a), std::sin(a));
    const QPointF side(-back.y(), back.x());
    return QPolygonF{tip, tip - back * size + side * size * 0.6,
                     tip - back * size - side * size * 0.6};
}

void drawArrow(QPainter& p, QPointF from, QPointF to, double head) {
    p.drawLine(from, to);
    const QPointF d = to - from;
    p.setBrush(p.pen().color());
    p.drawPolygon(arrowHead(to, std::atan2(d.y(), d.x()) * 180.0 / M_PI, head));
}

void drawLamp(QPainter& p, QColor colour) {
    QRadialGradient glow(QPointF(8, 7.5), 7.5);
    glow.setColorAt(0.0, Qt::white);
    glow.setColorAt(0.45, colour);
    glow.setColorAt(1.0, QColor(colour.red(), colour.green(), colour.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(8, 7.5), 7.5, 7.5);
    p.setPen(QPen(colour.darker(170), 1.0));
    p.setBrush(colour);
    p.drawEllipse(QPointF(8, 7.5), 3.5, 3.5);
}

void drawButton(QPainter& p, int commandId) {
    using namespace command;
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (commandId) {
        case kTranslateLight:  // a four-way move
            drawArrow(p, {8, 7.5}, {14.5, 7.5}, 3);
            drawArrow(p, {8, 7.5}, {1.5, 7.5}, 3);
            drawArrow(p, {8, 7.5}, {8, 1}, 3);
            drawArrow(p, {8, 7.5}, {8, 14}, 3);
            break;
        case kRotateLight: {  // a beam swinging round its lamp
            p.setBrush(QColor(255, 214, 90));
            p.drawPolygon(QPolygonF{{2, 12}, {9, 5}, {12, 9}});
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(1.5, 1, 13, 13), 10 * 16, 110 * 16);
            p.setBrush(kInk);
            p.drawPolygon(arrowHead({14.2, 6.6}, 100, 3));
            break;
        }
        case kSelectYellow:
            drawLamp(p, QColor(240, 200, 0));
            break;
        case kSelectBlue:
            drawLamp(p, QColor(40, 110, 255));
            break;
        case kSelectGreen:
            drawLamp(p, QColor(20, 190, 60));
            break;
        case kSelectFlare: {  // a star burst with a halo ring
            p.setPen(QPen(QColor(255, 150, 20), 1.0));
            for (int i = 0; i < 8; ++i) {
                const double a = i * M_PI / 4.0;
                const double r = i % 2 ? 4.5 : 7.0;
                p.drawLine(QPointF(8, 7.5), QPointF(8 + r * std::cos(a), 7.5 + r * std::sin(a)));
            }
            p.setBrush(QColor(255, 240, 180));
            p.drawEllipse(QPointF(8, 7.5), 2.2, 2.2);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(120, 160, 255), 0.8));
            p.drawEllipse(QPointF(12, 11.5), 2.5, 2.5);
            break;
        }
        case kScaleText: {  // a letter with a stretch in x and y
            QFont font;
            font.setPixelSize(10);
            font.setBold(true);
            p.setFont(font);
            p.drawText(QRectF(0, 3, 10, 12), Qt::AlignCenter, QStringLiteral("A"));
            p.setPen(QPen(QColor(200, 40, 40), 1.1));
            drawArrow(p, {9.5, 12.5}, {15, 12.5}, 2.5);
            drawArrow(p, {12.5, 9.5}, {12.5, 1}, 2.5);
            break;
        }
        case kRotateCamera: {  // an orbit round the text
            p.setBrush(QColor(90, 130, 200));
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(6, 5, 4, 5));
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(1, 3, 14, 9), 200 * 16, 300 * 16);
            p.setBrush(kInk);
            p.drawPolygon(arrowHead({2.2, 9.8}, 120, 3));
            break;
        }
        case kZoom:  // a magnifier
            p.setPen(QPen(kInk, 1.6));
            p.setBrush(QColor(200, 225, 255));
            p.drawEllipse(QPointF(6.5, 6), 4.5, 4.5);
            p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 9.5), QPointF(14.5, 14));
            break;
        case kResetCamera: {  // back home
            p.setBrush(QColor(230, 230, 235));
            p.drawPolygon(QPolygonF{{8, 1.5}, {15, 8}, {13, 8}, {13, 14}, {3, 14}, {3, 8}, {1, 8}});
            p.setBrush(kInk);
            p.drawRect(QRectF(6.5, 9.5, 3, 4.5));
            break;
        }
        default:
            break;
    }
}

// Draws `text` as an extruded solid seen slightly from below-right: darker copies behind,
// then the lit front face.
void drawExtrudedText(QPainter& p, const QString& text, const QFont& font, QPointF origin,
                      int depth, QColor front, QColor side) {
    QPainterPath path;
    path.addText(origin, font, text);
    p.setPen(Qt::NoPen);
    for (int i = depth; i > 0; --i) {
        p.setBrush(side.darker(100 + 6 * i));
        p.drawPath(path.translated(i * 0.6, i * 0.8));
    }
    QLinearGradient face(path.boundingRect().topLeft(), path.boundingRect().bottomLeft());
    face.setColorAt(0.0, front.lighter(135));
    face.setColorAt(1.0, front);
    p.setBrush(face);
    p.setPen(QPen(front.darker(160), 0.8));
    p.drawPath(path);
}

}  // namespace

QIcon toolbarIcon(int commandId) {
    QPixmap pixmap(kButtonWidth, kButtonHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawButton(p, commandId);
    p.end();
    return QIcon(pixmap);
}

QPixmap programIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient back(0, 0, 0, 64);
    back.setColorAt(0.0, QColor(36, 52, 92));
    back.setColorAt(1.0, QColor(10, 14, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(50);
    font.setBold(true);
    drawExtrudedText(p, QStringLiteral("V"), font, QPointF(14, 50), 6, QColor(235, 180, 40),
                     QColor(150, 80, 20));
    return pixmap;
}

QIcon programIconSet() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(programIcon(size));
    return icon;
}

QPixmap splashPicture() {
    QPixmap pixmap(300, 200);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient back(QPointF(150, 80), 220);
    back.setColorAt(0.0, QColor(44, 64, 120));
    back.setColorAt(1.0, QColor(6, 8, 18));
    p.fillRect(pixmap.rect(), back);

    // Three spot lights' coloured pools behind the title.
    const QColor pools[] = {QColor(255, 220, 0, 70), QColor(40, 110, 255, 70),
                            QColor(20, 200, 60, 70)};
    const QPointF centres[] = {{70, 60}, {230, 55}, {150, 140}};
    for (int i = 0; i < 3; ++i) {
        QRadialGradient pool(centres[i], 90);
        pool.setColorAt(0.0, pools[i]);
        pool.setColorAt(1.0, Qt::transparent);
        p.fillRect(pixmap.rect(), pool);
    }

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(86);
    title.setBold(true);
    drawExtrudedText(p, QStringLiteral("VYR"), title, QPointF(48, 118), 10, QColor(235, 180, 40),
                     QColor(150, 80, 20));

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(220, 226, 240));
    p.drawText(QRectF(0, 140, 300, 20), Qt::AlignCenter,
               QStringLiteral("3D extruded text modeller"));
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(QColor(150, 160, 185));
    p.drawText(QRectF(0, 176, 300, 16), Qt::AlignCenter, QStringLiteral("Click to continue"));
    return pixmap;
}

}  // namespace vyr
