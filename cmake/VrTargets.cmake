# A file added to a folder reconfigures the build (CONFIGURE_DEPENDS), but
# AUTOMOC with Ninja does not notice the new file by itself: dropping its stamp
# at configure time makes it rescan (it only regenerates what changed).
function(vr_rerun_moc_after_configure target)
  file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
endfunction()

# One static library per source folder; sources are picked up by folder so that
# adding a screen needs no edit here.
function(vr_folder_library name)
  cmake_parse_arguments(ARG "" "" "EXCLUDE;LINK" ${ARGN})
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  foreach(_ex IN LISTS ARG_EXCLUDE)
    list(FILTER _src EXCLUDE REGEX "${CMAKE_CURRENT_SOURCE_DIR}/${_ex}/")
  endforeach()
  set(_cpp ${_src})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  if(NOT _cpp)
    # A folder whose screens are not written yet still takes part in the link.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LINK})
    return()
  endif()
  add_library(${name} STATIC ${_src})
  vr_rerun_moc_after_configure(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
endfunction()

# One QtTest executable per folder: every test class in the folder registers
# itself with VR_TEST and the shared main runs them all.
function(vr_folder_tests folder)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(test_${folder} ${_src})
  vr_rerun_moc_after_configure(test_${folder})
  target_link_libraries(test_${folder} PRIVATE testsupport ${ARG_LINK})
  add_test(NAME ${folder} COMMAND test_${folder})
  set_tests_properties(${folder} PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8")
endfunction()
