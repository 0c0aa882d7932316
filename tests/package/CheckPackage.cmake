# Builds the Debian package, has lintian judge it (copyright, changelog, manual pages, file modes),
# checks what it holds and needs, unpacks it and plays the packaged runner. Run as:
#   cmake -DBUILD=<build folder> -DWORK=<scratch folder> -DVERSION=<version> -P CheckPackage.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}
                OUTPUT_VARIABLE made ERROR_VARIABLE made)
file(GLOB package ${WORK}/corvanes_${VERSION}_*.deb)
execute_process(COMMAND lintian --fail-on error,warning ${package} RESULT_VARIABLE status
                OUTPUT_VARIABLE verdict ERROR_VARIABLE verdict)
execute_process(COMMAND dpkg-deb -c ${package} OUTPUT_VARIABLE listing)
string(REGEX MATCHALL " \\./usr/share/corvanes/[a-z0-9_]+\\.bmp\n" bitmaps "${listing}")
list(LENGTH bitmaps count)
# Read from the binaries by dpkg-shlibdeps, each with the lowest version they need.
execute_process(COMMAND dpkg-deb -f ${package} Depends OUTPUT_VARIABLE depends)
if(NOT package OR NOT status EQUAL 0 OR NOT count EQUAL 17
   OR NOT depends MATCHES "(^|, )libc6 \\(>= " OR NOT depends MATCHES ", libsdl2-2\\.0-0 \\(>= ")
  message(FATAL_ERROR "${made}\n${verdict}\nDepends: ${depends}\n${count} bitmaps:\n${listing}")
endif()
foreach(file bin/corvanes bin/corvanes-headless share/corvanes/controls.cfg
             share/applications/corvanes.desktop share/icons/hicolor/256x256/apps/corvanes.png)
  if(NOT listing MATCHES " \\./usr/${file}\n")
    message(FATAL_ERROR "the package has no /usr/${file}:\n${listing}")
  endif()
endforeach()
set(root ${WORK}/root)
execute_process(COMMAND dpkg-deb -x ${package} ${root})
execute_process(COMMAND gzip -dc ${root}/usr/share/doc/corvanes/changelog.gz OUTPUT_VARIABLE log)
string(REGEX MATCH "^corvanes \\(${VERSION}\\) " changelog "${log}")
# The runner finds its files beside its bin folder and plays in the player's own folder.
execute_process(COMMAND env XDG_DATA_HOME=${WORK}/xdg HOME=${WORK}/home
                        ${root}/usr/bin/corvanes-headless --frames 300 --trace ${WORK}/trace.jsonl
                RESULT_VARIABLE status)
file(STRINGS ${WORK}/trace.jsonl passes)
list(LENGTH passes count)
file(READ ${WORK}/xdg/corvanes/log.txt log)
# Every bitmap loaded: the one failure it logs is the joystick it has not got.
if(NOT changelog OR NOT status EQUAL 0
   OR NOT count EQUAL 300 OR NOT log STREQUAL "ERROR: Unable to create joystick device\n")
  message(FATAL_ERROR "changelog not at ${VERSION}, or the runner did not play 300 passes: ${log}")
endif()
