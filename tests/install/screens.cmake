# The screen generator on its two quick programs, into a folder of this
# build: each picture holds the texts of the screen, in their colours.
cmake_minimum_required(VERSION 3.25)
set(out ${WORK}/screens)
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY ${out})
execute_process(COMMAND ${GENERATOR} ${out} curses_demo ctio_show RESULT_VARIABLE result
                OUTPUT_VARIABLE log ERROR_VARIABLE log TIMEOUT 300)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_screens failed:\n${log}")
endif()

# <picture>|<text>|<colour of that text>; light cyan is xterm's colour 14.
set(cases "curses_demo|utilizzo bubblesort|#d0d0d0"
          "curses_demo|Software House: Orv|#d0d0d0"
          "ctio_show_credits|* SoFTWaRe HouSe *|#00ffff"
          "ctio_show_values|Inserisci il 3 valore : 5|#00ffff"
          "ctio_show_values|n = 3|#d0d0d0")
foreach(case ${cases})
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 picture)
  list(GET case 1 text)
  list(GET case 2 colour)
  file(READ ${out}/${picture}.svg svg)
  if(NOT svg MATCHES "^<svg ")
    message(SEND_ERROR "${picture}.svg is no SVG picture")
  endif()
  string(REGEX MATCHALL "<text [^>]*>[^<]*</text>" runs "${svg}")
  set(found FALSE)
  foreach(run ${runs})
    string(FIND "${run}" "${text}" at)
    if(NOT at EQUAL -1 AND run MATCHES "fill=\"${colour}\"")
      set(found TRUE)
    endif()
  endforeach()
  if(NOT found)
    message(SEND_ERROR "${picture}.svg shows no \"${text}\" in ${colour}")
  endif()
endforeach()
