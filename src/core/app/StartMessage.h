// The arguments a second start hands to the running launcher in WM_COPYDATA.
// The message carries START_MESSAGE_ID as its dwData and, as its data, a
// header of ours and then the arguments: a foreign window titled "<Orvanta>"
// is sent nothing it could take for its own, and the launcher reads only a
// message whose size and signature check out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#define START_MESSAGE_ID 0x4F52564Eu          // "ORVN"
#define START_MESSAGE_SIGNATURE 0x31545253u   // "SRT1"
// A Windows command line is never longer.
#define START_MESSAGE_MAX_ARGS 32767

// The header and the arguments (in the system's code page, no terminator);
// arguments beyond START_MESSAGE_MAX_ARGS bytes are left off.
std::string PackStartMessage(const char *args);
// The arguments of a message of size bytes; false, args empty, when it is
// not one of ours or is damaged.
bool UnpackStartMessage(const void *data, size_t size, std::string &args);
