# Fails when clang-format (the repository's .clang-format) would change a C++ file.
# Run by CTest: cmake -DSOURCE_DIR=<repository> -DCLANG_FORMAT=<program> -P CheckFormat.cmake
set(files "")
foreach(folder program platform app net toolruns engine ui plugins translations updater addons tools tests fuzz bench)
  file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  list(APPEND files ${found})
endforeach()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
                RESULT_VARIABLE result ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format would change these files:\n${complaints}")
endif()
list(LENGTH files count)
message(STATUS "${count} files are formatted.")
