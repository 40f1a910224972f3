#include "preview_strip.h"

#include <QPainter>

#include "artwork.h"

namespace zrl {

namespace {

constexpr int kDot = 3;
constexpr int kPitch = kDot + 1;
constexpr int kMargin = 4;
constexpr int kCharacterColumns = kColumns + 1;  // with the gap

}  // namespace

PreviewStrip::PreviewStrip(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Preview"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(sizeHint().height());
}

void PreviewStrip::Show(const CharacterSet* set, const QString& text) {
    set_ = set;
    text_ = text;
    setAccessibleDescription(text);
    update();
}

Pattern PreviewStrip::PatternFor(QChar character) const {
    const SetCharacter* found = set_ != nullptr ? set_->Find(character.unicode()) : nullptr;
    return character.unicode() <= kLastCode && found != nullptr ? found->pattern : Pattern();
}

QStringList PreviewStrip::Rows() const {
    QStringList rows;
    for (int row = 0; row < kRows; ++row) {
        QString line;
        for (int i = 0; i < text_.size(); ++i) {
            const Pattern pattern = PatternFor(text_[i]);
            for (int column = 0; column < kColumns; ++column) {
                line += pattern[static_cast<std::size_t>(CellIndex(row, column))] ? u'#' : u'.';
            }
            if (i + 1 < text_.size()) {
                line += u'.';
            }
        }
        rows << line;
    }
    return rows;
}

QSize PreviewStrip::sizeHint() const {
    return {kMargin * 2 + 40 * kCharacterColumns * kPitch / 4, kMargin * 2 + kRows * kPitch};
}

void PreviewStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(24, 8, 8));
    const int fits = (width() - 2 * kMargin) / (kCharacterColumns * kPitch) + 1;
    for (int i = 0; i < std::min<qsizetype>(text_.size(), fits); ++i) {
        PaintDots(painter, PatternFor(text_[i]),
                  QPointF(kMargin + i * kCharacterColumns * kPitch, kMargin), kDot, kPitch);
    }
}

}  // namespace zrl
