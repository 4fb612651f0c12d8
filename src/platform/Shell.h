#pragma once

#include <QString>

namespace platform {

// Opens a program, document, folder or URL as the desktop's "open" would. An executable regular
// file (execute bit, and an ELF or "#!" start) or a bare name found on PATH is started itself;
// anything else is handed to xdg-open. The text is always one argument of an argv, never seen by
// a shell; a text starting with "-" is passed as "./-..." so that no program takes it for an
// option. The started program is detached (own session, never a zombie of ours) and not waited
// for. Derive and override Open to record requests in tests.
class Shell {
public:
    virtual ~Shell() = default;

    // Whether a program was started: false for an empty text, a text with a NUL character, or
    // when neither the program nor xdg-open could be started.
    virtual bool Open(const QString& what);
};

} // namespace platform
