// Resource ids shared by the .rc and the code that loads the icon and the pictures.
#ifndef ROMINADO_RES_RESOURCE_H
#define ROMINADO_RES_RESOURCE_H

// The lowest icon id, so it is the one the shell shows for the executable.
#define IDI_ROMINADO 1

// The about box's picture: the icon drawn at 64 x 64.
#define IDB_PROGRAMICON 100

// Button glyphs: 32 x 16, the normal image then the disabled one, olive (128, 128, 0) drawn transparent.
#define IDB_BTNCLOSE 101
#define IDB_BTNSAVE 102
#define IDB_BTNCLEAR 103
#define IDB_BTNEDIT 104
#define IDB_BTNFONT 105
#define IDB_BTNSET 106
#define IDB_BTNVER 107
#define IDB_BTNHELP 108

#endif
