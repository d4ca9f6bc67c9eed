# The Debian package `cmake --build BUILD --target package` makes with CPack:
# lexado_<version>_<arch>.deb with what the install rules lay out under /usr, the AppStream
# metainfo, the manual page, and the copyright file and changelog Debian asks of every package.

set(LEXADO_APP_ID org.example.lexado)
set(LEXADO_SUMMARY "Learn English words while you work")
set(LEXADO_MAINTAINER "Lexado developers <lexado@example.org>")
set(package_dir ${CMAKE_CURRENT_LIST_DIR})
set(package_out ${CMAKE_BINARY_DIR}/package)

configure_file(${package_dir}/lexado.metainfo.xml.in
               ${package_out}/${LEXADO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${package_out}/${LEXADO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The copyright file carries the font's licence in full, taken from the licence beside the
# font: a machine-readable copyright file indents every line and marks an empty one with ".".
file(READ ${CMAKE_SOURCE_DIR}/resources/fonts/Lxdphone-LICENSE.txt font_licence)
string(FIND "${font_licence}" "-----" licence_start)
string(SUBSTRING "${font_licence}" ${licence_start} -1 font_licence)
string(STRIP "${font_licence}" font_licence)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" font_licence "${font_licence}")
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" font_licence "${font_licence}")
string(REPLACE "\n" "\n " LEXADO_OFL_TEXT " ${font_licence}")
configure_file(${package_dir}/copyright.in ${package_out}/copyright @ONLY)

# The changelog's date in the form Debian's changelogs use, from the release date above.
execute_process(COMMAND date -u -R -d ${LEXADO_RELEASE_DATE}
                OUTPUT_VARIABLE LEXADO_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${package_dir}/changelog.in ${package_out}/changelog @ONLY)
configure_file(${package_dir}/lexado.1.in ${package_out}/lexado.1 @ONLY)
# gzip -n leaves out the name and time, so the same text gives the same bytes.
foreach(file changelog lexado.1)
  add_custom_command(OUTPUT ${package_out}/${file}.gz
                     COMMAND gzip -9 -n -c ${package_out}/${file} > ${package_out}/${file}.gz
                     DEPENDS ${package_out}/${file} VERBATIM)
endforeach()
add_custom_target(package_documents ALL
                  DEPENDS ${package_out}/changelog.gz ${package_out}/lexado.1.gz)

install(FILES ${package_out}/copyright ${package_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lexado)
install(FILES ${package_out}/lexado.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lexado)
set(CPACK_PACKAGE_VERSION ${LEXADO_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${LEXADO_SUMMARY})
set(CPACK_PACKAGE_DESCRIPTION
    "A small window stays above the others and shows one English word after
another, with its meaning and its IPA transcription, and reads it aloud.
It comes with a library of TOEFL words; word lists of your own can be
imported.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LEXADO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LEXADO_HOME_PAGE})
# The libraries the program links come from dpkg-shlibdeps; the voice data and the SQL driver
# are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS speech-dispatcher)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
