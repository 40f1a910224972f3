#include "character_set_window.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QUndoGroup>
#include <QUndoStack>
#include <QVBoxLayout>

#include "cell_size_dialog.h"
#include "character_chart.h"
#include "character_commands.h"
#include "code_chart.h"
#include "code_chart_model.h"
#include "core/text/data_listing.h"
#include "forms.h"
#include "import_font_dialog.h"
#include "import_set_command.h"
#include "main_window.h"
#include "platform/font_file.h"
#include "platform/history_keys.h"
#include "platform/runtime_error.h"
#include "preview_row.h"
#include "preview_strip.h"
#include "recovery_offer.h"
#include "resize_set_command.h"
#include "set_document.h"
#include "set_files.h"
#include "set_widths_command.h"
#include "side_by_side.h"

namespace zrl {

namespace {

constexpr int kHistorySteps = 1000;

QAction* AddAction(QWidget* window, const QString& text, QKeySequence key = {}) {
    auto* action = new QAction(text, window);
    action->setShortcut(key);
    window->addAction(action);
    return action;
}

}  // namespace

FrmCharSet::FrmCharSet(Forms& forms)
    : Form(forms.main.IfExists(), Qt::Window),
      forms_(forms),
      document_(new SetDocument(this)),
      recovery_(new Recovery(*document_, this)),
      transfer_(*this, forms),
      files_(*this, *document_, transfer_),
      characters_(*this, *document_, forms),
      model_(new CodeChartModel(*document_, this)) {
    setObjectName(QStringLiteral("FrmCharSet"));
    CreateActions();
    CreateMenus();
    CreateControls();
    ConnectDocument();
    ReplaceSet(SetFiles::BlankSet(Kind::PrintableAscii), {});
    forms_.main.Get()->UseFreeHistory(document_->SetHistory());
    forms_.main.Get()->installEventFilter(this);
    PlaceBesideEditor();
}

void FrmCharSet::CreateActions() {
    actions_.newSet = AddAction(this, QStringLiteral("&New..."), QKeySequence::New);
    actions_.open = AddAction(this, QStringLiteral("&Open..."), QKeySequence::Open);
    actions_.save = AddAction(this, QStringLiteral("&Save"), QKeySequence::Save);
    actions_.saveAs =
        AddAction(this, QStringLiteral("Save &As..."), Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    actions_.close = AddAction(this, QStringLiteral("&Close"), QKeySequence::Close);
    actions_.add = AddAction(this, QStringLiteral("&Add Character..."), Qt::Key_Insert);
    actions_.remove = AddAction(this, QStringLiteral("&Delete Character"), QKeySequence::Delete);
    actions_.copy = AddAction(this, QStringLiteral("&Copy Character"), QKeySequence::Copy);
    actions_.paste = AddAction(this, QStringLiteral("&Paste Character"), QKeySequence::Paste);
    actions_.copyBasic = AddAction(this, QStringLiteral("Copy as &BASIC Data Block"));
    actions_.copyC = AddAction(this, QStringLiteral("Copy as C &Font Table..."));
    actions_.copyLcd = AddAction(this, QStringLiteral("Copy as &LCD Characters"));
    actions_.exportFile = AddAction(this, QStringLiteral("&Export to File..."));
    actions_.exportDialog = AddAction(this, QStringLiteral("E&xport..."), Qt::CTRL | Qt::Key_E);
    actions_.importClipboard = AddAction(this, QStringLiteral("&Import from the Clipboard"),
                                         Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    actions_.importFile = AddAction(this, QStringLiteral("Import from Fi&le..."));
    actions_.importFont = AddAction(this, QStringLiteral("Import &Font..."));
    actions_.cellSize = AddAction(this, QStringLiteral("Cell Si&ze..."));
    actions_.fitWidths = AddAction(this, QStringLiteral("&Fit Widths"));
    actions_.narrower =
        AddAction(this, QStringLiteral("&Narrower"), Qt::CTRL | Qt::Key_BracketLeft);
    actions_.wider = AddAction(this, QStringLiteral("&Wider"), Qt::CTRL | Qt::Key_BracketRight);
    OnTriggered(actions_.cellSize, [this] { CellSize_Click(); });
    OnTriggered(actions_.fitWidths, [this] { FitWidths(); });
    OnTriggered(actions_.narrower, [this] { SetCurrentWidth(Width->value() - 1); });
    OnTriggered(actions_.wider, [this] { SetCurrentWidth(Width->value() + 1); });
    OnTriggered(actions_.exportDialog, [this] { transfer_.ShowExportDialog(); });
    OnTriggered(actions_.copyBasic, [this] { transfer_.Copy(Format::BasicBlock); });
    OnTriggered(actions_.copyC, [this] { transfer_.Copy(Format::CFontTable); });
    OnTriggered(actions_.copyLcd, [this] { transfer_.Copy(Format::LcdCharacters); });
    OnTriggered(actions_.exportFile, [this] { transfer_.ExportFile(); });
    OnTriggered(actions_.importClipboard,
                [this] { transfer_.ImportText(forms_.clipboard.Text()); });
    OnTriggered(actions_.importFile, [this] { transfer_.ImportFile(); });
    OnTriggered(actions_.importFont, [this] { ImportFont_Click(); });
    OnTriggered(actions_.newSet, [this] { files_.New_Click(); });
    OnTriggered(actions_.open, [this] { files_.Open_Click(); });
    OnTriggered(actions_.save, [this] { files_.Save_Click(); });
    OnTriggered(actions_.saveAs, [this] { files_.SaveAs_Click(); });
    OnTriggered(actions_.close, [this] { close(); });
    OnTriggered(actions_.add, [this] { characters_.Add_Click(); });
    OnTriggered(actions_.remove, [this] { characters_.Delete_Click(); });
    OnTriggered(actions_.copy, [this] { characters_.Copy_Click(); });
    OnTriggered(actions_.paste, [this] { characters_.Paste_Click(); });
}

void FrmCharSet::CreateMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addActions({actions_.newSet, actions_.open, actions_.save, actions_.saveAs});
    file->addSeparator();
    file->addActions({actions_.copyBasic, actions_.copyC, actions_.copyLcd, actions_.exportFile,
                      actions_.exportDialog});
    file->addSeparator();
    file->addActions({actions_.importClipboard, actions_.importFile, actions_.importFont});
    file->addSeparator();
    file->addAction(actions_.close);

    QUndoGroup* histories = forms_.main.Get()->HistoryGroup();
    QAction* undo = histories->createUndoAction(this, QStringLiteral("&Undo"));
    QAction* redo = histories->createRedoAction(this, QStringLiteral("&Redo"));
    undo->setShortcuts(UndoKeys());
    redo->setShortcuts(RedoKeys());
    addActions({undo, redo});
    QMenu* character = bar->addMenu(QStringLiteral("&Character"));
    character->addActions({undo, redo});
    character->addSeparator();
    character->addActions({actions_.copy, actions_.paste});
    character->addSeparator();
    character->addActions({actions_.add, actions_.remove});
    character->addSeparator();
    character->addAction(actions_.cellSize);
    character->addSeparator();
    character->addActions({actions_.narrower, actions_.wider, actions_.fitWidths});
}

void FrmCharSet::CreateControls() {
    auto* chart = new CharacterChart(*document_, model_, this);
    Chart = chart->Chart;
    Blocks = chart->Blocks;
    GoTo = chart->GoTo;
    connect(chart, &CharacterChart::Said, this, &FrmCharSet::Say);
    Preview = new PreviewStrip(this);
    PreviewNote = new QLabel(this);
    PreviewNote->hide();
    Status = new QLabel(this);
    Status->setWordWrap(true);
    recoveryOffer_ = new RecoveryOffer(*this, *recovery_);
    RecoveryBar = recoveryOffer_;
    RecoveryText = recoveryOffer_->Text;
    Restore = recoveryOffer_->Restore;
    Discard = recoveryOffer_->Discard;
    connect(recovery_, &Recovery::Off, this, &FrmCharSet::Say);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setMenuBar(findChild<QMenuBar*>());
    layout->addWidget(RecoveryBar);
    layout->addWidget(chart, 1);
    layout->addWidget(CreateWidthRow());
    auto* previewRow = new PreviewRow(Preview, this);
    PreviewText = previewRow->Text;
    DotColour = previewRow->DotColour;
    ScrollSpeed = previewRow->ScrollSpeed;
    connect(PreviewText, &QLineEdit::textChanged, this, [this] { UpdatePreview(); });
    layout->addWidget(previewRow);
    layout->addWidget(Preview);
    layout->addWidget(PreviewNote);
    layout->addWidget(Status);

    connect(Chart, &CodeChart::CurrentChanged, this,
            [this](int code) { RunHandler(this, [this, code] { MakeCurrent(code); }); });
    connect(forms_.main.Get(), &FrmMain::GridShown, this,
            [this](const CharacterGrid& grid) { FieldShown(grid); });
}

QWidget* FrmCharSet::CreateWidthRow() {
    auto* row = new QWidget(this);
    Width = new QSpinBox(row);
    Width->setAccessibleName(QStringLiteral("Character width"));
    Width->setSuffix(QStringLiteral(" columns"));
    auto* label = new QLabel(QStringLiteral("&Width:"), row);
    label->setBuddy(Width);
    auto* fit = new QPushButton(QStringLiteral("F&it Widths"), row);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(Width);
    layout->addStretch();
    layout->addWidget(fit);
    OnClick(fit, [this] { FitWidths(); });
    connect(Width, &QSpinBox::valueChanged, this,
            [this](int width) { RunHandler(this, [this, width] { SetCurrentWidth(width); }); });
    return row;
}

// Beside the editor, on whichever side has more room or on the side it stands, both moved
// or the set window made narrower where the screen asks for it.
void FrmCharSet::PlaceBesideEditor() {
    if (PlaceBeside(*this, *forms_.main.Get())) {
        Say(QStringLiteral("The screen is too narrow to show the set beside the editor"));
    }
}

bool FrmCharSet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == forms_.main.IfExists() && event->type() == QEvent::Resize && isVisible()) {
        PlaceBesideEditor();
    }
    return Form::eventFilter(watched, event);
}

