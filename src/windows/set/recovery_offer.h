#pragma once

#include <QFrame>
#include <deque>
#include <optional>

#include "recovery.h"

class QLabel;
class QPushButton;

namespace zrl {

class FrmCharSet;

// The bar above the chart that offers the sets a run left unsaved, one after the other,
// newest first: each shown unsaved, its copy taken over, with Restore and Discard. Once a
// restored set is dealt with, Next shows the next one.
class RecoveryOffer : public QFrame {
    Q_OBJECT

public:
    RecoveryOffer(FrmCharSet& window, Recovery& recovery);

    QLabel* Text;
    QPushButton* Restore;
    QPushButton* Discard;
    QPushButton* Next;

    // Offers every copy no running program holds; false where there is none.
    bool OfferAll();
    // The set just opened from `path` has a copy left unsaved: offers that instead, and
    // Discard shows the file as it is. False where it has none.
    bool OfferCopyOf(const QString& path);
    // The copies of other sets, offered one after the other once the set shown now is dealt
    // with.
    void OfferOthers();

private:
    bool Offer(Recovery::Left left, const QString& discardOpens);
    bool OfferNext();
    void Restore_Click();
    void Discard_Click();
    void Next_Click();
    void ShowRest();

    FrmCharSet& window_;
    Recovery& recovery_;
    std::deque<Recovery::Left> waiting_;
    std::optional<Recovery::Left> offered_;
    QString discardOpens_;
};

}  // namespace zrl
