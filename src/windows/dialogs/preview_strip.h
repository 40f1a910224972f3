#pragma once

#include <QString>
#include <QWidget>
#include <span>

#include "core/model/character_set.h"

class QPainter;
class QTimer;

namespace zrl {

// A text as an LED display shows it with the set: round dots on black, the unlit ones
// faintly there, each character as far from the next as its advance (its width and one
// column); a character the set lacks shows as an empty box the size of the cell. The text can
// scroll through the strip from the right, as on a sign.
class PreviewStrip : public QWidget {
    Q_OBJECT

public:
    struct Colour {
        QString name;
        QColor lit;
    };
    struct Speed {
        QString name;
        int dotsPerSecond;  // 0: still
    };
    static std::span<const Colour> Colours();
    static std::span<const Speed> Speeds();

    explicit PreviewStrip(QWidget* parent);

    void Show(const CharacterSet* set, const QString& text);
    // The strip's dots, one string of '#' (lit) and '.' per row, for tests and screen readers.
    QStringList Rows() const;
    // "Not in the set: ä, €": the characters of the text the set lacks, or "" when none.
    QString Missing() const;
    // Dots the text has scrolled to the left so far.
    int Scrolled() const { return scrolled_; }

    QSize sizeHint() const override;

public slots:
    // An index into Colours() and Speeds().
    void SetColour(int colour);
    void SetSpeed(int speed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    CellSize Cell() const;
    // The set's character at a code point of the text, if it has one.
    const SetCharacter* CharacterFor(char32_t code) const;
    // Each dot of the text, lit or not, from the left: -1 where no character has a dot.
    std::vector<std::vector<int>> Dots() const;
    void Render();
    void Step();
    int Pitch() const;
    // Pixels a dot as the strip shows it: the pitch, or less for a cell taller than 40.
    bool IsShrunk() const;
    qreal Shown() const;
    int Columns() const;
    void PaintDots(QPainter& painter, qreal left, int first, int last) const;
    void PaintShrunk(QPainter& painter, qreal left, int first, int last) const;

    const CharacterSet* set_ = nullptr;
    CellSize cell_ = kDefaultSize;  // the cell the strip's height was made for
    QString text_;
    int colour_ = 0;
    int scrolled_ = 0;
    std::vector<std::vector<int>> dots_;  // the whole text's, laid out for every change
    QTimer* timer_;
    QTimer* describing_;
};

}  // namespace zrl
