#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUndoGroup>
#include <QUndoStack>
#include <algorithm>

#include "cell_field.h"
#include "change_field_command.h"
#include "core/text/c_initializer.h"
#include "core/text/data_listing.h"
#include "core/text/pattern_parser.h"
#include "editor_controls.h"
#include "editor_layout.h"
#include "field_canvas.h"
#include "platform/colour_button.h"
#include "platform/label.h"
#include "platform/line_shape.h"
#include "platform/notice.h"
#include "platform/picture.h"
#include "platform/runtime_error.h"
#include "platform/text_box.h"
#include "platform/twips.h"
#include "set_link.h"
#include "transform_field_command.h"
#include "windows/dialogs/cell_size_dialog.h"
#include "windows/startup/artwork.h"
#include "windows/startup/contact.h"
#include "windows/startup/forms.h"

namespace zrl {

namespace {

constexpr OLE_COLOR kWindowBackground = 0x80000005;
// At a few hundred bytes a step, a long session's history stays well under a megabyte.
constexpr int kHistorySteps = 1000;

QString TooLargeToList(CellSize size) {
    return QStringLiteral(
               "%1 character is too large for Data lines. To write it for a display, open "
               "the Character Set window (Ctrl+Shift+E) and choose File > Export (Ctrl+E).")
        .arg(QString::fromStdString(WithArticle(size)).replace(0, 1, QStringLiteral("A")));
}

}  // namespace

FrmMain::FrmMain(Forms& forms)
    : Form(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      forms_(forms),
      histories_(new QUndoGroup(this)),
      history_(new QUndoStack(this)),
      freeHistory_(history_),
      actions_(this, histories_),
      notice_(new Notice(this)),
      field_(new CellField(*this, Cmd,
                           [this](ColourButton* cell, int index) {
                               OnClick(cell, [this, index] { Cmd_Click(index); });
                           })),
      set_(this, forms) {
    history_->setUndoLimit(kHistorySteps);
    histories_->addStack(history_);
    histories_->setActiveStack(history_);
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("ZRL1.0-") + kWebAddress);
    setWindowIcon(ProgramIcon());
    SetClientSizeTwips(3270, 4305);
    SetBackColor(kNavy);
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    ConnectActions();
    layout_.Keep(this, Cmd, TxtOutput);
    CentreOnScreen();
}

// The cells' input goes first: closing the window sends the cells events that it must not
// see once the list of cells is gone.
FrmMain::~FrmMain() {
    delete field_;
}

void FrmMain::CreateControls() {
    OptRow = MakeOption(this, QStringLiteral("Row"), 720, 735);
    OptCol = MakeOption(this, QStringLiteral("Col"), 1680, 615);
    OptRow->setChecked(true);
    OptRow->setAccessibleName(QStringLiteral("List by row"));
    OptCol->setAccessibleName(QStringLiteral("List by column"));

    field_->Show(grid_);

    TxtOutput = new TextBox(this);
    PlaceTwips(TxtOutput, 1440, 480, 1695, 1455);
    TxtOutput->SetBackColor(kInfoBackground);
    TxtOutput->setAccessibleName(QStringLiteral("Data listing"));

    CmdClear = MakeButton(this, QStringLiteral("Clear"), 120, 2040, 1455);
    CmdNeg = MakeButton(this, QStringLiteral("Negative"), 1680, 2040, 1455);
    Command1 = MakeButton(this, QStringLiteral("Copy to Clip Board"), 120, 2520, 3015);
    CmdHelp = MakeButton(this, QStringLiteral("Help"), 2040, 3120, 1095);
    CmdNeg->setAccessibleName(QStringLiteral("Negative: invert every cell"));
    Command1->setAccessibleName(QStringLiteral("Copy the listing to the clipboard"));

    auto* line = new LineShape(this, 120, 3000, 3120, 3000);
    line->SetBorderColor(kInfoBackground);

    CreateCredits();
}

void FrmMain::CreateCredits() {
    Picture1 = new Picture(this, QSize(20, 14), DrawCreditPicture);
    Picture1->move(TwipRect(120, 3360, 300, 210).topLeft());
    SetWidgetColours(Picture1, {QPalette::Window}, kWindowBackground);

    Name = MakeCredit(this, kCreditName, 3360, 1215);
    WebSite = MakeCredit(this, QStringLiteral("Web Site : ") + kWebAddress, 3600, 2295);
    Email = MakeCredit(this, QStringLiteral("E-Mail : ") + kEmailAddress, 3840, 2295);
    Mobile = MakeCredit(this, QStringLiteral("Mobile : ") + kTelephone, 4080, 2055);
}

// The cells first, then Clear, Negative, the listing, copy, the two options and Help.
void FrmMain::SetTabOrder() {
    QList<QWidget*> order(Cmd.begin(), Cmd.end());
    order << CmdClear << CmdNeg << TxtOutput << Command1 << OptRow << OptCol << CmdHelp;
    if (Cmd.size() != kCellCount) {
        order.prepend(CmdHelp);  // round to the first cell, as at start
    }
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

// The canvas takes the cells' place in the tab order: just before Clear.
void FrmMain::PlaceCanvas() {
    FieldCanvas* canvas = field_->Canvas();
    Command1->setEnabled(canvas == nullptr);
    if (canvas != nullptr && CmdClear->previousInFocusChain() != canvas) {
        setTabOrder(CmdClear->previousInFocusChain(), canvas);
    }
}

void FrmMain::ConnectHandlers() {
    OnClick(CmdClear, [this] { CmdClear_Click(); });
    OnClick(CmdNeg, [this] { CmdNeg_Click(); });
    OnClick(OptRow, [this] { OptRow_Click(); });
    OnClick(OptCol, [this] { OptCol_Click(); });
    OnClick(Command1, [this] { Command1_Click(); });
    OnClick(CmdHelp, [this] { CmdHelp_Click(); });
}

void FrmMain::ConnectActions() {
    for (Transform transform : kAllTransforms) {
        OnTriggered(actions_.Of(transform), [this, transform] { ApplyTransform(transform); });
    }
    // The same handlers as the buttons, focus behaviour included.
    connect(actions_.clear, &QAction::triggered, CmdClear, &QAbstractButton::click);
    connect(actions_.negative, &QAction::triggered, CmdNeg, &QAbstractButton::click);
    OnTriggered(actions_.paste, [this] { PasteIntoField(); });
    OnTriggered(actions_.fill, [this] { FillRegion(); });
    OnTriggered(actions_.copyCColumns,
                [this] { CopyToClipboard(QString::fromLatin1(BuildCColumns(grid_))); });
    OnTriggered(actions_.copyCRows,
                [this] { CopyToClipboard(QString::fromLatin1(BuildCRows(grid_))); });
    TxtOutput->AddMenuActions({actions_.paste, actions_.copyCColumns, actions_.copyCRows});
    ConnectSetActions();
    ConnectSizeActions();
}

void FrmMain::ConnectSizeActions() {
    for (QAction* action : actions_.sizes) {
        const QSize size = action->data().toSize();
        OnTriggered(action, [this, size] { ChangeFieldSize({size.width(), size.height()}); });
    }
    OnTriggered(actions_.otherSize, [this] {
        if (const std::optional<CellSize> size =
                AskCellSize(this, QStringLiteral("Field Size"), grid_.Size())) {
            ChangeFieldSize(*size);
        }
        UpdateFieldActions();
    });
    UpdateFieldActions();
}

// The size menu shows the field's size; copies that cannot hold it are off.
void FrmMain::UpdateFieldActions() {
    const CellSize size = grid_.Size();
    bool preset = false;
    for (QAction* action : actions_.sizes) {
        const bool current = action->data().toSize() == QSize(size.width, size.height);
        action->setChecked(current);
        preset = preset || current;
    }
    actions_.otherSize->setChecked(!preset);
    actions_.copyCRows->setEnabled(FitsLcd(size));
    actions_.EnableTools(size.width >= 8 && size.height >= 8);
    const QString font = QString::fromStdString(ToString(size));
    actions_.copyCColumns->setText(QStringLiteral("Copy as C: c&olumns (%1 font)").arg(font));
}

// The set's window opens beside the editor, shown and active, for each of these.
void FrmMain::ConnectSetActions() {
    using Command = SetCompanion::Command;
    OnTriggered(actions_.characterSet, [this] { set_.Show(); });
    OnTriggered(actions_.openSet, [this] { set_.Open(); });
    OnTriggered(actions_.saveSet, [this] { set_.Save(Command::Save, grid_); });
    OnTriggered(actions_.saveSetAs, [this] { set_.Save(Command::SaveAs, grid_); });
}

QUndoStack* FrmMain::History() const {
    return histories_->activeStack();
}

// While a character of a set is current, the field has the set's size.
void FrmMain::UseHistory(QUndoStack* history) {
    bound_ = history != nullptr;
    histories_->setActiveStack(bound_ ? history : freeHistory_);
    actions_.sizeMenu->setEnabled(!bound_);
}

void FrmMain::UseFreeHistory(QUndoStack* history) {
    freeHistory_ = history != nullptr ? history : history_;
    histories_->addStack(freeHistory_);
    if (!bound_) {
        histories_->setActiveStack(freeHistory_);
    }
}

bool FrmMain::IsListingByRow() const {
    return OptRow->isChecked();
}

// Closing the editor ends the program, so a set with unsaved changes asks first.
bool FrmMain::QueryUnload() {
    return set_.MaybeSave();
}

// The editor waits behind the splash; the output box stays empty until the first edit.
void FrmMain::Load() {
    SetVisible(false);
    forms_.splash.SetVisible(true);
}

void FrmMain::Cmd_Click(int index) {
    ToggleCell(index);
    TxtOutput->SetFocus();
}

void FrmMain::CmdClear_Click() {
    CharacterGrid after = grid_;
    after.ClearAll();
    Edit(after, QStringLiteral("Clear"));
}

void FrmMain::CmdNeg_Click() {
    CharacterGrid after = grid_;
    after.InvertAll();
    Edit(after, QStringLiteral("Negative"));
}

void FrmMain::OptRow_Click() {
    BuildRowData();
}

void FrmMain::OptCol_Click() {
    BuildColData();
}

void FrmMain::Command1_Click() {
    CopyToClipboard(TxtOutput->Text());
}

void FrmMain::CmdHelp_Click() {
    forms_.about.SetVisible(true);
}

// A field past 32 cells on a side has no listing: no Data line holds its rows.
void FrmMain::BuildRowData() {
    TxtOutput->SetText(CellField::IsCanvas(grid_.Size())
                           ? TooLargeToList(grid_.Size())
                           : QString::fromLatin1(zrl::BuildRowData(grid_)));
}

void FrmMain::BuildColData() {
    TxtOutput->SetText(CellField::IsCanvas(grid_.Size())
                           ? TooLargeToList(grid_.Size())
                           : QString::fromLatin1(zrl::BuildColData(grid_)));
}

void FrmMain::BuildDataInCurrentOrder() {
    OptRow->isChecked() ? BuildRowData() : BuildColData();
}

void FrmMain::LeaveRoomBeside(int width) {
    if (field_->LeaveRoomBeside(width)) {
        ShowGrid(grid_);
    }
}

void FrmMain::ShowGrid(const CharacterGrid& grid) {
    grid_ = grid;
    if (grid_.Size() != field_->Size()) {
        field_->FitScreen();
    }
    if (field_->Show(grid_)) {
        PlaceCanvas();
        layout_.Apply(this, TxtOutput, *field_);
        UpdateFieldActions();
    }
    BuildDataInCurrentOrder();
    emit GridShown(grid_);
}

// While a character of a set is current, the set's size holds.
void FrmMain::ChangeFieldSize(CellSize size) {
    if (size == grid_.Size() || bound_) {
        return;
    }
    Edit(Resized(grid_, size), QStringLiteral("Field Size %1").arg(ToString(size).c_str()));
}

// Every edit goes through the history, so that each can be undone. One that changes no
// colour (Clear on a clear field) still writes the listing, but is no step to undo.
void FrmMain::Edit(const CharacterGrid& after, const QString& text, int stroke) {
    if (after == grid_) {
        BuildDataInCurrentOrder();
        return;
    }
    History()->push(new ChangeFieldCommand(*this, after, text, stroke));
}

void FrmMain::ToggleCell(int index) {
    CharacterGrid after = grid_;
    after.Toggle(index);
    Edit(after, after.IsLit(index) ? QStringLiteral("Light Cell") : QStringLiteral("Darken Cell"));
}

// The region of the cell with the keyboard's focus (the canvas's cursor) turns over.
void FrmMain::FillRegion() {
    const int cell = field_->Canvas() != nullptr ? field_->Canvas()->Cursor()
                                                 : field_->IndexOf(QApplication::focusWidget());
    if (cell >= 0) {
        Edit(FilledRegion(grid_, cell), QStringLiteral("Fill"));
    }
}

void FrmMain::ApplyTransform(Transform transform) {
    if (Transformed(grid_, transform) == grid_) {
        BuildDataInCurrentOrder();
        return;
    }
    History()->push(
        new TransformFieldCommand(*this, transform, actions_.Of(transform)->iconText()));
}

// Text that is no character changes nothing: not the field, the listing, the history or
// the focus. Only the notice says what was expected, until the next key or click.
void FrmMain::PasteIntoField() {
    const std::optional<QString> text = forms_.clipboard.Text();
    ParsedPattern parsed;
    if (!text) {
        parsed.error = "the clipboard holds no text; copy a listing or a C initializer first";
    } else if (text->isEmpty()) {
        parsed.error = "the clipboard is empty; copy a listing or a C initializer first";
    } else {
        // Past the limit the parser refuses the text unread, so a huge one costs nothing.
        parsed = ParsePattern(
            text->left(static_cast<qsizetype>(MaxPatternText(grid_.Size())) + 1).toStdString(),
            grid_.Size(), IsListingByRow() ? ListingOrder::ByRow : ListingOrder::ByColumn);
    }
    if (parsed.grid) {
        Edit(*parsed.grid, QStringLiteral("Paste"));
        return;
    }
    // Above the field: below it stand Clear and Negative, which the notice would cover.
    notice_->ShowAbove(QStringLiteral("Not pasted: ") + QString::fromStdString(parsed.error),
                       mapToGlobal(field_->Bounds().topLeft() - QPoint(0, 3)));
}

void FrmMain::CopyToClipboard(const QString& text) {
    forms_.clipboard.Clear();
    forms_.clipboard.SetText(text);
}

Form* NewEditor(Forms& forms) {
    return new FrmMain(forms);
}

}  // namespace zrl
