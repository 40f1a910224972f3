#include "editor_layout.h"

#include <QScreen>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

#include "cell_field.h"
#include "platform/colour_button.h"
#include "platform/text_box.h"
#include "platform/twips.h"

namespace zrl {

namespace {

const QRect kClassicListing = TwipRect(1440, 480, 1695, 1455);
const QSize kClassicClient = TwipSize(3270, 4305);
constexpr int kBelowField = 134;  // controls from here down stand below the field
constexpr int kRightMargin = 9;

// Beside the field, as high as it, and wide and high enough for its longest listing.
QRect ListingArea(const TextBox* listing, const CellField& field) {
    const CellSize size = field.Size();
    if (size == kDefaultSize) {
        return kClassicListing;
    }
    const QSize growth = field.Growth();
    if (field.Canvas() != nullptr) {
        // One line, wrapped beside the canvas.
        return {kClassicListing.x() + growth.width(), kClassicListing.y(),
                CellField::kCanvasListingWidth, kClassicListing.height() + growth.height()};
    }
    const int lines = std::max(size.width, size.height);
    const QFontMetrics metrics = listing->fontMetrics();
    const int frame =
        2 * listing->frameWidth() + 2 * static_cast<int>(listing->document()->documentMargin()) + 4;
    const int width = metrics.horizontalAdvance(QStringLiteral("Data &B") + QString(lines, u'0'));
    // Every line shows, where the room allows; else the listing scrolls.
    const int fieldHigh = kClassicListing.height() + growth.height();
    const int roomHigh = field.Room().height() - kClassicClient.height() + kClassicListing.height();
    return {kClassicListing.x() + growth.width(), kClassicListing.y(),
            std::max(kClassicListing.width(), width + frame),
            std::max(fieldHigh, std::min(lines * metrics.lineSpacing() + frame, roomHigh))};
}

// A window that grows past the screen's edge moves back onto it.
void KeepOnScreen(QWidget* window) {
    if (!window->isVisible() || window->screen() == nullptr) {
        return;
    }
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint topLeft(std::clamp(frame.left(), screen.left(),
                                    std::max(screen.left(), screen.right() + 1 - frame.width())),
                         std::clamp(frame.top(), screen.top(),
                                    std::max(screen.top(), screen.bottom() + 1 - frame.height())));
    if (topLeft != frame.topLeft()) {
        window->move(topLeft);
    }
}

}  // namespace

void EditorLayout::Keep(QWidget* window, const std::vector<ColourButton*>& cells,
                        const TextBox* listing) {
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child != listing &&
            std::find(cells.begin(), cells.end(), child) == cells.end()) {
            classic_.insert(child, child->geometry());
        }
    }
}

void EditorLayout::Apply(QWidget* window, TextBox* listing, const CellField& field) const {
    if (classic_.isEmpty()) {
        return;  // still being built: the 5x7 layout stands
    }
    const QRect area = ListingArea(listing, field);
    const int drop = std::max(0, area.bottom() - kClassicListing.bottom());
    for (auto control = classic_.cbegin(); control != classic_.cend(); ++control) {
        control.key()->setGeometry(control.value().top() >= kBelowField
                                       ? control.value().translated(0, drop)
                                       : control.value());
    }
    listing->setGeometry(area);
    window->setFixedSize(std::max(kClassicClient.width(), area.right() + 1 + kRightMargin),
                         kClassicClient.height() + drop);
    KeepOnScreen(window);
}

}  // namespace zrl
