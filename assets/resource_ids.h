/* Resource identifiers of the bundled pictures; shared by app.rc and the win32
   backend. Every bitmap is 8-bit palettized (its palette always holds the
   key); pixels of exactly RGB(255,0,255) are transparent and are never drawn. */
#pragma once

#define IDI_APP 1
#define IDR_APP_MANIFEST 1
#define IDC_HAND_POINTER 101
#define IDB_MOUSE_PICTURE 201  /* 50 x 57 */
#define IDB_SCHEMATIC 202      /* 173 x 174 */
#define IDB_PENCIL 203         /* 32 x 32 */
#define IDB_CHAT_ICON 204      /* 16 x 16 */
#define IDB_SEARCH_BANNER 205  /* 325 x 49 */
