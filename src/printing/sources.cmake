list(APPEND CERT_CORE_SOURCES
    printing/DispozitivImprimanta.cpp
    printing/DispozitivPdf.cpp
    printing/LucrareTiparire.cpp
    printing/TiparirePdf.cpp
    printing/LogicaPrintWiz.cpp
    printing/UAllStuffReg.cpp
)
# The system's printers: the only files that need Qt's print support.
list(APPEND CERT_TIPARIRE_SOURCES
    printing/DispozitivImprimantaQt.cpp
    printing/DispozitivProgram.cpp
)
list(APPEND CERT_UI_SOURCES
    printing/ContextTiparire.cpp
    printing/InsertPaper.cpp
    printing/PrintWizUnit.cpp
    printing/TiparireCertificat.cpp
)
foreach(p fata verso fata_intoarsa verso_intors sageata_jos sageata_sus t s1 s2 d
          alimentare1 alimentare2 alimentare3 alimentare4 linii1 linii2 linii3 linii4)
    list(APPEND CERT_RUNTIME_PICTURES printing/imagini/${p}.png)
endforeach()
