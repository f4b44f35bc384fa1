# The Debian package: `cpack` in a release build folder writes
# kugelwart_<version>_<arch>.deb with what `cmake --install` puts under /usr.
# Its Depends come from the libraries the executables link (dpkg-shlibdeps, from
# dpkg-dev, and file: ./scripts/install-deps.sh --package-tools).
set(KUGELWART_MAINTAINER "Kugelwart maintainers <maintainers@users.noreply.c-seed-ed26b111.example>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kugelwart)
set(CPACK_PACKAGE_VENDOR "Kugelwart")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tip generator and analyser for the Polish Mini Lotto")
# The long description, as the control file's lines (an empty line parts paragraphs).
set(CPACK_PACKAGE_DESCRIPTION [=[Kugelwart keeps the history of every Mini Lotto draw (five of 1 to 42
each day) and fetches new draws, shows statistics as bar charts (frequency,
overdue numbers, sums, pairs, triples, quadruples), generates tip rows or long
tip lists from a weighted number pool under many conditions, evaluates tips
against every stored draw, prints them as text or as crosses on a lottery slip
and hands them to online portals.

The interface is German. English and Polish language files come with it. The
companion kugelwart-cli runs the generation and the statistics without windows.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KUGELWART_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in German and Polish, and the desktop's platform integration.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-qpa-plugins")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
