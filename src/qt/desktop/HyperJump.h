#pragma once

#include <QString>

namespace bmd::shell {

// The maker's web site, the same for every window that links to it.
inline const QString kMakerWebAddress = QStringLiteral("http://www.brightmoose.example/");

// Opens the address in the default browser, unchanged; where no browser
// can be started, a message gives the address.
void HyperJump(const QString& address);

// Web addresses go to the desktop's opener (xdg-open), whose failure gets
// the same message; called once at start-up, where Qt would not notice it.
void InstallWebOpener();

} // namespace bmd::shell
