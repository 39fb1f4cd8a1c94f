# ordina_unit(<name> <source>): one separately compiled unit of the routines.
# It is built as C++ without exceptions or run-time type information, so the
# object it gives needs nothing of the C++ run time and links into a C program.
function(ordina_unit name source)
  add_library(${name} OBJECT ${source})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/routines ${PROJECT_SOURCE_DIR}/platform)
  target_compile_options(${name} PRIVATE -fno-exceptions -fno-rtti)
endfunction()

# ordina_object_module(<name> <source>): a unit delivered on its own, also
# copied to modules/<name>.o for those who link it by hand.
function(ordina_object_module name source)
  ordina_unit(${name} ${source})
  set(copy ${ORDINA_MODULE_DIR}/${name}.o)
  add_custom_command(OUTPUT ${copy}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_OBJECTS:${name}> ${copy}
    DEPENDS ${name} $<TARGET_OBJECTS:${name}>
    COMMAND_EXPAND_LISTS VERBATIM)
  add_custom_target(${name}_o ALL DEPENDS ${copy})
endfunction()
