# One GoogleTest executable per test file. The file's prefix gives its suite:
#   unit_*.cpp         no display
#   widget_*.cpp       Qt offscreen platform, real pixels through QWidget::grab()
#   integration_*.cpp  real peers (private D-Bus, SDL disk audio, xdg-open) that the test starts itself
# Every test gets a system bus address that leads nowhere, so nothing can reach a real system bus
# unless the test brings its own mock bus.
set(TAVORINE_NOWHERE_BUS "unix:path=${CMAKE_BINARY_DIR}/no-system-bus/socket")

function(tavorine_tests)
  cmake_parse_arguments(T "" "" "LIBS" ${ARGN})
  file(GLOB files CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/unit_*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/widget_*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/integration_*.cpp)
  foreach(file ${files})
    get_filename_component(name ${file} NAME_WE)
    string(REGEX MATCH "^[a-z]+" label ${name})
    get_filename_component(dir ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(target test_${dir}_${name})
    add_executable(${target} ${file})
    target_link_libraries(${target} PRIVATE ${T_LIBS} test_support GTest::gtest GTest::gmock)
    target_compile_definitions(${target} PRIVATE
      TAVORINE_SOURCE_DIR="${CMAKE_SOURCE_DIR}" TAVORINE_BINARY_DIR="${CMAKE_BINARY_DIR}")
    add_test(NAME ${dir}.${name} COMMAND ${target})
    set(env "DBUS_SYSTEM_BUS_ADDRESS=${TAVORINE_NOWHERE_BUS}" "QT_ENABLE_HIGHDPI_SCALING=0")
    if(label STREQUAL "widget")
      list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    if(NOT label STREQUAL "integration")
      list(APPEND env "DBUS_SESSION_BUS_ADDRESS=disabled:" "SDL_AUDIODRIVER=dummy")
    endif()
    set_tests_properties(${dir}.${name} PROPERTIES LABELS ${label} ENVIRONMENT "${env}" TIMEOUT 300)
  endforeach()
endfunction()
