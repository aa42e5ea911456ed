# Installs the program the way desktop applications are installed on Debian (GNUInstallDirs
# under the prefix: the program, its desktop entry, icons and AppStream file under the
# reverse-DNS id, a manual page, the licence and the changelog), and packages it with
# CPack's DEB generator:
#   cmake --build --preset release --target package  ->  build/release/caddora_<version>_<arch>.deb
set(CADDORA_MAINTAINER "Holverra <caddora@holverra.example>")
set(dist ${PROJECT_SOURCE_DIR}/dist)
set(staged ${PROJECT_BINARY_DIR}/dist)

# The newest changelog entry is the release: its version must be the project's, and its
# date is the release date the AppStream file and the manual page show.
file(STRINGS ${dist}/changelog changelog)
list(GET changelog 0 newest)
if(NOT newest MATCHES "^caddora \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "dist/changelog begins with '${newest}', not version ${PROJECT_VERSION}")
endif()
list(FILTER changelog INCLUDE REGEX "^ -- ")
list(GET changelog 0 signature)
if(NOT signature MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "dist/changelog: no date in '${signature}'")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(month_names January February March April May June July August September October
                November December)
list(FIND months ${CMAKE_MATCH_2} month)
list(GET month_names ${month} month_name)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
    set(month 0${month})
endif()
set(CADDORA_RELEASE_DATE ${year}-${month}-${day})
set(CADDORA_RELEASE_MONTH "${month_name} ${year}")

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${dist}/changelog ${PROJECT_SOURCE_DIR}/LICENSE)

# The licence text of LICENSE, indented as a Debian copyright file's paragraph wants it.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "^.*\n\n(Permission)" "\\1" license "${license}")
string(STRIP "${license}" license)
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
set(CADDORA_LICENSE_TEXT " ${license}")

configure_file(${dist}/${CADDORA_APP_ID}.metainfo.xml.in ${staged}/${CADDORA_APP_ID}.metainfo.xml
               @ONLY)
configure_file(${dist}/copyright.in ${staged}/copyright @ONLY)
configure_file(${dist}/caddora.6.in ${staged}/caddora.6 @ONLY)

# The manual page and the changelog go compressed at the highest level, without a name or
# time in the gzip header, so that two builds give the same bytes.
function(caddora_compress source compressed)
    add_custom_command(OUTPUT ${compressed}
        COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip ${source} ${compressed}
        DEPENDS ${source} VERBATIM)
endfunction()
caddora_compress(${staged}/caddora.6 ${staged}/caddora.6.gz)
caddora_compress(${dist}/changelog ${staged}/changelog.gz)
add_custom_target(caddora_dist ALL DEPENDS ${staged}/caddora.6.gz ${staged}/changelog.gz)

# Into GNUInstallDirs' BINDIR; the release preset makes that games/, as Debian wants a
# package of its games section to install its programs.
install(TARGETS caddora)
# Stripped, the program keeps no compiler notes either (as Debian's own packaging strips).
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/caddora\")
    endif()")
install(FILES ${dist}/${CADDORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${staged}/${CADDORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/src/res/icons/caddora-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${CADDORA_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/src/res/caddora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${CADDORA_APP_ID}.svg)
install(FILES ${staged}/caddora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The licence text is the copyright file, and the changelog is a native package's own:
# under the names Debian looks for.
install(FILES ${staged}/copyright ${staged}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/caddora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME caddora)
set(CPACK_PACKAGE_VENDOR Holverra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "golf club advisor for the distance to the target")
# The extended description, wrapped as the package's control file shows it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Caddora names the club to play for the distance to the target, in yards,"
    "chosen from the player's own table of best distances."
    ""
    "The table holds fourteen clubs by default, from the driver to the sand"
    "wedge, each with a best distance for an adult male and an adult female"
    "player. Setup chooses the player type and corrects any club's name and"
    "distance. The table and the two settings are kept in the user's own"
    "folders.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CADDORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.holverra.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the shared libraries cannot tell: the faces the dialogs are laid out for
# (the dialogs stand Liberation Sans in for the template faces).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The dates in the package come from the sources, not from the build (see the file).
find_package(Git QUIET)
configure_file(${PROJECT_SOURCE_DIR}/cmake/PackageDates.cmake.in
               ${PROJECT_BINARY_DIR}/PackageDates.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/PackageDates.cmake)
include(CPack)
