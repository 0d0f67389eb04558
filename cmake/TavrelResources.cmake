# Resource scripts (.rc) on both targets.
#
#   tavrel_add_resources(<target> <script.rc> [DEPENDS <file>...])
#
# Compiles the script into <target>. Scripts may include "resources/..." headers from src/
# and <windows.h> (the mingw-w64 headers), and name pictures relative to their own folder.
# DEPENDS lists the files the script reads itself (pictures, icons); headers it includes are
# tracked through the preprocessor's dependency file.
#
# Windows: the script is a source of the target, compiled by windres into the module's
#   resource section.
# Linux: windres compiles it into a binary .res file; a generated source holds those bytes
#   as the exported array TavrelResourceSection (and TavrelResourceSectionSize), which
#   platform/posix finds in the module with dlsym (see src/platform/posix/README.md). A
#   program gets the two symbols exported from its executable; a shared library exports
#   them as it is (keep them in its version script if it has one).
# One script per target.

if(WIN32)
  enable_language(RC)
  # Headers a script includes are dependencies too: windres hands these to its preprocessor.
  set(CMAKE_DEPFILE_FLAGS_RC "--preprocessor-arg=-MD --preprocessor-arg=-MT --preprocessor-arg=<DEP_TARGET> --preprocessor-arg=-MF --preprocessor-arg=<DEP_FILE>")
  set(CMAKE_RC_DEPFILE_FORMAT gcc)
endif()

set(TAVREL_RESOURCE_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/TavrelEmbedResources.cmake)

function(tavrel_add_resources target script)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "DEPENDS")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tavrel_add_resources: unexpected arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(script ${script} ABSOLUTE)
  get_filename_component(script_dir ${script} DIRECTORY)
  set(depends)
  foreach(file ${ARG_DEPENDS})
    get_filename_component(file ${file} ABSOLUTE)
    list(APPEND depends ${file})
  endforeach()

  if(WIN32)
    target_sources(${target} PRIVATE ${script})
    # A resource-only library has no source that names a linker.
    get_target_property(linker ${target} LINKER_LANGUAGE)
    if(NOT linker)
      set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX)
    endif()
    set_source_files_properties(${script} PROPERTIES
      INCLUDE_DIRECTORIES "${PROJECT_SOURCE_DIR}/src;${script_dir}"
      OBJECT_DEPENDS "${depends}")
    return()
  endif()

  find_program(TAVREL_WINDRES x86_64-w64-mingw32-windres REQUIRED)
  get_filename_component(name ${script} NAME_WE)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(res ${out_dir}/${name}.res)
  set(source ${out_dir}/${name}_resources.cpp)
  file(MAKE_DIRECTORY ${out_dir})
  # windres preprocesses with the mingw-w64 compiler, which brings <windows.h>.
  add_custom_command(OUTPUT ${res}
    COMMAND ${TAVREL_WINDRES} --input-format rc --output-format res -DRC_INVOKED
            -I ${PROJECT_SOURCE_DIR}/src -I ${script_dir}
            --preprocessor-arg=-MD --preprocessor-arg=-MT --preprocessor-arg=${res}
            --preprocessor-arg=-MF --preprocessor-arg=${res}.d
            -i ${script} -o ${res}
    DEPENDS ${script} ${depends}
    DEPFILE ${res}.d
    WORKING_DIRECTORY ${script_dir}
    COMMENT "Compiling resource script ${name}.rc"
    VERBATIM)
  add_custom_command(OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${source} -P ${TAVREL_RESOURCE_EMBED_SCRIPT}
    DEPENDS ${res} ${TAVREL_RESOURCE_EMBED_SCRIPT}
    COMMENT "Embedding resources ${name}.res"
    VERBATIM)
  target_sources(${target} PRIVATE ${source})
  # Every module defines the same two symbols; each is looked up in its own module only, so the
  # sanitizer's one-definition check does not apply to them.
  set_source_files_properties(${source} PROPERTIES COMPILE_OPTIONS "-fno-sanitize=all")
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_link_options(${target} PRIVATE
      LINKER:--export-dynamic-symbol=TavrelResourceSection
      LINKER:--export-dynamic-symbol=TavrelResourceSectionSize)
  endif()
endfunction()
