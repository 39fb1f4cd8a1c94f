# What `cmake --install` puts where, the CMake package and the pkg-config file
# of the routines' library, and the Debian package.
#
#   bin/                     the programs
#   include/ordina/          ordina.h, and the headers of the curses and ctio modules
#   lib/libordina.a          the public routines (target ordina::routines)
#   lib/ordina/mod_*.o       every object module, to link one by one
#   lib/ordina/lib*.a        the ctio stand-in and the console layer it draws with
#   lib/cmake/ordina/        ordinaConfig.cmake, its version file and the targets
#   lib/pkgconfig/ordina.pc
#   share/man/man1, man3     the manual pages, compressed
#
# The Debian package holds the same under /usr, except that what is under lib/
# goes to the architecture's own library folder, lib/<multiarch> (such as
# lib/x86_64-linux-gnu), as Debian keeps the libraries of each architecture
# apart; it adds its changelog and copyright in share/doc/ordina/. So the rules
# of lib/ are given twice: in component "libs" for cmake --install, and in
# component "deb", which a plain install leaves out, for the package. Programs,
# headers and manual pages are in component "common", in both.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ORDINA_PROGRAMS sort_menu sort_addr sort_int sort_real read_real read_dim curses_demo ctio_show
                    sort_trace sort_view)
set(ORDINA_MODULES mod_bubble mod_seqsel mod_insert mod_shell mod_shell_int mod_merge mod_merge_int
                   mod_quick mod_quick_int mod_heap mod_heap_int mod_read_values
                   mod_read_values_line mod_write_ints mod_read_count mod_credits_curses
                   mod_demo_main mod_credits_ctio mod_input_ctio)
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(ORDINA_DEB_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE})
else()
  set(ORDINA_DEB_LIBDIR lib)
endif()

# The same name in this build as for the users of the installed package.
add_library(ordina::routines ALIAS routines)

# ordina_install_strip(<folder> <files> <options> <component> [EXCLUDE_FROM_ALL]):
# a stripping install (--strip, and the Debian package) runs strip with
# <options> on each of the <files> installed in <folder>.
function(ordina_install_strip folder files options)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(file ${files})
        execute_process(COMMAND \"${CMAKE_STRIP}\" ${options}
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${folder}/\${file}\"
                        COMMAND_ERROR_IS_FATAL ANY)
      endforeach()
    endif()" COMPONENT ${ARGN})
endfunction()
# The sections where the compiler leaves its name and version: needed neither
# to run nor to link.
set(ORDINA_STRIP_NOTES --remove-section=.comment --remove-section=.note)

install(TARGETS ${ORDINA_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT common)
ordina_install_strip(${CMAKE_INSTALL_BINDIR} "${ORDINA_PROGRAMS}" "${ORDINA_STRIP_NOTES}" common)
install(FILES routines/ordina.h curses/grafical.h ctio/ctio_modules.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ordina COMPONENT common)

set(ORDINA_MODULE_FILES)
foreach(module ${ORDINA_MODULES})
  list(APPEND ORDINA_MODULE_FILES ${ORDINA_MODULE_DIR}/${module}.o)
endforeach()
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ordinaConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)

