# Zerlin for 64-bit Windows: MinGW-w64, with the Qt that scripts/build-qt-windows made
# (its prefix in ZRL_QT_WINDOWS) as part of the target's world.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
if(DEFINED ENV{ZRL_QT_WINDOWS})
    list(APPEND CMAKE_FIND_ROOT_PATH "$ENV{ZRL_QT_WINDOWS}")
endif()
