# Release builds give the same bytes from any clone, in any folder, at any
# time (scripts/release.sh checks it; scripts/check-reproducible.sh proves it):
#   - the source and build folders are cut out of every path the compiler
#     writes (__FILE__ in the program, debug information if any);
#   - the Windows linker writes no time stamp in the program's header, and
#     strips the program itself: a later strip would write a new time stamp.
# Debug and sanitizer builds keep their absolute paths, which debuggers and
# the sanitizers' reports need.
set(zvc_release_config "$<CONFIG:Release,MinSizeRel>")

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_compile_options(
    "$<$<AND:${zvc_release_config},$<COMPILE_LANGUAGE:CXX>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
    "$<$<AND:${zvc_release_config},$<COMPILE_LANGUAGE:CXX>>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")
endif()

if(WIN32)
  add_link_options("$<${zvc_release_config}:LINKER:--no-insert-timestamp>" "$<${zvc_release_config}:-s>")
endif()
