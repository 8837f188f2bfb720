#pragma once

#include <QString>

namespace bmd::ui {

// Puts the game's texts, and those of Qt's own dialogs, into the player's
// language: `wanted` ("de", "fr_CH", "es-ES", ...) or, when empty, the first
// of the system's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that is
// English or one the game speaks; in the C locale, English. English is the
// source language: for it, and for a language the game does not speak, the
// texts stay as written.
// Call once for each QCoreApplication. Returns the language chosen ("en",
// "de", "es" or "fr").
QString InstallTranslations(const QString& wanted = {});

} // namespace bmd::ui
