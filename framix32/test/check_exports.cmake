# Checks that the shared library's dynamic symbol table defines exactly the functions the
# public header declares: each under its plain C name, and nothing more.
# cmake -DNM=<nm> -DLIBRARY=<libframix32.so> -DHEADER=<framix32.h> -P check_exports.cmake
file(READ ${HEADER} header)
# Declarations begin their line with the export macro (its own definition does not).
string(REGEX MATCHALL "\nFRAMIX32_API[^;(]*[ *]([A-Za-z_][A-Za-z_0-9]*)\\(" declarations "\n${header}")
set(expected)
foreach(declaration IN LISTS declarations)
  string(REGEX REPLACE ".*[ *]([A-Za-z_][A-Za-z_0-9]*)\\($" "\\1" name "${declaration}")
  list(APPEND expected ${name})
endforeach()
list(SORT expected)
list(LENGTH expected expected_count)
if(expected_count LESS 20)
  message(FATAL_ERROR "only ${expected_count} declarations found in ${HEADER}")
endif()

execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
  # "<address> <type> <name>"; the version node names the map defines are not symbols.
  if(line MATCHES "^[0-9a-fA-F]+ ([A-Za-z]) ([^ ]+)$" AND NOT CMAKE_MATCH_1 STREQUAL "A")
    list(APPEND exported ${CMAKE_MATCH_2})
  endif()
endforeach()
list(SORT exported)

if(NOT exported STREQUAL expected)
  set(extra ${exported})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${exported})
  message(FATAL_ERROR "exported symbols differ from the header\n  not declared: ${extra}\n  not exported: ${missing}")
endif()
message(STATUS "${expected_count} functions exported, nothing else")
