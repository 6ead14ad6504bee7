# Writes the manual page zantrel-velquist-creator.1 into the install tree,
# from the installed build's own --help and --version through help2man, so
# that the page and the help cannot differ. Run by `cmake --install` (and so
# by CPack):
#   ZVC_PROGRAM        the built program
#   ZVC_MANUAL_SOURCE  the sections --help does not give (.h2m)
#   ZVC_MANUAL_WORK    a folder of the build for the intermediate file
find_program(ZVC_HELP2MAN help2man)
if(NOT ZVC_HELP2MAN)
  message(FATAL_ERROR "help2man is missing (Debian package help2man, installed by scripts/setup.sh)")
endif()

set(page "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/zantrel-velquist-creator.1")
set(raw "${ZVC_MANUAL_WORK}/zantrel-velquist-creator.help2man.1")
file(MAKE_DIRECTORY "${ZVC_MANUAL_WORK}")

# help2man reads the program's UTF-8 as UTF-8 only in a UTF-8 locale; C.UTF-8
# exists on every Debian system, where fr_FR.UTF-8 may not. It starts the
# program through the shell without quoting its path, so it is given the
# program's name from its own folder: a build folder may hold spaces.
get_filename_component(program_folder "${ZVC_PROGRAM}" DIRECTORY)
get_filename_component(program_name "${ZVC_PROGRAM}" NAME)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
          ${ZVC_HELP2MAN} --locale=C.UTF-8 --no-info --section=1
          --manual=Commandes --include=${ZVC_MANUAL_SOURCE}
          --output=${raw} ./${program_name}
  WORKING_DIRECTORY "${program_folder}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man could not write the manual page from ${ZVC_PROGRAM} (${status})")
endif()

# In the C locale help2man writes its own heading and the date in English;
# the page is French throughout, dated by the build (SOURCE_DATE_EPOCH when
# set).
string(TIMESTAMP date "%Y-%m-%d" UTC)
execute_process(
  COMMAND perl -CSD -0777 -p ${CMAKE_CURRENT_LIST_DIR}/manual_page_french.pl ${date}
  INPUT_FILE "${raw}"
  OUTPUT_FILE "${page}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the manual page could not be written (${status})")
endif()
message(STATUS "Installing: ${page}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${page}")
