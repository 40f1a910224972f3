#include "character_set_window.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QUndoGroup>
#include <QUndoStack>
#include <QVBoxLayout>

#include "beside_editor.h"
#include "character_chart.h"
#include "code_chart.h"
#include "code_chart_model.h"
#include "core/text/code_map.h"
#include "core/text/data_listing.h"
#include "platform/runtime_error.h"
#include "preview_row.h"
#include "resize_set_command.h"
#include "width_row.h"
#include "window_keys_in_text.h"
#include "windows/dialogs/preview_strip.h"
#include "windows/editor/main_window.h"
#include "windows/startup/forms.h"

namespace zrl {

FrmCharSet::FrmCharSet(Forms& forms)
    : Form(forms.main.IfExists(), Qt::Window),
      forms_(forms),
      document_(new SetDocument(this)),
      recovery_(new Recovery(*document_, this)),
      transfer_(*this, forms),
      files_(*this, *document_, transfer_),
      characters_(*this, *document_, forms),
      model_(new CodeChartModel(*document_, this)),
      current_(new CurrentCharacter(*document_, *forms.main.Get(), this)) {
    setObjectName(QStringLiteral("FrmCharSet"));
    actions_ = CreateSetActions(*this, files_, transfer_, characters_, forms_);
    CreateSetMenus(*this, actions_, forms_.main.Get()->HistoryGroup(), document_->SetHistory());
    CreateControls();
    beside_ = new BesideEditor(
        *this, *forms_.main.Get(), [this](const QString& text) { Say(text); },
        [this](int width) { forms_.main.Get()->LeaveRoomBeside(width); });
    ConnectDocument();
    ReplaceSet(SetFiles::BlankSet(Kind::PrintableAscii), {});
    forms_.main.Get()->UseFreeHistory(document_->SetHistory());
    beside_->Place();
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
    widthRow_ = new WidthRow(this);
    Width = widthRow_->Width;
    connect(widthRow_, &WidthRow::FitClicked, this,
            [this] { RunHandler(this, [this] { FitWidths(); }); });
    connect(widthRow_, &WidthRow::WidthChosen, this,
            [this](int width) { RunHandler(this, [this, width] { SetCurrentWidth(width); }); });
    layout->addWidget(widthRow_);
    // Tab follows the reading order: Go to, then the chart (arrows move within it), then
    // the width row.
    setTabOrder(GoTo, Chart);
    setTabOrder(Chart, Width);
    Chart->setFocus();  // the window opens with its keys in the chart
    auto* previewRow = new PreviewRow(Preview, this);
    PreviewText = previewRow->Text;
    DotColour = previewRow->DotColour;
    ScrollSpeed = previewRow->ScrollSpeed;
    connect(PreviewText, &QLineEdit::textChanged, this, [this] { UpdatePreview(); });
    for (QLineEdit* text : {GoTo, PreviewText}) {
        new WindowKeysInText(text);
    }
    layout->addWidget(previewRow);
    layout->addWidget(Preview);
    layout->addWidget(PreviewNote);
    layout->addWidget(Status);

    connect(Chart, &CodeChart::CurrentChanged, this,
            [this](int code) { RunHandler(this, [this, code] { MakeCurrent(code); }); });
}

// The window shows what the document holds: its file and unsaved state in the title, its
// characters in the chart and the preview.
void FrmCharSet::ConnectDocument() {
    connect(document_, &SetDocument::FileChanged, this, &FrmCharSet::SetFile);
    connect(document_, &SetDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    connect(document_, &SetDocument::Replaced, this, [this] {
        // A chart of larger characters widens the window to show a whole row, room allowing.
        beside_->Fit();
        UpdatePreview();
        UpdateWidth();
    });
    connect(document_, &SetDocument::PatternChanged, this, [this](int code) {
        UpdatePreview();
        // Dots do not change what the line says of a character, only what it says instead.
        if (code != described_) {
            DescribeCurrent(code);
        }
    });
    // The width box follows what can change a width; a click in the field cannot.
    for (const auto signal : {&SetDocument::CharactersChanged, &SetDocument::WidthsChanged}) {
        connect(document_, signal, this, [this] {
            UpdatePreview();
            UpdateWidth();
        });
    }
    connect(document_, &SetDocument::WidthsChanged, this, [this] { DescribeCurrent(Current()); });
    // The field edits no character whose history is gone.
    connect(document_, &SetDocument::HistoriesDropping, current_, &CurrentCharacter::Forget);
}

SetCompanion::Opened FrmCharSet::Open() {
    Status->clear();
    const bool done = files_.Open_Click();
    const QString said = Status->text();
    return {done, !done && said.startsWith(QStringLiteral("Not opened")) ? said : QString()};
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

void FrmCharSet::ReplaceSet(CharacterSet set, const QString& path, const QString& name) {
    untitledName_ = name;
    const int current = Current();
    document_->Replace(std::move(set), path);
    SetFile(path);
    Say(QString::fromStdString(Counted(Set().Size(), "character")));
    ShowNewSetInField(current);
}

// The field showed the set's character at this code: it shows the new set's there, or a
// blank field of its cell, never the character of a set that is gone.
void FrmCharSet::ShowNewSetInField(int code) {
    if (code < 0) {
        return;
    }
    if (Set().Find(code) != nullptr) {
        MakeCurrent(code);
    } else if (FrmMain* editor = forms_.main.IfExists()) {
        editor->ShowGrid(CharacterGrid(Set().Cell()));
    }
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

bool FrmCharSet::ImportOutlineSet(const CharacterSet& set, const QString& name) {
    if (!MaybeSave()) {
        return false;
    }
    ReplaceSet(set, {}, name);
    MarkUnsaved();
    return true;
}

// A copy a run left of the file is offered even where the file itself cannot be read.
bool FrmCharSet::OpenFile(const QString& path) {
    const bool read = files_.Read(path);
    return recoveryOffer_->OfferCopyOf(path) || read;
}

// The field shows the character and edits it from now on, into the character's own history.
void FrmCharSet::MakeCurrent(int code) {
    if (code == Current()) {
        return;
    }
    const bool made = current_->Make(code);
    UpdateWidth();
    if (!made) {
        return;
    }
    DescribeCurrent(code);
    if (Chart->currentIndex() != model_->IndexOf(code)) {
        Chart->MakeCurrent(code);
    }
}

// The status line describes the current character as it becomes current and as it is
// edited: what the line said before an edit (a refusal, a save) is no longer the truth.
void FrmCharSet::DescribeCurrent(int code) {
    if (code >= 0 && code == Current() && Set().Find(code) != nullptr) {
        Say(CodeChartModel::Described(code) +
            QStringLiteral(", %1 wide").arg(Set().Find(code)->width));
        described_ = code;
    }
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
    described_ = -1;
}

QString FrmCharSet::Describe() const {
    return QStringLiteral("%1 of %2")
        .arg(QString::fromStdString(Counted(Set().Size(), "character")))
        .arg(QString::fromStdString(ToString(Set().Cell())));
}

void FrmCharSet::UpdatePreview() {
    Preview->Show(&Set(), PreviewText->text());
    QStringList notes;
    if (PreviewText->text().size() >= PreviewRow::kLongestText) {
        notes << QStringLiteral("The preview takes %1 at most")
                     .arg(QString::fromStdString(Counted(PreviewRow::kLongestText, "character")));
    }
    if (const QString missing = Preview->Missing(); !missing.isEmpty()) {
        notes << missing;
    }
    PreviewNote->setText(notes.join(QStringLiteral(". ")));
    PreviewNote->setVisible(!notes.isEmpty());
}

// The width box shows the current character's width, and is off while none is current.
void FrmCharSet::UpdateWidth() {
    const SetCharacter* character = Current() >= 0 ? Set().Find(Current()) : nullptr;
    widthRow_->Show(character, Set().Cell());
    actions_.narrower->setEnabled(character != nullptr);
    actions_.wider->setEnabled(character != nullptr);
}

void FrmCharSet::SetCurrentWidth(int width) {
    if (!current_->SetWidth(width)) {
        UpdateWidth();
    }
}

Form* NewCharacterSet(Forms& forms) {
    return new FrmCharSet(forms);
}

}  // namespace zrl
