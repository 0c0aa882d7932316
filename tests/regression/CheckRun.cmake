# Replays one recorded session with the headless runner and compares the digests of its trace
# and screenshots with those in digests.txt. Run as:
#   cmake -DRUNNER=<corvanes-headless> -DGAME_DIR=<build/game> -DWORK=<scratch folder>
#         -DSCRIPT=<name> -DSOURCE=<this folder> -P CheckRun.cmake
set(frames 3750)
set(shots 600 1800 3000)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB bitmaps ${GAME_DIR}/*.bmp)
file(COPY ${bitmaps} ${GAME_DIR}/controls.cfg DESTINATION ${WORK})

set(arguments --frames ${frames} --dir ${WORK} --input ${SOURCE}/${SCRIPT}.txt
              --trace ${WORK}/trace.jsonl)
foreach(pass ${shots})
  list(APPEND arguments --shot ${pass}:${WORK}/shot-${pass}.bmp)
endforeach()
execute_process(COMMAND ${RUNNER} ${arguments} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the runner ended with status ${status}")
endif()

file(SHA256 ${WORK}/trace.jsonl digest)
set(lines "${SCRIPT} trace ${digest}")
foreach(pass ${shots})
  file(SHA256 ${WORK}/shot-${pass}.bmp digest)
  list(APPEND lines "${SCRIPT} shot-${pass} ${digest}")
endforeach()

file(STRINGS ${SOURCE}/digests.txt recorded REGEX "^${SCRIPT} ")
if(NOT "${lines}" STREQUAL "${recorded}")
  string(REPLACE ";" "\n" now "${lines}")
  message(NOTICE "${now}")
  message(FATAL_ERROR "the session \"${SCRIPT}\" no longer plays as recorded; it now gives "
                      "the digests above (see README.md beside the scripts before recording "
                      "them)")
endif()
message(STATUS "${SCRIPT}: ${frames} passes, trace and ${shots} shots as recorded")
