# The Debian package: `cpack -G DEB` in the build folder. It holds what
# cmake --install installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordina)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Console programs and linkable routines that sort arrays")
set(CPACK_PACKAGE_DESCRIPTION
    "Small console programs that read numbers, sort them with one of four classic algorithms and print them, some on coloured, positioned screens; the routines as a static library, a header and object modules to link one by one, with a CMake package and a pkg-config file.")
set(CPACK_PACKAGE_CONTACT "ordina maintainers <ordina@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# The programs need the ncurses and tinfo libraries (and the C and C++ run
# times): dpkg-shlibdeps works out the exact packages where dpkg-dev is
# installed; without it they are named here.
find_program(ORDINA_SHLIBDEPS dpkg-shlibdeps)
find_program(ORDINA_FILE file)
if(ORDINA_SHLIBDEPS AND ORDINA_FILE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6, libncurses6, libtinfo6")
endif()

include(CPack)
