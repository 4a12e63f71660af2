# Builds the empty database template from its SQL script with isql.
# Called as: cmake -DISQL=... -DSQL=... -DOUT=... -P CreeazaSablon.cmake
file(REMOVE "${OUT}")
file(READ "${SQL}" script)
string(REPLACE "@DATABASE@" "${OUT}" script "${script}")
set(tmp "${OUT}.sql")
file(WRITE "${tmp}" "${script}")
execute_process(COMMAND "${ISQL}" -q -b -i "${tmp}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(REMOVE "${tmp}")
if(NOT rc EQUAL 0 OR NOT EXISTS "${OUT}")
    file(REMOVE "${OUT}")
    message(FATAL_ERROR "isql failed (${rc}) building ${OUT}:\n${out}\n${err}")
endif()
# The template is only ever copied: every user must be able to read it.
file(CHMOD "${OUT}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
