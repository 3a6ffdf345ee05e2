# Windows packages of a cross-build, made with `cpack` in the build folder:
#   zorvane-<version>-win64.zip   portable: the programs, README.txt, LICENSE.txt
#   zorvane-<version>-win64.exe   installer (NSIS): the same files under Program
#                                 Files, a Start menu folder, an uninstaller
# (win32 for the i686 build). Each installer is a program of its build's
# architecture: the 64-bit one runs where 32-bit programs do not. Every program
# with an install() rule is in both; zorvane_windows_program()
# (WindowsPrograms.cmake) gives it its Start menu entry.
#
# Included from Packaging.cmake.

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The 32-bit build installs beside the 64-bit one, under its own names.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  # A 64-bit installer (CPackWindowsInstaller.cmake).
  set(CPACK_GENERATOR ZIP NSIS64)
  set(zorvane_windows_arch win64)
  set(zorvane_windows_bits 64-bit)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_NSIS_DISPLAY_NAME "Zorvane")
else()
  set(CPACK_GENERATOR ZIP NSIS)
  set(zorvane_windows_arch win32)
  set(zorvane_windows_bits 32-bit)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES")
  set(CPACK_NSIS_DISPLAY_NAME "Zorvane (32-bit)")
endif()
set(CPACK_PACKAGE_FILE_NAME zorvane-${PROJECT_VERSION}-${zorvane_windows_arch})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackWindowsInstaller.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zorvane)

get_property(CPACK_PACKAGE_EXECUTABLES GLOBAL PROPERTY ZORVANE_START_MENU)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_MENU_LINKS README.txt "Zorvane README")
# The display name names the installer, its Start menu folder and the entry
# of Installed apps (which shows the version beside it); a newer installer of
# the same architecture removes the older version first (asking, or silently
# with /S).
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Zorvane ${zorvane_windows_bits}")
set(CPACK_NSIS_PACKAGE_NAME "${CPACK_NSIS_DISPLAY_NAME}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_CONTACT "${CPACK_PACKAGE_CONTACT}")
# One LZMA stream over all files: the smallest installer.
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
