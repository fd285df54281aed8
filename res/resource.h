// Resource identifiers shared by the resource script and the program.
#pragma once

#define IDD_MAIN 101
#define IDB_BANNER 105
#define IDD_ABOUT 121
#define IDI_APP 126

#define IDC_MD2 1000
#define IDC_ABOUT 1001
#define IDC_MD5 1002
#define IDC_CANCEL 1003
#define IDC_ABOUT_TEXT 1004
#define IDC_FINISH 1005
#define IDC_PLAINTEXT 1011
#define IDC_HASH 1012

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
