# Runs every story with its final drawing dumped, then has ezdxf load and audit each one.
# Expects KVSCENARIO, PYTHON, CHECKER, DUMP_DIR and STORY_DIR.
file(REMOVE_RECURSE ${DUMP_DIR})
file(GLOB stories ${STORY_DIR}/*.scn)
execute_process(COMMAND ${KVSCENARIO} --dump-dir ${DUMP_DIR} ${stories} OUTPUT_VARIABLE runner_out
                RESULT_VARIABLE runner_rc)
# A story that fails is reported by its own test; its drawing is still checked here.
if(runner_rc GREATER 1)
  message(FATAL_ERROR "kvscenario could not run (${runner_rc}):\n${runner_out}")
endif()
execute_process(COMMAND ${PYTHON} ${CHECKER} ${DUMP_DIR} RESULT_VARIABLE check_rc)
if(NOT check_rc EQUAL 0)
  message(FATAL_ERROR "a dumped drawing does not load cleanly")
endif()
