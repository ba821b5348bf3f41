# Runs payvanta-calc from the program folder on the examples beside it and checks its exit
# status and that it printed one JSON array with one entry per file.
#   -DCALC=<program> -DEXAMPLES=<folder> -DEXPECTED_STATUS=<n> [-DEXTRA=<file>]
file(GLOB examples "${EXAMPLES}/*.QVR")
list(LENGTH examples count)
if(count LESS 3)
    message(FATAL_ERROR "expected at least three examples in ${EXAMPLES}, found ${count}")
endif()
if(DEFINED EXTRA)
    list(APPEND examples "${EXTRA}")
    math(EXPR count "${count} + 1")
endif()
execute_process(
    COMMAND "${CALC}" --json ${examples}
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
if(NOT status STREQUAL "${EXPECTED_STATUS}")
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\n${err}")
endif()
string(JSON kind ERROR_VARIABLE json_error TYPE "${out}")
if(json_error OR NOT kind STREQUAL "ARRAY")
    message(FATAL_ERROR "not a JSON array: ${json_error}\n${out}")
endif()
string(JSON length LENGTH "${out}")
if(NOT length EQUAL count)
    message(FATAL_ERROR "${length} results for ${count} files\n${out}")
endif()
if(EXPECTED_STATUS STREQUAL "0" AND NOT err STREQUAL "")
    message(FATAL_ERROR "unexpected messages:\n${err}")
endif()
if(NOT EXPECTED_STATUS STREQUAL "0" AND err STREQUAL "")
    message(FATAL_ERROR "no message for the file that failed")
endif()
