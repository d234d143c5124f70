# The drawing benchmark: a hover redraw with and without the image cache, run under Wine.
# Kept apart from the other benchmarks' CMake so either can land first.
if(WIN32 AND TARGET quorvel_win32)
    add_executable(drawing_bench ${CMAKE_CURRENT_LIST_DIR}/drawing_bench.cpp)
    target_link_libraries(drawing_bench PRIVATE quorvel_win32 quorvel_core quorvel_warnings)
    target_compile_definitions(drawing_bench PRIVATE
        QUORVEL_SKINS_DIR="Z:${PROJECT_SOURCE_DIR}/skins")
endif()
