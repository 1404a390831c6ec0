# Runs one fuzz target over a fresh copy of its seeds for a fixed time:
#   cmake -DFUZZER=... -DSEEDS=... -DWORK=... -DSECONDS=... -P run_fuzz.cmake
# Fails when the fuzzer reports a finding; the input that caused it is left in
# WORK as crash-*, leak-* or timeout-*.
if(DEFINED ENV{KESTREL_FUZZ_SECONDS})
  set(SECONDS $ENV{KESTREL_FUZZ_SECONDS})
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a fault (exit ${result}); see ${WORK}")
endif()
