#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>

namespace zrl {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kLit(255, 0, 0);
const QColor kUnlit(90, 20, 40);

// Rows of the letter Z, most significant bit on the left.
constexpr std::array<int, 7> kLetterZ = {0b11111, 0b00001, 0b00010, 0b00100,
                                         0b01000, 0b10000, 0b11111};

void DrawDotMatrix(QPainter& painter, const QRectF& area, const std::array<int, 7>& rows) {
    const qreal pitch = std::min(area.width() / 5, area.height() / 7);
    const QPointF origin = area.center() - QPointF(pitch * 2.5, pitch * 3.5);
    const qreal dot = pitch >= 4 ? pitch * 0.8 : pitch;
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            const bool lit = rows[static_cast<std::size_t>(row)] & (0b10000 >> column);
            painter.setBrush(lit ? kLit : kUnlit);
            const QRectF cell(origin + QPointF(column * pitch, row * pitch), QSizeF(dot, dot));
            pitch >= 4 ? painter.drawEllipse(cell) : painter.drawRect(cell);
        }
    }
}

void DrawPromotion(QPainter& painter, const QRect& area, int titleSize) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(20, 30, 110));
    sky.setColorAt(1, QColor(0, 0, 40));
    painter.fillRect(area, sky);

    const int matrixWidth = area.height() * 5 / 12;
    DrawDotMatrix(painter,
                  QRectF(area.left() + area.height() / 10, area.top() + area.height() / 8,
                         matrixWidth, area.height() * 3 / 4),
                  kLetterZ);

    const QRect text = area.adjusted(matrixWidth + area.height() / 5, 0, -8, 0);
    QFont title(QStringLiteral("Arial"), titleSize, QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(255, 220, 80));
    painter.drawText(text.adjusted(0, 0, 0, -area.height() / 2), Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Zerlin"));
    QFont line(QStringLiteral("Arial"), titleSize * 2 / 5);
    painter.setFont(line);
    painter.setPen(Qt::white);
    painter.drawText(text.adjusted(0, area.height() / 2 + 4, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Design 5 x 7 characters.\nVisit www.zerlin.example"));
}

// Drawn at the screen's pixel density, so the artwork stays sharp at 150% and 200%.
QPixmap Canvas(int width, int height, qreal scale) {
    QPixmap pixmap(QSize(width, height) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(kNavy);
    return pixmap;
}

QPixmap DrawPromotionPicture(int width, int height, int titleSize, qreal scale) {
    QPixmap pixmap = Canvas(width, height, scale);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawPromotion(painter, QRect(0, 0, width, height), titleSize);
    return pixmap;
}

}  // namespace

QPixmap DrawIconImage(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, size >= 32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    const qreal corner = size / 8.0;
    painter.drawRoundedRect(QRectF(0, 0, size, size), corner, corner);
    const qreal margin = size / 16.0;
    DrawDotMatrix(painter, QRectF(margin, margin, size - 2 * margin, size - 2 * margin), kLetterZ);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32}) {
        icon.addPixmap(DrawIconImage(size));
    }
    return icon;
}

QPixmap DrawCreditPicture(qreal scale) {
    QPixmap pixmap = Canvas(20, 14, scale);
    QPainter painter(&pixmap);
    painter.fillRect(QRect(1, 1, 18, 12), Qt::black);
    painter.setPen(Qt::NoPen);
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 5; ++row) {
            const bool lit = (column + row) % 3 == 0;
            painter.fillRect(QRect(2 + column * 2, 2 + row * 2, 1, 1), lit ? kLit : kUnlit);
        }
    }
    return pixmap;
}

QPixmap DrawSplashLogo(qreal scale) {
    return DrawPromotionPicture(259, 156, 26, scale);
}

QPixmap DrawAboutPicture(qreal scale) {
    return DrawPromotionPicture(487, 261, 40, scale);
}

namespace {

const QColor kLitDot(255, 0, 0);
const QColor kUnlitDot(70, 24, 24);
const QColor kOutsideDot(40, 14, 14);  // an unlit dot past the character's width

}  // namespace

QPixmap DrawShrunkGlyph(const Pattern& pattern, QSize most, int width) {
    const CellSize size = pattern.Size();
    QImage dots(size.width, size.height, QImage::Format_RGB32);
    for (int row = 0; row < size.height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(dots.scanLine(row));
        for (int column = 0; column < size.width; ++column) {
            line[column] = (pattern.Lit(row, column) ? kLitDot
                            : column < width         ? kUnlitDot
                                                     : kOutsideDot)
                               .rgb();
        }
    }
    return QPixmap::fromImage(dots.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void PaintDots(QPainter& painter, const Pattern& pattern, QPointF origin, qreal dot, qreal pitch,
               int width) {
    const QColor& lit = kLitDot;
    const QColor& unlit = kUnlitDot;
    const QColor& outside = kOutsideDot;
    const CellSize size = pattern.Size();
    for (int i = 0; i < size.Cells(); ++i) {
        const QPointF at = origin + QPointF(size.ColumnOf(i) * pitch, size.RowOf(i) * pitch);
        painter.fillRect(QRectF(at, QSizeF(dot, dot)), pattern[static_cast<std::size_t>(i)] ? lit
                                                       : size.ColumnOf(i) < width           ? unlit
                                                                                  : outside);
    }
}

QPixmap DrawGlyph(const Pattern& pattern, int dot, qreal scale, int gap, int width) {
    const int pitch = dot + gap;
    const CellSize size = pattern.Size();
    QPixmap pixmap(QSize(size.width * pitch + 1, size.height * pitch + 1) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(QColor(24, 8, 8));
    QPainter painter(&pixmap);
    PaintDots(painter, pattern, QPointF(1, 1), dot, pitch, width);
    return pixmap;
}

}  // namespace zrl
