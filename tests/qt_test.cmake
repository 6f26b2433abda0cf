# Qt tests of the window program, run headless by ctest:
#   tambrel_qt_test(NAME name [SOURCES file…] [LIBS library…]
#                   [COMMAND command arg…] [TIMEOUT seconds])
# SOURCES build an executable called NAME with tests/qt_fixture.h at hand;
# the test runs COMMAND, or that executable. Every such test gets the
# offscreen platform and a private runtime folder (Qt wants mode 0700).
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

function(tambrel_qt_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;TIMEOUT" "SOURCES;LIBS;COMMAND")
  if(arg_SOURCES)
    add_executable(${arg_NAME} ${arg_SOURCES})
    set_target_properties(${arg_NAME} PROPERTIES AUTOMOC ON)
    target_include_directories(${arg_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${arg_NAME} PRIVATE ${arg_LIBS} Qt6::Test)
  endif()
  if(NOT arg_COMMAND)
    set(arg_COMMAND ${arg_NAME})
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 60)
  endif()
  set(runtime ${CMAKE_BINARY_DIR}/test-runtime)
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  add_test(NAME ${arg_NAME} COMMAND ${arg_COMMAND})
  set_tests_properties(${arg_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${runtime}"
    TIMEOUT ${arg_TIMEOUT})
endfunction()
