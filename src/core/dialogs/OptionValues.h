// The start-up options page's rules, apart from its window.
#pragma once

#define DELAY_MIN 2
#define DELAY_MAX 30
#define DELAY_EMPTY 3

// Seconds from the delay edit box: 3 when it is empty, else its leading
// decimal number (blanks and a sign before it allowed, 0 without digits)
// brought into 2..30.
int ParseDelay(const char *text);

// The radio button that shows a "USE_Browser" code: both low bits 1003, else
// bit 1 1006, bit 2 1007, bit 4 1008; 0 when no rule matches.
int BrowserRadioId(int browser);

// Whether the shortcut is wanted after OK, from whether it exists and the
// two Startup check boxes.
int StartupChoice(int linked, int addChecked, int removeChecked);
