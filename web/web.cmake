# web.cmake -- the browser build (emcmake cmake): the game's code with the browser backend,
# packed with its content into hollowmere.js, .wasm and .data beside the page.
#   HM_WEB_DATA  the run directory's content to pack (no player's files)
#   HM_WEB_OUT   where the page goes (default: site/ in the build directory)

set(HM_WEB_OUT ${CMAKE_BINARY_DIR}/site CACHE PATH "where the browser page is written")
if(NOT HM_WEB_DATA)
  message(FATAL_ERROR "HM_WEB_DATA must name the content to pack (make web does)")
endif()

# No libpng is built for the browser: the screenshots' few calls are answered here.
add_library(hm_web_png STATIC src/platform/web_png/png.cpp)
target_include_directories(hm_web_png PUBLIC src/platform/web_png)
target_link_libraries(hm_game PUBLIC hm_web_png)

add_executable(hollowmere src/platform/web_main.cpp src/platform/web_backend.cpp src/platform/screen565.cpp
               src/platform/midi_names.cpp)
target_link_libraries(hollowmere hm_web_glue hm_game)
set_target_properties(hollowmere PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${HM_WEB_OUT})
# The game's loops wait for their frame with emscripten_sleep: Asyncify unwinds
# them to the browser's event loop and back.  IDBFS keeps the player's files.
target_link_options(hollowmere PRIVATE
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB
  -sFORCE_FILESYSTEM=1 -lidbfs.js -sEXIT_RUNTIME=0
  "-sEXPORTED_RUNTIME_METHODS=[FS,addRunDependency,removeRunDependency]"
  --preload-file ${HM_WEB_DATA}@/hollowmere)
set_property(TARGET hollowmere APPEND PROPERTY LINK_DEPENDS ${HM_WEB_DATA}.stamp)

# The page and its script, beside the program.
foreach(page index.html shell.js music.js)
  configure_file(${PROJECT_SOURCE_DIR}/web/${page} ${HM_WEB_OUT}/${page} COPYONLY)
endforeach()