// The window shows what the document holds: its file and unsaved state in the title, its
// characters in the chart and the preview.
void FrmCharSet::ConnectDocument() {
    connect(document_, &SetDocument::FileChanged, this, &FrmCharSet::SetFile);
    connect(document_, &SetDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    connect(document_, &SetDocument::Replaced, this, [this] {
        FitChart();
        UpdatePreview();
        UpdateWidth();
    });
    connect(document_, &SetDocument::PatternChanged, this, &FrmCharSet::UpdatePreview);
    // The width box follows what can change a width; a click in the field cannot.
    for (const auto signal : {&SetDocument::CharactersChanged, &SetDocument::WidthsChanged}) {
        connect(document_, signal, this, [this] {
            UpdatePreview();
            UpdateWidth();
        });
    }
    // The field edits no character whose history is gone.
    connect(document_, &SetDocument::HistoriesDropping, this, [this] {
        current_ = -1;
        if (FrmMain* editor = forms_.main.IfExists()) {
            editor->UseHistory(nullptr);
        }
    });
}

const CharacterSet& FrmCharSet::Set() const {
    return document_->Set();
}

QString FrmCharSet::FilePath() const {
    return document_->FilePath();
}

// The title names the file, or "Untitled".
void FrmCharSet::SetFile(const QString& path) {
    setWindowFilePath(path);
    setWindowTitle(FileName() + QStringLiteral("[*] - Character Set"));
}

QString FrmCharSet::FileName() const {
    if (FilePath().isEmpty()) {
        return untitledName_.isEmpty() ? QStringLiteral("Untitled") : untitledName_;
    }
    return QFileInfo(FilePath()).fileName();
}

ListingOrder FrmCharSet::EditorOrder() const {
    const FrmMain* editor = forms_.main.IfExists();
    return editor == nullptr || editor->IsListingByRow() ? ListingOrder::ByRow
                                                         : ListingOrder::ByColumn;
}

// A chart of larger characters widens the window to show a whole row where there is room.
void FrmCharSet::FitChart() {
    if (size().expandedTo(sizeHint()) != size()) {
        PlaceBesideEditor();
    }
}

void FrmCharSet::ReplaceSet(CharacterSet set, const QString& path, const QString& name) {
    untitledName_ = name;
    document_->Replace(std::move(set), path);
    SetFile(path);
    Say(QStringLiteral("%1 characters").arg(Set().Size()));
}

void FrmCharSet::NewSet(Kind kind, CellSize size) {
    ReplaceSet(SetFiles::BlankSet(kind, size), {});
}

void FrmCharSet::ChangeCellSize(CellSize size) {
    if (size == Set().Cell()) {
        return;
    }
    PushSetStep(new ResizeSetCommand(*this, Set().Resized(size)));
}

// A step of the set, not of a character: none is current while it is done.
void FrmCharSet::PushSetStep(SetStep* step) {
    Chart->MakeCurrent(-1);
    document_->SetHistory()->push(step);
}

void FrmCharSet::PutSet(const CharacterSet& set) {
    Chart->MakeCurrent(-1);
    document_->PutSet(set);
}

bool FrmCharSet::OfferRecovery() {
    return recoveryOffer_->OfferAll();
}

void FrmCharSet::MarkUnsaved() {
    document_->MarkUnsaved();
}

void FrmCharSet::CellSize_Click() {
    if (const std::optional<CellSize> size =
            AskCellSize(this, QStringLiteral("Cell Size"), Set().Cell())) {
        ChangeCellSize(*size);
    }
}

void FrmCharSet::ImportFont_Click() {
    ImportFontDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted && dialog.Set()) {
        ImportOutlineSet(*dialog.Set(), dialog.SetName());
    }
}

