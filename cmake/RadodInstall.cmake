# Installing and packaging.
#
# `cmake --install <build>` puts the suite, the bridge and the inspector in
# bin/, and beside them (standard folders) the bridge's FlightGear protocol
# file, the desktop entry and the icon, the README and the vendored fonts'
# README and licences. Everything the programs load (documents, artwork,
# fonts) is compiled into them: the installed suite needs nothing from the
# source or build tree.
#
# `cpack` packages the same rules: a Debian package on Debian and its
# derivatives (scripts/package.sh), a zip (and an installer where NSIS is
# found) on Windows, where the install step also gathers the Qt libraries,
# plugins and QML modules beside the programs (windeployqt).
#
# Included last from CMakeLists.txt, once every program is defined.

include(GNUInstallDirs)

set(RADOD_PACKAGE_NAME radod)
set(RADOD_PACKAGE_MAINTAINER "Radod developers <radod@example.org>" CACHE STRING
    "Maintainer field of the packages (name <address>)")
set(RADOD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${RADOD_PACKAGE_NAME})
# Folders and files as 0755 and 0644 whatever the umask of whoever packages.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(_radod_programs "")
foreach(t radod-panels radod-bridge radod-inspect)
    if(TARGET ${t})
        list(APPEND _radod_programs ${t})
    endif()
endforeach()
install(TARGETS ${_radod_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# FlightGear's protocol file, for the user to copy into FlightGear's Protocol
# folder: beside the programs on Windows (as in the build folder), in the
# suite's data folder elsewhere.
if(WIN32)
    set(RADOD_PROTOCOL_DIR ${CMAKE_INSTALL_BINDIR})
else()
    set(RADOD_PROTOCOL_DIR ${CMAKE_INSTALL_DATADIR}/${RADOD_PACKAGE_NAME})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/tools/bridge/radod-flightgear.xml DESTINATION ${RADOD_PROTOCOL_DIR})

install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${RADOD_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/fonts/README.md
              ${CMAKE_SOURCE_DIR}/fonts/LICENSE.B612.txt
              ${CMAKE_SOURCE_DIR}/fonts/LICENSE.DSEG.txt
              ${CMAKE_SOURCE_DIR}/fonts/LICENSE.DejaVu.txt
        DESTINATION ${RADOD_DOC_DIR}/fonts)

if(UNIX AND NOT APPLE)
    # The desktop menu's entry and its icon (drawn by tools/artwork/icon.cpp).
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/radod-panels.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${RADOD_ARTWORK_DIR}/packaging/radod-panels.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
    # A Debian package states its copyright and carries its changelog,
    # compressed to the utmost and without a time stamp.
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${RADOD_DOC_DIR})
    find_program(RADOD_GZIP gzip)
    if(RADOD_GZIP)
        string(TIMESTAMP _radod_date "%a, %d %b %Y 00:00:00 +0000" UTC)
        configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog.in
                       ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
        execute_process(COMMAND ${RADOD_GZIP} -9nf ${CMAKE_BINARY_DIR}/packaging/changelog)
        install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${RADOD_DOC_DIR})
    endif()
endif()

