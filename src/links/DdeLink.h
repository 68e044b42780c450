// The launcher's DDE client for the browsers' servers "NETSCAPE" and
// "IEXPLORE". One DDEML instance lives from DdeLinkInit to DdeLinkTerm;
// every exchange is one synchronous request (CF_TEXT, 1000 ms) in a
// conversation of its own. The service index is the browser kind: BK_NN
// for "NETSCAPE", BK_IE for "IEXPLORE".
#pragma once

#include "core/links/DdeFormat.h"

#include <windows.h>
#include <ddeml.h>

#define DDE_TOPIC_LIST_WINDOWS 0
#define DDE_TOPIC_VERSION 1
#define DDE_TOPIC_OPEN_URL 2
#define DDE_TOPIC_FRAME_PARENT 3

#define DDE_TIMEOUT 1000

// Keeps notify as the window told when "NETSCAPE" registers (message,
// wParam NOTIFY_NS_READY), every call. Creates the instance and its string
// handles the first time; returns the instance identifier, 0 when DDEML
// failed.
DWORD DdeLinkInit(HWND notify, UINT message);
// Frees the string handles and the instance; nothing once done.
void DdeLinkTerm();
// A conversation with the service on the topic, or null.
HCONV DdeLinkConnect(int topic, int service);

// With ids (room for DDE_MAX_WINDOWS): how many window ids were listed into it (0 none),
// or 1 with no ids written for an empty reply. Without ids: 1 when the
// service answered. -1 when it did not.
int DdeListWindows(DWORD *ids, int service);
// The frame that holds Netscape Navigator's window id; 0 for a top-level
// window and for any failure.
DWORD DdeGetFrameParent(DWORD id);
// Hands text (a blank, then the URL; UTF-8) to the service's window id
// (0xFFFFFFFF: the browser chooses); the window id the browser answered
// with, or 0xFFFFFFFF when nothing came back.
DWORD DdeOpenURL(const char *text, int service, DWORD id);
// 0 when Netscape Navigator's server took the conversation, else -1.
int DdeGetVersion();

HDDEDATA CALLBACK DdeLinkCallback(UINT type, UINT format, HCONV conv, HSZ hsz1, HSZ hsz2, HDDEDATA data,
                                  ULONG_PTR data1, ULONG_PTR data2);
