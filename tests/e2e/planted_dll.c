/* Planted beside the program under the names of system DLLs: if it is ever loaded, it leaves
   "<its own path>.loaded" behind. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH + 8];
        const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            lstrcatW(path, L".loaded");
            HANDLE marker = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            if (marker != INVALID_HANDLE_VALUE)
                CloseHandle(marker);
        }
    }
    return TRUE;
}

/* rundll32's entry point, so the case can check that the DLL loads at all. */
__declspec(dllexport) void CALLBACK Probe(HWND window, HINSTANCE instance, LPSTR line, int show) {
    (void)window, (void)instance, (void)line, (void)show;
}
