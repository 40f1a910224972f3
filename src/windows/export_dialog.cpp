#include "export_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/set_export.h"
#include "core/table_writer.h"
#include "platform/clipboard.h"
#include "platform/font_file.h"
#include "platform/runtime_error.h"

namespace zrl {

namespace {

// The forms offered before the byte layouts: they have no language and no array.
const auto kTextForms = static_cast<int>(TextForms().size());

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ExportDialog::ExportDialog(const CharacterSet& set, Clipboard& clipboard, QWidget* parent)
    : QDialog(parent), set_(set), clipboard_(clipboard) {
    setWindowTitle(QStringLiteral("Export"));
    CreateControls();
    Layout->setCurrentIndex(kTextForms);  // glcd, the classic font table
    Write();
}

void ExportDialog::CreateControls() {
    Layout = new QComboBox(this);
    for (const TextForm& form : TextForms()) {
        Layout->addItem(FromView(form.name) + QStringLiteral(": ") + FromView(form.summary));
    }
    for (const LayoutInfo& info : Layouts()) {
        Layout->addItem(FromView(info.name) + QStringLiteral(": ") + FromView(info.summary));
    }
    Language = new QComboBox(this);
    Language->addItems({QStringLiteral("C"), QStringLiteral("Arduino C (PROGMEM)"),
                        QStringLiteral("Python list")});
    Name = new QLineEdit(this);
    Name->setPlaceholderText(QStringLiteral("font"));
    View = new QPlainTextEdit(this);
    View->setReadOnly(true);
    View->setLineWrapMode(QPlainTextEdit::NoWrap);
    View->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    View->setAccessibleName(QStringLiteral("Text to export"));
    View->setMinimumSize(560, 300);
    Status = new QLabel(this);
    Status->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Layout:"), Layout);
    form->addRow(QStringLiteral("Lan&guage:"), Language);
    form->addRow(QStringLiteral("Array &name:"), Name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Copy = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
    Save = buttons->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(View, 1);
    layout->addWidget(Status);
    layout->addWidget(buttons);

    // Each choice writes the text afresh; nothing it does may throw past the dialog.
    const auto write = [this] { RunHandler(this, [this] { Write(); }); };
    connect(Layout, &QComboBox::currentIndexChanged, this, write);
    connect(Language, &QComboBox::currentIndexChanged, this, write);
    connect(Name, &QLineEdit::textChanged, this, write);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Copy, &QPushButton::clicked, this,
            [this] { RunHandler(this, [this] { Copy_Click(); }); });
    connect(Save, &QPushButton::clicked, this,
            [this] { RunHandler(this, [this] { Save_Click(); }); });
}

void ExportDialog::Write() {
    const int chosen = Layout->currentIndex();
    const bool table = chosen >= kTextForms;
    const ByteLayout layout =
        table ? Layouts()[static_cast<std::size_t>(chosen - kTextForms)].layout : ByteLayout::Glcd;
    Language->setEnabled(table && layout != ByteLayout::GfxFont);
    Name->setEnabled(table);
    Name->setPlaceholderText(FromView(DefaultArrayName(layout)));
    std::string text;
    if (!table) {
        const TextForm& form = TextForms()[static_cast<std::size_t>(chosen)];
        text = WriteSet(set_, form.format, form.order, {});
    } else {
        const auto language = layout == ByteLayout::GfxFont
                                  ? Language::C
                                  : static_cast<enum Language>(Language->currentIndex());
        const TableFormat format{layout, language, Name->text().trimmed().toStdString()};
        if (const std::string why = WhyNotWritten(set_, format); !why.empty()) {
            text_.clear();
            View->clear();
            Say(QStringLiteral("Cannot be written so: ") + QString::fromStdString(why));
            Copy->setEnabled(false);
            Save->setEnabled(false);
            return;
        }
        text = WriteTable(set_, format);
    }
    text_ = QString::fromStdString(text);
    View->setPlainText(text_);
    Copy->setEnabled(true);
    Save->setEnabled(true);
    const bool bdf =
        !table && TextForms()[static_cast<std::size_t>(chosen)].format == SetFormat::Bdf;
    const std::string leftOut = bdf ? std::string() : DescribeTableLeftOut(set_);
    Say(QStringLiteral("%1 characters of %2, %3 lines")
            .arg(set_.Size())
            .arg(QString::fromStdString(ToString(set_.Cell())))
            .arg(View->blockCount()) +
        (leftOut.empty() ? QString() : QStringLiteral("; ") + QString::fromStdString(leftOut)));
}

QString ExportDialog::Suffix() const {
    const int chosen = Layout->currentIndex();
    if (chosen < kTextForms) {
        return TextForms()[static_cast<std::size_t>(chosen)].format == SetFormat::Bdf
                   ? QStringLiteral("bdf")
                   : QStringLiteral("bas");
    }
    const auto language = static_cast<enum Language>(Language->currentIndex());
    return Language->isEnabled() && language == Language::Python ? QStringLiteral("py")
                                                                 : QStringLiteral("h");
}

void ExportDialog::Copy_Click() {
    clipboard_.Clear();
    clipboard_.SetText(text_);
    Say(QStringLiteral("Copied %1 characters").arg(set_.Size()));
}

void ExportDialog::Save_Click() {
    const QString name =
        Name->text().trimmed().isEmpty() ? Name->placeholderText() : Name->text().trimmed();
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export Character Set"),
        QFileInfo(folder_, name + QStringLiteral(".") + Suffix()).filePath());
    if (path.isEmpty()) {
        return;
    }
    folder_ = QFileInfo(path).path();
    if (const QString error = SaveBytes(path, text_.toStdString()); !error.isEmpty()) {
        Say(QStringLiteral("Not saved: %1: %2").arg(QFileInfo(path).fileName(), error));
        return;
    }
    Say(QStringLiteral("Saved to %1").arg(QFileInfo(path).fileName()));
}

void ExportDialog::Say(const QString& text) {
    Status->setText(text);
    Status->setAccessibleName(text);
}

}  // namespace zrl
