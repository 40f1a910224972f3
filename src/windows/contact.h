#pragma once

#include <QString>

namespace zrl {

// The maker's contact details, shown by every window.
inline const QString kWebAddress = QStringLiteral("www.zerlin.example");
inline const QString kEmailAddress = QStringLiteral("info@zerlin.example");
inline const QString kTelephone = QStringLiteral("+1 555 0100");
inline const QString kCreditName = QStringLiteral("Zerlin Team");

}  // namespace zrl
