# Fails when a source file includes a header of a library that its own library does not
# link. Run by CTest: cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
#
# Each rule: a folder or file of the program, then the folders and files it may include
# from. The most specific rule for a file applies.
set(rules
  "platform|platform/"
  "app|app/ platform/"
  "net|net/ app/identity.h"
  "toolruns|toolruns/"
  "program|app/ engine/ plugins/ ui/ translations/"
  "engine|app/ engine/ platform/ toolruns/"
  "plugins|plugins/ platform/"
  "translations|translations/"
  "ui|app/ engine/ plugins/ ui/"
  "updater|updater/ plugins/interfaces/ net/ platform/"
  "addons|addons/ plugins/interfaces/"
  "tools/kestrel2|tools/kestrel2/ app/identity.h net/ platform/ toolruns/"
  "tools/ffmpeg|platform/")

set(violations "")
foreach(rule IN LISTS rules)
  string(REPLACE "|" ";" parts "${rule}")
  list(GET parts 0 scope)
  list(GET parts 1 allowed)
  string(REPLACE " " ";" allowed "${allowed}")
  if(IS_DIRECTORY "${SOURCE_DIR}/${scope}")
    file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${scope}/*.h"
         "${SOURCE_DIR}/${scope}/*.cpp")
  else()
    set(files "${scope}")
  endif()
  foreach(file IN LISTS files)
    # A more specific rule for this file wins.
    set(governed TRUE)
    foreach(other IN LISTS rules)
      string(REPLACE "|" ";" other_parts "${other}")
      list(GET other_parts 0 other_scope)
      string(LENGTH "${scope}" scope_length)
      string(LENGTH "${other_scope}" other_length)
      if(other_length GREATER scope_length AND
         (file STREQUAL other_scope OR file MATCHES "^${other_scope}/"))
        set(governed FALSE)
      endif()
    endforeach()
    if(NOT governed)
      continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^#include \"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
      set(ok FALSE)
      foreach(prefix IN LISTS allowed)
        string(FIND "${header}" "${prefix}" at)
        if(at EQUAL 0)
          set(ok TRUE)
        endif()
      endforeach()
      # Headers made by the build (forms, resources) sit beside the file's own.
      if(NOT header MATCHES "/")
        set(ok TRUE)
      endif()
      if(NOT ok)
        string(APPEND violations "\n  ${file}: ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the direction of the libraries:${violations}")
endif()
message(STATUS "Every include follows the direction of the libraries.")
