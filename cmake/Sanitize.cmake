# The sanitizer build (QUARVEX_SANITIZE): address, undefined-behaviour and leak checks in
# every program the build makes. Any report ends the program with a failure status, so a
# test that triggers one fails. The run-time options and the leak suppressions
# (tests/sanitizer/lsan.supp) are built into each program, so the tests, the real program
# under Xvfb and the tools run at build time all use them, wherever they are started from;
# *SAN_OPTIONS in the environment still override them.
add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)

set(QUARVEX_LSAN_SUPP ${CMAKE_SOURCE_DIR}/tests/sanitizer/lsan.supp)
file(READ ${QUARVEX_LSAN_SUPP} QUARVEX_LSAN_SUPPRESSIONS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${QUARVEX_LSAN_SUPP})
configure_file(${CMAKE_CURRENT_LIST_DIR}/SanitizerOptions.cpp.in
               ${CMAKE_BINARY_DIR}/SanitizerOptions.cpp @ONLY)
add_library(quarvex_sanitizer_options OBJECT ${CMAKE_BINARY_DIR}/SanitizerOptions.cpp)
# Every target made from here on links the options in.
link_libraries(quarvex_sanitizer_options)
