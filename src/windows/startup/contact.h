#pragma once

#include <QString>

namespace zrl {

// The maker's contact details and house colour, shared by the windows.
inline const QString kWebAddress = QStringLiteral("www.zerlin.example");
inline const QString kEmailAddress = QStringLiteral("info@zerlin.example");
inline const QString kTelephone = QStringLiteral("+1 555 0100");
inline const QString kCreditName = QStringLiteral("Zerlin Team");

// The navy background of the editor and the About window (0x00BBGGRR).
inline constexpr unsigned kNavy = 0x00800000;

}  // namespace zrl
