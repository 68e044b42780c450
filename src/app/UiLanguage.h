// The language of the program's windows, chosen once at start: Japanese
// where Windows' display language is Japanese, English for every other, or
// the one the user chose on the options page ("UI_Language").
#pragma once

#include <windows.h>

// The resources' language for a "UI_Language" code.
LANGID UiLanguageFor(int setting);

// Makes every dialog, string and menu the thread loads from now on come in
// language, without a branch where they are loaded.
void UseUiLanguage(LANGID language);
