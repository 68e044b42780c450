#include "app/SelfPath.h"

#include "core/app/CommandLine.h"
#include "core/text/WideText.h"

#include <windows.h>

char s_szSelfPath[1024];

void GetSelfPath()
{
    ParseSelfPath(Utf8FromWide(::GetCommandLineW()).c_str(), s_szSelfPath, sizeof s_szSelfPath);
}
