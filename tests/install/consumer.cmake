# Configures the project SOURCE in a fresh folder against the installed tree
# PREFIX alone, builds it, runs PROGRAM (on INPUT, when given) and compares
# what it prints with the file EXPECTED.
cmake_minimum_required(VERSION 3.25)
set(binary ${WORK}/${NAME})
file(REMOVE_RECURSE ${binary})
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${binary} -DCMAKE_PREFIX_PATH=${PREFIX}
          -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_C_COMPILER=${C_COMPILER}
          -DCMAKE_CXX_COMPILER=${CXX_COMPILER} "-DCMAKE_C_FLAGS=${C_FLAGS}"
          "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINK_FLAGS}"
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "configuring ${SOURCE} failed:\n${out}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${binary}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "building ${SOURCE} failed:\n${out}")
endif()

if(INPUT)
  set(input INPUT_FILE ${INPUT})
else()
  set(input INPUT_FILE /dev/null)
endif()
execute_process(COMMAND ${binary}/${PROGRAM} ${input} RESULT_VARIABLE result
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ ${EXPECTED} want)
if(NOT result EQUAL 0 OR NOT out STREQUAL want)
  message(FATAL_ERROR "${PROGRAM}: status ${result}, printed\n${out}\n${err}\ninstead of\n${want}")
endif()
