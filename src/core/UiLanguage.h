#pragma once
// The language the control shows its texts in, and Qt's own dialogs and boxes with them. Texts are
// written in Chinese, which is also the language of a desktop without one (C or POSIX); a Chinese
// desktop keeps them, any other gets the English translation. Translators are process-wide, so
// the choice is one per process and is installed once, for the first control.

#include <QLocale>

namespace scanvo {

// The locale whose translations the control shows for a desktop's locale: Chinese and C/POSIX give
// a Chinese locale (the source texts), anything else an English one.
QLocale UiLocaleFor(const QLocale& desktop);

// Installs the translations of the language chosen with ChooseUiLanguage, or else of the desktop's
// locale, unless they are installed already. Every control calls it when it is made.
void InstallUiTranslations();

// Chooses the language from now on and installs its translations, replacing those installed
// before; controls made later and every text shown from now on use it. An empty name returns to the
// desktop's locale. False, and nothing changed, for a name that is no locale.
bool ChooseUiLanguage(const QString& localeName);

// The locale whose translations are installed; the desktop's choice when none are yet.
QLocale CurrentUiLocale();

}  // namespace scanvo
