// Counts the DDEML handles that this program's code holds, by routing its
// imports of the DDEML functions through counters while an accounting is
// alive. Exact where process-wide counters are not: Wine's DDEML keeps some
// memory and atoms of its own per conversation.
#pragma once

struct DdeHandles {
    long conversations;    // DdeConnect minus DdeDisconnect
    long strings;          // DdeCreateStringHandleA minus DdeFreeStringHandle
    long data;             // request results minus DdeFreeDataHandle
    bool operator==(const DdeHandles &o) const { return conversations == o.conversations && strings == o.strings && data == o.data; }
};

class DdeAccounting {
public:
    DdeAccounting();
    ~DdeAccounting();
    DdeAccounting(const DdeAccounting &) = delete;
    DdeAccounting &operator=(const DdeAccounting &) = delete;

    // What is held now, and what was ever made (each count only rises).
    // Whether every one of the six functions is routed through a counter.
    bool Routed() const { return m_routed; }
    static DdeHandles Held();
    static DdeHandles Made();

private:
    bool m_routed;
};
