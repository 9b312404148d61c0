# cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DVERSION=... -DOUT=... -P help_to_man.cmake
# Writes a section 1 manual page whose description is, line for line, what `PROGRAM --help`
# prints (kept as it is laid out).
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} --help
                OUTPUT_VARIABLE help RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR help STREQUAL "")
  message(FATAL_ERROR "${NAME} --help failed (${status}): ${errors}")
endif()
# roff: a backslash is written \e; a line starting with . or ' would be a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REPLACE "-" "\\-" summary "${SUMMARY}")
string(TOUPPER "${NAME}" title)
file(WRITE ${OUT}
".TH ${title} 1 \"\" \"Corvane ${VERSION}\" \"User Commands\"
.SH NAME
${NAME} \\- ${summary}
.SH DESCRIPTION
.nf
${help}.fi
")
