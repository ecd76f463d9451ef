# The Debian package made by `cpack -G DEB` (`make package`): everything the install
# rules put under /usr, with the library dependencies worked out from the binaries
# by dpkg-shlibdeps and the binaries stripped.
set(NALO_PACKAGE_MAINTAINER "The Nalo developers <nalo@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nalo)
set(CPACK_PACKAGE_VENDOR "The Nalo developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive batch renamer for files and folders")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${NALO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${NALO_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Japanese text needs a Japanese font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
# CPack puts the summary first and indents these lines as the control file wants.
set(CPACK_PACKAGE_DESCRIPTION
    "Nalo lists the files or sub-folders of a folder, narrows them by masks, size
and date, renames them by a rule (replace, add text or information read from
the files, convert, move, Perl5 or AWK-style regular expressions) and shows
old and new names side by side before anything changes. No existing file is
ever replaced, and the last batch can be undone, also after a crash.

The package holds the Qt desktop program nalo, whose user interface is
Japanese, and the scriptable command-line program nalo-cli.")

include(CPack)
