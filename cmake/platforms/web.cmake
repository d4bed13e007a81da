# The browser: the game compiled to WebAssembly with Emscripten under a hand-written page, built
# as a static folder that any web server can host (build/web/site). Tests run the core under
# Node and the page in headless Chromium.
set(QUANDREL_FRONT_END web)
set(QUANDREL_TESTS_DEFAULT ON)
set(QUANDREL_BENCH ON)
set(QUANDREL_SOLVER OFF)
set(QUANDREL_SITE ${PROJECT_BINARY_DIR}/site)
set(CMAKE_CROSSCOMPILING_EMULATOR node)
# Emscripten builds GoogleTest without threads.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
