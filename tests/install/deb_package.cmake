# `cpack -G DEB` into a folder of this build, then the package's contents
# (dpkg-deb -c) against what it must hold, its declared dependencies, its
# changelog, and lintian's verdict: no error and no warning. The package is
# left unpacked in package/root for the tests of its CMake package and
# pkg-config file.
cmake_minimum_required(VERSION 3.25)
find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message(FATAL_ERROR "lintian is missing: install it (scripts/setup test)")
endif()
set(out ${WORK}/package)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${out}
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs ${out}/*.deb)
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB made ${count} packages:\n${log}")
endif()
if(NOT debs MATCHES "/ordina_${VERSION}_[a-z0-9]+\\.deb$")
  message(FATAL_ERROR "unexpected package name: ${debs}")
endif()

execute_process(COMMAND dpkg-deb -c ${debs} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c failed")
endif()
# Each line ends with the path, "./usr/...".
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" files "${listing}")
string(REPLACE "\n" "" files "${files}")

# Libraries in the architecture's own folder; manual pages and changelog
# compressed.
string(REPLACE "." "\\." lib ./usr/${LIBDIR})
set(expected ./usr/include/ordina/ordina.h ./usr/share/man/man3/ordina\\.3\\.gz
             ./usr/share/doc/ordina/changelog\\.gz ./usr/share/doc/ordina/copyright)
foreach(program ${PROGRAMS})
  list(APPEND expected ./usr/bin/${program} ./usr/share/man/man1/${program}\\.1\\.gz)
endforeach()
foreach(module ${MODULES})
  list(APPEND expected "${lib}/ordina/${module}\\.o")
endforeach()
list(APPEND expected "${lib}/libordina\\.a" "${lib}/cmake/ordina/ordinaConfig\\.cmake"
                     "${lib}/pkgconfig/ordina\\.pc")
foreach(pattern ${expected})
  set(found FALSE)
  foreach(file ${files})
    if(file MATCHES "^${pattern}$")
      set(found TRUE)
    endif()
  endforeach()
  if(NOT found)
    message(SEND_ERROR "the package holds no ${pattern}")
  endif()
endforeach()
foreach(file ${files})
  # Programs and nothing else in bin.
  if(file MATCHES "^\\./usr/bin/(.*)" AND NOT CMAKE_MATCH_1 IN_LIST PROGRAMS)
    message(SEND_ERROR "the package holds ${file}")
  endif()
  if(file MATCHES "^\\./usr/lib/" AND NOT file MATCHES "^${lib}/")
    message(SEND_ERROR "the package holds ${file} outside ./usr/${LIBDIR}")
  endif()
endforeach()

# The programs need ncurses and tinfo at run time.
execute_process(COMMAND dpkg-deb -f ${debs} Depends OUTPUT_VARIABLE depends
                OUTPUT_STRIP_TRAILING_WHITESPACE)
foreach(library libncurses libtinfo libc6)
  if(NOT depends MATCHES "(^|, )${library}[0-9a-z]*( |,|$)")
    message(SEND_ERROR "Depends names no ${library}: ${depends}")
  endif()
endforeach()

# The changelog's latest entry is this version's.
set(root ${out}/root)
execute_process(COMMAND dpkg-deb -x ${debs} ${root} RESULT_VARIABLE result)
execute_process(COMMAND gzip -dc ${root}/usr/share/doc/ordina/changelog.gz
                OUTPUT_VARIABLE changelog)
if(NOT result EQUAL 0 OR NOT changelog MATCHES "^ordina \\(${VERSION}\\) ")
  message(SEND_ERROR "the changelog does not begin with version ${VERSION}:\n${changelog}")
endif()

# lintian: every error (E:) and warning (W:) fails; information and pedantic
# remarks do not. --allow-root lets it run as root too.
execute_process(COMMAND ${LINTIAN} --allow-root ${debs} RESULT_VARIABLE result
                OUTPUT_VARIABLE remarks ERROR_VARIABLE remarks)
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" faults "${remarks}")
if(faults OR NOT result EQUAL 0)
  message(SEND_ERROR "lintian (status ${result}):\n${remarks}")
endif()
