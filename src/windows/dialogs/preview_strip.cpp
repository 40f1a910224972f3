#include "preview_strip.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>

namespace zrl {

namespace {

constexpr int kMargin = 4;
// Dots of 3 pixels with one between, smaller for tall cells so the strip stays low.
constexpr int kLargestPitch = 4;
constexpr int kTallest = 40;
// A cell taller than that is drawn a pixel a dot and scaled down whole to this height.
constexpr int kTallestStrip = 80;
constexpr int kSettling = 300;  // ms
// How bright an unlit dot is beside a lit one, and a dot of a missing character's box.
constexpr qreal kUnlit = 0.16;
constexpr qreal kBox = 0.45;
// What Dots() holds for a dot: none, unlit, lit, or on a missing character's box.
enum Dot { kNone = -1, kOff = 0, kOn = 1, kBoxDot = 2 };

QColor Dimmed(const QColor& colour, qreal brightness) {
    QColor dimmed = colour;
    dimmed.setRgbF(colour.redF() * brightness, colour.greenF() * brightness,
                   colour.blueF() * brightness);
    return dimmed;
}

const std::array<PreviewStrip::Colour, 5> kColours{{
    {QStringLiteral("Red"), QColor(255, 40, 24)},
    {QStringLiteral("Green"), QColor(48, 255, 72)},
    {QStringLiteral("Amber"), QColor(255, 176, 0)},
    {QStringLiteral("Blue"), QColor(64, 128, 255)},
    {QStringLiteral("White"), QColor(240, 240, 240)},
}};

const std::array<PreviewStrip::Speed, 4> kSpeeds{{
    {QStringLiteral("Still"), 0},
    {QStringLiteral("Slowly"), 8},
    {QStringLiteral("Steadily"), 16},
    {QStringLiteral("Fast"), 32},
}};

}  // namespace

std::span<const PreviewStrip::Colour> PreviewStrip::Colours() {
    return kColours;
}

std::span<const PreviewStrip::Speed> PreviewStrip::Speeds() {
    return kSpeeds;
}

PreviewStrip::PreviewStrip(QWidget* parent)
    : QWidget(parent), timer_(new QTimer(this)), describing_(new QTimer(this)) {
    setAccessibleName(QStringLiteral("Preview"));
    // A screen reader hears the text once the typing settles, not at every key.
    describing_->setSingleShot(true);
    describing_->setInterval(kSettling);
    connect(describing_, &QTimer::timeout, this, [this] { setAccessibleDescription(text_); });
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(sizeHint().height());
    connect(timer_, &QTimer::timeout, this, &PreviewStrip::Step);
}

void PreviewStrip::Show(const CharacterSet* set, const QString& text) {
    set_ = set;
    text_ = text;
    // The set may be the same object with another cell: the strip's height follows the cell.
    if (Cell() != cell_) {
        cell_ = Cell();
        setMinimumHeight(sizeHint().height());
        updateGeometry();
    }
    describing_->start();
    Render();
}

void PreviewStrip::SetColour(int colour) {
    colour_ = std::clamp(colour, 0, static_cast<int>(kColours.size()) - 1);
    Render();
}

void PreviewStrip::SetSpeed(int speed) {
    const int dots = kSpeeds[static_cast<std::size_t>(
                                 std::clamp(speed, 0, static_cast<int>(kSpeeds.size()) - 1))]
                         .dotsPerSecond;
    scrolled_ = 0;
    if (dots == 0) {
        timer_->stop();
    } else {
        timer_->start(1000 / dots);
    }
    update();
}

// The text moves one dot to the left, and comes round again once it has left the strip.
void PreviewStrip::Step() {
    const qreal shown = Shown();
    const int lap = static_cast<int>((width() - 2 * kMargin) / shown) + Columns();
    scrolled_ = lap > 0 ? (scrolled_ + 1) % lap : 0;
    update();
}

CellSize PreviewStrip::Cell() const {
    return set_ != nullptr ? set_->Cell() : kDefaultSize;
}

int PreviewStrip::Pitch() const {
    return std::clamp(kTallest / Cell().height, 2, kLargestPitch);
}

bool PreviewStrip::IsShrunk() const {
    return Cell().height > kTallest;
}

qreal PreviewStrip::Shown() const {
    return IsShrunk() ? static_cast<qreal>(kTallestStrip) / Cell().height : Pitch();
}

const SetCharacter* PreviewStrip::CharacterFor(char32_t code) const {
    return set_ != nullptr && code <= static_cast<char32_t>(kLastUnicode)
               ? set_->Find(static_cast<int>(code))
               : nullptr;
}

std::vector<std::vector<int>> PreviewStrip::Dots() const {
    const CellSize size = Cell();
    // Each character of the text by its code point, those past U+FFFF included.
    const QList<uint> codes = text_.toUcs4();
    std::vector<int> advances;
    int columns = 0;
    for (const uint c : codes) {
        const SetCharacter* found = CharacterFor(c);
        advances.push_back(found != nullptr ? found->width + 1 : size.width + 1);
        columns += advances.back();
    }
    // The last character's cell ends the strip, with no gap after it.
    columns = codes.isEmpty() ? 0 : columns - advances.back() + size.width;
    std::vector<std::vector<int>> dots(static_cast<std::size_t>(size.height),
                                       std::vector<int>(static_cast<std::size_t>(columns), -1));
    int left = 0;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        const SetCharacter* found = CharacterFor(codes[i]);
        const int own = found != nullptr ? found->width : size.width;
        for (int row = 0; row < size.height; ++row) {
            for (int column = 0; column < size.width && left + column < columns; ++column) {
                const bool lit = found != nullptr && found->pattern.Lit(row, column);
                const bool edge =
                    row == 0 || row == size.height - 1 || column == 0 || column == size.width - 1;
                const int value = found == nullptr && edge ? kBoxDot : lit ? kOn : kOff;
                // Past its width a character shows only the dots it lights.
                if (lit || column < own) {
                    int& dot = dots[static_cast<std::size_t>(row)]
                                   [static_cast<std::size_t>(left + column)];
                    dot = std::max(dot, value);
                }
            }
        }
        left += advances[static_cast<std::size_t>(i)];
    }
    return dots;
}

