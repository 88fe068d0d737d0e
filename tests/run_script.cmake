# Runs play scripts in a run directory of their own: links to every file of the
# shared run directory, but its own players list and save files, so that a
# script finds the title as a first start of the game does and leaves nothing
# behind for the next.  With SCRIPT_DIR, every *.play of that folder runs in
# name order in the one directory, as the game run, quit and started again.
#
#   -DRUNNER=... -DDATA=<run directory> -DRUN_DIR=<private directory>
#   -DSCRIPT=<file> | -DSCRIPT_DIR=<folder>
file(REMOVE_RECURSE ${RUN_DIR})
file(MAKE_DIRECTORY ${RUN_DIR})
file(GLOB shared RELATIVE ${DATA} ${DATA}/*)
foreach(name ${shared})
  if(NOT IS_DIRECTORY ${DATA}/${name} AND NOT name STREQUAL "pnames.txt"
     AND NOT name MATCHES "\\.(cha|tmp)$")
    file(CREATE_LINK ${DATA}/${name} ${RUN_DIR}/${name} SYMBOLIC)
  endif()
endforeach()

if(SCRIPT_DIR)
  file(GLOB scripts ${SCRIPT_DIR}/*.play)
  list(SORT scripts)
else()
  set(scripts ${SCRIPT})
endif()
foreach(script ${scripts})
  execute_process(COMMAND ${RUNNER} --data ${RUN_DIR} --script ${script}
                  WORKING_DIRECTORY ${RUN_DIR} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${script}: the runner exited with ${rc}")
  endif()
endforeach()
