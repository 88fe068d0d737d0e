# Runs the headless game for 1000 frames and fails if that takes LIMIT_US or more:
# paced in real time they would take 24 seconds; an optimised build draws them in
# well under one, a sanitized one in a few; the limit only has to catch pacing.
string(TIMESTAMP start "%s%f")
execute_process(COMMAND ${RUNNER} --data ${DATA} --frames 1000 RESULT_VARIABLE rc)
string(TIMESTAMP stop "%s%f")
math(EXPR elapsed_us "${stop} - ${start}")
message("1000 frames in ${elapsed_us} us")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the runner exited with ${rc}")
endif()
if(elapsed_us GREATER_EQUAL LIMIT_US)
  message(FATAL_ERROR "1000 headless frames took ${elapsed_us} us")
endif()
