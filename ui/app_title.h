// The program's title: its window text, the first line of the About text, and the name
// that marks a running copy.
#pragma once

// A macro as well, so that other literals can be glued to it at compile time.
#define APP_TITLE_LITERAL "Vexlin's Message Digest Hasher"

inline constexpr const char APP_TITLE[] = APP_TITLE_LITERAL;
