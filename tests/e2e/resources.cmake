# resources_test: loads orvanta.exe as a data file and checks every embedded picture and clip.
# Built next to orvanta.exe so that it finds the program in its own folder.
add_executable(resources_test ${CMAKE_CURRENT_LIST_DIR}/resources_test.cpp)
target_link_libraries(resources_test PRIVATE GTest::gtest_main)
target_include_directories(resources_test PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(resources_test PRIVATE ${ORVANTA_WARNINGS})
set_target_properties(resources_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:orvanta>)
add_dependencies(resources_test orvanta)
add_test(NAME resources_test COMMAND resources_test)
