# Installs BUILD_DIR into STAGE with DESTDIR and prefix /usr, then checks
# the staged tree. Fails with a message naming what is wrong.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(problems "")
# Everything lands under the prefix.
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
foreach(path IN LISTS staged)
    if(NOT path MATCHES "^usr/")
        string(APPEND problems "outside the prefix: /${path}\n")
    endif()
endforeach()

set(program usr/${LIBDIR}/almarikzenhar)
set(expected
    ${program}/AlmarikZenhar ${program}/AlmarikData.so ${program}/Geolvin.so
    ${program}/Ventabis.so ${program}/almarik-tables
    ${program}/AlmarikSound.so ${program}/AlmarikGazetteer.so ${program}/AlmarikIcs.so
    ${program}/AlmarikPrint.so ${program}/AlmarikInstance.so ${program}/AlmarikDesktop.so
    usr/bin/almarikzenhar usr/bin/almarik-tables
    usr/share/applications/${APP_ID}.desktop
    usr/share/metainfo/${APP_ID}.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
    usr/share/man/man1/almarikzenhar.1 usr/share/man/man1/almarik-tables.1
    usr/share/doc/almarikzenhar/LICENSE
    usr/share/doc/almarikzenhar/DataLicense-CC-BY-4.0.txt
    usr/share/doc/almarikzenhar/GPL-2.0.txt)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${STAGE}/${path})
        string(APPEND problems "missing: /${path}\n")
    endif()
endforeach()
# The build tools stay out.
foreach(tool almarik-gen almarik-embed almarik-images almarik-screens)
    if(EXISTS ${STAGE}/usr/bin/${tool} OR EXISTS ${STAGE}/${program}/${tool})
        string(APPEND problems "build tool installed: ${tool}\n")
    endif()
endforeach()

# The launchers are relative links into the private folder, so the staged
# tree works wherever it is unpacked.
foreach(pair "almarikzenhar;AlmarikZenhar" "almarik-tables;almarik-tables")
    list(GET pair 0 link)
    list(GET pair 1 target)
    file(READ_SYMLINK ${STAGE}/usr/bin/${link} destination)
    if(IS_ABSOLUTE "${destination}")
        string(APPEND problems "/usr/bin/${link} is an absolute link: ${destination}\n")
    endif()
    file(REAL_PATH ${STAGE}/usr/bin/${link} resolved)
    file(REAL_PATH ${STAGE}/${program}/${target} real)
    if(NOT resolved STREQUAL real)
        string(APPEND problems "/usr/bin/${link} leads to ${resolved}\n")
    endif()
endforeach()

# The desktop files pass the validators that desktops and software
# centres run, when they are installed here.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${STAGE}/usr/share/applications/${APP_ID}.desktop
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR NOT output STREQUAL "")
        string(APPEND problems "desktop-file-validate:\n${output}")
    endif()
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net
            ${STAGE}/usr/share/metainfo/${APP_ID}.metainfo.xml
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[EW]:")
        string(APPEND problems "appstreamcli validate:\n${output}")
    endif()
endif()

if(problems)
    message(FATAL_ERROR "${problems}")
endif()
file(REMOVE_RECURSE ${STAGE})
