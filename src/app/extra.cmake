# The program's version block: version.rc is compiled by the mingw resource compiler, the binary
# VS_VERSIONINFO block is cut out of the .res file, and the block is added to the linked
# executable as the non-loaded ELF section ".vs_version_info" (read by app/VerInfo.cpp).

find_program(KV_WINDRES NAMES x86_64-w64-mingw32-windres windres)
if(NOT KV_WINDRES)
  message(FATAL_ERROR "x86_64-w64-mingw32-windres not found: install binutils-mingw-w64-x86-64 "
                      "(scripts/install-deps.sh); it compiles src/app/version.rc.")
endif()
# windres preprocesses the script with the mingw C compiler.
find_program(KV_MINGW_GCC NAMES x86_64-w64-mingw32-gcc)
if(NOT KV_MINGW_GCC)
  message(FATAL_ERROR "x86_64-w64-mingw32-gcc not found: install gcc-mingw-w64-x86-64 "
                      "(scripts/install-deps.sh); windres needs it to read src/app/version.rc.")
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter)
if(NOT CMAKE_OBJCOPY)
  find_program(CMAKE_OBJCOPY objcopy REQUIRED)
endif()

set(KV_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
set(KV_VERSION_RES ${KV_VERSION_DIR}/version.res)
set(KV_VERSION_BLOCK ${KV_VERSION_DIR}/version.bin)
set(KV_RES_EXTRACT ${CMAKE_SOURCE_DIR}/scripts/res_version.py)


add_custom_command(
  OUTPUT ${KV_VERSION_BLOCK}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KV_VERSION_DIR}
  COMMAND ${KV_WINDRES} --preprocessor=${KV_MINGW_GCC} --preprocessor-arg=-E --preprocessor-arg=-xc
          --preprocessor-arg=-DRC_INVOKED -O res -o ${KV_VERSION_RES} ${KV_SRC}/app/version.rc
  COMMAND ${Python3_EXECUTABLE} ${KV_RES_EXTRACT} ${KV_VERSION_RES} ${KV_VERSION_BLOCK}
  DEPENDS ${KV_SRC}/app/version.rc ${KV_RES_EXTRACT}
  COMMENT "Compiling the version block"
  VERBATIM)
add_custom_target(kv_version_block DEPENDS ${KV_VERSION_BLOCK})
add_dependencies(kvelli99 kv_version_block)
# A changed block relinks the executable, and so re-adds the section.
set_property(TARGET kvelli99 APPEND PROPERTY LINK_DEPENDS ${KV_VERSION_BLOCK})
add_custom_command(
  TARGET kvelli99 POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --add-section .vs_version_info=${KV_VERSION_BLOCK}
          --set-section-flags .vs_version_info=contents,readonly $<TARGET_FILE:kvelli99>
  COMMENT "Embedding the version block into kvelli99"
  VERBATIM)
