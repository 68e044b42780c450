set(CMAKE_C_COMPILER   ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No runtime DLL beside the program: everything from the toolchain is linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
# Wine's debugger (Wine 8) reads DWARF 4, not GCC 12's default DWARF 5: with
# it, winedbg's backtrace of a build with symbols names functions and lines.
foreach(lang C CXX)
    set(CMAKE_${lang}_FLAGS_DEBUG_INIT "-gdwarf-4")
    set(CMAKE_${lang}_FLAGS_RELWITHDEBINFO_INIT "-gdwarf-4")
endforeach()
