# Makes the help page: res/readme.html with the program's icon put inline as a data: URI, so
# that the page needs no other file and no network.
#   cmake -DSOURCE=res/readme.html -DICON=res/horodex.ico -DOUTPUT=readme.html -P readme.cmake
execute_process(COMMAND base64 -w0 "${ICON}" OUTPUT_VARIABLE icon RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR icon STREQUAL "")
  message(FATAL_ERROR "could not encode ${ICON}")
endif()
file(READ "${SOURCE}" page)
string(REPLACE "@HORODEX_ICON@" "data:image/x-icon;base64,${icon}" page "${page}")
file(WRITE "${OUTPUT}" "${page}")
