#pragma once

#include <QString>

namespace bmd::shell {

// The maker's web site, the same for every window that links to it.
inline const QString kMakerWebAddress = QStringLiteral("http://www.brightmoose.example/");

// Opens the address in the default browser, unchanged; where no browser
// can be started, a message gives the address.
void HyperJump(const QString& address);

} // namespace bmd::shell