bool FrmCharSet::ImportOutlineSet(const CharacterSet& set, const QString& name) {
    if (!MaybeSave()) {
        return false;
    }
    ReplaceSet(set, {}, name);
    MarkUnsaved();
    return true;
}

bool FrmCharSet::OpenFile(const QString& path) {
    if (!files_.Read(path)) {
        return false;
    }
    recoveryOffer_->OfferCopyOf(path);
    return true;
}

bool FrmCharSet::SaveTo(const QString& path) {
    return files_.SaveTo(path);
}

bool FrmCharSet::MaybeSave() {
    return files_.MaybeSave();
}

bool FrmCharSet::AddCharacter(int code) {
    return characters_.Add(code);
}

// The field shows the character and edits it from now on, into the character's own history.
void FrmCharSet::MakeCurrent(int code) {
    if (code == current_) {
        return;
    }
    current_ = -1;  // the field's own colours are no change of the character
    FrmMain* editor = forms_.main.Get();
    if (code < 0 || Set().Find(code) == nullptr) {
        editor->UseHistory(nullptr);
        UpdateWidth();
        return;
    }
    editor->UseHistory(HistoryOf(code));
    editor->ShowGrid(GridOf(Set().Find(code)->pattern));
    current_ = code;
    UpdateWidth();
    Say(CodeChartModel::Described(code) + QStringLiteral(", %1 wide").arg(Set().Find(code)->width));
    if (Chart->currentIndex() != model_->IndexOf(code)) {
        Chart->MakeCurrent(code);
    }
}

