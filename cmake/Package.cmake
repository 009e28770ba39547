# A Debian package of the installed program, made with CPack (tools/package.sh).
# The shared libraries the programs link decide most dependencies (dpkg-shlibdeps); Qt's SQL
# drivers are plug-ins, which no linker records, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lectorum)
set(CPACK_PACKAGE_VENDOR "The Lectorum developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keep, find and print sermon outlines")
# The summary above is the first line; these lines follow it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lectorum keeps a library of sermon outlines for a preacher or a church office:
each sermon with its preacher, type, Bible reference, series, title, big idea,
the dates and places it was preached and its full outline, linked to topics
and illustrations. Sermons are found again by checklists and text search and
printed on paper. The library is a local SQLite file, or a database server
reached through ODBC.")
set(CPACK_PACKAGE_CONTACT "The Lectorum developers <maintainers@lectorum.org>"
    CACHE STRING "The package's maintainer")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# TagLib reads a recording's type and length; dpkg-shlibdeps finds it from the link as well.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libtag1v5")
# The passage text beside the outline reads the World English Bible when it is installed.
# catdoc reads old Word files for the import; with LibreOffice Writer installed the import
# reads them (and RTF files) through it instead, numbers and all. For the Spanish interface:
# Qt's own dialogs in Spanish, the Reina-Valera 1909 and the Spanish dictionary.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-odbc, sword-text-web, hunspell-en-us, catdoc, qt6-translations-l10n, sword-text-sparv, hunspell-es")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "odbc-postgresql, libreoffice-writer-nogui")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://lectorum.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