# ordina_install_libraries(<component> <export> <libdir> [EXCLUDE_FROM_ALL]):
# everything under the library folder <libdir>, in <component>: the library
# with its CMake package (export set <export>), the object modules, the ctio
# stand-in, the pkg-config file. A stripping install takes the debug
# information out of the archives and object modules; their symbols stay, for
# the linker.
function(ordina_install_libraries component export libdir)
  set(in ${component} ${ARGN}) # COMPONENT <component> [EXCLUDE_FROM_ALL]
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${component})
  set(package_dir ${libdir}/cmake/ordina)

  install(TARGETS routines EXPORT ${export} ARCHIVE DESTINATION ${libdir} COMPONENT ${in})
  install(FILES ${ORDINA_MODULE_FILES} DESTINATION ${libdir}/ordina COMPONENT ${in})
  # The ctio modules call the ctio library; the stand-in draws through the
  # console layer, which needs tinfo.
  install(TARGETS ctio console ARCHIVE DESTINATION ${libdir}/ordina COMPONENT ${in})
  set(objects $<TARGET_FILE_NAME:routines> ordina/$<TARGET_FILE_NAME:ctio>
              ordina/$<TARGET_FILE_NAME:console>)
  foreach(module ${ORDINA_MODULES})
    list(APPEND objects ordina/${module}.o)
  endforeach()
  ordina_install_strip(${libdir} "${objects}"
                       "--strip-debug;${ORDINA_STRIP_NOTES};--enable-deterministic-archives" ${in})

  # The CMake package: find_package(ordina) gives ordina::routines.
  install(EXPORT ${export} FILE ordinaTargets.cmake NAMESPACE ordina:: DESTINATION ${package_dir}
          COMPONENT ${in})
  configure_package_config_file(cmake/ordinaConfig.cmake.in ${generated}/ordinaConfig.cmake
                                INSTALL_DESTINATION ${package_dir})
  install(FILES ${generated}/ordinaConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/ordinaConfigVersion.cmake
          DESTINATION ${package_dir} COMPONENT ${in})

  # The pkg-config file finds the prefix from its own place, so the installed
  # tree can be moved and cmake --install --prefix needs nothing else.
  set(pc_dir ${libdir}/pkgconfig)
  file(RELATIVE_PATH ORDINA_PC_TO_PREFIX /prefix/${pc_dir} /prefix)
  string(REGEX REPLACE "/$" "" ORDINA_PC_TO_PREFIX "${ORDINA_PC_TO_PREFIX}")
  set(ORDINA_PC_LIBDIR ${libdir})
  configure_file(cmake/ordina.pc.in ${generated}/ordina.pc @ONLY)
  install(FILES ${generated}/ordina.pc DESTINATION ${pc_dir} COMPONENT ${in})
endfunction()

ordina_install_libraries(libs ordinaTargets ${CMAKE_INSTALL_LIBDIR})
ordina_install_libraries(deb ordinaDebianTargets ${ORDINA_DEB_LIBDIR} EXCLUDE_FROM_ALL)

# ordina_gzip(<source> <compressed>): the file compressed at build time, as
# Debian wants it: at the highest level and with no name or time in it, so the
# same source always gives the same bytes.
find_program(ORDINA_GZIP gzip REQUIRED)
set(ORDINA_COMPRESSED)
function(ordina_gzip source compressed)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${ORDINA_GZIP} -9n -c ${source} > ${compressed}
    DEPENDS ${source} VERBATIM)
  set(ORDINA_COMPRESSED ${ORDINA_COMPRESSED} ${compressed} PARENT_SCOPE)
endfunction()

# The manual pages: one per program, and ordina(3) for the routines and modules.
set(man ${CMAKE_CURRENT_BINARY_DIR}/man)
file(MAKE_DIRECTORY ${man})
set(man1)
foreach(program ${ORDINA_PROGRAMS})
  ordina_gzip(${PROJECT_SOURCE_DIR}/docs/man/${program}.1 ${man}/${program}.1.gz)
  list(APPEND man1 ${man}/${program}.1.gz)
endforeach()
ordina_gzip(${PROJECT_SOURCE_DIR}/docs/man/ordina.3 ${man}/ordina.3.gz)
install(FILES ${man1} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT common)
install(FILES ${man}/ordina.3.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man3 COMPONENT common)

# The Debian package's changelog and copyright.
ordina_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT deb EXCLUDE_FROM_ALL)

add_custom_target(compressed_docs ALL DEPENDS ${ORDINA_COMPRESSED})

include(cmake/package.cmake)

# The generator of the screen images in docs/screens runs the programs through
# the test harness, so it is built with the tests.
if(BUILD_TESTING)
  add_subdirectory(docs/screens)
endif()
