/* Resource ids, shared by the resource script and the code. Plain defines: the
   resource compiler reads this file too. */
#pragma once

#define IDS_PANEL_CLASS 110
#define IDS_OVERLAY_CLASS 111
#define IDR_APP_MENU 133
#define IDB_SKIN 136
#define IDB_GLYPHS 163
#define IDI_APP 107
#define IDC_PICK 104
#define IDC_LINK 139
#define IDC_SELECT 140
#define IDC_TOLERANCE 155
