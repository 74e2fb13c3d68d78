# zz_strict_library(<target>)
# Holds a finished library to the stricter rules: no implicit conversion between QString and
# 8-bit strings (every literal says its encoding), and no name that hides another. Only the
# library's own sources get the flags; its headers must stay clean too, since libraries that are
# held to the same rules later include them.
function(zz_strict_library target)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
  target_compile_options(${target} PRIVATE -Wshadow)
endfunction()

# zz_add_library(<name> FOLDERS <folder>... LINKS <library>... [STRICT])
# One shared library of a subsystem from the sources, forms and headers directly inside the given
# folders, with resources/<name>.qrc when it exists. Nothing is made while the folders hold no
# source yet, so a subsystem's folder can stand before its first file. STRICT applies
# zz_strict_library().
function(zz_add_library name)
  cmake_parse_arguments(ARG "STRICT" "" "FOLDERS;LINKS" ${ARGN})
  set(sources)
  set(has_cpp FALSE)
  foreach(folder ${ARG_FOLDERS})
    file(GLOB found CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h ${folder}/*.ui)
    file(GLOB cpp CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(cpp)
      set(has_cpp TRUE)
    endif()
    list(APPEND sources ${found})
  endforeach()
  if(NOT has_cpp)
    return()
  endif()
  if(EXISTS ${CMAKE_SOURCE_DIR}/resources/${name}.qrc)
    list(APPEND sources ${CMAKE_SOURCE_DIR}/resources/${name}.qrc)
  endif()
  add_library(${name} SHARED ${sources})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  set_target_properties(${name} PROPERTIES AUTOUIC_SEARCH_PATHS "${ARG_FOLDERS}")
  if(ARG_STRICT)
    zz_strict_library(${name})
  endif()
endfunction()
