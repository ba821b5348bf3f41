# Writes the Print All pages of an example twice with SOURCE_DATE_EPOCH set, a second apart,
# and checks that the two PDF files are the same bytes and hold seven pages.
#   -DCALC=<program> -DPROJECT=<file.QVR> -DOUT=<folder>
file(MAKE_DIRECTORY "${OUT}")
set(ENV{SOURCE_DATE_EPOCH} 1796588103)
foreach(run 1 2)
    execute_process(COMMAND "${CALC}" --pdf "${OUT}/run${run}.pdf" "${PROJECT}"
                    RESULT_VARIABLE status ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "payvanta-calc --pdf failed with ${status}: ${err}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1)
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/run1.pdf" "${OUT}/run2.pdf"
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "two runs gave different PDF files")
endif()
execute_process(COMMAND pdfinfo "${OUT}/run1.pdf" OUTPUT_VARIABLE info)
if(NOT info MATCHES "Pages: +7\n")
    message(FATAL_ERROR "not seven pages:\n${info}")
endif()
