# Helpers that keep the layering rule enforced by the build: every library is
# split into a file-level part (an OBJECT library that sees no Qt headers) and a
# shared library that adds the Qt windows and links both.

# tw_core_library(NAME DIRS...) : OBJECT library of every .cpp under the
# given folders (relative to the current source folder); no Qt.
function(tw_core_library name)
  set(srcs)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND srcs ${found})
  endforeach()
  if(NOT srcs)
    set(srcs ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} OBJECT ${srcs})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# tw_collect(OUT DIRS...) : every .cpp and .h under the given folders.
function(tw_collect out)
  set(srcs)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.qrc)
    list(APPEND srcs ${found})
  endforeach()
  set(${out} ${srcs} PARENT_SCOPE)
endfunction()
