# Writes PROGRAM's manual page from its --help text, compressed as PAGE.gz. Run as:
#   cmake -DPROGRAM=<program> -DSUMMARY=<one line> -DVERSION=<version> -DGZIP=<gzip>
#         -DPAGE=<name.6> -P ManualPage.cmake
get_filename_component(name ${PROGRAM} NAME)
execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE status OUTPUT_VARIABLE help)
if(NOT status EQUAL 0 OR NOT help)
  message(FATAL_ERROR "${name} --help gave no text for its manual page")
endif()
# Backslashes, minus signs and lines that begin with a dot or an apostrophe mean something to roff.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" shown "${name}")
file(WRITE ${PAGE} ".TH ${shown} 6 \"\" \"Corvanes ${VERSION}\" \"Games\"\n"
                   ".SH NAME\n${shown} \\- ${SUMMARY}\n"
                   ".SH DESCRIPTION\n.nf\n${help}.fi\n")
execute_process(COMMAND ${GZIP} -9nf ${PAGE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "could not compress ${PAGE}")
endif()
