# vk_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [QT])
# A GoogleTest executable registered with CTest. Every test gets a timeout:
# a modal box that nobody answers must fail the run, not hang it.
function(vk_add_test)
  cmake_parse_arguments(T "QT" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # Tests sit one folder beside the program folder; reach its libraries.
  set_target_properties(${T_NAME} PROPERTIES BUILD_RPATH "${VK_PROGRAM_DIR}")
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} vk_test_support GTest::gtest GTest::gmock)
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Widgets Qt6::Test)
  endif()
  target_compile_definitions(${T_NAME} PRIVATE VK_PROGRAM_DIR="${VK_PROGRAM_DIR}"
                                               VK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT}
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
