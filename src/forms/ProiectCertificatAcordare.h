#pragma once

#include "forms/MasuriFormular.h"

// The certificate's printed page as designed: its size, its named fonts and
// its text areas with the field each one prints, in millimetres from the
// top-left corner of the card.
namespace CertificatAcordare {

constexpr double kLatime = 285.66;
constexpr double kInaltime = 208.79;
constexpr int kZoomLock = 200;
// The scan of the blank card, shipped beside the executable.
constexpr const char *kFundal = "CertificatAcordare.jpg";
constexpr const char *kPrefixCamp = "CertificatAcordare.FATA.";

struct TFontProiectat
{
    const char *nume;
    double marimeMm;
    bool ingrosat;
};

struct TZonaProiectata
{
    const char *nume;
    const char *camp;      // field code after kPrefixCamp
    const char *denumire3; // grade kind, or empty
    const char *font;
    ::TAliniere aliniere;
    double stanga, sus, latime, inaltime;
};

inline constexpr TFontProiectat kFonturi[] = {
    {"Stanga", 4.0, false},
    {"Stanga_2", 3.0, false},
    {"Dreapta", 3.0, false},
    {"verso_1", 2.5, false},
    {"DREAPTA_BOLD", 4.7, true},
    {"VERSO_1_BOLD", 4.0, false},
    {"verso_pitic", 2.2, false},
    {"stanga_nume", 5.0, false},
    {"dreapta_nume", 5.7, false},
    {"Stanga_nume_mic", 4.0, false},
    {"Stanga_mic", 4.0, false},
    {"LimbaMaterna", 4.0, false},
};

inline constexpr TZonaProiectata kZone[] = {
    {"FormularTextArea1", "C_NUME", "", "Stanga_nume_mic", ::TAliniere::Centru, 25.67, 64.80, 35.36, 4.40},
    {"FormularTextArea2", "C_GRADUL_DIDACTIC_L2", "", "VERSO_1_BOLD", ::TAliniere::Centru, 12.71, 56.62, 65.93, 3.77},
    {"FormularTextArea3", "C_INSTITUTIA_INVATAMANT_1", "", "Stanga", ::TAliniere::Centru, 14.34, 76.25, 64.30, 4.15},
    {"FormularTextArea4", "C_ADRESA", "", "Stanga_mic", ::TAliniere::Centru, 16.36, 81.66, 62.28, 4.28},
    {"FormularTextArea5", "C_SESIUNEA", "", "Stanga_mic", ::TAliniere::Centru, 11.45, 93.49, 27.93, 3.65},
    {"FormularTextArea6", "C_MEDIA_GENERALA_L1", "NOTA_COTOR", "Stanga_mic", ::TAliniere::Centru, 65.81, 92.61, 14.85, 4.40},
    {"FormularTextArea7", "D_INSTITUTIA_INVATAMANT", "", "VERSO_1_BOLD", ::TAliniere::Centru, 111.23, 46.81, 151.24, 3.52},
    {"FormularTextArea8", "D_GRADUL_DIDACTIC", "", "VERSO_1_BOLD", ::TAliniere::Centru, 187.48, 65.68, 58.00, 4.15},
    {"FormularTextArea9", "D_ABREVIERE", "", "VERSO_1_BOLD", ::TAliniere::Stanga, 121.55, 81.28, 22.52, 2.89},
    {"FormularTextArea10", "D_NUME", "", "Stanga_nume_mic", ::TAliniere::Centru, 147.47, 79.65, 85.81, 4.40},
    {"FormularTextArea11", "C_RECTOR", "", "DREAPTA_BOLD", ::TAliniere::Centru, 8.18, 142.68, 34.73, 4.53},
    {"FormularTextArea12", "C_DECAN_DIRECTOR", "", "DREAPTA_BOLD", ::TAliniere::Centru, 47.18, 145.20, 37.50, 4.53},
    {"FormularTextArea15", "C_INSTITUTIA_INVATAMANT", "", "VERSO_1_BOLD", ::TAliniere::Centru, 11.95, 29.69, 66.94, 3.52},
    {"FormularTextArea16", "D_FUNCTIA_DIDACTICA", "", "Stanga", ::TAliniere::Centru, 131.11, 88.20, 62.28, 3.52},
    {"FormularTextArea17", "D_SPECIALITATEA", "", "LimbaMaterna", ::TAliniere::Centru, 223.97, 87.83, 38.12, 3.77},
    {"FormularTextArea18", "D_INSTITUTIA_INVATAMANT_1", "", "Stanga", ::TAliniere::Centru, 118.40, 95.12, 143.82, 4.15},
    {"FormularTextArea19", "D_ADRESA", "", "Stanga_mic", ::TAliniere::Centru, 119.91, 102.67, 141.93, 4.28},
    {"FormularTextArea20", "D_SESIUNEA", "", "Stanga_mic", ::TAliniere::Centru, 212.89, 110.72, 49.70, 3.65},
    {"FormularTextArea21", "D_MEDIA_GENERALA", "NOTA_DIPLOMA", "Stanga_mic", ::TAliniere::Centru, 148.09, 117.77, 29.07, 4.40},
    {"FormularTextArea22", "D_GRADUL_DIDACTIC_1", "", "Stanga_mic", ::TAliniere::Centru, 205.72, 118.27, 55.99, 3.77},
    {"FormularTextArea23", "D_NUMAR_ORDIN", "", "Stanga_mic", ::TAliniere::Centru, 118.15, 134.13, 23.78, 3.77},
    {"FormularTextArea24", "D_DATA_ORDIN", "", "Stanga_mic", ::TAliniere::Centru, 152.00, 134.13, 26.80, 3.77},
    {"FormularTextArea25", "D_DATA_VIGOARE", "", "Stanga_mic", ::TAliniere::Centru, 222.71, 134.00, 40.14, 3.77},
    {"FormularTextArea26", "C_MEDIA_GENERALA_L2", "NOTA_COTOR", "Stanga_mic", ::TAliniere::Centru, 10.44, 98.39, 17.62, 4.40},
    {"FormularTextArea27", "D_RECTOR", "", "DREAPTA_BOLD", ::TAliniere::Stanga, 120.41, 160.68, 65.43, 4.53},
    {"FormularTextArea28", "D_DECAN_DIRECTOR", "", "DREAPTA_BOLD", ::TAliniere::Centru, 215.91, 160.80, 46.55, 4.53},
    {"FormularTextArea29", "C_SECRETAR_SEF", "", "DREAPTA_BOLD", ::TAliniere::Centru, 34.10, 163.57, 44.54, 4.53},
    {"FormularTextArea30", "D_SECRETAR_SEF", "", "DREAPTA_BOLD", ::TAliniere::Centru, 170.99, 173.76, 37.50, 4.53},
    {"FormularTextArea62", "C_GRADUL_DIDACTIC_L1", "", "VERSO_1_BOLD", ::TAliniere::Centru, 46.93, 50.20, 32.71, 4.15},
    {"FormularTextArea84", "C_ABREVIERE", "", "VERSO_1_BOLD", ::TAliniere::Stanga, 18.62, 66.31, 5.16, 3.02},
    {"FormularTextArea86", "C_SPECIALITATEA", "", "LimbaMaterna", ::TAliniere::Centru, 62.79, 70.96, 16.86, 3.77},
    {"FormularTextArea87", "C_GRADUL_DIDACTIC_1_L1", "", "Stanga_mic", ::TAliniere::Centru, 46.93, 98.90, 32.09, 3.77},
    {"FormularTextArea94", "C_GRADUL_DIDACTIC_1_L2", "", "Stanga_mic", ::TAliniere::Centru, 10.70, 104.06, 66.94, 4.15},
    {"FormularTextArea95", "C_NUMAR_ORDIN", "", "Stanga_mic", ::TAliniere::Centru, 26.42, 115.76, 8.30, 3.77},
    {"FormularTextArea96", "C_DATA_ORDIN", "", "Stanga_mic", ::TAliniere::Centru, 41.77, 115.63, 12.71, 3.77},
    {"FormularTextArea97", "C_DATA_VIGOARE", "", "Stanga_mic", ::TAliniere::Centru, 10.57, 121.17, 69.08, 3.77},
    {"FormularTextArea182", "C_FUNCTIA_DIDACTICA", "", "Stanga", ::TAliniere::Centru, 22.02, 71.34, 18.75, 3.52},
};

} // namespace CertificatAcordare
