# Included by CTest after the window-level tests are discovered: those that
# send real mouse and keyboard input, or need their window to keep the focus,
# may not run beside another test program, whose windows come to the front.
foreach(test IN LISTS tarn32_tests_TESTS)
  if(test MATCHES "^api\\.(HooksTest|MouseTest|KeyTest|DropDownTest)\\.")
    set_tests_properties(${test} PROPERTIES RUN_SERIAL TRUE)
  endif()
endforeach()
