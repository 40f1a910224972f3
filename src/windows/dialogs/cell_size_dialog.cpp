#include "cell_size_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "asking.h"

namespace zrl {

namespace {

QSpinBox* SideBox(QWidget* parent, int value, const QString& name) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, CellSize::kLargest);
    box->setValue(value);
    box->setSuffix(QStringLiteral(" dots"));
    box->setAccessibleName(name);
    return box;
}

}  // namespace

std::optional<CellSize> AskCellSize(QWidget* parent, const QString& title, CellSize current) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* width = SideBox(&dialog, current.width, QStringLiteral("Width"));
    auto* height = SideBox(&dialog, current.height, QStringLiteral("Height"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QFormLayout(&dialog);
    layout->addRow(QStringLiteral("&Width (1 to 255):"), width);
    layout->addRow(QStringLiteral("&Height (1 to 255):"), height);
    layout->addRow(buttons);
    FitTitle(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return CellSize{width->value(), height->value()};
}

}  // namespace zrl
