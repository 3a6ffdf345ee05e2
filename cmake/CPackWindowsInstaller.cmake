# Read by cpack for each package of a Windows build (CPACK_PROJECT_CONFIG_FILE),
# where CPACK_* values are written as they are, not escaped once more as in
# CPackConfig.cmake.

if(CPACK_GENERATOR STREQUAL NSIS64)
  # NSIS64 finds a 64-bit NSIS on a Windows host; the installer it makes is a
  # 64-bit program by the script's Target, NSIS's amd64-unicode stub and
  # plug-ins (in Debian's nsis), given on makensis's command line ahead of the
  # script. cpack splits that command line at every space not escaped. The
  # installer and its uninstaller write the 64-bit registry view.
  set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-XTarget\\ amd64-unicode")

  # A 64-bit Zorvane put in by an installer that was a 32-bit program (1.6.0
  # and before) has its Installed apps entry in the 32-bit view, where .onInit
  # does not look for an older version: it is uninstalled first, silently and
  # in place, so that no second entry is left naming the same folder.
  string(CONCAT CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS
    "SetRegView 32\n"
    "  ReadRegStr $0 HKLM \"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
    "${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\" \"UninstallString\"\n"
    "  ReadRegStr $1 HKLM \"Software\\${CPACK_PACKAGE_VENDOR}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\" \"\"\n"
    "  SetRegView 64\n"
    "  StrCmp $0 \"\" +3\n"
    "  ExecWait '$0 /S _?=$1'\n"
    "  SetOutPath \"$INSTDIR\"\n")
endif()
