# vl_library(name SOURCES ...): a static library of ours with the project's warnings.
function(vl_library name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${VL_WARNINGS})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(A_DEPS)
    target_link_libraries(${name} PUBLIC ${A_DEPS})
  endif()
endfunction()

# vl_program(name GUI|CONSOLE SOURCES ... DEPS ...): a Windows program copied to dist/.
function(vl_program name kind)
  cmake_parse_arguments(A "" "OUTPUT" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${VL_WARNINGS})
  target_link_options(${name} PRIVATE -municode ${VL_STATIC_RUNTIME})
  if(kind STREQUAL "GUI")
    target_link_options(${name} PRIVATE -mwindows)
  endif()
  target_link_libraries(${name} PRIVATE ${A_DEPS})
  if(A_OUTPUT)
    set_target_properties(${name} PROPERTIES OUTPUT_NAME ${A_OUTPUT})
  endif()
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VL_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${name}> ${VL_DIST_DIR}/)
endfunction()

# vl_test(name SOURCES ... DEPS ...): a GoogleTest executable registered with CTest.
# In the cross tree CTest runs it through the Wine wrapper (CMAKE_CROSSCOMPILING_EMULATOR).
function(vl_test name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${VL_WARNINGS})
  target_link_libraries(${name} PRIVATE ${A_DEPS} gtest gtest_main)
  if(VL_CROSS)
    target_link_options(${name} PRIVATE ${VL_STATIC_RUNTIME})
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
endfunction()

# vl_resources(name SCRIPT file.rc [INPUTS glob ...] [INCLUDES dir ...]): a program's resource
# script as an object library, with the script's own folder on the include path. windres
# reports no dependencies, so the script is rebuilt whenever any file of its folder, or any
# file INPUTS names, changes.
function(vl_resources name)
  cmake_parse_arguments(A "" "SCRIPT" "INPUTS;INCLUDES" ${ARGN})
  get_filename_component(folder ${A_SCRIPT} DIRECTORY)
  add_library(${name} OBJECT ${A_SCRIPT})
  target_include_directories(${name} PRIVATE ${folder} ${A_INCLUDES})
  file(GLOB inputs CONFIGURE_DEPENDS ${folder}/* ${A_INPUTS})
  list(REMOVE_ITEM inputs ${A_SCRIPT})
  set_source_files_properties(${A_SCRIPT} PROPERTIES OBJECT_DEPENDS "${inputs}")
endfunction()
