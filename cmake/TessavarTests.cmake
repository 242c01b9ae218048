# Registers one CTest test per GoogleTest suite of a test program:
#   tessavar_add_suite_tests(PREFIX TARGET)
# The suites are read from the TEST/TEST_F/TEST_P lines of the target's C++
# sources, so a new suite is run without a hand-kept list. Under the mingw
# build each test runs through the cross-compiling emulator (Wine); one
# process per suite keeps the number of Wine start-ups small.
function(tessavar_add_suite_tests prefix target)
  get_target_property(sources ${target} SOURCES)
  set(suites)
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.cpp$")
      continue()
    endif()
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
    file(STRINGS ${path} lines REGEX "^TEST(_F|_P)?\\([A-Za-z0-9_]+,")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  foreach(suite IN LISTS suites)
    add_test(NAME ${prefix}_${suite} COMMAND ${target} --gtest_filter=${suite}.*)
    # The suites of one program share the Wine prefix's user settings and
    # files (the remembered settings, the autosave): never two at once.
    set_tests_properties(${prefix}_${suite} PROPERTIES RESOURCE_LOCK ${target})
  endforeach()
endfunction()
