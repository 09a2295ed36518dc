// The program's version, written here only: the version resource, the about box and the release package
// (scripts/package.sh reads the three defines below) all take it from this file.
#ifndef ROMINADO_RES_VERSION_H
#define ROMINADO_RES_VERSION_H

#define ROMINADO_VERSION_MAJOR 1
#define ROMINADO_VERSION_MINOR 22
#define ROMINADO_VERSION_LETTER "e"

#define ROMINADO_STRINGIZE_(x) #x
#define ROMINADO_STRINGIZE(x) ROMINADO_STRINGIZE_(x)

// "1.22e": what the user reads, and the name of the release package.
#define ROMINADO_VERSION_TEXT                  \
    ROMINADO_STRINGIZE(ROMINADO_VERSION_MAJOR) \
    "." ROMINADO_STRINGIZE(ROMINADO_VERSION_MINOR) ROMINADO_VERSION_LETTER

#endif
