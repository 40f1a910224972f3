#pragma once

namespace zrl {

class FrmCharSet;
class Forms;
class SetDocument;

// The set window's commands on one character: Add at a code in any form a person writes
// it, Delete, and Copy and Paste as its listing, so a character also travels to the editor
// and to other programs.
class CharacterCommands {
public:
    CharacterCommands(FrmCharSet& window, SetDocument& document, Forms& forms);

    // A blank character at the code, made current; false, and the status line says why,
    // where the code is taken.
    bool Add(int code);

    void Add_Click();
    void Delete_Click();
    void Copy_Click();
    void Paste_Click();

private:
    FrmCharSet& window_;
    SetDocument& document_;
    Forms& forms_;
};

}  // namespace zrl
