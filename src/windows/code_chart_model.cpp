#include "code_chart_model.h"

#include <algorithm>

#include "artwork.h"

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

CodeChartModel::CodeChartModel(QObject* parent) : QAbstractTableModel(parent) {}

QSize CodeChartModel::PictureSize() const {
    const int pitch = PitchOf(set_.Cell());
    const int gap = pitch > 1 ? 1 : 0;
    return {set_.Cell().width * pitch + gap, set_.Cell().height * pitch + gap};
}

QString CodeChartModel::SpokenName(int code) {
    if (code == 32) {
        return QStringLiteral("32, space");
    }
    return IsPrintableAscii(code) ? QStringLiteral("%1, %2").arg(code).arg(QChar(code))
                                  : QString::number(code);
}

// The rows from the first code's to the last code's.
void CodeChartModel::Layout() {
    const auto& characters = set_.Characters();
    firstRow_ = characters.empty() ? 0 : characters.begin()->first / kPerRow;
    rows_ = characters.empty() ? 0 : characters.rbegin()->first / kPerRow - firstRow_ + 1;
}

void CodeChartModel::Reset(CharacterSet set) {
    beginResetModel();
    set_ = std::move(set);
    Layout();
    endResetModel();
}

void CodeChartModel::SetPattern(int code, const Pattern& pattern) {
    set_.SetPattern(code, pattern);
    const QModelIndex index = IndexOf(code);
    emit dataChanged(index, index);
}

void CodeChartModel::Put(int code, SetCharacter character) {
    const int row = code / kPerRow;
    if (row >= firstRow_ && row < firstRow_ + rows_) {
        set_.Put(code, std::move(character));
        const QModelIndex index = IndexOf(code);
        emit dataChanged(index, index);
        return;
    }
    beginResetModel();
    set_.Put(code, std::move(character));
    Layout();
    endResetModel();
}

void CodeChartModel::Remove(int code) {
    beginResetModel();
    set_.Remove(code);
    Layout();
    endResetModel();
}

QModelIndex CodeChartModel::IndexOf(int code) const {
    return index(code / kPerRow - firstRow_, code % kPerRow);
}

int CodeChartModel::CodeAt(const QModelIndex& index) const {
    if (!index.isValid()) {
        return -1;
    }
    const int code = (firstRow_ + index.row()) * kPerRow + index.column();
    return set_.Find(code) != nullptr ? code : -1;
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
    const SetCharacter& character = *set_.Find(code);
    switch (role) {
        case Qt::DisplayRole:
            return Shown(code);
        case Qt::DecorationRole: {
            const int pitch = PitchOf(set_.Cell());
            return pitch > 1 ? DrawGlyph(character.pattern, pitch - 1)
                             : DrawGlyph(character.pattern, 1, 1, 0);
        }
        case Qt::AccessibleTextRole:
            return SpokenName(code);
        case Qt::AccessibleDescriptionRole:
            return LitCount(character.pattern);
        case Qt::ToolTipRole:
            return QStringLiteral("Code %1 (0x%2)%3")
                .arg(code)
                .arg(code, 2, 16, QChar(u'0'))
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
