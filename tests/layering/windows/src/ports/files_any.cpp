#include <windows.h>
#if defined(_WIN32)
#endif
