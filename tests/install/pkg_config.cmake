# ordina.pc from the installed tree: the C and the C++ users compiled with
# nothing but what pkg-config gives, and run.
cmake_minimum_required(VERSION 3.25)
find_program(PKG_CONFIG NAMES pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} ${PREFIX}/${LIBDIR}/pkgconfig)
file(MAKE_DIRECTORY ${WORK})

execute_process(COMMAND ${PKG_CONFIG} --exists --print-errors "ordina >= 1.0"
                RESULT_VARIABLE result ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "pkg-config finds no ordina >= 1.0: ${err}")
endif()
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs ordina OUTPUT_VARIABLE pc
                OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(pc UNIX_COMMAND "${pc}")
# The flags must lead to the installed tree, not to this build.
file(REAL_PATH ${PREFIX} real_prefix)
foreach(flag ${pc})
  if(flag MATCHES "^-[IL](.*)")
    file(REAL_PATH ${CMAKE_MATCH_1} dir)
    if(NOT dir MATCHES "^${real_prefix}/")
      message(FATAL_ERROR "pkg-config points outside the installed tree: ${flag}")
    endif()
  endif()
endforeach()

set(dir ${CMAKE_CURRENT_LIST_DIR})
set(cases "c:${C_COMPILER}:${dir}/c_consumer/main.c:${dir}/c_consumer/input.txt"
          "cxx:${CXX_COMPILER}:${dir}/cxx_consumer/main.cpp:/dev/null")
foreach(case ${cases})
  string(REPLACE ":" ";" case ${case})
  list(GET case 0 name)
  list(GET case 1 compiler)
  list(GET case 2 source)
  list(GET case 3 input)
  set(program ${WORK}/pkg_config_${name})
  if(name STREQUAL cxx)
    separate_arguments(flags UNIX_COMMAND "-std=c++20 ${CXX_FLAGS} ${LINK_FLAGS}")
  else()
    separate_arguments(flags UNIX_COMMAND "-std=c11 ${C_FLAGS} ${LINK_FLAGS}")
  endif()
  execute_process(COMMAND ${compiler} ${flags} ${source} ${pc} -o ${program}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${name}: compiling with pkg-config's flags failed:\n${out}")
  endif()
  execute_process(COMMAND ${program} INPUT_FILE ${input} RESULT_VARIABLE result
                  OUTPUT_VARIABLE out)
  get_filename_component(source_dir ${source} DIRECTORY)
  file(READ ${source_dir}/expected.txt want)
  if(NOT result EQUAL 0 OR NOT out STREQUAL want)
    message(FATAL_ERROR "${name}: status ${result}, printed\n${out}\ninstead of\n${want}")
  endif()
endforeach()
