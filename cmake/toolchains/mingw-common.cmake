# Shared by the MinGW-w64 toolchain files; they set BCD_MINGW_TRIPLE first.
set(CMAKE_SYSTEM_NAME Windows)

# Either thread model will do (the tool starts no threads); the exe links
# everything statically either way, so it needs no MinGW DLL.
find_program(BCD_MINGW_CXX_${BCD_MINGW_TRIPLE}
  NAMES ${BCD_MINGW_TRIPLE}-g++-posix ${BCD_MINGW_TRIPLE}-g++-win32 ${BCD_MINGW_TRIPLE}-g++
  REQUIRED)
set(CMAKE_CXX_COMPILER ${BCD_MINGW_CXX_${BCD_MINGW_TRIPLE}})

set(CMAKE_FIND_ROOT_PATH /usr/${BCD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
