# Cross toolchain for x86_64 Windows with the posix thread model (GoogleTest needs std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${CW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${CW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${CW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under Wine in the project's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
