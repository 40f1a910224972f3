#pragma once

#include <QPlainTextEdit>

#include "ole_color.h"

namespace zrl {

// A multi-line text box whose Text reads back exactly what was written, CR LF line breaks
// included, and gives CR LF for the lines a user types too.
//
// Undo and redo keys work on what was typed into the box first. When the box has nothing
// left to undo (or redo), it lets the key go on to the window, so the window's own
// history takes over.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    void SetBackColor(OLE_COLOR colour);
    void SetFocus();
    // Added below the standard editing commands of the box's context menu.
    void AddMenuActions(const QList<QAction*>& actions);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<QAction*> menuActions_;
};

}  // namespace zrl
