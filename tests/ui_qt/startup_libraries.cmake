# Starts the desktop program as a user would, on the offscreen platform, and ends it as soon
# as its main window is shown (PAYVANTA_QUIT_WHEN_SHOWN=1), once without a project and once
# with the steel-mill example open. The dynamic loader names every library the run loaded:
# neither the printer system (Qt's print support library, its CUPS plug-in, libcups), nor
# any image-format plug-in, nor Qt's network library (with its Kerberos and proxy
# libraries) may be among them, for the first screen needs none of them.
#   -DPROGRAM=<payvanta> -DDATA=<folder of the tables> -DWORK=<scratch folder>
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/folder" "${WORK}/runtime")
file(CHMOD "${WORK}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
file(GLOB tables "${DATA}/*.ini")
file(COPY ${tables} "${DATA}/examples/steel-mill-ladle-crane.QVR" DESTINATION "${WORK}/folder")

set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{PAYVANTA_QUIT_WHEN_SHOWN} 1)
set(ENV{XDG_RUNTIME_DIR} "${WORK}/runtime")
set(ENV{LD_DEBUG} files)

foreach(run empty project)
    set(arguments --no-splash --folder "${WORK}/folder")
    if(run STREQUAL project)
        list(APPEND arguments "${WORK}/folder/steel-mill-ladle-crane.QVR")
    endif()
    # The loader writes its log to <prefix>.<process id>.
    set(ENV{LD_DEBUG_OUTPUT} "${WORK}/${run}")
    execute_process(COMMAND "${PROGRAM}" ${arguments} TIMEOUT 60 RESULT_VARIABLE status
                    ERROR_VARIABLE err)
    list(JOIN arguments " " shown)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "payvanta ${shown}: status ${status}\n${err}")
    endif()
    file(GLOB logs "${WORK}/${run}.*")
    set(loaded "")
    foreach(log IN LISTS logs)
        file(STRINGS "${log}" lines REGEX "file=[^ ]+ \\[[0-9]+\\];  generating link map")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE ".*file=([^ ]+) .*" "\\1" file "${line}")
            list(APPEND loaded "${file}")
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES loaded)
    # The platform plug-in is always loaded: without it in the log, the log shows nothing.
    if(NOT loaded MATCHES "/platforms/libqoffscreen")
        message(FATAL_ERROR "${run}: the loader's log names no platform plug-in: ${loaded}")
    endif()
    set(unwanted "")
    foreach(file IN LISTS loaded)
        if(file MATCHES "/imageformats/|/printsupport/|libcups|libQt6PrintSupport|libQt6Network|libgssapi")
            list(APPEND unwanted "${file}")
        endif()
    endforeach()
    if(unwanted)
        list(JOIN unwanted "\n  " unwanted)
        message(FATAL_ERROR "payvanta ${shown} loaded before its window showed:\n  ${unwanted}")
    endif()
endforeach()
