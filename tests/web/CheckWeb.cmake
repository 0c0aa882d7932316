# Builds the web page with emscripten into the test's own folder, installs the browser driver
# there, and runs CheckWeb.js against Chromium. Run as:
#   cmake -DSOURCE_DIR=<checkout> -DRUNNER=<corvanes-headless> -DGAME_DIR=<build/game>
#         -DWORK=<scratch folder> -P CheckWeb.cmake
foreach(tool emcmake node npm)
  find_program(${tool}_path ${tool})
  if(NOT ${tool}_path)
    message(FATAL_ERROR "${tool} is missing: ./corvanes.sh test installs what the web check needs")
  endif()
endforeach()

# Emscripten's JavaScript optimiser finds its node modules only through NODE_PATH.
set(ENV{NODE_PATH} /usr/share/nodejs)
execute_process(
  COMMAND ${emcmake_path} ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK}/build -G Ninja
          -DCMAKE_BUILD_TYPE=Release -DCORVANES_WERROR=ON -DCORVANES_ASSETS_DIR=${GAME_DIR}
          -DCORVANES_SITE_DIR=${WORK}/site
  OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configuring the web build failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK}/build RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the web build failed")
endif()

# The driver, as the lock file pins it, installed again only when the lock changes.
set(node ${WORK}/node)
file(MAKE_DIRECTORY ${node})
file(SHA256 ${SOURCE_DIR}/tests/web/package-lock.json lock)
set(installed "")
if(EXISTS ${node}/installed.txt)
  file(READ ${node}/installed.txt installed)
endif()
if(NOT installed STREQUAL lock OR NOT EXISTS ${node}/node_modules/puppeteer-core)
  file(COPY ${SOURCE_DIR}/tests/web/package.json ${SOURCE_DIR}/tests/web/package-lock.json
       DESTINATION ${node})
  execute_process(COMMAND ${npm_path} ci --no-audit --no-fund --loglevel=error
                  WORKING_DIRECTORY ${node} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "npm could not install the browser driver")
  endif()
  file(WRITE ${node}/installed.txt ${lock})
endif()

set(ENV{NODE_PATH} ${node}/node_modules)
execute_process(
  COMMAND ${node_path} ${SOURCE_DIR}/tests/web/CheckWeb.js ${WORK}/site ${RUNNER} ${GAME_DIR}
          ${SOURCE_DIR}/tests/regression ${WORK}/run flight transform combat navigation
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the web page does not play as the native game does")
endif()
