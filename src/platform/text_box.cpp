#include "text_box.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "history_keys.h"

namespace zrl {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The letter a menu item's text underlines, lower case; none where it underlines none.
QChar Mnemonic(const QString& text) {
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 2)) {
        if (text[at + 1] != u'&') {
            return text[at + 1].toLower();
        }
    }
    return {};
}

// The text with its underline moved to a letter no other item has: a word's first letter
// where one is free, else any letter.
QString WithFreeMnemonic(QString text, QSet<QChar>& used) {
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    for (const bool wordStart : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool starts = i == 0 || !text[i - 1].isLetter();
            if (text[i].isLetter() && (starts || !wordStart) && !used.contains(text[i].toLower())) {
                used.insert(text[i].toLower());
                return text.insert(i, u'&');
            }
        }
    }
    return text;
}

// The action, or where its letter is taken by an item of the menu already, a twin of it
// that underlines another letter: the action's own text stays as its other menus show it.
QAction* Unclashed(QAction* action, QSet<QChar>& used, QMenu* menu) {
    const QChar letter = Mnemonic(action->text());
    if (letter.isNull() || !used.contains(letter)) {
        used.insert(letter);
        return action;
    }
    auto* twin = new QAction(WithFreeMnemonic(action->text(), used), menu);
    twin->setShortcut(action->shortcut());
    twin->setEnabled(action->isEnabled());
    QObject::connect(twin, &QAction::triggered, action, &QAction::trigger);
    return twin;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    // The margin is set through the document's undo history; nothing typed may undo it.
    document()->clearUndoRedoStacks();
}

// The document keeps paragraphs, not line breaks; the raw text marks them with the
// Unicode paragraph separator (and Shift+Enter with the line separator).
QString TextBox::Text() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kCrLf);
    text.replace(QChar::LineSeparator, kCrLf);
    return text;
}

// Replaces the contents in place rather than through setPlainText, which rebuilds the
// whole document layout: several times slower on every cell click. Where the new text has
// as many lines as the old, only the lines that differ are written, so a click in a large
// field lays out one line, not thirty-two. Either way the caret ends after the last line
// and the undo history goes, as with a fresh document.
void TextBox::SetText(const QString& text) {
    QString lines = text;
    lines.replace(kCrLf, QStringLiteral("\n"));
    QTextDocument* doc = document();
    doc->setUndoRedoEnabled(false);
    const QStringList newLines = lines.split(u'\n');
    if (newLines.size() == doc->blockCount()) {
        for (int i = 0; i < newLines.size(); ++i) {
            const QTextBlock block = doc->findBlockByNumber(i);
            if (block.text() != newLines[i]) {
                QTextCursor cursor(block);
                cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                cursor.insertText(newLines[i]);
            }
        }
        QTextCursor end(doc);
        end.movePosition(QTextCursor::End);
        setTextCursor(end);
    } else {
        QTextCursor cursor(doc);
        cursor.select(QTextCursor::Document);
        cursor.insertText(lines);
    }
    doc->setUndoRedoEnabled(true);
}

void TextBox::SetBackColor(OLE_COLOR colour) {
    SetPaletteColours(this, {QPalette::Base}, colour);
}

void TextBox::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

void TextBox::AddMenuActions(const QList<QAction*>& actions) {
    menuActions_ << actions;
}

// Opened without a nested event loop, like every other menu of the program.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu(event->pos());
    if (!menuActions_.isEmpty()) {
        QSet<QChar> used;
        for (const QAction* item : menu->actions()) {
            used.insert(Mnemonic(item->text()));
        }
        menu->addSeparator();
        for (QAction* action : menuActions_) {
            menu->addAction(Unclashed(action, used, menu));
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

bool TextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = IsUndoKey(key);
        if (undo || IsRedoKey(key)) {
            // Accepted, the key comes to this box; ignored, it is free for a shortcut.
            const QTextDocument* doc = document();
            event->setAccepted(undo ? doc->isUndoAvailable() : doc->isRedoAvailable());
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (IsUndoKey(event)) {
        undo();
    } else if (IsRedoKey(event)) {
        redo();
    } else {
        QPlainTextEdit::keyPressEvent(event);
    }
}

}  // namespace zrl
