# The desktop program with a SOURCE_DATE_EPOCH that is no date: it says so once on the
# error stream and starts all the same, its dates the current time.
#   -DAPP=<program> -DOUT=<folder>
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
file(CHMOD "${OUT}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} "${OUT}")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{PAYVANTA_QUIT_WHEN_SHOWN} 1)
set(ENV{SOURCE_DATE_EPOCH} 253402300800)
execute_process(COMMAND "${APP}" --no-splash RESULT_VARIABLE status ERROR_VARIABLE err
                TIMEOUT 60)
set(warning "payvanta: SOURCE_DATE_EPOCH \"253402300800\" is not a whole number of seconds \
from 0 to 253402300799 (1970 to 9999); the current time is used\n")
string(FIND "${err}" "${warning}" first)
string(FIND "${err}" "${warning}" last REVERSE)
if(NOT status EQUAL 0 OR first EQUAL -1 OR NOT first EQUAL last)
    message(FATAL_ERROR "status ${status}, not one warning:\n${err}")
endif()
