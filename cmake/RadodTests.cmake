# radod_offer_to_tests(PREFIX tst_x LIBRARY lib [PROGRAM prog])
# Links `lib` into every tests/unit program whose name starts with `tst_x`,
# and builds `prog` before them (for tests that run it). Call it from a folder
# that CMake reads before tests/.
function(radod_offer_to_tests)
    cmake_parse_arguments(O "" "PREFIX;LIBRARY;PROGRAM" "" ${ARGN})
    set_property(GLOBAL APPEND PROPERTY RADOD_TEST_OFFERS "${O_PREFIX}|${O_LIBRARY}|${O_PROGRAM}")
endfunction()
