# Spreadsheet import: reading .xls, .xlsx and delimited text, the sheet held
# in memory, the value sources and the import itself; the wizard, its field
# pages and the column picker.
list(APPEND CERT_CORE_SOURCES
    import/AfisareCelula.cpp
    import/ArataFoaie.cpp
    import/AdaugaCandidati.cpp
    import/CititorText.cpp
    import/CititorXls.cpp
    import/CititorXlsx.cpp
    import/RegistruCalcul.cpp
    import/UColoaneExcel.cpp
    import/UImportExcel.cpp
    import/UMemorieImport.cpp
    import/ULogicaImportExcel.cpp
    import/USursaImport.cpp
)
list(APPEND CERT_UI_SOURCES
    import/UExcelSelectieColoana.cpp
    import/UImportExcelExpert.cpp
    import/UQenExcelImportFrame.cpp
)
