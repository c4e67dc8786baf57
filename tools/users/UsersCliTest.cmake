# Drives quillon-users on a fresh SQLite file: add (password from the input,
# not a terminal), list, a duplicate refused, passwd, remove, a bad command.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(db "${WORK}/db.sqlite")
file(WRITE "${WORK}/pw.txt" "se'cret\n")

function(users expected_rc)
    execute_process(COMMAND "${USERS}" --database "${db}" ${ARGN}
        INPUT_FILE "${WORK}/pw.txt"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL expected_rc)
        message(FATAL_ERROR "quillon-users ${ARGN}: rc ${rc}, expected ${expected_rc}\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

users(0 add anna)
users(0 add "o'brien")
users(1 add anna)
users(0 list)
if(NOT out MATCHES "1\tanna\n2\to'brien\n")
    message(FATAL_ERROR "unexpected list:\n${out}")
endif()
users(0 passwd anna)
users(0 remove "o'brien")
users(1 remove "o'brien")
users(0 list)
if(out MATCHES "brien")
    message(FATAL_ERROR "account not removed:\n${out}")
endif()
users(2 frobnicate)
