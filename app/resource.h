// Identifiers of the program's resources, its controls and its menu
// commands; included by the resource script and by the program's code.
#ifndef OMBRIX_APP_RESOURCE_H
#define OMBRIX_APP_RESOURCE_H

// Templates and the icon.
#define IDD_MAIN_DIALOG 105
#define IDI_PROGRAM 106
#define IDR_MAIN_MENU 107
#define IDD_ABOUT_BOX 113

// Controls of the main dialog (with IDOK and IDCANCEL).
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDC_HELP_BUTTON 9
#define IDC_BIRTH_DATE_INPUT 101
#define IDC_STATUS_BAR 102
#define IDC_SAVE_BUTTON 104
#define IDC_REPORT_VIEW 105

// Menu commands.
#define IDM_SAVE 51682
#define IDM_PRINTER_SETUP 51683
#define IDM_PAGE_SETUP 51684
#define IDM_CLOSE 51685
#define IDM_PRINT 51686
#define IDM_UNDO 51687
#define IDM_CUT 51689
#define IDM_COPY 51690
#define IDM_PASTE 51691
#define IDM_DELETE 51692
#define IDM_SELECT_ALL 51693
#define IDM_HELP 51694
#define IDM_ABOUT 51695

#endif
