# Pictures in brush mode 1 against an independent Python model of the field,
# shaping and index formulas. Pure Python takes about a second per picture, so
# it runs in the Release pass only (label e2e).
if(TARGET greetcard-render)
  # Patterns 2, 5, 6, 9, 11, 13, 15 (15 fails on the column x = 0); shaping
  # modes 1 to 3; index modes 1 to 4.
  add_test(NAME reference_mode1
    COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/reference/mode1_reference.py
            --exe $<TARGET_FILE:greetcard-render>
            s e af aagz dzzz aaay aapz)
  set_tests_properties(reference_mode1 PROPERTIES LABELS e2e TIMEOUT 300)
endif()
