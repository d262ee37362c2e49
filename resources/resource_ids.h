/* Resource identifiers shared by the resource script and the code: plain
   #defines only, since the resource compiler reads this file too. */
#pragma once

#define IDI_QUENVAR 1

#define IDR_SKIN 100
#define IDR_STANDBY_DISABLED 101
#define IDR_STANDBY_ENABLED 102
#define IDR_EXIT_WINDOW 103
#define IDR_SPONSOR_BANNER 104

/* Title-bar buttons: normal image at the id, hover at id + 1. */
#define IDR_BTN_CHAT 110
#define IDR_BTN_HIDE 112
#define IDR_BTN_MIN 114
#define IDR_BTN_MAX 116
#define IDR_BTN_CLOSE 118

/* Page buttons: normal at IDR_PAGE_BUTTONS + 2 * n, hover one above, n = 0..7. */
#define IDR_PAGE_BUTTONS 130

/* Main-page buttons: normal, hover and pressed at id, id + 1, id + 2. */
#define IDR_BTN_MONITOR 160
#define IDR_BTN_OPENLOG 163
#define IDR_BTN_CLEARLOG 166
#define IDR_BTN_SHUTDOWNTIME 169

/* ShutdownTimeScript: the VBScript text that reads the last shutdown moment. */
#define IDR_SHUTDOWN_TIME_SCRIPT 200
