#pragma once
#include <string>
#include <string_view>

namespace platform {

// A text the program did not write itself (a word of a file, a folder's name, a variable of the
// environment, a library's message) as a message on the terminal shows it. Printable UTF-8 stays
// as it is; whatever a terminal would act on, or whatever could disguise the line, is shown
// escaped, visibly and so that the bytes can be told back:
//   a backslash                                          \\ (two backslashes)
//   C0 controls                                          \a \b \t \n \v \f \r \e, the others \x01 ... \x1f
//   DEL                                                  \x7f
//   a byte that is not part of valid UTF-8               \x80 ... \xff
//   C1 controls (U+0080 to U+009F), the line and paragraph separators and the marks that turn
//   text around (bidirectional controls)                 \u009b, \u2028, \u202e ...
// At most the first `shown` bytes of `text` are shown, never half a character, followed by "..."
// when there is more, so a hostile file can neither flood a one-line message nor send escape
// sequences to the terminal.
std::string TerminalText(std::string_view text, size_t shown);

// How much of a library's own message (SDL's, a decoder's) a message shows: SDL's messages name
// drivers and files from the environment.
constexpr size_t kLibraryTextShown = 300;

} // namespace platform
