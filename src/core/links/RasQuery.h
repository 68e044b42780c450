// The two questions the dial-up monitor answers.
#pragma once

#define RAS_QUERY_FIRST 1    // is the first active connection up?
#define RAS_QUERY_COUNT 2    // how many connections are active?
