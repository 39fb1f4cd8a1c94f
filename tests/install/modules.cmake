# The installed object modules linked one by one by the C compiler, with
# nothing of the library: the line-mode modules into a program that is run,
# curses_demo from its four modules, and the ctio modules with the installed
# ctio library (linked only: they want a terminal).
cmake_minimum_required(VERSION 3.25)
find_program(PKG_CONFIG NAMES pkg-config REQUIRED)
set(modules ${PREFIX}/${LIBDIR}/ordina)
set(dir ${CMAKE_CURRENT_LIST_DIR}/modules)
separate_arguments(flags UNIX_COMMAND "${C_FLAGS} ${LINK_FLAGS}")
execute_process(COMMAND ${PKG_CONFIG} --libs ncurses OUTPUT_VARIABLE ncurses
                OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${PKG_CONFIG} --libs tinfo OUTPUT_VARIABLE tinfo
                OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(ncurses UNIX_COMMAND "${ncurses}")
separate_arguments(tinfo UNIX_COMMAND "${tinfo}")

function(link name)
  execute_process(COMMAND ${C_COMPILER} ${flags} ${ARGN} -o ${WORK}/${name}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "linking ${name} from the installed modules failed:\n${out}")
  endif()
endfunction()

set(line_modules)
foreach(module mod_bubble mod_seqsel mod_insert mod_shell mod_shell_int mod_merge mod_merge_int
               mod_quick mod_quick_int mod_heap mod_heap_int mod_read_values mod_read_values_line
               mod_write_ints mod_read_count)
  list(APPEND line_modules ${modules}/${module}.o)
endforeach()
link(line_modules -std=c11 -I${PREFIX}/include ${dir}/line_modules.c ${line_modules})
execute_process(COMMAND ${WORK}/line_modules INPUT_FILE ${dir}/line_modules.txt
                RESULT_VARIABLE result OUTPUT_VARIABLE out)
file(READ ${dir}/line_modules_expected.txt want)
if(NOT result EQUAL 0 OR NOT out STREQUAL want)
  message(FATAL_ERROR "line_modules: status ${result}, printed\n${out}\ninstead of\n${want}")
endif()

link(curses_demo ${modules}/mod_demo_main.o ${modules}/mod_credits_curses.o
     ${modules}/mod_bubble.o ${modules}/mod_insert.o ${ncurses})
link(ctio_modules -std=c11 -I${PREFIX}/include ${dir}/ctio_modules.c
     ${modules}/mod_credits_ctio.o ${modules}/mod_input_ctio.o ${modules}/libctio.a
     ${modules}/libconsole.a ${tinfo})
