# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Cross-built for Windows on Linux: the tests (and whatever else the build runs) run under
# Wine, through a wrapper that this writes into the build folder. The wrapper keeps its own
# Wine prefix there, finds Qt's and the compiler's DLLs, and hands on the test's QT_...
# settings, which Wine would otherwise drop: it passes only WINEQT_... on, as QT_....
find_program(ZENDREL_WINE wine REQUIRED NO_CMAKE_FIND_ROOT_PATH)

set(dll_folders Z:$<TARGET_FILE_DIR:Qt6::Core>)
foreach(dll IN ITEMS libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    get_filename_component(folder ${path} DIRECTORY)
    list(APPEND dll_folders Z:${folder})
endforeach()
list(JOIN dll_folders ";" ZENDREL_WINE_DLL_PATH)

# The offscreen platform plugin reads fonts from one folder, which Windows does not have:
# the fonts that the Linux tests see, gathered by link.
set(ZENDREL_WINE_FONTS ${CMAKE_BINARY_DIR}/wine-fonts)
file(MAKE_DIRECTORY ${ZENDREL_WINE_FONTS})
file(GLOB font_files /usr/share/fonts/truetype/dejavu/*.ttf
                     /usr/share/fonts/truetype/liberation2/*.ttf
                     /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
                     /usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc)
foreach(font IN LISTS font_files)
    get_filename_component(name ${font} NAME)
    file(CREATE_LINK ${font} ${ZENDREL_WINE_FONTS}/${name} SYMBOLIC)
endforeach()

set(wrapper [=[#!/bin/sh
# Runs a program of this build under Wine (written by CMake).
export WINEPREFIX="${WINEPREFIX:-@CMAKE_BINARY_DIR@/wine-prefix}"
export WINEPATH="@ZENDREL_WINE_DLL_PATH@"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEQT_QPA_FONTDIR="${QT_QPA_FONTDIR:-Z:@ZENDREL_WINE_FONTS@}"
# Qt Test's output goes to the debugger's channel on Windows unless told otherwise.
export WINEQT_FORCE_STDERR_LOGGING=1
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$name=\"\$$name\""
done
exec "@ZENDREL_WINE@" "$@"
]=])
string(CONFIGURE "${wrapper}" wrapper @ONLY)
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/wine-run CONTENT "${wrapper}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
