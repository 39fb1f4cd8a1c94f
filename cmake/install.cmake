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
#   share/man/man1, man3     the manual pages
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(ORDINA_PROGRAMS sort_menu sort_addr sort_int sort_real read_real read_dim curses_demo ctio_show
                    sort_trace sort_view)
set(ORDINA_MODULES mod_bubble mod_seqsel mod_insert mod_read_values mod_read_values_line
                   mod_write_ints mod_read_count mod_credits_curses mod_demo_main mod_credits_ctio
                   mod_input_ctio)
set(ORDINA_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/ordina)

# The same name in this build as for the users of the installed package.
add_library(ordina::routines ALIAS routines)

install(TARGETS ${ORDINA_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES routines/ordina.h curses/grafical.h ctio/ctio_modules.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ordina)
install(TARGETS routines EXPORT ordinaTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

set(module_files)
foreach(module ${ORDINA_MODULES})
  list(APPEND module_files ${ORDINA_MODULE_DIR}/${module}.o)
endforeach()
install(FILES ${module_files} DESTINATION ${CMAKE_INSTALL_LIBDIR}/ordina)
# The ctio modules call the ctio library; the stand-in draws through the
# console layer, which needs tinfo.
install(TARGETS ctio console ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}/ordina)

# The CMake package: find_package(ordina) gives ordina::routines.
install(EXPORT ordinaTargets NAMESPACE ordina:: DESTINATION ${ORDINA_PACKAGE_DIR})
configure_package_config_file(cmake/ordinaConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/ordinaConfig.cmake
                              INSTALL_DESTINATION ${ORDINA_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ordinaConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ordinaConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/ordinaConfigVersion.cmake
        DESTINATION ${ORDINA_PACKAGE_DIR})

# The pkg-config file finds the prefix from its own place, so the installed
# tree can be moved and cmake --install --prefix needs nothing else.
set(ORDINA_PC_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH ORDINA_PC_TO_PREFIX /prefix/${ORDINA_PC_DIR} /prefix)
string(REGEX REPLACE "/$" "" ORDINA_PC_TO_PREFIX "${ORDINA_PC_TO_PREFIX}")
configure_file(cmake/ordina.pc.in ${CMAKE_CURRENT_BINARY_DIR}/ordina.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ordina.pc DESTINATION ${ORDINA_PC_DIR})

# The manual pages: one per program, and ordina(3) for the routines and modules.
set(ORDINA_MAN_PAGES)
foreach(program ${ORDINA_PROGRAMS})
  list(APPEND ORDINA_MAN_PAGES ${PROJECT_SOURCE_DIR}/docs/man/${program}.1)
endforeach()
install(FILES ${ORDINA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES docs/man/ordina.3 DESTINATION ${CMAKE_INSTALL_MANDIR}/man3)
list(APPEND ORDINA_MAN_PAGES ${PROJECT_SOURCE_DIR}/docs/man/ordina.3)

include(cmake/package.cmake)

# The generator of the screen images in docs/screens runs the programs through
# the test harness, so it is built with the tests.
if(BUILD_TESTING)
  add_subdirectory(docs/screens)
endif()
