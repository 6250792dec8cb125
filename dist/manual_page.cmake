# Makes the manual page of a program from its own --help and --version with help2man, gzipped as
# Debian installs manual pages. Run by dist/CMakeLists.txt at build time:
#
#   cmake -DPROGRAM=... -DNAME=... -DSUMMARY=... -DINCLUDE=... -DOUTPUT_DIR=... [-DCOMMANDS=ON]
#         -DHELP2MAN=... -P manual_page.cmake
#
# With COMMANDS=ON the page gains a section COMMANDS holding "PROGRAM COMMAND --help" of each
# command the overview lists under "Commands:".

# Text for roff: backslashes and minus signs escaped, no line taken for a request.
function(roff_text out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(help_of out)
  execute_process(COMMAND ${PROGRAM} ${ARGN} --help
    OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed (${status})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(includes --include=${INCLUDE})
if(COMMANDS)
  help_of(overview)
  string(REGEX MATCH "\nCommands:\n(.*)" listed "${overview}")
  string(REGEX REPLACE "\n\n.*" "" listed "${CMAKE_MATCH_1}")
  string(REGEX MATCHALL "(^|\n)  [a-z]+ " names "${listed}")
  if(NOT names)
    message(FATAL_ERROR "${PROGRAM} --help lists no commands under \"Commands:\"")
  endif()
  set(section "[COMMANDS]\n")
  foreach(name IN LISTS names)
    string(STRIP "${name}" name)
    help_of(help ${name})
    # "Usage: vesk4 new OUT.egd", a blank line, then the text.
    string(REGEX MATCH "^Usage: ([^\n]*)\n\n?(.*)" _ "${help}")
    if(NOT CMAKE_MATCH_1)
      message(FATAL_ERROR "${PROGRAM} ${name} --help does not start with \"Usage:\"")
    endif()
    roff_text(usage "${CMAKE_MATCH_1}")
    roff_text(text "${CMAKE_MATCH_2}")
    string(APPEND section ".TP\n.B ${usage}\n${text}")
  endforeach()
  file(WRITE ${OUTPUT_DIR}/${NAME}-commands.h2m "${section}")
  list(APPEND includes --include=${OUTPUT_DIR}/${NAME}-commands.h2m)
endif()

execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1 --name=${SUMMARY} ${includes}
          --output=${OUTPUT_DIR}/${NAME}.1 ${PROGRAM}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed on ${PROGRAM} (${status})")
endif()
execute_process(COMMAND gzip -9nf ${OUTPUT_DIR}/${NAME}.1 RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip failed on ${OUTPUT_DIR}/${NAME}.1")
endif()
