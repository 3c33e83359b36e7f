# Warnings and Qt defines that every target of the project links.
option(CLIPMOOR_WERROR "Treat compiler warnings as errors" OFF)

add_library(clipmoor_common INTERFACE)
target_compile_options(clipmoor_common INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(CLIPMOOR_WERROR)
  target_compile_options(clipmoor_common INTERFACE -Werror)
endif()
target_compile_definitions(clipmoor_common INTERFACE
  QT_NO_FOREACH
  QT_NO_CAST_TO_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_BEFORE=0x060400)

# Gives target an include folder of its own that holds only the named folder (or header)
# of the tree, so that whatever links target reaches those headers as "folder/name.h" and
# nothing more: an include against the direction of the libraries does not compile. The
# folder holds one forwarding header per real one, for links need rights on Windows.
function(clipmoor_expose_headers target path)
  set(root "${CMAKE_BINARY_DIR}/include/${target}")
  # Earlier builds linked the source folder here; writing through that link would
  # overwrite the sources.
  if(IS_SYMLINK "${root}/${path}")
    file(REMOVE "${root}/${path}")
  endif()
  if(IS_DIRECTORY "${PROJECT_SOURCE_DIR}/${path}")
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}"
      "${PROJECT_SOURCE_DIR}/${path}/*.h")
  else()
    set(headers "${path}")
  endif()
  foreach(header IN LISTS headers)
    file(CONFIGURE OUTPUT "${root}/${header}"
      CONTENT "#pragma once\n#include \"${PROJECT_SOURCE_DIR}/${header}\"\n" @ONLY)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
  endif()
endfunction()

# A distribution's package: the updater tells of a newer version but leaves installing it
# to the package manager, and never fetches an installer.
option(CLIPMOOR_DISTRIBUTION_PACKAGE "Build for a distribution's package (updates through its package manager)" OFF)

# AddressSanitizer and UndefinedBehaviorSanitizer for everything the project builds.
option(CLIPMOOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(CLIPMOOR_SANITIZE)
  set(CLIPMOOR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
      -fno-omit-frame-pointer)
  target_compile_options(clipmoor_common INTERFACE ${CLIPMOOR_SANITIZER_FLAGS})
  target_link_options(clipmoor_common INTERFACE ${CLIPMOOR_SANITIZER_FLAGS})
endif()

# libFuzzer targets (clang only): all code is built for coverage-guided fuzzing.
option(CLIPMOOR_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(CLIPMOOR_FUZZ)
  target_compile_options(clipmoor_common INTERFACE -fsanitize=fuzzer-no-link)
endif()

# The program's version as its texts show it ("2.0.023") and as a number (2023), both
# derived from project(VERSION); the package and the identity header use these.
string(LENGTH "${PROJECT_VERSION_PATCH}" CLIPMOOR_PATCH_DIGITS)
set(CLIPMOOR_PATCH_TEXT "${PROJECT_VERSION_PATCH}")
while(CLIPMOOR_PATCH_DIGITS LESS 3)
  string(PREPEND CLIPMOOR_PATCH_TEXT "0")
  math(EXPR CLIPMOOR_PATCH_DIGITS "${CLIPMOOR_PATCH_DIGITS} + 1")
endwhile()
set(CLIPMOOR_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${CLIPMOOR_PATCH_TEXT}")
math(EXPR CLIPMOOR_VERSION_NUMBER
  "${PROJECT_VERSION_MAJOR} * 1000 + ${PROJECT_VERSION_MINOR} * 100 + ${PROJECT_VERSION_PATCH}")

# The identity header (app/identity.h) and the version it carries, for whatever needs them.
# The result type "a value or an error text" (app/result.h), on the header-only tl::expected.
find_package(tl-expected REQUIRED)
add_library(clipmoor_result INTERFACE)
target_link_libraries(clipmoor_result INTERFACE tl::expected clipmoor_common Qt6::Core)
clipmoor_expose_headers(clipmoor_result app/result.h)

add_library(clipmoor_identity INTERFACE)
target_link_libraries(clipmoor_identity INTERFACE clipmoor_common)
clipmoor_expose_headers(clipmoor_identity app/identity.h)
target_compile_definitions(clipmoor_identity INTERFACE
  CLIPMOOR_VERSION_TEXT="${CLIPMOOR_VERSION_TEXT}"
  CLIPMOOR_VERSION_NUMBER=${CLIPMOOR_VERSION_NUMBER})
