# GoogleTest built from source for a cross-build (Debian has no prebuilt
# mingw-w64 library; the sources come with the package googletest), giving the
# same targets GTest::gtest and GTest::gtest_main as find_package(GTest).
set(ZORVANE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (package googletest)")
if(NOT EXISTS ${ZORVANE_GOOGLETEST_SOURCE}/googletest/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${ZORVANE_GOOGLETEST_SOURCE}: install the Debian package googletest")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZORVANE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# The test programs run under the emulator (Wine) when ctest starts, not while
# building, so that a build needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
