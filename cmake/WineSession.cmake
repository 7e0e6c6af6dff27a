# The Wine of the Windows tests, run by ctest with WINE and WINESERVER set and
# WINEPREFIX naming a scratch prefix:
#   cmake -DSTEP=start -P WineSession.cmake    makes the prefix on first use and
#                                              starts the wineserver the tests share
#   cmake -DSTEP=run -DPROGRAM=P -DSECONDS=S   runs the Windows program P for at most
#         -P WineSession.cmake                 S seconds, shows its output and ends
#                                              with its status
#   cmake -DSTEP=stop -P WineSession.cmake     ends that wineserver and its services
#
# No Wine process ever gets ctest's output pipe. The server and the services
# that wineboot or a program starts live on after the step that started them;
# holding that pipe, they would keep ctest waiting for its end. So their input
# and output are /dev/null, and a program's output goes to a file that is shown
# once the program itself has ended.
set(quiet INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
if(STEP STREQUAL "start")
  file(MAKE_DIRECTORY $ENV{WINEPREFIX}) # the server works in it, and makes none
  execute_process(COMMAND ${WINESERVER} -p ${quiet} RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "wineserver -p failed: ${status}")
  endif()
  execute_process(COMMAND ${WINE} wineboot ${quiet} RESULT_VARIABLE status TIMEOUT 240)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "wineboot failed: ${status}")
  endif()
elseif(STEP STREQUAL "run")
  get_filename_component(name ${PROGRAM} NAME_WE)
  set(output $ENV{WINEPREFIX}/../${name}.out)
  execute_process(COMMAND ${WINE} ${PROGRAM} INPUT_FILE /dev/null OUTPUT_FILE ${output}
                  ERROR_FILE ${output} RESULT_VARIABLE status TIMEOUT ${SECONDS})
  file(READ ${output} text)
  message("${text}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${name} under Wine: ${status}")
  endif()
elseif(STEP STREQUAL "stop")
  execute_process(COMMAND ${WINESERVER} -k ${quiet} TIMEOUT 60)
else()
  message(FATAL_ERROR "STEP is start, run or stop")
endif()
