# find_package(ordina <version>) against the installed tree: the version file
# takes any 1.x at or below the installed one, and nothing of another major
# version. Where it is found, ordina::routines carries the installed include
# folder.
cmake_minimum_required(VERSION 3.25)
set(cases "1.0:found" "1:found" "1.0.0:found" "1.1:refused" "0.9:refused" "2.0:refused")
file(REAL_PATH ${PREFIX}/include include)
foreach(case ${cases})
  string(REPLACE ":" ";" case ${case})
  list(GET case 0 version)
  list(GET case 1 want)
  set(dir ${WORK}/version_${version})
  file(REMOVE_RECURSE ${dir})
  file(WRITE ${dir}/src/CMakeLists.txt "
cmake_minimum_required(VERSION 3.25)
project(version_check LANGUAGES NONE)
find_package(ordina ${version} REQUIRED)
get_target_property(dirs ordina::routines INTERFACE_INCLUDE_DIRECTORIES)
file(REAL_PATH \"\${dirs}\" dirs)
if(NOT dirs STREQUAL \"${include}\")
  message(FATAL_ERROR \"include directories: \${dirs}\")
endif()
")
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${dir}/src -B ${dir}/build
                          -DCMAKE_PREFIX_PATH=${PREFIX} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(result EQUAL 0)
    set(got found)
  elseif(out MATCHES "not compatible|version")
    set(got refused)
  else()
    set(got "failed otherwise")
  endif()
  if(NOT got STREQUAL want)
    message(SEND_ERROR "find_package(ordina ${version}): ${got}, expected ${want}\n${out}")
  endif()
endforeach()
