# Each area of src/ is two libraries: <name>_core (plain C++, no Qt) from the area's own
# .cpp files and <name>_ui (its windows) from ui/*.cpp. Sources are picked up by glob so
# adding a file needs no edit here.

set(BAIBAO_AREAS "")

function(baibao_area name dir)
  file(GLOB core_src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
  if(core_src)
    add_library(${name}_core STATIC ${core_src})
    set_target_properties(${name}_core PROPERTIES AUTOMOC OFF)
    target_include_directories(${name}_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
    if(NOT name STREQUAL "common")
      target_link_libraries(${name}_core PUBLIC common_core)
    endif()
  else()
    add_library(${name}_core INTERFACE)
    target_include_directories(${name}_core INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name}_core INTERFACE common_core)
  endif()

  file(GLOB ui_src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/ui/*.cpp ${CMAKE_SOURCE_DIR}/src/${dir}/ui/*.h)
  if(ui_src)
    add_library(${name}_ui STATIC ${ui_src})
    target_link_libraries(${name}_ui PUBLIC ${name}_core Qt6::Widgets)
    # The OS layer stands below the shared controls, which use it.
    if(NOT name STREQUAL "common" AND NOT name STREQUAL "platform")
      target_link_libraries(${name}_ui PUBLIC common_ui)
    endif()
  else()
    add_library(${name}_ui INTERFACE)
    target_link_libraries(${name}_ui INTERFACE ${name}_core)
  endif()
  set(BAIBAO_AREAS ${BAIBAO_AREAS} "${name}:${dir}" PARENT_SCOPE)
endfunction()
