#pragma once

#include <string>
#include <string_view>

// Text from a data file or a command line, made safe to print on a terminal or show in a
// window: control bytes (tab aside), DEL and the C1 controls become C escapes ("\x1b",
// "\a"), and bytes that are no valid UTF-8 become "\xNN", so that a hostile file cannot move
// the cursor, change colours or ring a bell. Everything else stays as it is.
std::string PrintableText(std::string_view strBytes);
