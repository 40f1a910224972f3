#include "twips.h"

#include <QWidget>

namespace zrl {

void PlaceTwips(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(TwipRect(left, top, width, height));
}

void SetClientSizeTwips(QWidget* window, int width, int height) {
    window->setFixedSize(TwipSize(width, height));
}

}  // namespace zrl
