# Installs the build into a scratch DESTDIR under /usr and checks what the
# desktop sees there: the menu entry and the AppStream data pass their
# validators, the entry's program and icon are installed, and nothing makes
# the editor the default program of a file type.
#   cmake -DBUILD_DIR=<build> -DDESTDIR=<scratch folder> -P installtree_test.cmake

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
    message("SKIPPED: desktop-file-validate or appstreamcli is missing "
            "(packages desktop-file-utils and appstream; bash tavorin.sh test installs them)")
    return()
endif()

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}")
    endif()
endfunction()

file(REMOVE_RECURSE ${DESTDIR})
run(${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
set(usr ${DESTDIR}/usr)

set(entry ${usr}/share/applications/tavorin.desktop)
set(metainfo ${usr}/share/metainfo/example.kestavel.tavorin.metainfo.xml)
foreach(installed ${entry} ${metainfo} ${usr}/share/icons/hicolor/scalable/apps/tavorin.svg)
    if(NOT EXISTS ${installed})
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()
run(${DESKTOP_FILE_VALIDATE} ${entry})
run(${APPSTREAMCLI} validate --no-net ${metainfo})
run(${APPSTREAMCLI} validate-tree --no-net ${DESTDIR})

# The entry starts the installed program, which finds its files beside it.
file(READ ${entry} text)
foreach(line "Exec=tavorin %F" "Icon=tavorin" "MimeType=text/html;application/xhtml\\+xml;")
    if(NOT text MATCHES "\n${line}\n")
        message(FATAL_ERROR "the entry lacks the line ${line}")
    endif()
endforeach()
file(REAL_PATH ${usr}/bin/tavorin program)
get_filename_component(folder ${program} DIRECTORY)
if(NOT EXISTS ${program} OR NOT EXISTS ${folder}/SystemFiles/Help)
    message(FATAL_ERROR "bin/tavorin does not lead to the program with its SystemFiles: ${program}")
endif()

# Offered for HTML files, never made their default program.
file(GLOB_RECURSE defaults ${DESTDIR}/*mimeapps.list ${DESTDIR}/*defaults.list)
if(defaults)
    message(FATAL_ERROR "the installation sets a default program: ${defaults}")
endif()
