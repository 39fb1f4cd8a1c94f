# The Debian package: `cpack -G DEB` in the build folder. It holds the
# components "common" and "deb" of the install rules (cmake/install.cmake)
# under /usr: the library folder is the architecture's own, and the changelog
# and copyright come with it. Programs are stripped, archives and object
# modules stripped of their debug information.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ordina)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Console programs and linkable routines that sort arrays")
# Lines within 80 columns; an empty line separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION
    "Small console programs that read numbers, with an Italian dialogue, sort
them with one of four classic algorithms (simple bubble sort, bounded bubble
sort, selection sort, insertion sort) and print them, some on coloured,
positioned screens; one shows every algorithm at work, pass by pass.

The routines, which add the Shell, merge, quick and heap sorts, come as a
static library with its header, a CMake package and a pkg-config file, and as
object modules to link one by one into C or C++ programs.")
set(CPACK_PACKAGE_CONTACT "ordina maintainers <ordina@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};common;/"
                                 "${CMAKE_BINARY_DIR};${PROJECT_NAME};deb;/")
set(CPACK_STRIP_FILES ON)
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
