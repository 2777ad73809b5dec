# Runs one generator when any file it writes is missing or older than the
# generator itself; otherwise does nothing. ROOT is the repository root,
# where the program finds what is generated:
#   cmake -DTOOL=art|hai|sounds -DGENERATOR=path -DROOT=dir [-DCHECK=ON] -P tools/generate.cmake
# With CHECK on it only says whether the generator would run: it fails
# naming the first stale file.
# The lists name every file the generator writes, so one deleted file is
# enough to regenerate.
if(TOOL STREQUAL "art")
  set(outputs art/contact_sheet.png)
  foreach(id RANGE 101 139)
    list(APPEND outputs art/${id}.png)
  endforeach()
elseif(TOOL STREQUAL "hai")
  set(outputs data/hai.dat)
elseif(TOOL STREQUAL "sounds")
  set(outputs)
  foreach(effect ok select cut open naki hana)
    list(APPEND outputs wave/${effect}.wav)
  endforeach()
  foreach(speaker RANGE 1 8)
    foreach(shout fuu chi pon kan)
      list(APPEND outputs voice/char${speaker}_${shout}.wav)
    endforeach()
  endforeach()
else()
  message(FATAL_ERROR "generate.cmake: unknown TOOL '${TOOL}'")
endif()

set(stale "")
foreach(file ${outputs})
  # IS_NEWER_THAN is also true when the file is missing.
  if("${GENERATOR}" IS_NEWER_THAN "${ROOT}/${file}")
    set(stale "${file}")
    break()
  endif()
endforeach()
if(stale STREQUAL "")
  return()
endif()
if(CHECK)
  message(FATAL_ERROR "${stale} is missing or older than its generator")
endif()
message(STATUS "${stale} is missing or older than its generator: running ${GENERATOR}")
execute_process(COMMAND "${GENERATOR}" WORKING_DIRECTORY "${ROOT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${GENERATOR} failed (${status})")
endif()
