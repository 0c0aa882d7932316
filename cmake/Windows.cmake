# The Windows build, cross-built with mingw-w64 (cmake/mingw-w64.cmake): the win32 backend, the
# game as a windowed program, and the run folder build-windows/game/ packed as a zip.

set(CORVANES_ASSETS_DIR "" CACHE PATH
    "A folder holding the game's bitmaps, drawn by a native build (build/game)")
if(NOT EXISTS "${CORVANES_ASSETS_DIR}/drone.bmp")
  message(FATAL_ERROR "CORVANES_ASSETS_DIR must name a folder holding the game's bitmaps, drawn "
                      "by a native build (build/game)")
endif()

# The bitmaps and the default controls file, as in build/game/ on Linux.
set(game_files)
foreach(bitmap ${CORVANES_BITMAPS})
  add_custom_command(
    OUTPUT ${CORVANES_GAME_DIR}/${bitmap}
    COMMAND ${CMAKE_COMMAND} -E copy ${CORVANES_ASSETS_DIR}/${bitmap} ${CORVANES_GAME_DIR}/${bitmap}
    DEPENDS ${CORVANES_ASSETS_DIR}/${bitmap}
    VERBATIM)
  list(APPEND game_files ${CORVANES_GAME_DIR}/${bitmap})
endforeach()
add_custom_command(
  OUTPUT ${CORVANES_GAME_DIR}/controls.cfg
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/assets/controls.cfg
          ${CORVANES_GAME_DIR}/controls.cfg
  DEPENDS ${PROJECT_SOURCE_DIR}/assets/controls.cfg
  VERBATIM)
add_custom_target(game_assets ALL DEPENDS ${game_files} ${CORVANES_GAME_DIR}/controls.cfg)

# The backend: DirectDraw, DirectInput and DirectSound, the window and the screenshots' codecs.
file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/platform/win32/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX "/Folders\\.cpp$")
add_library(corvanes_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(corvanes_win32 PUBLIC corvanes_platform ddraw dinput8 dxguid dsound gdi32
                      windowscodecs ole32 uuid winmm)
# The system's wide-character calls throughout.
target_compile_definitions(corvanes_win32 PUBLIC UNICODE _UNICODE)

# A windowed program, which still writes to the console it was started from.
add_executable(corvanes WIN32 src/app/WindowsMain.cpp)
target_link_libraries(corvanes PRIVATE corvanes_app corvanes_win32)
set_target_properties(corvanes PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CORVANES_GAME_DIR})

# The shipped zip: one folder with the programs, the bitmaps, the default controls file and a
# README, as a Windows text file.
set(zip_folder ${PROJECT_BINARY_DIR}/zip/Corvanes)
configure_file(${PROJECT_SOURCE_DIR}/assets/README-windows.txt ${zip_folder}/README.txt
               NEWLINE_STYLE CRLF)
set(shipped $<TARGET_FILE:corvanes> $<TARGET_FILE:corvanes-headless> ${game_files}
            ${CORVANES_GAME_DIR}/controls.cfg)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/corvanes-windows.zip
  COMMAND ${CMAKE_COMMAND} -E copy ${shipped} ${zip_folder}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${PROJECT_BINARY_DIR}/corvanes-windows.zip
  COMMAND ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/corvanes-windows.zip --format=zip
          Corvanes
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/zip
  DEPENDS corvanes corvanes-headless game_assets ${game_files} ${CORVANES_GAME_DIR}/controls.cfg
          ${zip_folder}/README.txt
  COMMENT "Packing corvanes-windows.zip"
  VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${PROJECT_BINARY_DIR}/corvanes-windows.zip)
