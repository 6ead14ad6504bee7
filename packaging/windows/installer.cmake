# The Windows installer, zantrel-velquist-creator-<version>-setup.exe, made
# with NSIS (Debian package nsis) from the same install tree as the ZIP:
#
#   cmake --build <windows-build> --target windows_installer
#
# writes it at the top of the build directory. The tree is staged afresh by
# `cmake --install --strip` on every run, so the installer always holds what
# the install rules give today (a file added to them needs no change here).
# A release names its own staged, and perhaps signed, tree instead with
# -DZVC_INSTALLER_FROM=<folder>.

find_program(ZVC_MAKENSIS makensis)
if(NOT ZVC_MAKENSIS)
  message(STATUS "makensis not found (Debian package nsis): no windows_installer target")
  return()
endif()

set(ZVC_INSTALLER_FILE ${CMAKE_BINARY_DIR}/zantrel-velquist-creator-${ZVC_VERSION_TEXT}-setup.exe)
set(ZVC_INSTALLER_FROM "" CACHE PATH "An install tree to make the installer from, instead of staging one")
set(ZVC_INSTALLER_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/installer.nsi)
# Stripping a Windows program writes the time into its header; with
# SOURCE_DATE_EPOCH binutils writes that instead, so that the program in the
# installer is the same on every build: the one of the build's environment,
# else 0.
set(ZVC_WITH_SOURCE_DATE_EPOCH sh -c "SOURCE_DATE_EPOCH=\${SOURCE_DATE_EPOCH:-0} exec \"\$@\"" sh)

if(ZVC_INSTALLER_FROM)
  set(ZVC_INSTALLER_TREE ${ZVC_INSTALLER_FROM})
  set(ZVC_STAGE_INSTALLER_TREE)
else()
  set(ZVC_INSTALLER_TREE ${CMAKE_BINARY_DIR}/installer-tree)
  set(ZVC_STAGE_INSTALLER_TREE
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZVC_INSTALLER_TREE}
    COMMAND ${ZVC_WITH_SOURCE_DATE_EPOCH} ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${ZVC_INSTALLER_TREE} --strip)
endif()

add_custom_target(windows_installer
  ${ZVC_STAGE_INSTALLER_TREE}
  COMMAND ${ZVC_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8
          -DZVC_TREE=${ZVC_INSTALLER_TREE}
          -DZVC_VERSION=${ZVC_VERSION_TEXT}
          -DZVC_VERSION_QUAD=${PROJECT_VERSION}
          -DZVC_ICON=${PROJECT_SOURCE_DIR}/assets/app_icon.ico
          -DZVC_OUTFILE=${ZVC_INSTALLER_FILE}
          ${ZVC_INSTALLER_SCRIPT}
  BYPRODUCTS ${ZVC_INSTALLER_FILE}
  COMMENT "Making the installer zantrel-velquist-creator-${ZVC_VERSION_TEXT}-setup.exe"
  VERBATIM)
add_dependencies(windows_installer zantrel-velquist-creator)
