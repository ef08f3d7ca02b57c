// The window's interface language: Estonian (the source texts, the default) or English (the
// compiled-in translation pelmora_en.qm and Qt's own English texts).
#pragma once

#include <QString>

namespace pelmora::gui {

enum class Language { Estonian, English };

// "en" (any case, blanks around ignored) is English; anything else, empty included, is Estonian.
Language languageFromCode(const QString& code);
// "et" or "en", as the settings file and the command line write it.
QString languageCode(Language language);

// Installs the translators of `language` in the application, removing those an earlier call
// installed: Estonian gives Qt's standard buttons Estonian texts ("&Loobu", "&Jah"); English
// loads Pelmora's English texts and Qt's own (qtbase_en from Qt's translations folder). Widgets
// made afterwards show the language; call it before the main window is made. False when
// Pelmora's English texts could not be loaded (the window then stays Estonian).
bool useLanguage(Language language);

// The language the last useLanguage() installed (Estonian before any call).
Language currentLanguage();

}  // namespace pelmora::gui
