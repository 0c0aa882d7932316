# Cross-builds the Windows programs and their tests into BUILD, with the bitmaps of the native
# build, and makes the Wine prefix the Windows tests run in. Run as:
#   cmake -DSOURCE_DIR=<checkout> -DBUILD=<folder> -DASSETS=<build/game> -DGENERATOR=<generator>
#         -DWINE=<wine64> -P BuildWindows.cmake
find_program(mingw x86_64-w64-mingw32-g++-posix)
if(NOT mingw OR NOT EXISTS "${WINE}")
  message(FATAL_ERROR "the Windows tests need g++-mingw-w64-x86-64-posix and wine64 (./corvanes.sh "
                      "test installs them)")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${BUILD} -G ${GENERATOR}
                        -DCMAKE_TOOLCHAIN_FILE=${SOURCE_DIR}/cmake/mingw-w64.cmake
                        -DCMAKE_BUILD_TYPE=Release -DCORVANES_WERROR=ON
                        -DCORVANES_ASSETS_DIR=${ASSETS}
                RESULT_VARIABLE status)
if(status EQUAL 0)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the Windows build failed")
endif()

# The zip holds one folder: the two programs, every bitmap, the controls file and the README.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${BUILD}/corvanes-windows.zip
                OUTPUT_VARIABLE packed)
string(REGEX REPLACE "\n$" "" packed "${packed}")
string(REPLACE "\n" ";" packed "${packed}")
list(SORT packed)
file(GLOB bitmaps RELATIVE ${ASSETS} ${ASSETS}/*.bmp)
set(wanted Corvanes/ Corvanes/README.txt Corvanes/controls.cfg Corvanes/corvanes-headless.exe
           Corvanes/corvanes.exe)
list(TRANSFORM bitmaps PREPEND Corvanes/)
list(APPEND wanted ${bitmaps})
list(SORT wanted)
if(NOT packed STREQUAL wanted)
  message(FATAL_ERROR "the zip holds\n${packed}\nnot\n${wanted}")
endif()

# Made once; Wine prints a line about rundll32 as it does.
if(NOT EXISTS ${BUILD}/wineprefix/system.reg)
  set(ENV{WINEPREFIX} ${BUILD}/wineprefix)
  set(ENV{WINEDEBUG} -all)
  execute_process(COMMAND ${WINE} wineboot --init RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Wine could not make its prefix")
  endif()
endif()
