#pragma once

#include <QAbstractTableModel>
#include <utility>
#include <vector>

#include "core/model/character_set.h"

namespace zrl {

class SetDocument;

// A character set as a code chart: 16 codes to a row, row = code / 16, from the row of the
// first code to the row of the last, but for runs of empty rows past code 255, which a
// Unicode font has many of. A code with no character is an empty, disabled slot; a glyph
// the set keeps as it is shows, disabled, as too large to edit. The chart follows the
// document's every change.
class CodeChartModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kPerRow = 16;

    explicit CodeChartModel(const SetDocument& document, QObject* parent = nullptr);

    const CharacterSet& Set() const;

    // Shows the rows of these codes alone, as a block of Unicode is chosen; all: 0 to
    // U+10FFFF.
    void ShowCodes(int first, int last);
    bool Shows(int code) const { return code >= first_ && code <= last_; }

    // How large a character's picture is drawn at the set's cell size.
    QSize PictureSize() const;

    QModelIndex IndexOf(int code) const;
    // The code of a slot, or -1 for none.
    int CodeAt(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // How a screen reader names a code: "65, A", "32, space", "7", "U+0416, Ж".
    static QString SpokenName(int code);
    // How a code is written where there is room: "U+0416".
    static QString CodeName(int code);
    // "Code 65 (0x41) LATIN CAPITAL LETTER A", "U+0416 CYRILLIC CAPITAL LETTER ZHE".
    static QString Described(int code);

private:
    std::vector<int> Rows() const;
    void Layout();
    void Relayout();
    void Redraw(int code);
    int RowOf(int code) const;  // -1: not shown
    QVariant KeptData(const QModelIndex& index, int role) const;

    const SetDocument& document_;
    std::vector<int> rows_;  // the chart's rows, each as code / 16
    int first_ = 0;
    int last_ = kLastUnicode;
};

}  // namespace zrl
