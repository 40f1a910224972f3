#include "field_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QUndoGroup>
#include <QWidget>

#include "platform/history_keys.h"

namespace zrl {

namespace {

struct TransformEntry {
    Transform transform;
    const char* text;
    QKeyCombination key;
};

// In the order of kAllTransforms. Each mnemonic letter is used once in the menu.
constexpr TransformEntry kTransforms[] = {
    {Transform::ShiftLeft, "Shift &Left", Qt::ALT | Qt::Key_Left},
    {Transform::ShiftRight, "Shift R&ight", Qt::ALT | Qt::Key_Right},
    {Transform::ShiftUp, "Shif&t Up", Qt::ALT | Qt::Key_Up},
    {Transform::ShiftDown, "Shift &Down", Qt::ALT | Qt::Key_Down},
    {Transform::MirrorLeftRight, "&Mirror Left-Right", Qt::ALT | Qt::Key_H},
    {Transform::FlipTopBottom, "&Flip Top-Bottom", Qt::ALT | Qt::Key_V},
};

struct SizeEntry {
    const char* text;
    int width;
    int height;
};

constexpr SizeEntry kSizes[] = {
    {"5x7", 5, 7},   {"5x8 (LCD character)", 5, 8}, {"6x8", 6, 8}, {"8x8 (LED module)", 8, 8},
    {"8x16", 8, 16},
};

QAction* AddAction(QWidget* window, const QString& text) {
    auto* action = new QAction(text, window);
    window->addAction(action);
    return action;
}

}  // namespace

FieldActions::FieldActions(QWidget* window, QUndoGroup* histories)
    : undo(histories->createUndoAction(window, QStringLiteral("&Undo"))),
      redo(histories->createRedoAction(window, QStringLiteral("&Redo"))),
      paste(AddAction(window, QStringLiteral("&Paste into the field"))),
      copyCColumns(AddAction(window, QStringLiteral("Copy as C: c&olumns (5x7 font)"))),
      copyCRows(AddAction(window, QStringLiteral("Copy as C: ro&ws (LCD custom character)"))),
      clear(AddAction(window, QStringLiteral("&Clear"))),
      negative(AddAction(window, QStringLiteral("&Negative"))),
      fill(AddAction(window, QStringLiteral("Fill Re&gion"))),
      drawMenu(new QMenu(QStringLiteral("Dr&ag Draws"), window)),
      sizeMenu(new QMenu(QStringLiteral("Field Si&ze"), window)),
      otherSize(new QAction(QStringLiteral("&Other..."), window)),
      characterSet(AddAction(window, QStringLiteral("Character &Set..."))),
      openSet(AddAction(window, QStringLiteral("&Open Character Set..."))),
      saveSet(AddAction(window, QStringLiteral("Sa&ve Character Set"))),
      saveSetAs(AddAction(window, QStringLiteral("Save Character Set &As..."))),
      menu(new QMenu(window)) {
    undo->setShortcuts(UndoKeys());
    redo->setShortcuts(RedoKeys());
    window->addAction(undo);
    window->addAction(redo);
    paste->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    copyCColumns->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    characterSet->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    openSet->setShortcut(QKeySequence::Open);
    saveSet->setShortcut(QKeySequence::Save);
    saveSetAs->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    for (const TransformEntry& entry : kTransforms) {
        QAction* action = AddAction(window, QString::fromLatin1(entry.text));
        action->setShortcut(entry.key);
        transforms[static_cast<std::size_t>(entry.transform)] = action;
    }

    menu->setAccessibleName(QStringLiteral("Field"));
    menu->addActions({undo, redo});
    menu->addSeparator();
    menu->addActions({paste, copyCColumns, copyCRows});
    menu->addSeparator();
    menu->addActions({transforms.begin(), transforms.end()});
    menu->addSeparator();
    menu->addActions({clear, negative});
    menu->addSeparator();
    auto* sizeGroup = new QActionGroup(window);
    for (const SizeEntry& entry : kSizes) {
        QAction* action = sizeGroup->addAction(QString::fromLatin1(entry.text));
        action->setData(QSize(entry.width, entry.height));
        action->setCheckable(true);
        sizes.push_back(action);
    }
    otherSize->setCheckable(true);
    sizeGroup->addAction(otherSize);
    sizeMenu->addActions(sizeGroup->actions());
    menu->addMenu(sizeMenu);
    AddDrawing(window);
    menu->addAction(characterSet);
}

void FieldActions::AddDrawing(QWidget* window) {
    fill->setShortcut(Qt::ALT | Qt::Key_G);
    auto* group = new QActionGroup(window);
    const char* const texts[] = {"&Strokes", "&Lines (Shift+drag)", "&Rectangles (Ctrl+drag)",
                                 "&Filled Rectangles (Ctrl+Shift+drag)", "S&elections"};
    for (int i = 0; i < 5; ++i) {
        QAction* action = group->addAction(QString::fromLatin1(texts[i]));
        action->setCheckable(true);
        action->setChecked(i == 0);
        action->setShortcut(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + i));
        window->addAction(action);
        drags.push_back(action);
    }
    drawMenu->addActions(group->actions());
    toolsEnd_ = new QAction(window);
    toolsEnd_->setSeparator(true);
    EnableTools(false);
}

// The menu of a smaller field is as it always was: the tools are not in it at all.
void FieldActions::EnableTools(bool enabled) {
    fill->setEnabled(enabled);
    for (QAction* action : drags) {
        action->setEnabled(enabled);
    }
    const bool shown = menu->actions().contains(fill);
    if (enabled && !shown) {
        menu->insertActions(sizeMenu->menuAction(), {fill, drawMenu->menuAction(), toolsEnd_});
    } else if (!enabled && shown) {
        for (QAction* action : {fill, drawMenu->menuAction(), toolsEnd_}) {
            menu->removeAction(action);
        }
    }
}

bool FieldActions::DragSelects(Qt::KeyboardModifiers modifiers) const {
    return fill->isEnabled() && drags[4]->isChecked() &&
           (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) == 0;
}

std::optional<Shape> FieldActions::DragShape(Qt::KeyboardModifiers modifiers) const {
    if (!fill->isEnabled()) {
        return std::nullopt;
    }
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    const bool control = (modifiers & Qt::ControlModifier) != 0;
    if (control) {
        return shift ? Shape::FilledRectangle : Shape::Rectangle;
    }
    if (shift || drags[1]->isChecked()) {
        return Shape::Line;
    }
    if (drags[2]->isChecked()) {
        return Shape::Rectangle;
    }
    return drags[3]->isChecked() ? std::optional(Shape::FilledRectangle) : std::nullopt;
}

QString ShapeText(Shape shape) {
    switch (shape) {
        case Shape::Line:
            return QStringLiteral("Line");
        case Shape::Rectangle:
            return QStringLiteral("Rectangle");
        case Shape::FilledRectangle:
            break;
    }
    return QStringLiteral("Filled Rectangle");
}

QAction* FieldActions::Of(Transform transform) const {
    return transforms[static_cast<std::size_t>(transform)];
}

}  // namespace zrl
