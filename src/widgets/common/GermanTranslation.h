#pragma once

class QCoreApplication;

namespace GermanTranslation {

// Loads Qt's own German texts ("Ja", "Nein", "Abbrechen", "Speichern", …)
// so that standard buttons and file dialogs speak German on any locale.
// Returns false when the translation is not installed.
bool install(QCoreApplication &app);

} // namespace GermanTranslation
