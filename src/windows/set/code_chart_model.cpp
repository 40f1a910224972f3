#include "code_chart_model.h"

#include <algorithm>
#include <tuple>

#include "core/formats/font_source.h"
#include "core/text/unicode_names.h"
#include "set_document.h"
#include "windows/startup/artwork.h"

namespace zrl {

namespace {

// The picture of a character in its slot: at most 34 by 50 pixels, dots of 3 with a pixel
// between where they fit, down to single pixels side by side for a 32x32 cell; a larger
// cell's picture is scaled down whole.
constexpr QSize kLargestPicture(34, 50);
constexpr int kLargestPitch = 4;

int PitchOf(CellSize size) {
    return std::clamp(
        std::min(kLargestPicture.width() / size.width, kLargestPicture.height() / size.height), 1,
        kLargestPitch);
}

bool IsShrunk(CellSize size) {
    return size.width > kLargestPicture.width() || size.height > kLargestPicture.height();
}

bool IsPrintableAscii(int code) {
    return code >= 32 && code <= 126;
}

// Past code 255 a slot shows the character itself where it is one that can be shown.
QString Shown(int code) {
    if (code > kLastCode) {
        const auto point = static_cast<char32_t>(code);
        const QString character = QString::fromUcs4(&point, 1);
        return character.at(0).isPrint() || QChar::isSurrogate(character.at(0).unicode())
                   ? character
                   : QStringLiteral("%1").arg(code, 4, 16, QChar(u'0')).toUpper();
    }
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
    if (IsShrunk(cell)) {
        return QSize(cell.width, cell.height).scaled(kLargestPicture, Qt::KeepAspectRatio);
    }
    const int pitch = PitchOf(cell);
    const int gap = pitch > 1 ? 1 : 0;
    return {cell.width * pitch + gap, cell.height * pitch + gap};
}

// "Code 65 (0x41)" up to 255, "U+0416" past it, with the character's name where known.
QString CodeChartModel::Described(int code) {
    const QString name = QString::fromStdString(CharacterName(code));
    const QString said =
        code > kLastCode ? CodeName(code)
                         : QStringLiteral("Code %1 (0x%2)").arg(code).arg(code, 2, 16, QChar(u'0'));
    return name.isEmpty() ? said : said + u' ' + name;
}

QString CodeChartModel::CodeName(int code) {
    return QStringLiteral("U+%1").arg(code, 4, 16, QChar(u'0')).toUpper();
}

QString CodeChartModel::SpokenName(int code) {
    if (code == 32) {
        return QStringLiteral("32, space");
    }
    if (code > kLastCode) {
        return CodeName(code) + QStringLiteral(", ") + Shown(code);
    }
    return IsPrintableAscii(code) ? QStringLiteral("%1, %2").arg(code).arg(QChar(code))
                                  : QString::number(code);
}

// The rows of every character and kept glyph, and up to code 255 every row between them.
std::vector<int> CodeChartModel::Rows() const {
    std::vector<int> rows;
    const auto add = [this, &rows](long code) {
        if (code < first_ || code > last_) {
            return;
        }
        const int row = static_cast<int>(code / kPerRow);
        if (rows.empty() || rows.back() < row) {
            for (int between = rows.empty() ? row : rows.back() + 1;
                 between < row && between * kPerRow <= kLastCode; ++between) {
                rows.push_back(between);
            }
            rows.push_back(row);
        }
    };
    const auto& characters = Set().Characters();
    std::vector<long> kept;
    if (Set().Source() != nullptr) {
        kept = Set().Source()->keptCodes;
    }
    auto next = kept.begin();
    for (const auto& entry : characters) {
        for (; next != kept.end() && *next < entry.first; ++next) {
            add(*next);
        }
        add(entry.first);
    }
    for (; next != kept.end(); ++next) {
        add(*next);
    }
    return rows;
}

void CodeChartModel::Layout() {
    rows_ = Rows();
}

void CodeChartModel::ShowCodes(int first, int last) {
    if (first == first_ && last == last_) {
        return;
    }
    beginResetModel();
    first_ = first;
    last_ = last;
    Layout();
    endResetModel();
}

int CodeChartModel::RowOf(int code) const {
    const auto found = std::lower_bound(rows_.begin(), rows_.end(), code / kPerRow);
    return found != rows_.end() && *found == code / kPerRow
               ? static_cast<int>(found - rows_.begin())
               : -1;
}

// Characters came or went: within the same rows only the slots are drawn again.
void CodeChartModel::Relayout() {
    if (Rows() != rows_) {
        beginResetModel();
        Layout();
        endResetModel();
    } else if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, kPerRow - 1));
    }
}

void CodeChartModel::Redraw(int code) {
    const QModelIndex slot = IndexOf(code);
    emit dataChanged(slot, slot);
}

QModelIndex CodeChartModel::IndexOf(int code) const {
    const int row = code < 0 ? -1 : RowOf(code);
    return row < 0 ? QModelIndex() : index(row, code % kPerRow);
}

int CodeChartModel::CodeAt(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) {
        return -1;
    }
    const int code = rows_[static_cast<std::size_t>(index.row())] * kPerRow + index.column();
    return Set().Find(code) != nullptr ? code : -1;
}

int CodeChartModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CodeChartModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || rows_.empty() ? 0 : kPerRow;
}

QVariant CodeChartModel::data(const QModelIndex& index, int role) const {
    const int code = CodeAt(index);
    if (code < 0) {
        return KeptData(index, role);
    }
    const SetCharacter& character = *Set().Find(code);
    switch (role) {
        case Qt::DisplayRole:
            return Shown(code);
        case Qt::DecorationRole: {
            const int pitch = PitchOf(Set().Cell());
            if (IsShrunk(Set().Cell())) {
                return DrawShrunkGlyph(character.pattern, PictureSize(), character.width);
            }
            return pitch > 1 ? DrawGlyph(character.pattern, pitch - 1, 1, 1, character.width)
                             : DrawGlyph(character.pattern, 1, 1, 0, character.width);
        }
        case Qt::AccessibleTextRole:
            // Past 255 a screen reader hears what the tooltip says.
            return code > kLastCode ? data(index, Qt::ToolTipRole) : QVariant(SpokenName(code));
        case Qt::AccessibleDescriptionRole:
            return LitCount(character.pattern);
        case Qt::ToolTipRole:
            return Described(code) + QStringLiteral(", %1 wide").arg(character.width) +
                   (character.name.empty()
                        ? QString()
                        : QStringLiteral(", glyph ") + QString::fromStdString(character.name));
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
    if (section < 0 || section >= static_cast<int>(rows_.size())) {
        return {};
    }
    const int code = rows_[static_cast<std::size_t>(section)] * kPerRow;
    return code > kLastCode ? CodeName(code) : QString::number(code);
}

// A glyph the set keeps as it is: its code, and why it cannot be edited.
QVariant CodeChartModel::KeptData(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) {
        return {};
    }
    const int code = rows_[static_cast<std::size_t>(index.row())] * kPerRow + index.column();
    if (!Set().IsKept(code)) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return Shown(code);
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return Described(code) + QStringLiteral(": too large to edit, kept as it is");
        case Qt::AccessibleTextRole:
            return SpokenName(code);
        default:
            return {};
    }
}

Qt::ItemFlags CodeChartModel::flags(const QModelIndex& index) const {
    return CodeAt(index) < 0 ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

}  // namespace zrl