// The field's undo and redo reach here from the history, outside any handler: nothing may
// throw past it.
void FrmCharSet::FieldShown(const CharacterGrid& grid) {
    if (current_ < 0) {
        return;
    }
    RunHandler(this, [this, &grid] { document_->SetPattern(current_, PatternOf(grid)); });
}

// The character's history, a member of the editor's group of histories.
QUndoStack* FrmCharSet::HistoryOf(int code) {
    QUndoStack* history = document_->HistoryOf(code, kHistorySteps);
    forms_.main.Get()->HistoryGroup()->addStack(history);
    return history;
}

// The set is saved or thrown away by now: its copy and its history go with the window.
void FrmCharSet::Unloading() {
    document_->DropHistories();
    if (FrmMain* editor = forms_.main.IfExists()) {
        editor->UseFreeHistory(nullptr);
    }
    recovery_->Remove();
}

// A screen reader hears the line by its name, which is the text itself.
void FrmCharSet::Say(const QString& text) {
    Status->setText(text);
    Status->setAccessibleName(text);
}

QString FrmCharSet::Describe() const {
    return QStringLiteral("%1 characters of %2")
        .arg(Set().Size())
        .arg(QString::fromStdString(ToString(Set().Cell())));
}

quint64 FrmCharSet::Generation() const {
    return document_->Generation();
}

void FrmCharSet::UpdatePreview() {
    Preview->Show(&Set(), PreviewText->text());
    PreviewNote->setText(Preview->Missing());
    PreviewNote->setVisible(!PreviewNote->text().isEmpty());
}

// The width box shows the current character's width, and is off while none is current.
void FrmCharSet::UpdateWidth() {
    const SetCharacter* character = current_ >= 0 ? Set().Find(current_) : nullptr;
    const QSignalBlocker quiet(Width);
    Width->setRange(0, Set().Cell().width);
    Width->setValue(character != nullptr ? character->width : Set().Cell().width);
    Width->setEnabled(character != nullptr);
    actions_.narrower->setEnabled(character != nullptr);
    actions_.wider->setEnabled(character != nullptr);
}

void FrmCharSet::SetCurrentWidth(int width) {
    const SetCharacter* character = current_ >= 0 ? Set().Find(current_) : nullptr;
    width = std::clamp(width, 0, Set().Cell().width);
    if (character == nullptr || character->width == width) {
        UpdateWidth();
        return;
    }
    HistoryOf(current_)->push(
        new SetWidthsCommand(*document_, {{current_, width}}, QStringLiteral("Width")));
}

void FrmCharSet::FitWidths() {
    CharacterSet fitted(Set().Cell(), Set().Descent());
    for (auto& [code, character] : FittedCharacters(Set())) {
        fitted.Put(code, std::move(character));
    }
    if (fitted.IsEmpty()) {
        Say(QStringLiteral("Every character already fits its dots"));
        return;
    }
    PushSetStep(new ImportSetCommand(
        *this, fitted, QStringLiteral("Fit Widths"),
        QStringLiteral("Fitted %1 characters to their dots").arg(fitted.Size())));
}

std::string FrmCharSet::ExportText(Format format, const QString& arrayName) const {
    return transfer_.ExportText(format, arrayName);
}

bool FrmCharSet::Import(const QString& text, int firstCode) {
    return transfer_.Import(text, firstCode);
}

bool FrmCharSet::ImportTable(const QString& text, const TableOptions& options) {
    return transfer_.ImportTable(text, options);
}

void FrmCharSet::PutCharacters(const std::map<int, std::optional<SetCharacter>>& characters) {
    document_->PutCharacters(characters);
}

}  // namespace zrl
