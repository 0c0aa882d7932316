# Replays one recorded session with the Linux runner and with the Windows runner under Wine, and
# fails unless both give the same trace, line for line, the same screenshots, and the same log
# (with CR LF line ends on Windows). Run as:
#   cmake -DWINE=<wine64> -DPREFIX=<wine prefix> -DLINUX_RUNNER=<corvanes-headless>
#         -DWINDOWS_RUNNER=<corvanes-headless.exe> -DGAME_DIR=<build/game> -DWORK=<scratch>
#         -DSCRIPT=<recorded session file> -P CheckTraces.cmake
set(frames 3750)
set(shots 600 1800 3000)

file(REMOVE_RECURSE ${WORK})
file(GLOB bitmaps ${GAME_DIR}/*.bmp)
foreach(system linux windows)
  file(MAKE_DIRECTORY ${WORK}/${system})
  file(COPY ${bitmaps} ${GAME_DIR}/controls.cfg DESTINATION ${WORK}/${system})
  set(arguments_${system} --frames ${frames} --dir ${WORK}/${system} --input ${SCRIPT}
                          --trace ${WORK}/${system}/trace.jsonl)
  foreach(pass ${shots})
    list(APPEND arguments_${system} --shot ${pass}:${WORK}/${system}/shot-${pass}.bmp)
  endforeach()
endforeach()

execute_process(COMMAND ${LINUX_RUNNER} ${arguments_linux} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the Linux runner ended with status ${status}")
endif()
set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEDEBUG} -all)
execute_process(COMMAND ${WINE} ${WINDOWS_RUNNER} ${arguments_windows} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the Windows runner ended with status ${status}")
endif()

file(SHA256 ${WORK}/linux/trace.jsonl linux_digest)
file(SHA256 ${WORK}/windows/trace.jsonl windows_digest)
set(trace_digest ${linux_digest})
execute_process(COMMAND wc -l ${WORK}/linux/trace.jsonl OUTPUT_VARIABLE lines)
string(REGEX MATCH "^[0-9]+" lines "${lines}")
if(NOT lines EQUAL frames)
  message(FATAL_ERROR "the Linux runner wrote ${lines} trace lines, not ${frames}")
endif()
if(NOT linux_digest STREQUAL windows_digest)
  # Only a failure pays for the slow walk to the first line that differs.
  file(STRINGS ${WORK}/linux/trace.jsonl linux_lines)
  file(STRINGS ${WORK}/windows/trace.jsonl windows_lines)
  foreach(on_linux ${linux_lines})
    list(POP_FRONT windows_lines on_windows)
    if(NOT on_linux STREQUAL on_windows)
      message(FATAL_ERROR "a pass differs:\nLinux:   ${on_linux}\nWindows: ${on_windows}")
    endif()
  endforeach()
  message(FATAL_ERROR "the traces read alike line by line, but their bytes differ")
endif()
foreach(pass ${shots})
  file(SHA256 ${WORK}/linux/shot-${pass}.bmp linux_digest)
  file(SHA256 ${WORK}/windows/shot-${pass}.bmp windows_digest)
  if(NOT linux_digest STREQUAL windows_digest)
    message(FATAL_ERROR "the screenshots of pass ${pass} differ")
  endif()
endforeach()

# Read as hexadecimal, since a text read drops the carriage returns; the log is plain ASCII,
# so "0a" is always a whole line feed.
file(READ ${WORK}/linux/log.txt linux_log HEX)
file(READ ${WORK}/windows/log.txt windows_log HEX)
string(REGEX REPLACE "0a" "0d0a" linux_log_crlf "${linux_log}")
if(NOT windows_log STREQUAL linux_log_crlf)
  message(FATAL_ERROR "the logs differ:\nLinux:   ${linux_log}\nWindows: ${windows_log}")
endif()
message(STATUS "${frames} passes: the same trace (${trace_digest}), shots and log on Windows")
