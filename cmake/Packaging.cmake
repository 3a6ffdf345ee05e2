# Debian package of Zorvane, built with `cpack -G DEB` in the build directory:
# zorvane_<version>_<arch>.deb with both programs, the desktop entry,
# metainfo, icons, manual pages and licence. A Windows cross-build makes its
# zip and installer instead (PackagingWindows.cmake).
#
# Included once from the top-level CMakeLists.txt, after every install() rule.

set(CPACK_PACKAGE_NAME zorvane)
set(CPACK_PACKAGE_VENDOR "${ZORVANE_VENDOR}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with a running log and a formula mode")
# One text, no semicolons: CMake would take them for list separators.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Zorvane is a small scientific calculator for the desktop. Expressions are\n"
  "typed or built on a keypad, and each expression goes to the top of a log\n"
  "together with its result, from where results can be pasted back. It knows\n"
  "the four arithmetic operators, powers, PI, trigonometric functions in\n"
  "radians or degrees, logarithms, square root and exponential, and shows\n"
  "results with ten significant digits. A formula mode evaluates a stored\n"
  "formula for values of the variables X0 to X9.\n"
  "\n"
  "The package also holds zorvane-cli, which evaluates the same expressions\n"
  "from the command line or line by line from standard input.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.org/zorvane/")
set(CPACK_PACKAGE_CONTACT "The Zorvane developers <zorvane@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/PackagingWindows.cmake)
elseif(NOT CPACK_GENERATOR)
  set(CPACK_GENERATOR DEB)
endif()

# zorvane_1.6.0_amd64.deb: Debian's own naming, without a revision suffix.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
# Library dependencies (Qt, libedit for zorvane-cli, the C++ runtime) come from
# dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window is laid out for a Japanese Gothic font; either serves.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

# Keep build trees and editor litter out of `cpack --config CPackSourceConfig.cmake`.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/out/" "\\\\.swp$")

# Debian wants a changelog beside the copyright, gzipped like the manual pages.
find_program(ZORVANE_GZIP gzip)
if(ZORVANE_GZIP AND NOT WIN32)
  set(zorvane_changelog ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
  add_custom_command(
    OUTPUT ${zorvane_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging
    COMMAND ${ZORVANE_GZIP} -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > ${zorvane_changelog}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    COMMENT "Compressing the package changelog"
    VERBATIM)
  add_custom_target(zorvane_changelog ALL DEPENDS ${zorvane_changelog})
  install(FILES ${zorvane_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zorvane COMPONENT doc)
endif()

include(CPack)
