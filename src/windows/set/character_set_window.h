#pragma once

#include "character_commands.h"
#include "core/formats/set_export.h"
#include "current_character.h"
#include "platform/form.h"
#include "recovery_offer.h"
#include "set_commands.h"
#include "set_document.h"
#include "set_files.h"
#include "set_transfer.h"
#include "windows/editor/set_companion.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QPushButton;
class QLineEdit;

namespace zrl {

class BesideEditor;
class CodeChart;
class CodeChartModel;
class Forms;
class PreviewStrip;
class Recovery;
class SetStep;
class WidthRow;

// A set of characters kept in a font file, beside the editor: it presents the set's
// document. The character made current in the chart is what the editor's field shows and
// edits, each character with a history of its own; the chart and the preview follow every
// change at once.
class FrmCharSet : public Form, public SetCompanion {
    Q_OBJECT

public:
    using Kind = SetFiles::Kind;
    using Format = SetFormat;
    using Actions = SetActions;

    explicit FrmCharSet(Forms& forms);

    CodeChart* Chart;
    // The Unicode blocks the chart shows one of, and the box that goes to a code.
    QComboBox* Blocks;
    QLineEdit* GoTo;
    QSpinBox* Width;  // the current character's width, from 0 to the cell's
    QLineEdit* PreviewText;
    QComboBox* DotColour;
    QComboBox* ScrollSpeed;
    PreviewStrip* Preview;
    QLabel* PreviewNote;  // names the preview's characters the set lacks
    QLabel* Status;
    // Shown while a copy left by a run that ended without saving is offered.
    QWidget* RecoveryBar;
    QLabel* RecoveryText;
    QPushButton* Restore;
    QPushButton* Discard;

    const Actions& Commands() const { return actions_; }
    const CharacterSet& Set() const { return document_->Set(); }
    int Current() const { return current_->Code(); }  // -1: none
    QString FilePath() const { return document_->FilePath(); }
    // The editor's Row/Col order, in which BASIC is written.
    ListingOrder EditorOrder() const;
    // One line in the status line, which a screen reader reads by its name.
    void Say(const QString& text);
    // The set as it is shown, for the status line: "192 characters of 6x13".
    QString Describe() const;
    // Which set is open: a new one at every New, Open, Restore and Discard.
    quint64 Generation() const { return document_->Generation(); }

    // What the menu's commands do once their dialogs are answered.
    void NewSet(Kind kind, CellSize size = kDefaultSize) {
        ReplaceSet(SetFiles::BlankSet(kind, size), {});
    }
    // Every character at the new size, anchored at the top left, as one step of the set.
    void ChangeCellSize(CellSize size);
    bool OpenFile(const QString& path);
    bool SaveTo(const QString& path) { return files_.SaveTo(path); }
    bool AddCharacter(int code) { return characters_.Add(code); }
    void MakeCurrent(int code);
    // Offers the copies runs left unsaved, newest first, one after the other; false for none.
    bool OfferRecovery() { return recoveryOffer_->OfferAll(); }
    // The copies left of other sets than the one open, once it is dealt with.
    void OfferOtherCopies() { recoveryOffer_->OfferOthers(); }
    // The file's name, or the title of a set of no file ("Untitled" unless it has a name).
    QString FileName() const;
    // The set is the one given, as opened or created, with no changes and no history; a set
    // of no file may have a name for its title until it is saved.
    void ReplaceSet(CharacterSet set, const QString& path, const QString& name = {});
    // A set made from an outline font, unsaved, named for its title, once any unsaved
    // changes of the set open now are saved or let go; false where the person cancels.
    bool ImportOutlineSet(const CharacterSet& set, const QString& name);
    // The set holds changes that no file has, as one brought back from a copy does.
    void MarkUnsaved() { document_->MarkUnsaved(); }
    bool MaybeSave() override { return files_.MaybeSave(); }
    void SaveCharacter(const CharacterGrid& grid) override { files_.SaveCharacter(grid); }
    Opened Open() override;
    void Run(Command command) override {
        (command == Command::Open   ? actions_.open
         : command == Command::Save ? actions_.save
                                    : actions_.saveAs)
            ->trigger();
    }

    // The set as firmware source; BASIC in the editor's Row/Col order.
    std::string ExportText(Format format, const QString& arrayName) const {
        return transfer_.ExportText(format, arrayName);
    }
    // Reads a BASIC block, C table or LCD rows into the set as one step that undo takes
    // back; a C table that does not say its first code starts at `firstCode`. Text that is
    // no set changes nothing and says why.
    bool Import(const QString& text, int firstCode) { return transfer_.Import(text, firstCode); }
    // Reads a table laid out as the options say, as one step that undo takes back.
    bool ImportTable(const QString& text, const TableOptions& options) {
        return transfer_.ImportTable(text, options);
    }
    // The current character's width, as a step of its history.
    void SetCurrentWidth(int width);
    // Every character as wide as its rightmost lit column, as one step of the set.
    void FitWidths() { FitCharacterWidths(*this); }
    // Does the step on the set's own history, with no character current.
    void PushSetStep(SetStep* step);
    // Puts each character at its code, or removes the code's character for none.
    void PutCharacters(const std::map<int, std::optional<SetCharacter>>& characters) {
        document_->PutCharacters(characters);
    }
    // The whole set, as a step of its history puts it back: the characters' own histories
    // go, as their steps are of another size.
    void PutSet(const CharacterSet& set);

protected:
    bool QueryUnload() override { return MaybeSave(); }
    void Unloading() override;

private:
    void DescribeCurrent(int code);
    void ShowNewSetInField(int code);
    void CreateControls();
    void ConnectDocument();
    void UpdateWidth();
    void SetFile(const QString& path);
    void UpdatePreview();

    Forms& forms_;
    SetDocument* document_;
    Recovery* recovery_;
    SetTransfer transfer_;
    SetFiles files_;
    CharacterCommands characters_;
    Actions actions_{};
    RecoveryOffer* recoveryOffer_;
    CodeChartModel* model_;
    WidthRow* widthRow_;
    BesideEditor* beside_;
    int described_ = -1;  // the character the status line describes; -1: it says another thing
    CurrentCharacter* current_;  // the character the field edits
    QString untitledName_;       // the title of a set of no file, if not "Untitled"
};

}  // namespace zrl
