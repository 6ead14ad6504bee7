# The portable install tree, and CPack's archive of it.
#
#   cmake --install <build> --prefix <folder>   lays out the runnable tree
#   cpack (in <build>)                          makes the same tree as a .tar.gz,
#                                               or as a .zip for the Windows edition
#   cmake --build <build> --target windows_installer
#                                               the Windows edition's installer
#
# A release's packages are made by scripts/release.sh from the installed tree,
# with the names given here (CPACK_PACKAGE_FILE_NAME), and archived there
# with a fixed order, owners, modes and dates, which cpack does not give.
#
# The program writes its kits in Output/ beside itself, so the tree must stay
# writable by its user: it is a folder to unpack anywhere, not a system package.

# Only where this build makes the program.
if(NOT TARGET zantrel-velquist-creator)
  return()
endif()

# The version as the program shows it: 1.00.
if(PROJECT_VERSION_MINOR LESS 10)
  set(ZVC_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(ZVC_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

install(TARGETS zantrel-velquist-creator RUNTIME DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/redistributable/Program
                  "${PROJECT_SOURCE_DIR}/redistributable/Language Files"
        DESTINATION Redistributable USE_SOURCE_PERMISSIONS)

if(NOT WIN32)
  set(ZVC_LINUX_PACKAGING ${CMAKE_CURRENT_LIST_DIR}/linux)
  # The guide for the user, in French as the wizard is.
  configure_file(${ZVC_LINUX_PACKAGING}/LISEZMOI.txt ${PROJECT_BINARY_DIR}/packaging/LISEZMOI.txt @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/LISEZMOI.txt DESTINATION .)
  # The manual page, made from the program's own --help when installing.
  install(CODE "
    set(ZVC_PROGRAM \"$<TARGET_FILE:zantrel-velquist-creator>\")
    set(ZVC_MANUAL_SOURCE \"${ZVC_LINUX_PACKAGING}/zantrel-velquist-creator.h2m\")
    set(ZVC_MANUAL_WORK \"${PROJECT_BINARY_DIR}/packaging\")
    include(\"${ZVC_LINUX_PACKAGING}/manual_page.cmake\")")
  # The desktop entry, the icons and the scripts that register them for the
  # user wherever the tree is unpacked.
  install(FILES ${ZVC_LINUX_PACKAGING}/zantrel-velquist-creator.desktop DESTINATION .)
  install(PROGRAMS ${ZVC_LINUX_PACKAGING}/register-desktop-entry.sh ${ZVC_LINUX_PACKAGING}/unregister-desktop-entry.sh
          DESTINATION .)
  foreach(size 16 32 48 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/app_icon_${size}.png
            DESTINATION icons/${size}x${size} RENAME zantrel-velquist-creator.png)
  endforeach()

  set(CPACK_GENERATOR TGZ)
  set(CPACK_SYSTEM_NAME "linux-${CMAKE_SYSTEM_PROCESSOR}")
  set(CPACK_PACKAGE_NAME zantrel-velquist-creator)
  set(CPACK_PACKAGE_VENDOR Zantrel)
  set(CPACK_PACKAGE_VERSION ${ZVC_VERSION_TEXT})
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-${CPACK_SYSTEM_NAME}")
  # One folder at the top of the archive, to unpack where the user likes.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  include(CPack)
else()
  # The guide for the user in Windows' own text form: CR LF line ends, and
  # UTF-8 marked as such (the mark stands first in the text) so that every
  # Notepad shows its accents.
  string(ASCII 239 187 191 ZVC_UTF8_MARK)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/LISEZMOI.txt ${PROJECT_BINARY_DIR}/packaging/LISEZMOI.txt
                 @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/LISEZMOI.txt DESTINATION .)

  # The Windows edition: "Zantrel Velquist Creator.exe" beside
  # Redistributable\, in a ZIP that Windows opens by itself.
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME zantrel-velquist-creator)
  set(CPACK_PACKAGE_VENDOR Zantrel)
  set(CPACK_PACKAGE_VERSION ${ZVC_VERSION_TEXT})
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-windows-x64")
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  # The program file is stripped by the linker in a release build
  # (cmake/reproducible-release.cmake), not here: a strip writes a time stamp.
  include(CPack)
  # The per-user installer of the same tree.
  include(${CMAKE_CURRENT_LIST_DIR}/windows/installer.cmake)
endif()
