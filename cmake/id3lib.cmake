# id3lib 3.8.3 comes from Debian's source package (with Debian's patches applied). Its autotools
# set-up cannot run under the cross compiler, so its sources are compiled directly against a
# hand-written config.h.

set(ID3LIB_SOURCE_DIR "${CMAKE_SOURCE_DIR}/.cache/id3lib" CACHE PATH
    "Unpacked id3lib 3.8.3 source tree; fetched with apt-get source when missing")

# Fetched once per checkout, so every build tree (x86_64 and i686) shares one download.
function(fetch_id3lib_source dest)
  if(EXISTS "${dest}/src/tag.cpp")
    return()
  endif()
  # Build trees configured at the same time must not unpack into the same place.
  cmake_path(GET dest PARENT_PATH parent)
  file(MAKE_DIRECTORY "${parent}")
  file(LOCK "${dest}.lock" GUARD FUNCTION)
  if(EXISTS "${dest}/src/tag.cpp")
    return()
  endif()

  set(staging "${dest}.download")
  file(REMOVE_RECURSE "${staging}")
  file(MAKE_DIRECTORY "${staging}")
  message(STATUS "Fetching id3lib source into ${dest}")
  execute_process(
    COMMAND apt-get source id3lib3.8.3
    WORKING_DIRECTORY "${staging}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  file(GLOB unpacked LIST_DIRECTORIES true "${staging}/id3lib3.8.3-*")
  if(NOT result EQUAL 0 OR NOT EXISTS "${unpacked}/src/tag.cpp")
    message(FATAL_ERROR
      "'apt-get source id3lib3.8.3' failed (${result}). Run scripts/setup-debian.sh first: it "
      "installs dpkg-dev and adds the deb-src entry apt needs. Alternatively set "
      "ID3LIB_SOURCE_DIR to an unpacked id3lib 3.8.3 tree.\n${output}")
  endif()
  # Renamed into place only when complete, so an interrupted fetch is never taken for a tree.
  file(RENAME "${unpacked}" "${dest}")
  file(REMOVE_RECURSE "${staging}")
endfunction()

fetch_id3lib_source("${ID3LIB_SOURCE_DIR}")

find_library(ID3LIB_ZLIB_STATIC NAMES libz.a)
if(NOT ID3LIB_ZLIB_STATIC)
  message(FATAL_ERROR "Static zlib for the target not found: run scripts/setup-debian.sh "
                      "(it installs libz-mingw-w64-dev).")
endif()

file(GLOB ID3LIB_SOURCES "${ID3LIB_SOURCE_DIR}/src/*.cpp")
add_library(id3lib STATIC ${ID3LIB_SOURCES})

set(ID3LIB_CONFIG_DIR "${CMAKE_CURRENT_BINARY_DIR}/id3lib-config")
configure_file("${CMAKE_CURRENT_LIST_DIR}/id3lib-config.h" "${ID3LIB_CONFIG_DIR}/config.h" COPYONLY)

# SYSTEM keeps warnings from id3lib's headers out of the code that includes them.
target_include_directories(id3lib SYSTEM PUBLIC "${ID3LIB_SOURCE_DIR}/include")
target_include_directories(id3lib PRIVATE
  "${ID3LIB_CONFIG_DIR}"
  "${ID3LIB_SOURCE_DIR}/include/id3"
  "${ID3LIB_SOURCE_DIR}/src")
target_compile_definitions(id3lib PUBLIC ID3LIB_LINKOPTION=1 PRIVATE HAVE_CONFIG_H)
# Third-party code: its warnings are not ours to fix.
target_compile_options(id3lib PRIVATE -w)
target_link_libraries(id3lib PRIVATE "${ID3LIB_ZLIB_STATIC}")
