# The program's version block: a host tool built here writes the binary VS_VERSIONINFO block from
# the values in version/version.cmake, and the block is linked into the executable as the ELF
# section ".vs_version_info" (read by app/VerInfo.cpp).

if(NOT KV_FILE_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "KV_FILE_VERSION \"${KV_FILE_VERSION}\" (src/app/version/version.cmake) is not four numbers "
                      "with dots between them.")
endif()
foreach(k 1 2 3 4)
  if(CMAKE_MATCH_${k} GREATER 65535)
    message(FATAL_ERROR "KV_FILE_VERSION \"${KV_FILE_VERSION}\": each number must be at most 65535.")
  endif()
endforeach()
string(REPLACE "." ", " KV_FILE_VERSION_NUMBERS "${KV_FILE_VERSION}")
foreach(text COMPANY_NAME FILE_DESCRIPTION INTERNAL_NAME LEGAL_COPYRIGHT LEGAL_TRADEMARKS
             ORIGINAL_FILENAME PRODUCT_NAME PRODUCT_VERSION COMMENTS)
  if(KV_${text} MATCHES "[\"\\\\]")
    message(FATAL_ERROR "KV_${text} (src/app/version/version.cmake) holds a quote or a backslash.")
  endif()
endforeach()

set(KV_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
set(KV_VERSION_BLOCK ${KV_VERSION_DIR}/version.bin)
configure_file(${KV_SRC}/app/version/ProgramVersion.h.in ${KV_VERSION_DIR}/ProgramVersion.h @ONLY)

add_executable(make_version_block ${CMAKE_SOURCE_DIR}/tools/make_version_block.cpp)
target_include_directories(make_version_block PRIVATE ${KV_VERSION_DIR})
target_link_libraries(make_version_block PRIVATE kv_shell)
add_custom_command(
  OUTPUT ${KV_VERSION_BLOCK}
  COMMAND make_version_block ${KV_VERSION_BLOCK}
  DEPENDS make_version_block
  COMMENT "Writing the version block"
  VERBATIM)
add_custom_target(kv_version_block DEPENDS ${KV_VERSION_BLOCK})

# The block becomes a loaded, read-only section of the program (768 bytes): llvm-strip, which a
# clang toolchain strips with, drops sections that are not loaded.
set(KV_VERSION_SECTION ${KV_VERSION_DIR}/VersionSection.cpp)
add_custom_command(
  OUTPUT ${KV_VERSION_SECTION}
  COMMAND ${CMAKE_COMMAND} -DIN=${KV_VERSION_BLOCK} -DOUT=${KV_VERSION_SECTION}
          -P ${CMAKE_SOURCE_DIR}/tools/version_section.cmake
  DEPENDS ${KV_VERSION_BLOCK} ${CMAKE_SOURCE_DIR}/tools/version_section.cmake
  COMMENT "Writing the version block's section"
  VERBATIM)
target_sources(kvelli99 PRIVATE ${KV_VERSION_SECTION})
