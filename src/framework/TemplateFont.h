// Reading the font a dialog template asks for, in the classic and the
// extended (DIALOGEX) layout.
#pragma once

#include <windows.h>

// The point-size field of the template's font, or null when the template
// names no font (no DS_SETFONT) or is cut short. size bounds the reading.
WORD *TemplateFontSize(void *dialogTemplate, size_t size);
