# Makes the Debian package of the build and checks what it installs and needs.
#   -DBUILD=<build folder> -DWORK=<scratch folder> -DVERSION=<project version>
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND cpack -G DEB -B "${WORK}" --config "${BUILD}/CPackConfig.cmake"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB package "${WORK}/payvanta_${VERSION}_*.deb")
if(NOT status EQUAL 0 OR NOT package)
    message(FATAL_ERROR "cpack made no package:\n${out}")
endif()

execute_process(COMMAND dpkg-deb --contents "${package}" OUTPUT_VARIABLE contents)
set(share usr/share/payvanta)
set(id com.corvanix.Payvanta)
foreach(path usr/bin/payvanta usr/bin/payvanta-calc ${share}/Customer.ini ${share}/MillMoto.ini
        ${share}/UtilRate.ini ${share}/ShoeCost.ini ${share}/TipCosts.ini
        ${share}/examples/steel-mill-ladle-crane.QVR usr/share/applications/${id}.desktop
        usr/share/mime/packages/${id}.xml usr/share/icons/hicolor/scalable/apps/${id}.svg
        usr/share/metainfo/${id}.metainfo.xml)
    string(FIND "${contents}" " ./${path}\n" at)
    if(at LESS 0)
        message(FATAL_ERROR "the package lacks /${path}:\n${contents}")
    endif()
endforeach()
# The printer module, which the program loads at its first print.
if(NOT contents MATCHES " \\./usr/lib/[^ \n]*payvanta/payvanta_system_printer\\.so\n")
    message(FATAL_ERROR "the package lacks the printer module:\n${contents}")
endif()

# Qt's libraries come from the linked programs and the printer module; its platform plugin
# is loaded at run time.
execute_process(COMMAND dpkg-deb --field "${package}" Depends OUTPUT_VARIABLE depends)
foreach(needed libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins)
    if(NOT depends MATCHES "${needed}")
        message(FATAL_ERROR "the package does not depend on ${needed}: ${depends}")
    endif()
endforeach()
