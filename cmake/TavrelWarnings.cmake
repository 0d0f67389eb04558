# Warnings for our own targets only: every target built from this source tree compiles with
# -Wall -Wextra, and with TAVREL_WARNINGS_AS_ERRORS a warning fails the build. Third-party code
# built here (GoogleTest) keeps its own flags.

option(TAVREL_WARNINGS_AS_ERRORS "Fail the build on a warning in our code" OFF)

# The targets defined in folder dir and below, skipping folders outside the source tree.
function(tavrel_collect_targets dir out_var)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    cmake_path(IS_PREFIX PROJECT_SOURCE_DIR "${sub}" NORMALIZE inside)
    if(inside)
      tavrel_collect_targets(${sub} sub_targets)
      list(APPEND targets ${sub_targets})
    endif()
  endforeach()
  set(${out_var} ${targets} PARENT_SCOPE)
endfunction()

function(tavrel_apply_warnings)
  set(flags -Wall -Wextra)
  if(TAVREL_WARNINGS_AS_ERRORS)
    list(APPEND flags -Werror)
  endif()
  tavrel_collect_targets(${PROJECT_SOURCE_DIR} targets)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      target_compile_options(${target} PRIVATE ${flags})
    endif()
  endforeach()
endfunction()
