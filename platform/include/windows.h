// The part of the Win32 API that Ombrix uses, for building it on Linux.
//
// Types, constants and functions carry their Win32 names, values and
// signatures, so that the program's code compiles unchanged against the real
// windows.h. Integer types keep their Win32 widths (LONG and DWORD are 32
// bits, the pointer-sized types follow the pointer). Handles are pointers to
// structures that only the implementation defines.
//
// The constants are plain "#define NAME value" lines because the resource
// script includes this header, too: its style and identifier names come from
// here, as they come from windows.h for a Windows resource compiler.
//
// The implementation (platform/qt) builds every window with Qt Widgets. Its
// deviations from Windows: the window rectangle of a top-level dialog is the
// dialog's own area (menu bar and client area); the frame and title bar that
// a window manager draws around it are not counted. The text of every window
// is converted between code page 1257 and Unicode. File names are UTF-8, the
// code page of Linux file names, which is therefore CP_ACP, and their
// folders are separated by "/".
#ifndef OMBRIX_PLATFORM_WINDOWS_H
#define OMBRIX_PLATFORM_WINDOWS_H

#include <stdarg.h>
#include <stddef.h>
#include <stdint.h>

#define WINAPI
#define CALLBACK

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int DWORD;
typedef unsigned int UINT;
typedef int LONG;
typedef char CHAR;
typedef unsigned short WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef intptr_t INT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t ULONG_PTR;
typedef ULONG_PTR DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

struct HWND__;
struct HINSTANCE__;
struct HMENU__;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HMENU__* HMENU;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *LPRECT;

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *LPPOINT;

typedef struct tagMINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
} MINMAXINFO, *LPMINMAXINFO;

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// Only passed as null by the program.
typedef UINT_PTR(CALLBACK* LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

// The request of the common save dialog.
typedef struct tagOFNA {
  DWORD lStructSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCSTR lpstrFilter;
  LPSTR lpstrCustomFilter;
  DWORD nMaxCustFilter;
  DWORD nFilterIndex;
  LPSTR lpstrFile;
  DWORD nMaxFile;
  LPSTR lpstrFileTitle;
  DWORD nMaxFileTitle;
  LPCSTR lpstrInitialDir;
  LPCSTR lpstrTitle;
  DWORD Flags;
  WORD nFileOffset;
  WORD nFileExtension;
  LPCSTR lpstrDefExt;
  LPARAM lCustData;
  LPOFNHOOKPROC lpfnHook;
  LPCSTR lpTemplateName;
  void* pvReserved;
  DWORD dwReserved;
  DWORD FlagsEx;
} OPENFILENAMEA, *LPOPENFILENAMEA;

// The first form of the request, without the fields from pvReserved on: 76
// bytes where pointers have 32 bits.
#define OPENFILENAME_SIZE_VERSION_400A \
  ((DWORD)(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR)))

#define FALSE 0
#define TRUE 1

#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))

// Window messages.
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_CLOSE 0x0010
#define WM_GETMINMAXINFO 0x0024
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_RBUTTONUP 0x0205
#define WM_CUT 0x0300
#define WM_COPY 0x0301
#define WM_PASTE 0x0302
#define WM_CLEAR 0x0303
#define WM_UNDO 0x0304

// Edit control messages and notification.
#define EM_SETSEL 0x00B1
#define EM_GETMODIFY 0x00B8
#define EM_SETMODIFY 0x00B9
#define EN_SETFOCUS 0x0100

// Dialog box command identifiers.
#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW \
  (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)

// Extended window styles.
#define WS_EX_DLGMODALFRAME 0x00000001L
#define WS_EX_CLIENTEDGE 0x00000200L
#define WS_EX_STATICEDGE 0x00020000L
#define WS_EX_APPWINDOW 0x00040000L

// Dialog styles.
#define DS_ABSALIGN 0x01L
#define DS_3DLOOK 0x0004L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_SETFOREGROUND 0x200L
#define DS_CENTER 0x0800L

// Button, static, edit and status bar styles.
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_TYPEMASK 0x0000000FL
#define BS_CENTER 0x00000300L
#define BS_MULTILINE 0x00002000L
#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define ES_MULTILINE 0x0004L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NOHIDESEL 0x0100L
#define ES_WANTRETURN 0x1000L
// A Windows resource compiler sees this one through windows.h as well.
#define CCS_BOTTOM 0x00000003L

// SetWindowPos flags.
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004

// TrackPopupMenu flags.
#define TPM_LEFTBUTTON 0x0000L
#define TPM_LEFTALIGN 0x0000L
#define TPM_TOPALIGN 0x0000L

// MessageBoxA and MessageBeep.
#define MB_OK 0x00000000L
#define MB_YESNOCANCEL 0x00000003L
#define MB_ICONERROR 0x00000010L
#define MB_ICONQUESTION 0x00000020L

// GetLastError codes (the layer sets them from errno: platform/qt/last_error.h).
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_WRITE_PROTECT 19L
#define ERROR_LOCK_VIOLATION 33L
#define ERROR_HANDLE_DISK_FULL 39L
#define ERROR_DISK_FULL 112L
#define ERROR_FILENAME_EXCED_RANGE 206L
#define ERROR_BAD_FILE_TYPE 222L
#define ERROR_FILE_TOO_LARGE 223L
#define ERROR_FILE_READ_ONLY 6009L

// FormatMessageW flags.
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000

// WinHelpA commands.
#define HELP_QUIT 0x0002L
#define HELP_CONTENTS 0x0003L

// GetSaveFileNameA flags.
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_EXPLORER 0x00080000
#define OFN_LONGNAMES 0x00200000

// MultiByteToWideChar code pages.
#define CP_ACP 0
#define CP_UTF8 65001

// The version resource.
#define VS_VERSION_INFO 1
#define VS_FFI_FILEFLAGSMASK 0x0000003FL
#define VOS_NT_WINDOWS32 0x00040004L
#define VFT_APP 0x00000001L
#define VFT2_UNKNOWN 0x00000000L

// The application manifest, numbered as the resource compiler sees them.
#define CREATEPROCESS_MANIFEST_RESOURCE_ID 1
#define RT_MANIFEST 24

#ifdef __cplusplus
extern "C" {
#endif

// The program's entry; the implementation's main() calls it.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);

HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
BOOL WINAPI FreeLibrary(HMODULE hLibModule);

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult);
HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect);
BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint);
BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint);
BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy,
                         UINT uFlags);

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString);
int WINAPI GetWindowTextLengthA(HWND hWnd);
UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax);
LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                   LPARAM lParam);

HMENU WINAPI GetMenu(HWND hWnd);
HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos);
BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                           const RECT* prcRect);

BOOL WINAPI MessageBeep(UINT uType);
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);

DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD dwErrCode);
// Only FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, in the
// user's language; lpSource and Arguments are not used.
DWORD WINAPI FormatMessageW(DWORD dwFlags, const void* lpSource, DWORD dwMessageId,
                            DWORD dwLanguageId, LPWSTR lpBuffer, DWORD nSize, va_list* Arguments);

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);

BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA lpofn);

LPSTR WINAPI lstrcpyA(LPSTR lpString1, LPCSTR lpString2);
LPSTR WINAPI lstrcpynA(LPSTR lpString1, LPCSTR lpString2, int iMaxLength);
int WINAPI lstrlenA(LPCSTR lpString);
int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar);

#ifdef __cplusplus
}
#endif

#endif
