// The rows of the knowledge base whose wording the program must carry as it
// stands: headings, format lines and the few entries quoted as they are.
// The catalogue test checks them byte for byte; the phrase test lets them
// share words with other tables.
#ifndef OMBRIX_TESTS_KB_FIXED_ROWS_H
#define OMBRIX_TESTS_KB_FIXED_ROWS_H

struct FixedRow {
  int table;
  const char* key;
  const char* text;  // UTF-8
};

inline constexpr FixedRow kFixedRows[] = {
    {5, "\r\n0", "Sünnikuupäev annab lisaks järgnevaid omadusi:"},
    {5, "\r\n27", "\tTohutu energia ja vastutustunne."},
    {2000, "\r\n0", "Apogeed"},
    {2000, "\r\n1", "\tI apogee kestab sünnimomendist kuni %li. eluaastani."},
    {2000, "\r\n6", "\tI apogee numbriks on %li"},
    {2005, "\r\n101", "\t- elu algul ideaaIne number."},
    {3000, "\r\n0", "Väljakutsed"},
    {4000, "\r\n0", "Sünnipäevakingi nr: %li"},
    {5000, "\r\n0", "Tsüklid"},
    {5000, "\r\n3", "\tIII ehk lõikustsükkel algab %li. aasta 1. mail ja selle numbriks on %li:"},
    {6000, "\r\n0", "Sünninumbrid"},
    {6000, "\r\n24", "\t\t4. Tervis "},
    {7000, "\r\nT", "Andmeid eelmise elu kohta"},
    {7000, "\r\n0", "\tSugu:"},
    {7000, "\r\n1", "\t\tMees"},
    {7000, "\r\n2", "\t\tNaine"},
    {7010, "\r\n0", "\tElukutse eelmises elus:"},
    {7010, "\r\nR2", "\t\tR2 - filosoof, uute maade uurija"},
    {7020, "\r\n0", "\tIseloomu eripära eelmises elus:"},
    {7030, "\r\n0", "\tLigilähedane sünnikoht eelmises elus: %s"},
    {7030, "1", "\t\tAlaska"},
    {7040, "\r\nT1", "\tOletatav sünniaeg eelmises elus:"},
    {7040, "\r\nT2", "\t\t%s. a."},
    {7050, "\r\n0", "\tKäesoleva elu ülesanne:"},
    {31000, "\r\n0", "Viga"},
    {31000, "\r\nKPV1", "Kontrolli kuupäeva, ma ei suuda sealt vajalikku välja lugeda."},
    {31000, "\r\nKPV2",
     "Kuupäev peab olema kirjutatud:   Kuupäev Kuu Aasta   (aasta täies pikkuses)."},
};

#endif
