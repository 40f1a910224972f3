#include "set_commands.h"

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QUndoGroup>

#include "character_commands.h"
#include "character_set_window.h"
#include "core/text/code_map.h"
#include "import_set_command.h"
#include "platform/runtime_error.h"
#include "set_files.h"
#include "set_transfer.h"
#include "set_undo.h"
#include "windows/dialogs/cell_size_dialog.h"
#include "windows/dialogs/import_font_dialog.h"
#include "windows/startup/forms.h"

namespace zrl {

namespace {

QAction* AddAction(QWidget* window, const QString& text, QKeySequence key = {}) {
    auto* action = new QAction(text, window);
    action->setShortcut(key);
    window->addAction(action);
    return action;
}

// Each command runs as a handler of the window: a failure ends it alone.
void OnTriggered(FrmCharSet& window, QAction* action, std::function<void()> handler) {
    QObject::connect(action, &QAction::triggered, &window,
                     [&window, handler = std::move(handler)] { RunHandler(&window, handler); });
}

// A smaller cell that cuts dots is asked about first, naming how many characters lose some.
void ChangeCellSize(FrmCharSet& window) {
    const std::optional<CellSize> size =
        AskCellSize(&window, QStringLiteral("Cell Size"), window.Set().Cell());
    if (!size) {
        return;
    }
    if (const int cut = CharactersCut(window.Set(), *size); cut > 0) {
        QMessageBox question(QMessageBox::Warning, QStringLiteral("Cell Size"),
                             QStringLiteral("A %1 cell cuts the dots of %2.")
                                 .arg(QString::fromStdString(ToString(*size)),
                                      QString::fromStdString(Counted(cut, "character"))),
                             QMessageBox::Cancel, &window);
        QPushButton* change =
            question.addButton(QStringLiteral("&Cut Dots"), QMessageBox::AcceptRole);
        question.setDefaultButton(QMessageBox::Cancel);
        question.exec();
        if (question.clickedButton() != change) {
            return;
        }
    }
    window.ChangeCellSize(*size);
}

void ImportFont(FrmCharSet& window) {
    ImportFontDialog dialog(&window);
    if (dialog.exec() == QDialog::Accepted && dialog.Set()) {
        window.ImportOutlineSet(*dialog.Set(), dialog.SetName());
    }
}

SetActions Create(FrmCharSet& window) {
    SetActions a{};
    a.newSet = AddAction(&window, QStringLiteral("&New..."), QKeySequence::New);
    a.open = AddAction(&window, QStringLiteral("&Open..."), QKeySequence::Open);
    a.save = AddAction(&window, QStringLiteral("&Save"), QKeySequence::Save);
    a.saveAs = AddAction(&window, QStringLiteral("Save &As..."), Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    a.close = AddAction(&window, QStringLiteral("&Close"), QKeySequence::Close);
    a.add = AddAction(&window, QStringLiteral("&Add Character..."), Qt::Key_Insert);
    a.remove = AddAction(&window, QStringLiteral("&Delete Character"), QKeySequence::Delete);
    a.copy = AddAction(&window, QStringLiteral("&Copy Character"), QKeySequence::Copy);
    a.paste = AddAction(&window, QStringLiteral("&Paste Character"), QKeySequence::Paste);
    a.copyBasic = AddAction(&window, QStringLiteral("Copy as &BASIC Data Block"));
    a.copyC = AddAction(&window, QStringLiteral("Copy as C Font &Table..."));
    a.copyLcd = AddAction(&window, QStringLiteral("Copy as &LCD Characters"));
    a.exportFile = AddAction(&window, QStringLiteral("&Export to File..."));
    a.exportDialog = AddAction(&window, QStringLiteral("E&xport..."), Qt::CTRL | Qt::Key_E);
    a.importClipboard = AddAction(&window, QStringLiteral("&Import from the Clipboard"),
                                  Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    a.importFile = AddAction(&window, QStringLiteral("Import f&rom File..."));
    a.importFont = AddAction(&window, QStringLiteral("Import &Font..."));
    a.cellSize = AddAction(&window, QStringLiteral("Cell Si&ze..."));
    a.fitWidths = AddAction(&window, QStringLiteral("&Fit Widths"));
    a.narrower = AddAction(&window, QStringLiteral("&Narrower"), Qt::CTRL | Qt::Key_BracketLeft);
    a.wider = AddAction(&window, QStringLiteral("&Wider"), Qt::CTRL | Qt::Key_BracketRight);
    return a;
}

}  // namespace

void FitCharacterWidths(FrmCharSet& window) {
    const CharacterSet& set = window.Set();
    CharacterSet fitted(set.Cell(), set.Descent());
    for (auto& [code, character] : FittedCharacters(set)) {
        fitted.Put(code, std::move(character));
    }
    if (fitted.IsEmpty()) {
        window.Say(QStringLiteral("Every character already fits its dots"));
        return;
    }
    window.PushSetStep(new ImportSetCommand(
        window, fitted, QStringLiteral("Fit Widths"),
        QStringLiteral("Fitted %1 to their dots")
            .arg(QString::fromStdString(Counted(fitted.Size(), "character")))));
}

SetActions CreateSetActions(FrmCharSet& window, SetFiles& files, SetTransfer& transfer,
                            CharacterCommands& characters, Forms& forms) {
    const SetActions a = Create(window);
    FrmCharSet* w = &window;
    using Format = SetFormat;
    OnTriggered(window, a.cellSize, [w] { ChangeCellSize(*w); });
    OnTriggered(window, a.fitWidths, [w] { w->FitWidths(); });
    OnTriggered(window, a.narrower, [w] { w->SetCurrentWidth(w->Width->value() - 1); });
    OnTriggered(window, a.wider, [w] { w->SetCurrentWidth(w->Width->value() + 1); });
    OnTriggered(window, a.exportDialog, [&transfer] { transfer.ShowExportDialog(); });
    OnTriggered(window, a.copyBasic, [&transfer] { transfer.Copy(Format::BasicBlock); });
    OnTriggered(window, a.copyC, [&transfer] { transfer.Copy(Format::CFontTable); });
    OnTriggered(window, a.copyLcd, [&transfer] { transfer.Copy(Format::LcdCharacters); });
    OnTriggered(window, a.exportFile, [&transfer] { transfer.ExportFile(); });
    OnTriggered(window, a.importClipboard,
                [&transfer, &forms] { transfer.ImportText(forms.clipboard.Text()); });
    OnTriggered(window, a.importFile, [&transfer] { transfer.ImportFile(); });
    OnTriggered(window, a.importFont, [w] { ImportFont(*w); });
    OnTriggered(window, a.newSet, [&files] { files.New_Click(); });
    OnTriggered(window, a.open, [&files] { files.Open_Click(); });
    OnTriggered(window, a.save, [&files] { files.Save_Click(); });
    OnTriggered(window, a.saveAs, [&files] { files.SaveAs_Click(); });
    OnTriggered(window, a.close, [w] { w->close(); });
    OnTriggered(window, a.add, [&characters] { characters.Add_Click(); });
    OnTriggered(window, a.remove, [&characters] { characters.Delete_Click(); });
    OnTriggered(window, a.copy, [&characters] { characters.Copy_Click(); });
    OnTriggered(window, a.paste, [&characters] { characters.Paste_Click(); });
    return a;
}

QMenuBar* CreateSetMenus(FrmCharSet& window, const SetActions& actions, QUndoGroup* histories,
                         QUndoStack* setHistory) {
    auto* bar = new QMenuBar(&window);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addActions({actions.newSet, actions.open, actions.save, actions.saveAs});
    file->addSeparator();
    file->addActions({actions.copyBasic, actions.copyC, actions.copyLcd, actions.exportFile,
                      actions.exportDialog});
    file->addSeparator();
    file->addActions({actions.importClipboard, actions.importFile, actions.importFont});
    file->addSeparator();
    file->addAction(actions.close);

    const auto* undo = new SetUndo(histories, setHistory, &window);
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addActions({undo->Undo, undo->Redo});
    QMenu* character = bar->addMenu(QStringLiteral("&Character"));
    character->addActions({actions.copy, actions.paste});
    character->addSeparator();
    character->addActions({actions.add, actions.remove});
    character->addSeparator();
    character->addAction(actions.cellSize);
    character->addSeparator();
    character->addActions({actions.narrower, actions.wider, actions.fitWidths});
    return bar;
}

}  // namespace zrl
