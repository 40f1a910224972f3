#pragma once

#include <QString>
#include <QWidget>

#include "core/character_set.h"

namespace zrl {

// A text as a display would show it with the set: each character's dots, one unlit
// column between characters. A character the set lacks shows as unlit dots.
class PreviewStrip : public QWidget {
    Q_OBJECT

public:
    explicit PreviewStrip(QWidget* parent);

    void Show(const CharacterSet* set, const QString& text);
    // The strip's dots, one string of '#' and '.' per row, for tests and screen readers.
    QStringList Rows() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CellSize Cell() const;
    Pattern PatternFor(QChar character) const;

    const CharacterSet* set_ = nullptr;
    QString text_;
};

}  // namespace zrl
