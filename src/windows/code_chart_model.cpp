#include "code_chart_model.h"

#include <algorithm>
#include <tuple>

#include "artwork.h"
#include "set_document.h"

namespace zrl {

namespace {

// The picture of a character in its slot: at most 34 by 50 pixels, dots of 3 with a pixel
// between where they fit, down to single pixels side by side for a 32x32 cell.
constexpr QSize kLargestPicture(34, 50);
constexpr int kLargestPitch = 4;

int PitchOf(CellSize size) {
    return std::clamp(
        std::min(kLargestPicture.width() / size.width, kLargestPicture.height() / size.height), 1,
        kLargestPitch);
}

bool IsPrintableAscii(int code) {
    return code >= 32 && code <= 126;
}

QString Shown(int code) {
    return IsPrintableAscii(code) ? QStringLiteral("%1 %2").arg(code).arg(QChar(code))
                                  : QString::number(code);
}

QString LitCount(const Pattern& pattern) {
    const auto lit = pattern.count();
    if (lit == 0) {
        return QStringLiteral("blank");
    }
    return lit == 1 ? QStringLiteral("1 lit cell") : QStringLiteral("%1 lit cells").arg(lit);
}

}  // namespace

CodeChartModel::CodeChartModel(const SetDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
    Layout();
    connect(&document, &SetDocument::Replaced, this, [this] {
        beginResetModel();
        Layout();
        endResetModel();
    });
    connect(&document, &SetDocument::PatternChanged, this, &CodeChartModel::Redraw);
    connect(&document, &SetDocument::CharactersChanged, this, &CodeChartModel::Relayout);
    // A narrower character shows the columns past its width darker.
    connect(&document, &SetDocument::WidthsChanged, this, &CodeChartModel::Relayout);
}

const CharacterSet& CodeChartModel::Set() const {
    return document_.Set();
}

QSize CodeChartModel::PictureSize() const {
    const CellSize cell = Set().Cell();
    const int pitch = PitchOf(cell);
    const int gap = pitch > 1 ? 1 : 0;
    return {cell.width * pitch + gap, cell.height * pitch + gap};
}

QString CodeChartModel::SpokenName(int code) {
    if (code == 32) {
        return QStringLiteral("32, space");
    }
    return IsPrintableAscii(code) ? QStringLiteral("%1, %2").arg(code).arg(QChar(code))
                                  : QString::number(code);
}

// The rows from the first code's to the last code's.
std::pair<int, int> CodeChartModel::Rows() const {
    const auto& characters = Set().Characters();
    if (characters.empty()) {
        return {0, 0};
    }
    const int first = characters.begin()->first / kPerRow;
    return {first, characters.rbegin()->first / kPerRow - first + 1};
}

void CodeChartModel::Layout() {
    std::tie(firstRow_, rows_) = Rows();
}

// Characters came or went: within the same rows only the slots are drawn again.
void CodeChartModel::Relayout() {
    if (Rows() != std::pair(firstRow_, rows_)) {
        beginResetModel();
        Layout();
        endResetModel();
    } else if (rows_ > 0) {
        emit dataChanged(index(0, 0), index(rows_ - 1, kPerRow - 1));
    }
}

void CodeChartModel::Redraw(int code) {
    const QModelIndex slot = IndexOf(code);
    emit dataChanged(slot, slot);
}

QModelIndex CodeChartModel::IndexOf(int code) const {
    return index(code / kPerRow - firstRow_, code % kPerRow);
}

int CodeChartModel::CodeAt(const QModelIndex& index) const {
    if (!index.isValid()) {
        return -1;
    }
    const int code = (firstRow_ + index.row()) * kPerRow + index.column();
    return Set().Find(code) != nullptr ? code : -1;
}

int CodeChartModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int CodeChartModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || rows_ == 0 ? 0 : kPerRow;
}

QVariant CodeChartModel::data(const QModelIndex& index, int role) const {
    const int code = CodeAt(index);
    if (code < 0) {
        return {};
    }
    const SetCharacter& character = *Set().Find(code);
    switch (role) {
        case Qt::DisplayRole:
            return Shown(code);
        case Qt::DecorationRole: {
            const int pitch = PitchOf(Set().Cell());
            return pitch > 1 ? DrawGlyph(character.pattern, pitch - 1, 1, 1, character.width)
                             : DrawGlyph(character.pattern, 1, 1, 0, character.width);
        }
        case Qt::AccessibleTextRole:
            return SpokenName(code);
        case Qt::AccessibleDescriptionRole:
            return LitCount(character.pattern);
        case Qt::ToolTipRole:
            return QStringLiteral("Code %1 (0x%2), %3 wide%4")
                .arg(code)
                .arg(code, 2, 16, QChar(u'0'))
                .arg(character.width)
                .arg(character.name.empty()
                         ? QString()
                         : QStringLiteral(", ") + QString::fromStdString(character.name));
        default:
            return {};
    }
}

QVariant CodeChartModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return QStringLiteral("+%1").arg(section);
    }
    return QString::number((firstRow_ + section) * kPerRow);
}

Qt::ItemFlags CodeChartModel::flags(const QModelIndex& index) const {
    return CodeAt(index) < 0 ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace zrl
