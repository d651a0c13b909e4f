# Runs gensuoni into USCITA and compares each file with the committed one in RISORSE.
file(REMOVE_RECURSE ${USCITA})
file(MAKE_DIRECTORY ${USCITA})
execute_process(COMMAND ${GENSUONI} ${USCITA} RESULT_VARIABLE esito OUTPUT_QUIET)
if(NOT esito EQUAL 0)
    message(FATAL_ERROR "gensuoni failed: ${esito}")
endif()
foreach(id RANGE 101 107)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${USCITA}/${id}.wav ${RISORSE}/${id}.wav
        RESULT_VARIABLE diverso)
    if(NOT diverso EQUAL 0)
        message(FATAL_ERROR "${id}.wav: the generator's output differs from resources/sounds/${id}.wav")
    endif()
endforeach()
