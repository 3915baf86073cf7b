# Checks that the shared library's dynamic symbol table exports exactly the
# functions that the public header declares. Run with -DLIBRARY= -DHEADER=.
execute_process(COMMAND nm -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE nm_out RESULT_VARIABLE nm_rc)
if(NOT nm_rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[0-9a-fA-F]+ [A-Za-z] [^\n]+" lines "${nm_out}")
set(exported)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^[0-9a-fA-F]+ ([A-Za-z]) (.*)$" "\\1;\\2" parts "${line}")
  list(GET parts 0 kind)
  list(GET parts 1 name)
  # Version nodes (kind A) are not symbols of the interface.
  if(NOT kind STREQUAL "A")
    list(APPEND exported "${name}")
  endif()
endforeach()
list(SORT exported)

file(READ ${HEADER} header)
string(REGEX MATCHALL "\nHYGRA_API [^(]*[ *]([a-z_]+)\\(" decls "${header}")
set(declared)
foreach(decl IN LISTS decls)
  string(REGEX REPLACE ".*[ *]([a-z_]+)\\($" "\\1" name "${decl}")
  list(APPEND declared "${name}")
endforeach()
list(SORT declared)

if(NOT exported STREQUAL declared)
  message(FATAL_ERROR "exported symbols differ from the header\n  exported: ${exported}\n  declared: ${declared}")
endif()
list(LENGTH declared n)
message(STATUS "exported symbols match the ${n} functions of the header")
