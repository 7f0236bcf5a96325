# The game's own code: every subsystem folder of the source tree.
file(GLOB_RECURSE VOCGAME_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/display/*.cpp
     ${CMAKE_SOURCE_DIR}/audio/*.cpp ${CMAKE_SOURCE_DIR}/input/*.cpp
     ${CMAKE_SOURCE_DIR}/scene/*.cpp ${CMAKE_SOURCE_DIR}/activities/*.cpp)
add_library(vocgame STATIC ${VOCGAME_SOURCES})
target_include_directories(vocgame PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vocgame PUBLIC vocplatform)

add_executable(vocabuloon ${CMAKE_SOURCE_DIR}/platform/main.cpp)
target_link_libraries(vocabuloon PRIVATE vocgame)
