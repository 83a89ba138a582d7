# Makes sigle.dic: the short entries of data/sigle.txt plus, from Debian's
# iso-codes, the ISO 3166-1 country codes, the ISO 639 language codes and the
# Italian province codes (the two-letter ISO 3166-2 subdivisions IT-xx).
# quirvo-diz build folds, sorts and dedups them; entries shorter than two
# letters or holding anything but letters (qaa-qtz) are left out there.
# Usage: cmake -DQUIRVO_DIZ=... -DISO_CODES=DIR -DSIGLE_TXT=... -DOUT=... -P make_sigle.cmake

foreach(var QUIRVO_DIZ ISO_CODES SIGLE_TXT OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_sigle.cmake: ${var} is not set")
  endif()
endforeach()

# Appends the values of `fields` of every object of the array `key`.
function(append_codes list_var json key)
  set(codes ${${list_var}})
  string(JSON count LENGTH "${json}" "${key}")
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    foreach(field ${ARGN})
      string(JSON value ERROR_VARIABLE missing GET "${json}" "${key}" ${i} ${field})
      if(NOT missing)
        list(APPEND codes "${value}")
      endif()
    endforeach()
  endforeach()
  set(${list_var} ${codes} PARENT_SCOPE)
endfunction()

set(words)

file(READ ${ISO_CODES}/iso_3166-1.json json)
append_codes(words "${json}" "3166-1" alpha_2 alpha_3)

file(READ ${ISO_CODES}/iso_639-2.json json)
append_codes(words "${json}" "639-2" alpha_2 alpha_3 bibliographic)

# The subdivisions are sorted by code, so the Italian ones stand together:
# only that stretch is read as JSON (reading all 5,000 objects one by one
# would take half a minute).
file(READ ${ISO_CODES}/iso_3166-2.json json)
string(FIND "${json}" "\"IT-" first)
string(FIND "${json}" "\"IT-" last REVERSE)
if(first EQUAL -1)
  message(FATAL_ERROR "make_sigle.cmake: no IT- subdivision in ${ISO_CODES}/iso_3166-2.json")
endif()
string(SUBSTRING "${json}" 0 ${first} head)
string(FIND "${head}" "{" begin REVERSE)
string(SUBSTRING "${json}" ${last} -1 tail)
string(FIND "${tail}" "}" end)
math(EXPR length "${last} + ${end} + 1 - ${begin}")
string(SUBSTRING "${json}" ${begin} ${length} italian)
append_codes(subdivisions "{\"it\": [${italian}]}" it code)
foreach(code ${subdivisions})
  if(code MATCHES "^IT-([A-Z][A-Z])$")
    list(APPEND words ${CMAKE_MATCH_1})
  endif()
endforeach()

file(STRINGS ${SIGLE_TXT} lines)
foreach(line ${lines})
  if(NOT line MATCHES "^#")
    string(REGEX MATCHALL "[^ \t]+" entries "${line}")
    list(APPEND words ${entries})
  endif()
endforeach()

# The folder the script runs in, not the program folder, which is loaded as is.
set(word_list ${CMAKE_CURRENT_BINARY_DIR}/sigle.words)
list(JOIN words "\n" text)
file(WRITE ${word_list} "${text}\n")
execute_process(COMMAND ${QUIRVO_DIZ} build --min-length 2 --out ${OUT} ${word_list}
  RESULT_VARIABLE status)
file(REMOVE ${word_list})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_sigle.cmake: quirvo-diz build failed (${status})")
endif()
