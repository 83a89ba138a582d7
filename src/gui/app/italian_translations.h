#pragma once

class QCoreApplication;

namespace quirvo {

// Qt's own texts (the file and print dialogs, the print preview, standard
// buttons, the menus of text fields) in Italian, from the translations
// Debian installs with Qt (qt6-translations-l10n) and our own for the few
// they lack, and Italian dates and numbers in them. Installing twice changes
// nothing. False when the translations are missing: the dialogs then speak
// English.
bool installItalianTranslations(QCoreApplication& app);

}  // namespace quirvo
