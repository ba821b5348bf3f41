# Installs the build into a temporary prefix and starts the installed programs there as a
# user would, with a home, a documents folder and a runtime folder of the test's own.
#   -DBUILD=<build folder> -DWORK=<scratch folder> -DVERSION=<project version>
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
set(prefix "${WORK}/prefix")
set(shipped "${prefix}/share/payvanta")

# check(<what> <command>...): runs it, ends the test unless its status is 0; leaves out, err.
macro(check what)
    execute_process(COMMAND ${ARGN} TIMEOUT 60 RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${what}: status ${status}\n${out}${err}")
    endif()
endmacro()

check("cmake --install" "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}")

# --help and --version answer on standard output, without any display.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
foreach(program payvanta payvanta-calc)
    check("${program} --version" "${prefix}/bin/${program}" --version)
    if(NOT out STREQUAL "${program} ${VERSION}\n" OR NOT err STREQUAL "")
        message(FATAL_ERROR "${program} --version: \"${out}\", errors \"${err}\"")
    endif()
    check("${program} --help" "${prefix}/bin/${program}" --help)
    string(FIND "${out}" "Usage: ${program} [" usage)
    if(NOT usage EQUAL 0 OR NOT err STREQUAL "")
        message(FATAL_ERROR "${program} --help: \"${out}\", errors \"${err}\"")
    endif()
endforeach()

# A user whose documents folder is renamed, as desktops in other languages do. The first
# start fills their folder with copies of the installed data.
set(ENV{HOME} "${WORK}/home")
set(ENV{XDG_CONFIG_HOME} "${WORK}/home/config")
set(ENV{XDG_RUNTIME_DIR} "${WORK}/runtime")
file(WRITE "${WORK}/home/config/user-dirs.dirs" "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n")
file(MAKE_DIRECTORY "${WORK}/runtime")
file(CHMOD "${WORK}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(users "${WORK}/home/Papers/Payvanta")
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{PAYVANTA_QUIT_WHEN_SHOWN} 1)
check("installed payvanta" "${prefix}/bin/payvanta" --no-splash)
file(GLOB_RECURSE installed RELATIVE "${shipped}" "${shipped}/*")
file(GLOB_RECURSE copied RELATIVE "${users}" "${users}/*")
if(NOT installed STREQUAL copied OR NOT "examples/steel-mill-ladle-crane.QVR" IN_LIST installed)
    message(FATAL_ERROR "installed data: ${installed}\nuser's folder: ${copied}")
endif()
foreach(f IN LISTS installed)
    check("copy of ${f}" "${CMAKE_COMMAND}" -E compare_files "${shipped}/${f}" "${users}/${f}")
endforeach()

# payvanta-calc reads the same folder (its missing table is reported) and computes as the
# build's does.
file(REMOVE "${users}/MillMoto.ini")
set(project "${users}/examples/steel-mill-ladle-crane.QVR")
check("the build's payvanta-calc" "${BUILD}/bin/payvanta-calc" "${project}")
set(built "${out}")
check("installed payvanta-calc" "${prefix}/bin/payvanta-calc" "${project}")
string(FIND "${err}" "${users}/MillMoto.ini" missing)
if(NOT out STREQUAL built OR missing LESS 0)
    message(FATAL_ERROR "installed payvanta-calc:\n${out}${err}\nthe build's:\n${built}")
endif()

# Project files are known by their extension in any letter case.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
    check("update-mime-database" "${UPDATE_MIME_DATABASE}" "${prefix}/share/mime")
    file(STRINGS "${prefix}/share/mime/globs2" globs REGEX "payvanta")
    if(NOT globs MATCHES ":application/x-payvanta-project:\\*\\.qvr$")
        message(FATAL_ERROR "file type not registered: ${globs}")
    endif()
endif()
