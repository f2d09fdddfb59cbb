# Writes the build's description of itself (usage/build_info.h) to OUT, run at every build:
# the file changes, and the programs are linked again, only when the checkout's description
# does. Variables: OUT, SOURCE_DIR, VERSION, HELP_FROM_BIN.
set(description "")
set(date "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} describe --tags --always --dirty
                  OUTPUT_VARIABLE description OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(failed)
    set(description "")
  else()
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} log -1 --format=%cs
                    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
endif()
if(NOT date)
  string(TIMESTAMP date "%Y-%m-%d" UTC)  # honours SOURCE_DATE_EPOCH
endif()
set(text "// Written by apps/usage/build_info.cmake at build time.
#include \"apps/usage/build_info.h\"

namespace usage {
const BuildInfo kBuild = {\"${VERSION}\", \"${description}\", \"${date}\", \"${HELP_FROM_BIN}\"};
}  // namespace usage
")
if(EXISTS ${OUT})
  file(READ ${OUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUT} "${text}")
endif()
