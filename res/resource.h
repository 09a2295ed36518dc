// Resource ids shared by the .rc and the code that loads the icon and the pictures.
#ifndef ROMINADO_RES_RESOURCE_H
#define ROMINADO_RES_RESOURCE_H

// The lowest icon id, so it is the one the shell shows for the executable.
#define IDI_ROMINADO 1

// The about box's picture: the icon drawn at 64 x 64, and at 128 x 128 for screens of more than 96 DPI.
#define IDB_PROGRAMICON 100
#define IDB_PROGRAMICON2X 110

// Button glyphs: 32 x 16, the normal image then the disabled one, olive (128, 128, 0) drawn transparent.
#define IDB_BTNCLOSE 101
#define IDB_BTNSAVE 102
#define IDB_BTNCLEAR 103
#define IDB_BTNEDIT 104
#define IDB_BTNFONT 105
#define IDB_BTNSET 106
#define IDB_BTNVER 107
#define IDB_BTNHELP 108

// The same glyphs drawn at twice the size (64 x 32) for screens of more than 96 DPI.
#define IDB_BTNCLOSE2X 111
#define IDB_BTNSAVE2X 112
#define IDB_BTNCLEAR2X 113
#define IDB_BTNEDIT2X 114
#define IDB_BTNFONT2X 115
#define IDB_BTNSET2X 116
#define IDB_BTNVER2X 117
#define IDB_BTNHELP2X 118

#endif
