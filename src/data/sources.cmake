list(APPEND CERT_CORE_SOURCES
    data/Cp1250.cpp
    data/UCai.cpp
    data/UDm.cpp
    data/UDmSincronizare.cpp
    data/UDmValori.cpp
    data/UGardaTranzactie.cpp
    data/UInregistrari.cpp
    data/ULegaturi.cpp
    data/UListaInregistrari.cpp
    data/UProfilCertificatAcordare.cpp
    data/UProfilDiploma.cpp
    data/UProfilStocat.cpp
    data/UStocareValori.cpp
    data/UTabelEntitate.cpp
    data/UTabele.cpp
    data/UTabeleCertificatAcordare.cpp
)
