#include "app/SelfPath.h"

#include "core/app/CommandLine.h"

#include <windows.h>

char s_szSelfPath[1024];

void GetSelfPath() { ParseSelfPath(::GetCommandLineA(), s_szSelfPath, sizeof s_szSelfPath); }