# Windows: the Qt libraries, plugins and QML modules the programs use, beside
# them in the install folder. windeployqt finds the QML modules by reading the
# imports of the documents in the source tree.
if(WIN32)
    if(TARGET Qt6::windeployqt)
        set(RADOD_WINDEPLOYQT $<TARGET_FILE:Qt6::windeployqt>)
    else()
        find_program(RADOD_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
    endif()
    if(RADOD_WINDEPLOYQT)
        set(_radod_exes "")
        foreach(t IN LISTS _radod_programs)
            string(APPEND _radod_exes " \"\${_bin}/$<TARGET_FILE_NAME:${t}>\"")
        endforeach()
        install(CODE "
            set(_bin \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
            execute_process(COMMAND \"${RADOD_WINDEPLOYQT}\" --no-translations
                    --qmldir \"${CMAKE_SOURCE_DIR}\" --dir \"\${_bin}\" ${_radod_exes}
                RESULT_VARIABLE _status)
            if(NOT _status EQUAL 0)
                message(FATAL_ERROR \"windeployqt failed (\${_status})\")
            endif()")
    else()
        message(WARNING "windeployqt not found: the install folder will lack the Qt libraries")
    endif()
endif()

# The QML modules the documents import, with those they import in turn, and
# the image plugins for the resource tree's images, as the Debian packages
# that hold them: dpkg-shlibdeps sees only the shared libraries the programs
# link. A module this Qt does not have is one the
# documents load only where it exists (see Classes/VectorImage), and is left out.
function(radod_plugin_packages out)
    set(${out} "" PARENT_SCOPE)
    find_program(RADOD_DPKG dpkg)
    if(NOT RADOD_DPKG OR NOT QT6_INSTALL_QML)
        return()
    endif()
    set(qml_dir "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_QML}")
    get_property(entries GLOBAL PROPERTY RADOD_QRC_ENTRIES)
    set(queue "")
    foreach(e IN LISTS entries)
        string(REGEX REPLACE "^[^|]*\\|" "" file "${e}")
        if(file MATCHES "\\.qml$")
            file(STRINGS "${file}" lines REGEX "^[ \t]*import[ \t]+[A-Za-z]")
            list(APPEND queue ${lines})
        endif()
    endforeach()
    set(seen "")
    set(qmldirs "")
    while(queue)
        list(POP_FRONT queue line)
        if(NOT line MATCHES "^[ \t]*(import|depends)[ \t]+([A-Za-z][A-Za-z0-9_.]*)")
            continue()
        endif()
        set(module ${CMAKE_MATCH_2})
        if(module IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${module})
        string(REPLACE "." "/" module_path "${module}")
        set(dir "${qml_dir}/${module_path}")
        if(NOT EXISTS "${dir}/qmldir")
            continue()
        endif()
        list(APPEND qmldirs "${dir}/qmldir")
        file(STRINGS "${dir}/qmldir" lines REGEX "^(import|depends)[ \t]")
        list(APPEND queue ${lines})
        file(GLOB documents "${dir}/*.qml")
        foreach(doc IN LISTS documents)
            file(STRINGS "${doc}" lines REGEX "^[ \t]*import[ \t]+[A-Za-z]")
            list(APPEND queue ${lines})
        endforeach()
    endwhile()
    # Images are decoded by Qt's image-format plugins, which the programs do
    # not link either: one for each kind of image in the resource tree.
    set(plugins "")
    foreach(e IN LISTS entries)
        if(e MATCHES "\\.([A-Za-z]+)\\|")
            string(TOLOWER "${CMAKE_MATCH_1}" ext)
            string(REPLACE "jpg" "jpeg" ext "${ext}")
            set(plugin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/imageformats/libq${ext}.so")
            if(EXISTS "${plugin}")
                list(APPEND plugins "${plugin}")
            endif()
        endif()
    endforeach()
    list(REMOVE_DUPLICATES plugins)
    if(NOT qmldirs AND NOT plugins)
        return()
    endif()
    execute_process(COMMAND ${RADOD_DPKG} -S ${qmldirs} ${plugins} OUTPUT_VARIABLE owners ERROR_QUIET)
    string(REGEX MATCHALL "(^|\n)[a-z0-9.+-]+" names "${owners}")
    set(packages "")
    foreach(n IN LISTS names)
        string(STRIP "${n}" n)
        list(APPEND packages "${n} (>= ${Qt6_VERSION})")
    endforeach()
    list(REMOVE_DUPLICATES packages)
    list(SORT packages)
    set(${out} "${packages}" PARENT_SCOPE)
endfunction()

set(CPACK_PACKAGE_NAME ${RADOD_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Radod")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${RADOD_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "instrument panels for flight-simulator home cockpits")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Radod")
set(CPACK_PACKAGE_EXECUTABLES radod-panels "Radod instrument panels")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    find_program(RADOD_MAKENSIS makensis)
    if(RADOD_MAKENSIS)
        list(APPEND CPACK_GENERATOR NSIS)
        set(CPACK_NSIS_DISPLAY_NAME "Radod instrument panels")
    endif()
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION misc)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The summary above is the synopsis; this, the extended description.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Analogue gauges and radio displays for a home cockpit, in always-on-top
windows you place and size on your monitors: the panels of a Cessna, a Baron
and a Caravan, stand-by instruments, two radio panels and G1000 displays.
A bridge program beside the flight simulator writes the flight's values into
an exchange folder that the panels follow. The package carries the panels
(radod-panels), the bridge with a demo flight, a recorder and a FlightGear
link (radod-bridge), and a document inspector (radod-inspect).")
    # Shared libraries from the binaries, QML modules and image plugins from
    # the resource tree.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    radod_plugin_packages(_radod_plugin_packages)
    list(JOIN _radod_plugin_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

    # The package built from the programs of this build folder, unpacked and
    # run (tests/package/package_test.sh).
    find_program(RADOD_DPKG_DEB dpkg-deb)
    if(RADOD_DPKG_DEB AND TARGET radod-panels AND TARGET radod-bridge AND TARGET radod-inspect)
        add_test(NAME package_deb
                 COMMAND bash ${CMAKE_SOURCE_DIR}/tests/package/package_test.sh
                         ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
        set_tests_properties(package_deb PROPERTIES TIMEOUT 120)
    endif()
endif()

include(CPack)
