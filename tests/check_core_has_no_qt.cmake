# Fails when a file of the Qt-free core includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/src/Resource/*.h ${ROOT}/src/Resource/*.cpp
     ${ROOT}/src/Helpers/EnBitmap*.h ${ROOT}/src/Helpers/EnBitmap*.cpp)
set(bad "")
foreach(f ${files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(lines)
    list(APPEND bad ${f})
  endif()
endforeach()
if(bad)
  message(FATAL_ERROR "Qt headers included in the core: ${bad}")
endif()
message(STATUS "core is Qt-free (${CMAKE_ARGC} args, checked files)")
