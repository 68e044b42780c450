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
#define START_MESSAGE_SIGNATURE 0x32545253u   // "SRT2": the arguments in UTF-8
// An older copy's message: the arguments in the system's code page.
#define START_MESSAGE_SIGNATURE_ANSI 0x31545253u   // "SRT1"
// A Windows command line is never longer than 32767 UTF-16 units, and no
// unit makes more than three bytes of UTF-8.
#define START_MESSAGE_MAX_ARGS (32767 * 3)

// The header and the arguments (UTF-8, no terminator); arguments beyond
// START_MESSAGE_MAX_ARGS bytes are left off, on a whole character.
std::string PackStartMessage(const char *args);
// The arguments of a message of size bytes, in UTF-8 (each byte that is not
// UTF-8 U+FFFD; an older copy's converted from the code page); false, args
// empty, when it is not one of ours or is damaged.
bool UnpackStartMessage(const void *data, size_t size, std::string &args);
