/* "Player.exe", the player of stand-alone demos on Windows. Publishing appends a block to a copy
 * of this program: window settings, the title and the whole movie, then the marker 0x37941FD2 and
 * the block's start. The player reads the block from its own file, writes the movie to the
 * temporary folder and hands it to the program the system opens Flash movies (.swf) with. */

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>
#include <stdint.h>
#include <stdlib.h>
#include <wchar.h>

#define BLOCK_MARKER 0x37941FD2u
#define FIXED_FIELDS 24u

static uint32_t le32(const unsigned char* p) {
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

static void tell(const wchar_t* text) { MessageBoxW(NULL, text, L"Vantora Player", MB_OK | MB_ICONINFORMATION); }

static int readAt(HANDLE file, DWORD offset, void* buffer, DWORD count) {
    DWORD read = 0;
    if (SetFilePointer(file, (LONG)offset, NULL, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return 0;
    return ReadFile(file, buffer, count, &read, NULL) && read == count;
}

/* Copies `count` bytes from `offset` of `from` into the new file `to`. */
static int copyMovie(HANDLE from, DWORD offset, DWORD count, const wchar_t* to) {
    HANDLE out = CreateFileW(to, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (out == INVALID_HANDLE_VALUE)
        return 0;
    static unsigned char buffer[65536];
    int ok = SetFilePointer(from, (LONG)offset, NULL, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
    while (ok && count > 0) {
        DWORD chunk = count < sizeof buffer ? count : (DWORD)sizeof buffer, done = 0, written = 0;
        ok = ReadFile(from, buffer, chunk, &done, NULL) && done == chunk && WriteFile(out, buffer, chunk, &written, NULL) &&
             written == chunk;
        count -= chunk;
    }
    CloseHandle(out);
    return ok;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)instance; (void)previous; (void)commandLine; (void)show;
    wchar_t self[MAX_PATH];
    if (!GetModuleFileNameW(NULL, self, MAX_PATH))
        return 1;
    HANDLE file = CreateFileW(self, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD size = GetFileSize(file, NULL);
    unsigned char trailer[8], fixed[FIXED_FIELDS];
    if (size == INVALID_FILE_SIZE || size < FIXED_FIELDS + 8 || !readAt(file, size - 8, trailer, 8) ||
        le32(trailer) != BLOCK_MARKER) {
        CloseHandle(file);
        tell(L"This program holds no demo. Make one with Vantora's Publish command.");
        return 1;
    }
    DWORD start = le32(trailer + 4);
    if (start > size - 8 - FIXED_FIELDS || !readAt(file, start, fixed, FIXED_FIELDS) ||
        le32(fixed + 20) > size - 8 - FIXED_FIELDS - start) {
        CloseHandle(file);
        tell(L"The demo in this program is damaged.");
        return 1;
    }
    DWORD movieStart = start + FIXED_FIELDS + le32(fixed + 20);
    DWORD movieSize = size - 8 - movieStart;

    wchar_t movie[MAX_PATH + 64];
    DWORD tempLength = GetTempPathW(MAX_PATH, movie);
    if (tempLength == 0 || tempLength > MAX_PATH) {
        CloseHandle(file);
        return 1;
    }
    swprintf(movie + tempLength, 64, L"VantoraDemo%lu.swf", (unsigned long)GetCurrentProcessId());
    int copied = copyMovie(file, movieStart, movieSize, movie);
    CloseHandle(file);
    if (!copied) {
        tell(L"The demo could not be written to the temporary folder.");
        return 1;
    }
    INT_PTR opened = (INT_PTR)ShellExecuteW(NULL, L"open", movie, NULL, NULL, SW_SHOWNORMAL);
    if (opened <= 32) {
        tell(opened == SE_ERR_NOASSOC
                 ? L"This demo is a Flash movie, and no program on this computer plays Flash movies (.swf). "
                   L"Install a player for Flash movies and start the demo again."
                 : L"The demo could not be started.");
        return 1;
    }
    return 0;
}
