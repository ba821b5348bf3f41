# Runs payvanta-calc where XDG_RUNTIME_DIR is not set, as under cron or ssh: the summary, the
# PDF of Print All and the PDF of one page leave standard error empty; a file that cannot be
# read is still reported there, and only by the program.
#   -DCALC=<program> -DPROJECT=<file.QVR> -DOUT=<folder>
file(MAKE_DIRECTORY "${OUT}")
unset(ENV{XDG_RUNTIME_DIR})
unset(ENV{QT_QPA_PLATFORM})
foreach(args "" "--pdf;${OUT}/all.pdf" "--report;Hoist;--pdf;${OUT}/hoist.pdf")
    execute_process(COMMAND "${CALC}" ${args} "${PROJECT}"
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "payvanta-calc ${args} gave ${status} and on standard error:\n${err}")
    endif()
endforeach()
execute_process(COMMAND "${CALC}" --pdf "${OUT}/missing.pdf" "${OUT}/missing.QVR"
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT err MATCHES "^(payvanta-calc: [^\n]*\n)+$")
    message(FATAL_ERROR "a missing file gave ${status} and on standard error:\n${err}")
endif()
