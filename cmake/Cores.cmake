# The plain C++ layers, one static library each: base, and the cores of the game, the records,
# the network and the shell (the version reader and the window state). Shared by the main build
# and the fuzz build, which compiles the same libraries with its own instrumentation.
#   kv_base     src/base                 includes nothing of ours
#   kv_game     src/game                 base
#   kv_records  src/records              base
#   kv_net      src/net                  base (and OpenSSL, for TLS)
#   kv_shell    src/app (not app/ui)     base
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH kv_top)
set(KV_SRC ${kv_top}/src)
find_package(Threads REQUIRED)
find_package(OpenSSL 3 REQUIRED)

function(kv_core_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${KV_SRC}/${folder}/*.cpp ${KV_SRC}/${folder}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${KV_SRC})
endfunction()

kv_core_library(kv_base base)
target_link_libraries(kv_base PUBLIC Threads::Threads)
kv_core_library(kv_game game)
kv_core_library(kv_records records)
kv_core_library(kv_net net)
kv_core_library(kv_shell app)
foreach(core kv_game kv_records kv_net kv_shell)
  target_link_libraries(${core} PUBLIC kv_base)
endforeach()
target_link_libraries(kv_net PUBLIC OpenSSL::SSL OpenSSL::Crypto)
set(KV_CORES kv_game kv_records kv_net kv_shell)
