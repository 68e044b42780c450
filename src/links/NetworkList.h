// The system's network list (INetworkListManager): whether the machine
// reaches the Internet.
#pragma once

// 1 with IPv4 or IPv6 Internet connectivity, 0 without, -1 when the list's
// object cannot be created or does not answer. The object is created afresh
// for each call, so a list that comes up late is still found.
int NetworkConnectivity();
