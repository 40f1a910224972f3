#include "preview_strip.h"

#include <QPainter>
#include <algorithm>

#include "artwork.h"

namespace zrl {

namespace {

constexpr int kMargin = 4;
// Dots of 3 pixels with one between, smaller for tall cells so the strip stays low.
constexpr int kLargestPitch = 4;
constexpr int kTallest = 40;

int PitchOf(CellSize size) {
    return std::clamp(kTallest / size.height, 2, kLargestPitch);
}

}  // namespace

PreviewStrip::PreviewStrip(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Preview"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(sizeHint().height());
}

void PreviewStrip::Show(const CharacterSet* set, const QString& text) {
    const CellSize before = Cell();
    set_ = set;
    text_ = text;
    if (Cell() != before) {
        setMinimumHeight(sizeHint().height());
        updateGeometry();
    }
    setAccessibleDescription(text);
    update();
}

CellSize PreviewStrip::Cell() const {
    return set_ != nullptr ? set_->Cell() : kDefaultSize;
}

Pattern PreviewStrip::PatternFor(QChar character) const {
    const SetCharacter* found = set_ != nullptr ? set_->Find(character.unicode()) : nullptr;
    return character.unicode() <= kLastCode && found != nullptr ? found->pattern : Pattern(Cell());
}

QStringList PreviewStrip::Rows() const {
    QStringList rows;
    const CellSize size = Cell();
    for (int row = 0; row < size.height; ++row) {
        QString line;
        for (int i = 0; i < text_.size(); ++i) {
            const Pattern pattern = PatternFor(text_[i]);
            for (int column = 0; column < size.width; ++column) {
                line += pattern.Lit(row, column) ? u'#' : u'.';
            }
            if (i + 1 < text_.size()) {
                line += u'.';
            }
        }
        rows << line;
    }
    return rows;
}

// As wide as ten 5x7 characters, as high as the set's cell.
QSize PreviewStrip::sizeHint() const {
    const int pitch = PitchOf(Cell());
    return {kMargin * 2 + 40 * (kColumns + 1) * kLargestPitch / 4,
            kMargin * 2 + Cell().height * pitch};
}

void PreviewStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(24, 8, 8));
    const int pitch = PitchOf(Cell());
    const int advance = (Cell().width + 1) * pitch;  // with the gap
    const int fits = (width() - 2 * kMargin) / advance + 1;
    for (int i = 0; i < std::min<qsizetype>(text_.size(), fits); ++i) {
        PaintDots(painter, PatternFor(text_[i]), QPointF(kMargin + i * advance, kMargin), pitch - 1,
                  pitch);
    }
}

}  // namespace zrl
