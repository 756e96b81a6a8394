# The build refuses sources that break the rules of the tree that the compiler does not see
# (includes against the layers, QTRY_ in GoogleTest files): scripts/source_rules.sh runs whenever
# a source changes, before the core is compiled.
find_program(ZUZAZIZO_BASH bash)
if(ZUZAZIZO_BASH)
  file(GLOB_RECURSE ZUZAZIZO_RULED_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/*.h ${PROJECT_SOURCE_DIR}/tests/*.cpp
    ${PROJECT_SOURCE_DIR}/tools/*.h ${PROJECT_SOURCE_DIR}/tools/*.cpp)
  set(ZUZAZIZO_RULES_STAMP ${CMAKE_BINARY_DIR}/source_rules.stamp)
  add_custom_command(OUTPUT ${ZUZAZIZO_RULES_STAMP}
    COMMAND ${ZUZAZIZO_BASH} ${PROJECT_SOURCE_DIR}/scripts/source_rules.sh ${PROJECT_SOURCE_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${ZUZAZIZO_RULES_STAMP}
    DEPENDS ${ZUZAZIZO_RULED_SOURCES} ${PROJECT_SOURCE_DIR}/scripts/source_rules.sh
    COMMENT "Checking the includes against the layers and the tests' waits"
    VERBATIM)
  add_custom_target(source_rules ALL DEPENDS ${ZUZAZIZO_RULES_STAMP})
  add_dependencies(zuzazizo_core source_rules)
endif()

# No tool compiles a test's source: what a tool and a test share is a library of its own (as the
# bot in tools/bot). Test programs that live beside their tool (skingen_tests) are tests.
function(zuzazizo_refuse_tests_in_tools)
  get_property(subdirs DIRECTORY ${PROJECT_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
  foreach(dir ${subdirs})
    if(NOT dir MATCHES "^${PROJECT_SOURCE_DIR}/tools/")
      continue()
    endif()
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(target MATCHES "_tests$" OR type STREQUAL "UTILITY" OR type STREQUAL "INTERFACE_LIBRARY")
        continue()
      endif()
      get_target_property(sources ${target} SOURCES)
      foreach(source ${sources})
        get_filename_component(path ${source} ABSOLUTE BASE_DIR ${dir})
        if(path MATCHES "^${PROJECT_SOURCE_DIR}/tests/")
          message(FATAL_ERROR "${target} compiles ${source}, a test's source")
        endif()
      endforeach()
    endforeach()
  endforeach()
endfunction()