QStringList PreviewStrip::Rows() const {
    QStringList rows;
    for (const std::vector<int>& row : Dots()) {
        QString line;
        for (const int dot : row) {
            line += dot == kOn ? u'#' : u'.';
        }
        rows << line;
    }
    return rows;
}

QString PreviewStrip::Missing() const {
    QStringList missing;
    for (const uint c : text_.toUcs4()) {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        if (CharacterFor(c) == nullptr && !missing.contains(character)) {
            missing << character;
        }
    }
    return missing.isEmpty()
               ? QString()
               : QStringLiteral("Not in the set: ") + missing.join(QStringLiteral(", "));
}

// As wide as ten 5x7 characters, as high as the set's cell.
QSize PreviewStrip::sizeHint() const {
    return {kMargin * 2 + 40 * (kColumns + 1) * kLargestPitch / 4,
            kMargin * 2 + static_cast<int>(std::lround(Cell().height * Shown()))};
}

// The dots are laid out for every change; only those the strip shows are drawn, so a
// long text costs no more to show than a short one.
void PreviewStrip::Render() {
    dots_ = Dots();
    update();
}

int PreviewStrip::Columns() const {
    return dots_.empty() ? 0 : static_cast<int>(dots_.front().size());
}

void PreviewStrip::PaintDots(QPainter& painter, qreal left, int first, int last) const {
    const int pitch = Pitch();
    const qreal size = pitch - 1;
    const QColor lit = kColours[static_cast<std::size_t>(colour_)].lit;
    const QColor shades[] = {Dimmed(lit, kUnlit), lit, Dimmed(lit, kBox)};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (std::size_t row = 0; row < dots_.size(); ++row) {
        for (int column = first; column < last; ++column) {
            const int dot = dots_[row][static_cast<std::size_t>(column)];
            if (dot == kNone) {
                continue;
            }
            painter.setBrush(shades[dot]);
            painter.drawEllipse(QRectF(left + static_cast<qreal>(column) * pitch,
                                       kMargin + static_cast<qreal>(row) * pitch, size, size));
        }
    }
}

// A pixel a dot, then the part shown scaled down smoothly: no dot is drawn on its own.
void PreviewStrip::PaintShrunk(QPainter& painter, qreal left, int first, int last) const {
    QImage part(last - first, std::max(1, static_cast<int>(dots_.size())),
                QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    const QColor lit = kColours[static_cast<std::size_t>(colour_)].lit;
    const QRgb shades[] = {Dimmed(lit, kUnlit).rgb(), lit.rgb(), Dimmed(lit, kBox).rgb()};
    for (std::size_t row = 0; row < dots_.size(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(static_cast<int>(row)));
        for (int column = first; column < last; ++column) {
            if (const int dot = dots_[row][static_cast<std::size_t>(column)]; dot != kNone) {
                line[column - first] = shades[dot];
            }
        }
    }
    const qreal shown = Shown();
    const QSize size(std::max(1, static_cast<int>(std::lround((last - first) * shown))),
                     kTallestStrip);
    painter.drawImage(QPointF(left + first * shown, kMargin),
                      part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void PreviewStrip::resizeEvent(QResizeEvent*) {
    scrolled_ = 0;
}

void PreviewStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setClipRect(rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
    // Still, the text starts at the left; scrolling, it enters from the right.
    const qreal shown = Shown();
    const qreal left = (timer_->isActive() ? width() - kMargin : kMargin) - scrolled_ * shown;
    const int first =
        std::clamp(static_cast<int>(std::floor((kMargin - left) / shown)), 0, Columns());
    const int last = std::clamp(static_cast<int>(std::ceil((width() - kMargin - left) / shown)),
                                first, Columns());
    if (first < last) {
        IsShrunk() ? PaintShrunk(painter, left, first, last)
                   : PaintDots(painter, left, first, last);
    }
}

}  // namespace zrl
