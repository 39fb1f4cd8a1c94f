# Installs the build into a fresh PREFIX and checks what landed there: every
# file its users need, nothing of the tests in bin/, and an installed program
# that runs from its new place.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(expected include/ordina/ordina.h include/ordina/grafical.h include/ordina/ctio_modules.h
             ${LIBDIR}/libordina.a ${LIBDIR}/ordina/libctio.a ${LIBDIR}/ordina/libconsole.a
             ${LIBDIR}/cmake/ordina/ordinaConfig.cmake
             ${LIBDIR}/cmake/ordina/ordinaConfigVersion.cmake
             ${LIBDIR}/cmake/ordina/ordinaTargets.cmake ${LIBDIR}/pkgconfig/ordina.pc
             share/man/man3/ordina.3.gz)
foreach(program ${PROGRAMS})
  list(APPEND expected bin/${program} share/man/man1/${program}.1.gz)
endforeach()
foreach(module ${MODULES})
  list(APPEND expected ${LIBDIR}/ordina/${module}.o)
endforeach()
set(missing)
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# What only the Debian package holds stays out.
if(EXISTS ${PREFIX}/share/doc/ordina)
  message(FATAL_ERROR "the Debian package's share/doc/ordina/ was installed")
endif()

# bin/ holds the programs and nothing else (no test driver).
file(GLOB installed RELATIVE ${PREFIX}/bin ${PREFIX}/bin/*)
list(SORT installed)
set(programs ${PROGRAMS})
list(SORT programs)
if(NOT installed STREQUAL programs)
  message(FATAL_ERROR "bin/ holds ${installed}, not ${programs}")
endif()

# The library holds every public routine, each defined once.
execute_process(COMMAND nm -g --defined-only ${PREFIX}/${LIBDIR}/libordina.a
                OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
foreach(routine bubble SeqSel funzinsert bubblesort ord_shell ord_shell_int ord_merge ord_merge_int
                ord_quick ord_quick_int ord_heap ord_heap_int leggi leggiArr letval letdim scrivi)
  if(NOT symbols MATCHES " T ${routine}\n")
    message(FATAL_ERROR "libordina.a does not define ${routine}:\n${symbols}")
  endif()
endforeach()

# An installed line-mode program, run from the installed tree.
execute_process(COMMAND ${PREFIX}/bin/read_dim INPUT_FILE ${CMAKE_CURRENT_LIST_DIR}/read_dim.txt
                OUTPUT_VARIABLE out RESULT_VARIABLE result)
set(want "  Inserire la dim:   Inserire la dim:  la dimesione dell'array scelta è: 7")
if(NOT result EQUAL 0 OR NOT out STREQUAL want)
  message(FATAL_ERROR "installed read_dim: status ${result}, printed \"${out}\"")
endif()
