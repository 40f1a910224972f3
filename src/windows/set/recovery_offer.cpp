#include "recovery_offer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <algorithm>

#include "character_set_window.h"
#include "core/text/code_map.h"
#include "platform/font_file.h"
#include "platform/runtime_error.h"

namespace zrl {

namespace {

QString NameOf(const QString& path) {
    return path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}

}  // namespace

RecoveryOffer::RecoveryOffer(FrmCharSet& window, Recovery& recovery)
    : QFrame(&window), window_(window), recovery_(recovery) {
    setAccessibleName(QStringLiteral("Recovery"));
    Text = new QLabel(this);
    Text->setWordWrap(true);
    Restore = new QPushButton(QStringLiteral("&Restore"), this);
    Discard = new QPushButton(QStringLiteral("&Discard"), this);
    Next = new QPushButton(QStringLiteral("Show &Next"), this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Text, 1);
    row->addWidget(Restore);
    row->addWidget(Discard);
    row->addWidget(Next);
    hide();
    const auto onClick = [this](QPushButton* button, void (RecoveryOffer::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { RunHandler(&window_, [this, handler] { (this->*handler)(); }); });
    };
    onClick(Restore, &RecoveryOffer::Restore_Click);
    onClick(Discard, &RecoveryOffer::Discard_Click);
    onClick(Next, &RecoveryOffer::Next_Click);
}

bool RecoveryOffer::OfferAll() {
    std::vector<Recovery::Left> found = Recovery::FindAllLeft();
    waiting_.insert(waiting_.end(), std::make_move_iterator(found.begin()),
                    std::make_move_iterator(found.end()));
    return OfferNext();
}

bool RecoveryOffer::OfferCopyOf(const QString& path) {
    const auto waiting = std::find_if(waiting_.begin(), waiting_.end(), [&path](const auto& left) {
        return Recovery::SameFile(left.originalPath, path);
    });
    if (waiting != waiting_.end()) {
        Recovery::Left left = std::move(*waiting);
        waiting_.erase(waiting);
        return Offer(std::move(left), QFileInfo(path).absoluteFilePath());
    }
    for (Recovery::Left& left : Recovery::FindAllLeft()) {
        if (Recovery::SameFile(left.originalPath, path)) {
            return Offer(std::move(left), QFileInfo(path).absoluteFilePath());
        }
    }
    return false;
}

void RecoveryOffer::OfferOthers() {
    for (Recovery::Left& left : Recovery::FindAllLeft()) {
        waiting_.push_back(std::move(left));
    }
    if (!offered_ && !waiting_.empty()) {
        ShowRest();
        show();
    }
}

bool RecoveryOffer::OfferNext() {
    while (!waiting_.empty()) {
        Recovery::Left left = std::move(waiting_.front());
        waiting_.pop_front();
        if (Offer(std::move(left), {})) {
            return true;
        }
    }
    return false;
}

// The copy shows unsaved under its file's name, and is this run's own from now on.
bool RecoveryOffer::Offer(Recovery::Left left, const QString& discardOpens) {
    LoadedFont loaded = LoadFontFile(left.copy);
    if (!loaded.font) {
        window_.Say(QStringLiteral("A recovery copy could not be read: %1").arg(loaded.error));
        return false;
    }
    window_.ReplaceSet(std::move(loaded.font->set), left.originalPath);
    recovery_.TakeOver(left);
    window_.MarkUnsaved();
    Text->setText(
        QStringLiteral("%1 was not saved when Zerlin last ended. This is its copy of %2.")
            .arg(NameOf(left.originalPath), QLocale().toString(left.made, QLocale::ShortFormat)));
    Text->setAccessibleName(Text->text());
    offered_ = std::move(left);
    discardOpens_ = discardOpens;
    Restore->show();
    Discard->show();
    Next->hide();
    show();
    window_.SetVisible(true);
    return true;
}

// The set stays as recovered, unsaved, its copy kept until it is saved; older copies go.
void RecoveryOffer::Restore_Click() {
    if (offered_) {
        for (const Recovery::Left& older : offered_->older) {
            Recovery::Forget(older);
        }
        offered_.reset();
    }
    window_.Say(QStringLiteral("Restored %1, not yet saved")
                    .arg(QString::fromStdString(Counted(window_.Set().Size(), "character"))));
    ShowRest();
}

void RecoveryOffer::Discard_Click() {
    recovery_.Remove();
    if (offered_) {
        Recovery::Forget(*offered_);  // what could not be taken over, and older copies
        offered_.reset();
    }
    hide();
    // The file opened shows as it is; the other sets' copies wait their turn.
    if (const QString reopen = std::exchange(discardOpens_, QString()); !reopen.isEmpty()) {
        window_.OpenFile(reopen);
        if (!waiting_.empty()) {
            ShowRest();
            show();
        }
        return;
    }
    if (OfferNext()) {
        return;
    }
    window_.NewSet(FrmCharSet::Kind::PrintableAscii);
    window_.SetVisible(false);
}

void RecoveryOffer::Next_Click() {
    if (window_.MaybeSave()) {
        hide();
        OfferNext();
    }
}

// Sets still waiting are offered once the restored one has been dealt with.
void RecoveryOffer::ShowRest() {
    if (waiting_.empty()) {
        hide();
        return;
    }
    const auto more = static_cast<int>(waiting_.size());
    Text->setText(
        more == 1
            ? QStringLiteral("One more set was not saved when Zerlin last ended.")
            : QStringLiteral("%1 more sets were not saved when Zerlin last ended.").arg(more));
    Text->setAccessibleName(Text->text());
    Restore->hide();
    Discard->hide();
    Next->show();
}

}  // namespace zrl
