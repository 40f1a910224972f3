#pragma once

class QAction;
class QMenuBar;
class QUndoGroup;
class QUndoStack;

namespace zrl {

class CharacterCommands;
class FrmCharSet;
class Forms;
class SetFiles;
class SetTransfer;

// The set window's commands, each an action with its key on the window, and the menu bar
// that lists them: File, and Character with the editor's undo and redo.
struct SetActions {
    QAction* newSet;
    QAction* open;
    QAction* save;
    QAction* saveAs;
    QAction* close;
    QAction* add;
    QAction* remove;
    QAction* copy;
    QAction* paste;
    QAction* copyBasic;
    QAction* copyC;
    QAction* copyLcd;
    QAction* exportFile;
    QAction* exportDialog;
    QAction* importClipboard;
    QAction* importFile;
    QAction* importFont;
    QAction* cellSize;
    QAction* fitWidths;
    QAction* narrower;
    QAction* wider;
};

// Every character as wide as its rightmost lit column, as one step of the set.
void FitCharacterWidths(FrmCharSet& window);

// The window's actions, each doing its command through the window's parts.
SetActions CreateSetActions(FrmCharSet& window, SetFiles& files, SetTransfer& transfer,
                            CharacterCommands& characters, Forms& forms);

// The window's menu bar of the actions: File, Edit with the window's Undo and Redo (SetUndo),
// and Character.
QMenuBar* CreateSetMenus(FrmCharSet& window, const SetActions& actions, QUndoGroup* histories,
                         QUndoStack* setHistory);

}  // namespace zrl
