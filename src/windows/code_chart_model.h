#pragma once

#include <QAbstractTableModel>
#include <utility>

#include "core/character_set.h"

namespace zrl {

class SetDocument;

// A character set as a code chart: 16 codes to a row, row = code / 16, from the row of the
// first code to the row of the last. A code with no character is an empty, disabled slot.
// The chart follows the document's every change.
class CodeChartModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kPerRow = 16;

    explicit CodeChartModel(const SetDocument& document, QObject* parent = nullptr);

    const CharacterSet& Set() const;

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

    // How a screen reader names a code: "65, A", "32, space", "7".
    static QString SpokenName(int code);

private:
    std::pair<int, int> Rows() const;
    void Layout();
    void Relayout();
    void Redraw(int code);

    const SetDocument& document_;
    int firstRow_ = 0;
    int rows_ = 0;
};

}  // namespace zrl
