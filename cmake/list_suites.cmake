# Run after a test program is built (cmake -P): lists its GoogleTest tests and
# writes SUITES_FILE, which adds one ctest test per suite. A process per test
# would spend more on starting than on testing. The instantiations whose name
# matches SPLIT_REGEX hold the slow tests, split so they run side by side:
# each of their tests is a ctest test of its own.
#
# In: TEST_EXECUTABLE, SUITES_FILE, SPLIT_REGEX, WORKING_DIR, TEST_PROPERTIES
# (a list of property names and values), TIMEOUT (seconds for the listing).

execute_process(COMMAND "${TEST_EXECUTABLE}" --gtest_list_tests
                WORKING_DIRECTORY "${WORKING_DIR}"
                OUTPUT_VARIABLE listing
                ERROR_VARIABLE errors
                RESULT_VARIABLE status
                TIMEOUT ${TIMEOUT})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} --gtest_list_tests failed (${status}):\n${errors}")
endif()

set(properties "")
foreach(item IN LISTS TEST_PROPERTIES)
  string(APPEND properties " [==[${item}]==]")
endforeach()

set(body "")
set(suite "")
set(groups 0)
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  # "Suite.", or "  Test", either with "  # GetParam() = ..." after it.
  string(REGEX REPLACE " +#.*" "" line "${line}")
  if(line MATCHES "^([^ ].*)\\.$")
    set(suite "${CMAKE_MATCH_1}")
    set(filter "")
    if(NOT suite MATCHES "${SPLIT_REGEX}")
      set(name "${suite}")
      set(filter "${suite}.*")
    endif()
  elseif(line MATCHES "^  ([^ ]+)$")
    set(name "${suite}.${CMAKE_MATCH_1}")
    set(filter "${name}")
    if(NOT suite MATCHES "${SPLIT_REGEX}")
      continue()
    endif()
  else()
    continue()
  endif()
  if(filter STREQUAL "")
    continue()
  endif()
  string(APPEND body
    "add_test([==[${name}]==] [==[${TEST_EXECUTABLE}]==] [==[--gtest_filter=${filter}]==])\n"
    "set_tests_properties([==[${name}]==] PROPERTIES WORKING_DIRECTORY [==[${WORKING_DIR}]==]${properties})\n")
  math(EXPR groups "${groups} + 1")
endforeach()
if(groups EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} lists no tests")
endif()
file(WRITE "${SUITES_FILE}" "${body}")
