# SOURCE_DATE_EPOCH on the real program: a value that is not a whole number of seconds from
# 1970 to the end of 9999 ends the run with status 2 and its reason before anything is
# written; the last second of 9999 dates a PDF that pdfinfo reads without a word, in a
# time zone away from UTC too.
#   -DCALC=<program> -DPROJECT=<file.QVR> -DOUT=<folder>
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
set(ENV{TZ} Europe/Berlin)

foreach(value 253402300800 9223372036854775808 9223372036854775807 67767976233316800
              12abc -1 " 5")
    set(ENV{SOURCE_DATE_EPOCH} "${value}")
    execute_process(COMMAND "${CALC}" --pdf "${OUT}/refused.pdf" "${PROJECT}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(expected "payvanta-calc: SOURCE_DATE_EPOCH \"${value}\" is not a whole number of \
seconds from 0 to 253402300799 (1970 to 9999)\n")
    if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err STREQUAL expected)
        message(FATAL_ERROR "SOURCE_DATE_EPOCH=\"${value}\": status ${status}, out \"${out}\", "
                            "err \"${err}\"")
    endif()
    if(EXISTS "${OUT}/refused.pdf")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH=\"${value}\" still wrote a PDF")
    endif()
endforeach()

# Empty is the current time, like unset.
set(ENV{SOURCE_DATE_EPOCH} "")
execute_process(COMMAND "${CALC}" "${PROJECT}" RESULT_VARIABLE status OUTPUT_QUIET
                ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "empty SOURCE_DATE_EPOCH: status ${status}: ${err}")
endif()

set(ENV{SOURCE_DATE_EPOCH} 253402300799)
execute_process(COMMAND "${CALC}" --pdf "${OUT}/last.pdf" "${PROJECT}"
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "payvanta-calc --pdf failed with ${status}: ${err}")
endif()
execute_process(COMMAND pdfinfo -isodates "${OUT}/last.pdf"
                RESULT_VARIABLE status OUTPUT_VARIABLE info ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "pdfinfo: ${status}: ${err}")
endif()
if(NOT info MATCHES "\nCreationDate: +9999-12-31T23:59:59(Z|\\+00)\n")
    message(FATAL_ERROR "not dated 9999-12-31 23:59:59 UTC:\n${info}")
endif()
