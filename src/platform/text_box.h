#pragma once

#include <QPlainTextEdit>

#include "ole_color.h"

namespace zrl {

// A multi-line text box whose Text reads back exactly what was written, CR LF line breaks
// included, and gives CR LF for the lines a user types too.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    void SetBackColor(OLE_COLOR colour);
    void SetFocus();
};

}  // namespace zrl
