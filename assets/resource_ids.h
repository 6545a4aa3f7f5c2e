/* Resource identifiers of the bundled pictures; shared by app.rc and the win32
   backend. Every bitmap is 8-bit palettized (its palette always holds the
   key); pixels of exactly RGB(255,0,255) are transparent and are never drawn.
   Each bitmap comes in the renderings of renderings.h, for
   100, 150 and 200 %: rendering r has the identifier of the picture plus r. */
#pragma once

#define IDI_APP 1
#define IDI_APP_ON 2 /* the tray's icon while the keyboard mouse is on */
#define IDR_APP_MANIFEST 1
#define IDC_HAND_POINTER 101  /* 32, 48 and 64 pixels, hot spot at the fingertip */
#define IDB_MOUSE_PICTURE 201 /* 50 x 57 at 100 % */
#define IDB_SCHEMATIC 211     /* 173 x 174 */
#define IDB_PENCIL 221        /* 32 x 32 */
#define IDB_CHAT_ICON 231     /* 16 x 16 */
#define IDB_SEARCH_BANNER 241 /* 325 x 49 */
