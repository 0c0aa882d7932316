# Installs the build into a scratch prefix and plays the installed game: the headless runner
# for a few passes in the installed files, and the game itself, played back from a script that
# quits at once, without a display, in a player's folder of its own. Run as:
#   cmake -DBUILD=<build folder> -DWORK=<scratch folder> -P CheckInstall.cmake
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the install failed")
endif()

set(expected bin/corvanes bin/corvanes-headless share/corvanes/controls.cfg
             share/applications/corvanes.desktop share/icons/hicolor/256x256/apps/corvanes.png)
foreach(bitmap hx4fighter_extras hx4standmech hx4hovermech hx4trans alzbullet voskbullet raider
               drone flagship1 voskcommandship vosktroopcarrier voskdestroyer explosion1
               explosion2 navscreen cursor selections)
  list(APPEND expected share/corvanes/${bitmap}.bmp)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the install has no ${file}")
  endif()
endforeach()

execute_process(COMMAND ${prefix}/bin/corvanes-headless --frames 60 --dir ${prefix}/share/corvanes
                        --trace ${WORK}/trace.jsonl
                RESULT_VARIABLE status)
file(STRINGS ${WORK}/trace.jsonl passes)
list(LENGTH passes count)
list(GET passes 1 first)
if(NOT status EQUAL 0 OR NOT count EQUAL 60 OR NOT first MATCHES "\"player\":{\"x\":-195,\"y\":0,")
  message(FATAL_ERROR "the installed runner did not play the first battle")
endif()

file(WRITE ${WORK}/quit.txt "# corvanes recording\n5 key 1 down\n")
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY SDL_AUDIODRIVER=dummy
                        XDG_DATA_HOME=${WORK}/xdg ${prefix}/bin/corvanes --playback ${WORK}/quit.txt
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
set(folder ${WORK}/xdg/corvanes)
if(NOT status EQUAL 0 OR NOT EXISTS ${folder}/controls.cfg OR NOT EXISTS ${folder}/log.txt
   OR NOT IS_SYMLINK ${folder}/drone.bmp)
  message(FATAL_ERROR "the installed game did not play in the player's folder")
endif()
message(STATUS "installed into ${prefix}; played there and in ${folder}")
