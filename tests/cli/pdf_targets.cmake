# Where payvanta-calc writes its PDF files: a link planted at the name is replaced and what it
# points at kept, a FIFO is refused and left, and two project files of one name are refused
# before anything is written.
#   -DCALC=<program> -DPROJECT=<file.QVR> -DOUT=<folder>
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/shared" "${OUT}/a" "${OUT}/b" "${OUT}/both")
file(COPY_FILE "${PROJECT}" "${OUT}/a/x.QVR")
file(COPY_FILE "${PROJECT}" "${OUT}/b/x.QVR")
file(WRITE "${OUT}/notes.txt" "kept")
file(CREATE_LINK "${OUT}/notes.txt" "${OUT}/shared/given.pdf" SYMBOLIC)
file(CREATE_LINK "${OUT}/notes.txt" "${OUT}/shared/x.pdf" SYMBOLIC)
execute_process(COMMAND mkfifo "${OUT}/fifo.pdf" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "no FIFO could be made")
endif()

# Runs the program; its exit status, and a line of what it says on standard error, must be as
# expected.
function(calc status said)
    execute_process(COMMAND "${CALC}" ${ARGN} RESULT_VARIABLE got ERROR_VARIABLE err)
    string(FIND "${err}" "${said}" at)
    if(NOT got EQUAL status OR at EQUAL -1)
        message(FATAL_ERROR "payvanta-calc ${ARGN}: exit ${got}, not ${status}:\n${err}")
    endif()
endfunction()

calc(0 "" --pdf "${OUT}/shared/given.pdf" "${OUT}/a/x.QVR")
calc(0 "" --pdf-dir "${OUT}/shared" "${OUT}/a/x.QVR")
file(READ "${OUT}/notes.txt" notes)
if(NOT notes STREQUAL "kept")
    message(FATAL_ERROR "a PDF file was written through a link")
endif()
foreach(pdf given.pdf x.pdf)
    execute_process(COMMAND pdfinfo "${OUT}/shared/${pdf}" OUTPUT_VARIABLE info)
    if(IS_SYMLINK "${OUT}/shared/${pdf}" OR NOT info MATCHES "Pages: +7\n")
        message(FATAL_ERROR "${pdf} is not the seven pages in place of the link")
    endif()
endforeach()

calc(2 "payvanta-calc: ${OUT}/fifo.pdf: it is not a regular file\n"
     --pdf "${OUT}/fifo.pdf" "${OUT}/a/x.QVR")
execute_process(COMMAND test -p "${OUT}/fifo.pdf" RESULT_VARIABLE replaced)
if(replaced)
    message(FATAL_ERROR "the FIFO was replaced")
endif()

calc(2 "payvanta-calc: \"${OUT}/a/x.QVR\" and \"${OUT}/b/x.QVR\" would both be written to \"${OUT}/both/x.pdf\"\n"
     --pdf-dir "${OUT}/both" "${OUT}/a/x.QVR" "${OUT}/b/x.QVR")
if(EXISTS "${OUT}/both/x.pdf")
    message(FATAL_ERROR "two project files of one name were written to one PDF file")
endif()
