#include "app/UiLanguage.h"

#include "core/settings/Options.h"

LANGID UiLanguageFor(int setting)
{
    const LANGID japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    switch (setting) {
    case UI_JAPANESE: return japanese;
    case UI_ENGLISH: return english;
    default: return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_JAPANESE ? japanese : english;
    }
}

// Windows' resource loader looks first at the thread's preferred UI
// languages (and SetThreadUILanguage's); Wine 8's at the thread's locale.
// The locale's other uses here are none: text is converted through UTF-8
// and the system's code page, never the thread's.
void UseUiLanguage(LANGID language)
{
    wchar_t name[LOCALE_NAME_MAX_LENGTH + 1] = L"";
    if (::LCIDToLocaleName(MAKELCID(language, SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0) > 0) {
        ULONG count = 0;
        ::SetThreadPreferredUILanguages(MUI_LANGUAGE_NAME, name, &count);    // the list ends with a second NUL
    }
    ::SetThreadUILanguage(language);
    ::SetThreadLocale(MAKELCID(language, SORT_DEFAULT));
}
