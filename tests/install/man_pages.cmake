# Every manual page as man renders it: no warning, its name, and every text it
# quotes ("...") as the programs print it. Each program runs on inputs that
# take it through its dialogue (an italic i in a quoted text stands for the
# position 1, an italic n for the count N), and once on no input at all.
# ordina(3) names every routine and module, and its quotes come out of the
# same runs or out of the C user of the readers.
cmake_minimum_required(VERSION 3.25)
find_program(MAN man)
if(NOT MAN)
  message(FATAL_ERROR "man is missing: install man-db and groff-base (scripts/setup test)")
endif()
set(ENV{MANROFFSEQ} "")
set(ENV{MANWIDTH} 250)
set(ENV{LC_ALL} C.UTF-8)
set(ENV{TERM} dumb)
string(REPEAT " " 70000 past_flush) # more than stdin's buffer, which sort_addr discards

string(ASCII 27 esc)

# Renders PAGE into the variable named by OUT; a warning fails the test.
# FORMATTED names a second variable for the same page with its quoted texts
# as the program prints them: an italic i (a position) is 1, an italic n (a
# count) is COUNT.
function(render page out formatted count)
  execute_process(COMMAND ${MAN} --warnings -l ${page} RESULT_VARIABLE result
                  OUTPUT_VARIABLE text ERROR_VARIABLE err)
  if(NOT result EQUAL 0 OR NOT err STREQUAL "")
    message(SEND_ERROR "man -l ${page}: status ${result}\n${err}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
  # With the attributes as escape sequences: italic is underlined.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env GROFF_SGR=1 MAN_KEEP_FORMATTING=1
                          ${MAN} -l ${page} OUTPUT_VARIABLE text)
  set(sgr "${esc}\\[[0-9;]*m")
  string(REGEX REPLACE "${esc}\\[4m(${sgr})*i(${sgr})*${esc}\\[24m" "1" text "${text}")
  string(REGEX REPLACE "${esc}\\[4m(${sgr})*n(${sgr})*${esc}\\[24m" "${count}" text "${text}")
  string(REGEX REPLACE "${esc}\\[[0-9;]*m" "" text "${text}")
  set(${formatted} "${text}" PARENT_SCOPE)
endfunction()

# The quoted texts of a rendered page.
function(quoted_texts text out)
  string(REGEX MATCHALL "\"[^\"\n]*\"" quotes "${text}")
  set(texts)
  foreach(q ${quotes})
    string(REGEX REPLACE "^\"(.*)\"$" "\\1" q "${q}")
    list(APPEND texts "${q}")
  endforeach()
  set(${out} "${texts}" PARENT_SCOPE)
endfunction()

set(everything "")
# check_program(<program> <N> <input>...)
function(check_program program count)
  render(${MAN_DIR}/${program}.1 text formatted ${count})
  if(NOT text MATCHES "NAME\n +${program} - ")
    message(SEND_ERROR "${program}.1 has no NAME line for ${program}")
  endif()
  set(output "")
  set(inputs ${ARGN})
  if(NOT program STREQUAL curses_demo) # it reads nothing
    list(APPEND inputs "")
  endif()
  set(n 0)
  foreach(input IN LISTS inputs)
    math(EXPR n "${n} + 1")
    set(file ${WORK}/man_${program}_${n}.txt)
    file(WRITE ${file} "${input}")
    execute_process(COMMAND ${BIN_DIR}/${program} INPUT_FILE ${file} RESULT_VARIABLE result
                    OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
    if(input STREQUAL "" AND NOT (result EQUAL 2 AND err STREQUAL "Fine dell'input.\n"))
      message(SEND_ERROR "${program} on no input: status ${result}, \"${err}\"")
    endif()
    string(APPEND output "${out}${err}")
  endforeach()
  quoted_texts("${formatted}" texts)
  if(NOT texts)
    message(SEND_ERROR "${program}.1 quotes nothing of the program")
  endif()
  foreach(t IN LISTS texts)
    string(FIND "${output}" "${t}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${program}.1 quotes \"${t}\", which ${program} does not print")
    endif()
  endforeach()
  set(everything "${everything}${output}" PARENT_SCOPE)
endfunction()

check_program(sort_int 3 "3\n7 -2 5\n")
check_program(sort_real 3 "3\n2,5 -1 0.75\n")
check_program(read_real 2 "2\n1.5 3,5\n")
check_program(read_dim 7 "0\n7\n")
check_program(sort_menu 2 "k1\n2\n3 1\nkk" "k2\n2\n3 1\nkk" "k3\n2\n3 1\nkk")
check_program(sort_addr 3 "kk3\n3 1 2\n${past_flush}s\nk")
check_program(curses_demo 5 "\n")
check_program(ctio_show 2 "\n\n2\n5 4\n")
check_program(sort_trace 4 "4\n2.5 -1 2,5 0.75\n")
check_program(sort_view 4 "4\n2.5 -1 2,5 0.75\n")

# Every page installed is checked here.
file(GLOB pages RELATIVE ${MAN_DIR} ${MAN_DIR}/*)
list(SORT pages)
set(known ordina.3)
foreach(program ${PROGRAMS})
  list(APPEND known ${program}.1)
endforeach()
list(SORT known)
if(NOT pages STREQUAL known)
  message(SEND_ERROR "docs/man holds ${pages}, not ${known}")
endif()

render(${MAN_DIR}/ordina.3 text formatted 0)
foreach(name bubble SeqSel funzinsert bubblesort ord_shell ord_shell_int ord_merge ord_merge_int
             ord_quick ord_quick_int ord_heap ord_heap_int leggi leggiArr letval letdim scrivi
             grafical Inizio Ins_lett mod_bubble mod_seqsel mod_insert mod_shell mod_shell_int
             mod_merge mod_merge_int mod_quick mod_quick_int mod_heap mod_heap_int mod_read_values
             mod_read_values_line mod_write_ints mod_read_count mod_credits_curses
             mod_credits_ctio mod_input_ctio mod_demo_main)
  if(NOT text MATCHES "\n +${name}[ \n]")
    message(SEND_ERROR "ordina.3 has no entry for ${name}")
  endif()
endforeach()
file(READ ${CMAKE_CURRENT_LIST_DIR}/c_consumer/expected.txt readers)
quoted_texts("${formatted}" texts)
foreach(t IN LISTS texts)
  string(FIND "${everything}${readers}" "${t}" at)
  if(at EQUAL -1 AND NOT t MATCHES "%g")
    message(SEND_ERROR "ordina.3 quotes \"${t}\", which no run prints")
  endif()
endforeach()
