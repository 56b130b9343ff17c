# Included by CTest after the window-level tests are discovered: those that
# send real mouse and keyboard input may not run beside another test program.
foreach(test IN LISTS tarn32_tests_TESTS)
  if(test MATCHES "^api\\.(HooksTest|MouseTest)\\.")
    set_tests_properties(${test} PROPERTIES RUN_SERIAL TRUE)
  endif()
endforeach()
