# The test workbooks are written by a Python script: .xls through python3-xlwt
# (installed by scripts/setup.sh, with the system's own Python).
find_program(CERT_PYTHON_FOI NAMES python3 HINTS /usr/bin REQUIRED)
add_compile_definitions(CERT_TEST_PYTHON="${CERT_PYTHON_FOI}"
                        CERT_TEST_FOAIE_PY="${CMAKE_CURRENT_SOURCE_DIR}/import/foaie.py")
list(APPEND TESTE_CORE
    import/FoaieTest.cpp
    import/test_Cititoare.cpp
    import/test_ArataFoaie.cpp
    import/test_Import.cpp
)
list(APPEND TESTE_UI
    import/FoaieTest.cpp
    import/test_ImportExcelExpert.cpp
)
