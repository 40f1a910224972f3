#include "read_table_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "core/formats/format_table.h"
#include "core/formats/table_reader.h"
#include "platform/runtime_error.h"

namespace zrl {

namespace {

// The formats a table can be told to be in.
std::vector<const Format*> Offered() {
    std::vector<const Format*> formats;
    for (const Format* format : Formats()) {
        if (format->Takes(kReadsAsTold)) {
            formats.push_back(format);
        }
    }
    return formats;
}

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QSpinBox* SpinBox(QWidget* parent, int low, int high, int value, const QString& name) {
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    box->setAccessibleName(name);
    return box;
}

}  // namespace

ReadTableDialog::ReadTableDialog(std::string text, CellSize size, QWidget* parent)
    : QDialog(parent), text_(std::move(text)) {
    setWindowTitle(QStringLiteral("Import Table"));
    Layout = new QComboBox(this);
    for (const Format* format : Offered()) {
        Layout->addItem(FromView(format->name) + QStringLiteral(": ") + FromView(format->summary));
    }
    Width = SpinBox(this, 1, CellSize::kLargest, size.width, QStringLiteral("Width"));
    Height = SpinBox(this, 1, CellSize::kLargest, size.height, QStringLiteral("Height"));
    First = SpinBox(this, kFirstCode, kLastCode, 32, QStringLiteral("First code"));
    Result = new QLabel(this);
    Result->setWordWrap(true);
    Result->setMinimumWidth(420);

    auto* cell = new QHBoxLayout;
    cell->addWidget(Width);
    cell->addWidget(new QLabel(QStringLiteral("by"), this));
    cell->addWidget(Height);
    cell->addStretch();
    auto* form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("The table does not say how it is laid out."), this));
    form->addRow(QStringLiteral("&Layout:"), Layout);
    auto* cellLabel = new QLabel(QStringLiteral("&Cell size:"), this);
    cellLabel->setBuddy(Width);
    form->addRow(cellLabel, cell);
    form->addRow(QStringLiteral("&First code:"), First);
    form->addRow(Result);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Ok = buttons->button(QDialogButtonBox::Ok);
    Ok->setText(QStringLiteral("&Import"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // Each choice reads the table afresh; nothing it does may throw past the dialog.
    const auto read = [this] { RunHandler(this, [this] { Read(); }); };
    connect(Layout, &QComboBox::currentIndexChanged, this, read);
    connect(Width, &QSpinBox::valueChanged, this, read);
    connect(Height, &QSpinBox::valueChanged, this, read);
    connect(First, &QSpinBox::valueChanged, this, read);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Read();
}

TableOptions ReadTableDialog::Options() const {
    return {*Offered()[static_cast<std::size_t>(Layout->currentIndex())],
            {Width->value(), Height->value()},
            First->value()};
}

// Says what the choices read, and lets the user go on only when they read a set.
void ReadTableDialog::Read() {
    const ParsedSet read = ReadTable(text_, Options());
    const int count = read.set ? read.set->Size() : 0;
    const QString text =
        !read.set    ? QStringLiteral("Reads nothing: ") + QString::fromStdString(read.error)
        : count == 1 ? QStringLiteral("Reads 1 character.")
                     : QStringLiteral("Reads %1 characters.").arg(count);
    Result->setText(text);
    Result->setAccessibleName(text);
    Ok->setEnabled(read.set.has_value());
}

std::optional<TableOptions> ReadTableDialog::Ask(QWidget* parent, std::string text, CellSize size) {
    ReadTableDialog dialog(std::move(text), size, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Options();
}

}  // namespace zrl
