// The program's title: its window text, the first line of the About text, and the name
// that marks a running copy.
#pragma once

// The one place the title is written. A macro as well, so that other literals can be glued to
// it at compile time and the resource script can use it; CMake and scripts/run.sh read this line.
#define APP_TITLE_LITERAL "Vexlin's Message Digest Hasher"

#ifndef RC_INVOKED
inline constexpr const char APP_TITLE[] = APP_TITLE_LITERAL;
#endif
