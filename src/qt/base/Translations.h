#pragma once

#include <QString>
#include <QStringList>

namespace bmd::ui {

// Puts the game's texts, and those of Qt's own dialogs, into the player's
// language: `wanted` ("de", "fr_CH", "es-ES", ...) or, when empty, the first
// of the system's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that is
// English or one the game speaks; in the C locale, English. English is the
// source language: for it the texts stay as written. For a `wanted` language
// the game does not speak, one line on standard error names those it does,
// and the system's language is followed.
// Call once for each QCoreApplication. Returns the language chosen ("en",
// "de", "pt_BR", ...).
QString InstallTranslations(const QString& wanted = {});

// The language the last InstallTranslations chose.
QString InterfaceLanguage();

// The languages the game speaks, English and those compiled in: "de", "en", ...
QStringList GameLanguages();

} // namespace bmd::ui
