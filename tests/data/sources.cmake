# Tests of the library without widgets: they run without a QApplication.
list(APPEND TESTE_CORE
    data/test_Cp1250.cpp
    data/test_CopiiBaza.cpp
    data/test_GardaTranzactie.cpp
    data/test_JurnalTiparire.cpp
    data/test_Profil.cpp
    data/test_ProfilStocat.cpp
    data/test_ServerFirebird.cpp
    data/test_Sincronizare.cpp
    data/test_StocareValori.cpp
    data/test_TabelEntitate.cpp
    data/test_UDm.cpp
    data/test_ValoareCamp.cpp
    data/test_ValoriInBloc.cpp
    data/test_VersiuneInregistrare.cpp
)
