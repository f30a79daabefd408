/* "autorun.exe", the launcher of AutoRun CD/DVD folders that carry an HTML page: it opens
 * "autorun.htm" beside it in the browser, or failing that the movie "autorun.swf". */

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>
#include <wchar.h>

static int openBeside(const wchar_t* folder, const wchar_t* name) {
    wchar_t path[MAX_PATH + 32];
    swprintf(path, MAX_PATH + 32, L"%ls%ls", folder, name);
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES)
        return 0;
    return (INT_PTR)ShellExecuteW(NULL, L"open", path, NULL, folder, SW_SHOWNORMAL) > 32;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)instance; (void)previous; (void)commandLine; (void)show;
    wchar_t folder[MAX_PATH];
    DWORD length = GetModuleFileNameW(NULL, folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    while (length > 0 && folder[length - 1] != L'\\' && folder[length - 1] != L'/')
        --length;
    folder[length] = 0;
    if (openBeside(folder, L"autorun.htm") || openBeside(folder, L"autorun.swf"))
        return 0;
    MessageBoxW(NULL, L"There is nothing to start on this disc: \"autorun.htm\" is missing.", L"AutoRun", MB_OK | MB_ICONINFORMATION);
    return 1;
}
