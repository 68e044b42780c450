// The dial-up monitor: asks the Remote Access Service, loaded at run time
// from "Rasapi32.dll", whether a connection is up, and the registry whether
// Internet Autodial is on. Without the library every query answers -1.
#pragma once

#include <windows.h>
#include <ras.h>
#include <raserror.h>

#include "core/links/RasQuery.h"

// The largest enumeration the monitor accepts; a library that asks for
// more is not believed.
#define RAS_MAX_CONNECTIONS 64

// The platform's connection and status records in their oldest (4.0)
// layout, the one every version of the library accepts.
struct RasConn40 {
    DWORD dwSize;
    HRASCONN hrasconn;
    CHAR szEntryName[RAS_MaxEntryName + 1];
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
};
static_assert(sizeof(RasConn40) == (sizeof(void *) == 4 ? 412 : 424), "RASCONNA 4.0 layout");

struct RasConnStatus40 {
    DWORD dwSize;
    RASCONNSTATE rasconnstate;
    DWORD dwError;
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
};
static_assert(sizeof(RasConnStatus40) == 160, "RASCONNSTATUSA 4.0 layout");

// 1 when the library is loaded (now or before), 0 when it cannot be.
int RasLinkLoad();
void RasLinkUnload();
// RAS_QUERY_COUNT: the number of active connections. RAS_QUERY_FIRST: 1
// when the first one is up, 0 when it is not or there is none. -1 on any
// failure, the library or one of its two functions missing included.
int RasLinkQuery(int query);
// 0 up (connected or still dialling), 1 gone, -1 error.
int RasLinkConnectionState(HRASCONN conn);
// 1 when "Enable Autodial" holds a non-zero 4-byte value, whatever its type.
int RasLinkAutodialEnabled();
