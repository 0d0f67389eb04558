# What Windows shows about every program and library we ship: the version record (product,
# publisher, description, version from PROJECT_VERSION), and where asked the application
# manifest and the icon.
#
#   tavrel_product_resources(<target> [MANIFEST <file.manifest.in>] [ICON <file.ico>])
#
# The manifest template is configured with the project's variables (@PROJECT_VERSION@ ...). A
# program carries it as resource 1 (the loader reads it when the process starts), a library as
# resource 2 (an activation context made from the library's own module). The description is
# the target property TAVREL_FILE_DESCRIPTION, else the product name.
# Windows only: a generated resource script is added to the target; a second call for the same
# target does nothing (the programs' own calls come before the one for every shipped file).

function(tavrel_product_resources target)
  if(NOT WIN32)
    return()
  endif()
  get_target_property(done ${target} TAVREL_PRODUCT_RESOURCES)
  if(done)
    return()
  endif()
  set_target_properties(${target} PROPERTIES TAVREL_PRODUCT_RESOURCES ON)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "MANIFEST;ICON" "")
  set(out ${CMAKE_BINARY_DIR}/product-resources/${target})
  get_target_property(type ${target} TYPE)
  set(lines "#include <windows.h>")
  if(ARG_MANIFEST)
    configure_file(${ARG_MANIFEST} ${out}/${target}.manifest @ONLY)
    if(type STREQUAL "EXECUTABLE")
      set(manifest_id 1)
    else()
      set(manifest_id 2)
    endif()
    list(APPEND lines "${manifest_id} RT_MANIFEST \"${out}/${target}.manifest\"")
  endif()
  if(ARG_ICON)
    # The first icon of a program is the one the shell shows for it.
    get_filename_component(icon ${ARG_ICON} ABSOLUTE)
    list(APPEND lines "1 ICON \"${icon}\"")
  endif()
  if(type STREQUAL "EXECUTABLE")
    set(file_type VFT_APP)
  else()
    set(file_type VFT_DLL)
  endif()
  get_target_property(description ${target} TAVREL_FILE_DESCRIPTION)
  if(NOT description)
    set(description "${TAVREL_PRODUCT_NAME}")
  endif()
  set(numbers ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH} ${PROJECT_VERSION_TWEAK})
  list(TRANSFORM numbers REPLACE "^$" "0")
  list(LENGTH numbers count)
  while(count LESS 4)
    list(APPEND numbers 0)
    list(LENGTH numbers count)
  endwhile()
  list(JOIN numbers "," version_commas)
  list(JOIN numbers "." version_dots)
  list(APPEND lines
    "VS_VERSION_INFO VERSIONINFO"
    " FILEVERSION ${version_commas}"
    " PRODUCTVERSION ${version_commas}"
    " FILEFLAGSMASK VS_FFI_FILEFLAGSMASK"
    " FILEFLAGS 0"
    " FILEOS VOS_NT_WINDOWS32"
    " FILETYPE ${file_type}"
    " FILESUBTYPE VFT2_UNKNOWN"
    "BEGIN"
    "  BLOCK \"StringFileInfo\""
    "  BEGIN"
    "    BLOCK \"040904E4\""
    "    BEGIN"
    "      VALUE \"CompanyName\", \"${TAVREL_PUBLISHER}\""
    "      VALUE \"FileDescription\", \"${description}\""
    "      VALUE \"FileVersion\", \"${version_dots}\""
    "      VALUE \"InternalName\", \"$<TARGET_FILE_BASE_NAME:${target}>\""
    "      VALUE \"LegalCopyright\", \"${TAVREL_COPYRIGHT}\""
    "      VALUE \"OriginalFilename\", \"$<TARGET_FILE_NAME:${target}>\""
    "      VALUE \"ProductName\", \"${TAVREL_PRODUCT_NAME}\""
    "      VALUE \"ProductVersion\", \"${PROJECT_VERSION}\""
    "    END"
    "  END"
    "  BLOCK \"VarFileInfo\""
    "  BEGIN"
    "    VALUE \"Translation\", 0x0409, 1252"
    "  END"
    "END"
    "")
  list(JOIN lines "\n" text)
  file(GENERATE OUTPUT ${out}/${target}_product.rc CONTENT "${text}")
  target_sources(${target} PRIVATE ${out}/${target}_product.rc)
  # A resource-only library has no source that names a linker.
  get_target_property(linker ${target} LINKER_LANGUAGE)
  if(NOT linker)
    set_target_properties(${target} PROPERTIES LINKER_LANGUAGE CXX)
  endif()
  if(ARG_MANIFEST)
    set_source_files_properties(${out}/${target}_product.rc PROPERTIES
      OBJECT_DEPENDS "${out}/${target}.manifest;${ARG_ICON}")
  endif()
endfunction()
