<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>ACL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>ACL</source>
        <translation>ACL</translation>
    </message>
    <message>
        <source>Moduł Komunikacji Adresowalnej</source>
        <translation>Modul de comunicație adresabilă</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem ACL</source>
        <translation>Lipsă comunicație cu modulul ACL</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Ustawienia aplikacji</source>
        <translation>Setările aplicației</translation>
    </message>
    <message>
        <source>Język:</source>
        <translation>Limbă:</translation>
    </message>
    <message>
        <source>Język interfejsu; zmiana obowiązuje od następnego uruchomienia programu</source>
        <translation>Limba interfeței; o modificare intră în vigoare la următoarea pornire a programului</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Wielkość czcionki w pikselach</source>
        <translation>Mărimea fontului în pixeli</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>CTM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Wejście alarmu zewnętrznego (CSP)</source>
        <translation>Intrare alarmă externă (CSP)</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał alarmu zewnętrznego</source>
        <translation>Semnal alarmă externă activ / inactiv</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA - kontrola ciągłości</source>
        <translation>Releu de alarmă PKA - monitorizarea continuității</translation>
    </message>
    <message>
        <source>Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA</source>
        <translation>Monitorizarea continuității circuitului de ieșire PKA activă / inactivă</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu - czas Top</source>
        <translation>Releu de alarmă - timp Top</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania przekaźnika alarmu</source>
        <translation>Întârzierea activării releului de alarmă</translation>
    </message>
    <message>
        <source>Automatyka pogodowa</source>
        <translation>Automatizare meteo</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru</source>
        <translation>Semnal de la senzorul ploaie/vânt activ / inactiv</translation>
    </message>
    <message>
        <source>Zasilanie LNM nr %1 - PSV nr </source>
        <translation>Alimentare LNM nr. %1 - PSV nr. </translation>
    </message>
    <message>
        <source>Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr</source>
        <translation>Alimentarea modulului LNM-60 nr. %1 din modulul PSV-60 nr.</translation>
    </message>
    <message>
        <source>Sygnalizowanie stanów na BZ7x</source>
        <translation>Semnalizarea stărilor pe BZ7x</translation>
    </message>
    <message>
        <source>TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)
NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1</source>
        <translation>DA- Semnalizare optică a stării tuturor modulelor (starea întregii centrale)
NU- Semnalizare optică a stării doar pentru modulul LNM nr. 1</translation>
    </message>
    <message>
        <source>Blokowanie odłączenia baterii w alarmie</source>
        <translation>Blocarea deconectării acumulatorului în alarmă</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do LNM %1</source>
        <translation>Ventilare – butoane de la LNM1 la LNM %1</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach LNM nr %1</source>
        <translation>Utilizarea butoanelor de ventilare DESCHIDE/ÎNCHIDE 
conectate la modulul LNM nr. 1 pentru comanda ventilării
 în modulele LNM nr. %1</translation>
    </message>
    <message>
        <source>Scenariusz</source>
        <translation>Scenariu</translation>
    </message>
    <message>
        <source>Scenariusz dedykowany dla obiektu</source>
        <translation>Scenariu dedicat obiectivului</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2</source>
        <translation>Ventilare – butoane de la LNM1 la RLH %1 PK%2</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach RLH nr %1 PK nr %2</source>
        <translation>Utilizarea butoanelor de ventilare DESCHIDE/ÎNCHIDE 
conectate la modulul LNM nr. 1 pentru comanda ventilării
 în modulele RLH nr. %1 PK nr. %2</translation>
    </message>
    <message>
        <source>CTM</source>
        <translation>CTM</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
    <message>
        <source>LNM nr 1 – brak łączności </source>
        <translation>LNM nr. 1 – lipsă comunicație </translation>
    </message>
    <message>
        <source>LNM nr 2 – brak łączności </source>
        <translation>LNM nr. 2 – lipsă comunicație </translation>
    </message>
    <message>
        <source>LNM nr 3 – brak łączności </source>
        <translation>LNM nr. 3 – lipsă comunicație </translation>
    </message>
    <message>
        <source>LNM nr 4 – brak łączności </source>
        <translation>LNM nr. 4 – lipsă comunicație </translation>
    </message>
    <message>
        <source>LNM nr 5 – brak łączności </source>
        <translation>LNM nr. 5 – lipsă comunicație </translation>
    </message>
    <message>
        <source>LNM nr 6 – brak łączności </source>
        <translation>LNM nr. 6 – lipsă comunicație </translation>
    </message>
    <message>
        <source>LNM nr 7 – brak łączności </source>
        <translation>LNM nr. 7 – lipsă comunicație </translation>
    </message>
    <message>
        <source>LNM nr 8 – brak łączności </source>
        <translation>LNM nr. 8 – lipsă comunicație </translation>
    </message>
    <message>
        <source>RLH nr 1 – brak łączności </source>
        <translation>RLH nr. 1 – lipsă comunicație </translation>
    </message>
    <message>
        <source>RLH nr 2 – brak łączności </source>
        <translation>RLH nr. 2 – lipsă comunicație </translation>
    </message>
    <message>
        <source>RLH nr 3 – brak łączności </source>
        <translation>RLH nr. 3 – lipsă comunicație </translation>
    </message>
    <message>
        <source>RLH nr 4 – brak łączności </source>
        <translation>RLH nr. 4 – lipsă comunicație </translation>
    </message>
    <message>
        <source>PSV nr 1 – brak łączności </source>
        <translation>PSV nr. 1 – lipsă comunicație </translation>
    </message>
    <message>
        <source>PSV nr 2 – brak łączności </source>
        <translation>PSV nr. 2 – lipsă comunicație </translation>
    </message>
    <message>
        <source>PSV nr 3 – brak łączności </source>
        <translation>PSV nr. 3 – lipsă comunicație </translation>
    </message>
    <message>
        <source>PSV nr 4 – brak łączności </source>
        <translation>PSV nr. 4 – lipsă comunicație </translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – zwarcie</source>
        <translation>Linie alarmă externă – scurtcircuit</translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – przerwa</source>
        <translation>Linie alarmă externă – întrerupere</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA – brak ciągłości</source>
        <translation>Releu de alarmă PKA – lipsă continuitate</translation>
    </message>
    <message>
        <source>Czujnik D/W – brak zasilania (bezpiecznik)</source>
        <translation>Senzor ploaie/vânt – lipsă alimentare (siguranță)</translation>
    </message>
    <message>
        <source>Kalendarz - Brak synchronizacji zegara </source>
        <translation>Calendar - ceas nesincronizat </translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – eroare sumă de control</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Versiune software</translation>
    </message>
</context>
<context>
    <name>ConfigEditor</name>
    <message>
        <source>Frame</source>
        <translation>Cadru</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meniu</translation>
    </message>
    <message>
        <source>Filtruj</source>
        <translation>Filtrează</translation>
    </message>
    <message>
        <source>Pokaż tylko zadeklarowane moduły na liście konfiguracyjnej</source>
        <translation>Afișează în lista de configurare doar modulele declarate</translation>
    </message>
    <message>
        <source>Pokaż niezadeklarowane</source>
        <translation>Afișează nedeclarate</translation>
    </message>
    <message>
        <source>Rozwiń</source>
        <translation>Extinde</translation>
    </message>
    <message>
        <source>ZAPISZ</source>
        <translation>SALVEAZĂ</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Configurație</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została zmieniona. Czy zapisać zmiany?</source>
        <translation>Configurația %1 a fost modificată. Salvați modificările?</translation>
    </message>
</context>
<context>
    <name>ConfigManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Citește</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Citește din dispozitiv</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Trimite</translation>
    </message>
    <message>
        <source>Wyślij do urządzenia</source>
        <translation>Trimite la dispozitiv</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Adaugă</translation>
    </message>
    <message>
        <source>Dodaj nową konfigrację</source>
        <comment>Add new config</comment>
        <translation>Adaugă o configurație nouă</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Redenumește</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Salvează ca PDF</translation>
    </message>
    <message>
        <source>Zapisz do pdf</source>
        <translation>Salvează ca PDF</translation>
    </message>
    <message>
        <source>Wczytaj z pliku</source>
        <translation>Încarcă din fișier</translation>
    </message>
    <message>
        <source>Zapisz do pliku</source>
        <translation>Salvează în fișier</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Configurator Ostrel</translation>
    </message>
    <message>
        <source>Błąd przy odczycie konfiguracji</source>
        <comment>Configuration error</comment>
        <translation>Eroare la citirea configurației</translation>
    </message>
    <message>
        <source>Nazwa Konfiguracji</source>
        <translation>Numele configurației</translation>
    </message>
    <message>
        <source>Wprowadź nazwę:</source>
        <translation>Introduceți un nume:</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1 w bazie danych.</source>
        <translation>Configurația %1 nu a putut fi salvată în baza de date.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Datele au fost trimise corect.</translation>
    </message>
    <message>
        <source>Czy wysłać konfigurację %1 do urządzenia?</source>
        <translation>Trimiteți configurația %1 la dispozitiv?</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Configurație</translation>
    </message>
    <message>
        <source>Konfiguracja została zapisana.</source>
        <translation>Configurația a fost salvată.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1.</source>
        <translation>Configurația %1 nu a putut fi salvată.</translation>
    </message>
    <message>
        <source>Stwórz nową konfigurację</source>
        <translation>Creează o configurație nouă</translation>
    </message>
    <message>
        <source>Wprowadź nową nazwę:</source>
        <translation>Introduceți noul nume:</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż jedną konfigurację.Zaznacz jedną konfigurację, aby zmienić nazwę.</source>
        <translation>Este selectată mai mult de o configurație. Selectați o singură configurație pentru a o redenumi.</translation>
    </message>
    <message>
        <source>Zmiana nazwy.</source>
        <translation>Redenumire.</translation>
    </message>
    <message>
        <source>Zmieniono nazwe konfiguracji %1</source>
        <translation>Configurația %1 a fost redenumită</translation>
    </message>
    <message>
        <source>Czy usunąć konfigurację %1</source>
        <translation>Ștergeți configurația %1?</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Da</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji</source>
        <translation>Ștergerea configurației</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji o nazwie: %1</source>
        <translation>A fost ștearsă configurația cu numele: %1</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż 1 konfigurację na liście.
 Zaznacz jedną konfigurację, aby ją wyeksportować.</source>
        <translation>În listă este selectată mai mult de 1 configurație.
 Selectați o singură configurație pentru a o exporta.</translation>
    </message>
    <message>
        <source>Eksport config</source>
        <translation>Export configurație</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Fișierul %1 nu a putut fi salvat.</translation>
    </message>
    <message>
        <source>Configuration </source>
        <translation>Configurația </translation>
    </message>
    <message>
        <source> saved in file</source>
        <translation> salvată în fișierul</translation>
    </message>
    <message>
        <source>Import conf</source>
        <translation>Import configurație</translation>
    </message>
    <message>
        <source>Plik %1 nie zawiera poprawnej konfiguracji.</source>
        <translation>Fișierul %1 nu conține o configurație validă.</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Export PDF</translation>
    </message>
</context>
<context>
    <name>DetailsManagement</name>
    <message>
        <source>Debug</source>
        <translation>Depanare</translation>
    </message>
    <message>
        <source>Kalibracja</source>
        <translation>Calibrare</translation>
    </message>
    <message>
        <source>Autokalibracja</source>
        <translation>Autocalibrare</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Instrukcja postępowania:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wyłącz zasilanie Ostrel.&lt;/li&gt;&lt;li&gt;Odłącz złącze zasilania 24 V od modułu PSB (wejście zasilane z modułu zasilacza sieciowego).&lt;/li&gt;&lt;li&gt;Podłącz zasilacz laboratoryjny równolegle z woltomierzem do wejścia akumulatora i ustaw dokładnie 27.3 V.&lt;/li&gt;&lt;li&gt;Załącz akumulator.&lt;/li&gt;&lt;li&gt;Naciśnij przycisk „Autokalibracja”.&lt;/li&gt;&lt;li&gt;Po krótkim czasie pojawi się okno z informacją o poprawnie wykonanej kalibracji.&lt;/li&gt;&lt;li&gt;Zresetuj mikrokontroler.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Procedură:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Opriți alimentarea Ostrel.&lt;/li&gt;&lt;li&gt;Deconectați conectorul de alimentare de 24 V de la modulul PSB (intrarea alimentată de modulul sursei de rețea).&lt;/li&gt;&lt;li&gt;Conectați o sursă de laborator, cu un voltmetru în paralel, la intrarea acumulatorului și setați exact 27.3 V.&lt;/li&gt;&lt;li&gt;Conectați acumulatorul.&lt;/li&gt;&lt;li&gt;Apăsați butonul „Autocalibrare”.&lt;/li&gt;&lt;li&gt;După scurt timp apare o fereastră care confirmă calibrarea reușită.&lt;/li&gt;&lt;li&gt;Resetați microcontrolerul.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Tester Ostrel</source>
        <translation>Tester Ostrel</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Testează</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Golește</translation>
    </message>
    <message>
        <source>Podgląd na żywo</source>
        <translation>Vizualizare în timp real</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Valoare</translation>
    </message>
    <message>
        <source>Brak funkcji</source>
        <translation>Nicio funcție</translation>
    </message>
    <message>
        <source>Nazwa testu</source>
        <translation>Nume test</translation>
    </message>
    <message>
        <source>Prawidłowy zakres</source>
        <translation>Domeniu corect</translation>
    </message>
    <message>
        <source>Wartość bin</source>
        <translation>Valoare bin</translation>
    </message>
    <message>
        <source>Wartość str</source>
        <translation>Valoare str</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Rezultat</translation>
    </message>
    <message>
        <source>Kalibracja zakończona. Zresetuj mikrokontroler.</source>
        <translation>Calibrare încheiată. Resetați microcontrolerul.</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Nie można wykonać testu ponieważ włączony jest tryb kalibracji</source>
        <translation>Testul nu poate fi executat deoarece modul de calibrare este activ</translation>
    </message>
    <message>
        <source>Zakończono testowanie.</source>
        <translation>Testare încheiată.</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Da</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się czy masz podłączone zasilanie 27.3 V</source>
        <translation>Sigur doriți să executați autocalibrarea Ostrel? Asigurați-vă că alimentarea de 27.3 V este conectată</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz podłączony akumulator i włączone zasilanie Ostrel.</source>
        <translation>Sigur doriți să executați testul Ostrel? Asigurați-vă că acumulatorul este conectat și alimentarea Ostrel este pornită.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>BŁĄD</source>
        <translation>EROARE</translation>
    </message>
    <message>
        <source>Napięcie 230 V przed diodą</source>
        <translation>Tensiune 230 V înainte de diodă</translation>
    </message>
    <message>
        <source>Napięcie 230 V za diodą</source>
        <translation>Tensiune 230 V după diodă</translation>
    </message>
    <message>
        <source>Napięcie akumulatora</source>
        <translation>Tensiunea acumulatorului</translation>
    </message>
    <message>
        <source>Prąd ładowania</source>
        <translation>Curent de încărcare</translation>
    </message>
    <message>
        <source>Rezystancja akumulatora</source>
        <translation>Rezistența acumulatorului</translation>
    </message>
    <message>
        <source>Temp. wewnątrz obudowy</source>
        <translation>Temp. în interiorul carcasei</translation>
    </message>
    <message>
        <source>Dioda idealna</source>
        <translation>Diodă ideală</translation>
    </message>
    <message>
        <source>Klucz akumulatora</source>
        <translation>Comutator acumulator</translation>
    </message>
    <message>
        <source>Stan zasilacza Ostrel</source>
        <translation>Starea sursei Ostrel</translation>
    </message>
    <message>
        <source>Stan ładowania akumulatora</source>
        <translation>Starea încărcării acumulatorului</translation>
    </message>
    <message>
        <source>Offset temperaturowy</source>
        <translation>Offset de temperatură</translation>
    </message>
    <message>
        <source>PWM sterowania binarnie</source>
        <translation>PWM de comandă, binar</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V przed dioda</source>
        <translation>Offset tensiune 230 V înainte de diodă</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V za dioda</source>
        <translation>Offset tensiune 230 V după diodă</translation>
    </message>
    <message>
        <source>Offset napiecie akumulatora</source>
        <translation>Offset tensiune acumulator</translation>
    </message>
    <message>
        <source>Offset prąd ładowania</source>
        <translation>Offset curent de încărcare</translation>
    </message>
    <message>
        <source>Ilość przejść do CC z CV</source>
        <translation>Număr de treceri din CV în CC</translation>
    </message>
    <message>
        <source>Ilość przeciążeń akumulatora</source>
        <translation>Număr de suprasarcini ale acumulatorului</translation>
    </message>
    <message>
        <source>Ilość pomiarów rezystancji</source>
        <translation>Număr de măsurări ale rezistenței</translation>
    </message>
    <message>
        <source>Ilość załączeń diody</source>
        <translation>Număr de porniri ale diodei</translation>
    </message>
    <message>
        <source>Ilość wyłączeń diody</source>
        <translation>Număr de opriri ale diodei</translation>
    </message>
    <message>
        <source>Ilość wylaczen diody podczas blokowania 2s</source>
        <translation>Număr de opriri ale diodei în timpul blocării de 2 s</translation>
    </message>
    <message>
        <source>Ilość prób zalaczen diody po sprawdeniu napiecia sieciowego</source>
        <translation>Număr de încercări de pornire a diodei după verificarea tensiunii de rețea</translation>
    </message>
    <message>
        <source>Ilość zalaczen diody po sprawdeniu napiecia siecowego</source>
        <translation>Număr de porniri ale diodei după verificarea tensiunii de rețea</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout R</source>
        <translation>Număr de timeout-uri R</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 5h</source>
        <translation>Număr de timeout-uri de încărcare CC 5h</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 48h</source>
        <translation>Număr de timeout-uri de încărcare CC 48h</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CC</source>
        <translation>Număr de erori ale încărcătorului în CC</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CV</source>
        <translation>Număr de erori ale încărcătorului în CV</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS1</source>
        <translation>Starea liniei de semnalizare LS1</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS2</source>
        <translation>Starea liniei de semnalizare LS2</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS3</source>
        <translation>Starea liniei de semnalizare LS3</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS4</source>
        <translation>Starea liniei de semnalizare LS4</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK1</source>
        <translation>Starea liniei de control LK1</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK2</source>
        <translation>Starea liniei de control LK2</translation>
    </message>
    <message>
        <source>BATTERY AND SUPPLY</source>
        <translation>ACUMULATOR ȘI REȚEA</translation>
    </message>
    <message>
        <source>ONLY BATTERY</source>
        <translation>DOAR ACUMULATOR</translation>
    </message>
    <message>
        <source>ONLY SUPPLY</source>
        <translation>DOAR REȚEA</translation>
    </message>
    <message>
        <source>CURRENT MODE</source>
        <translation>MOD CURENT</translation>
    </message>
    <message>
        <source>VOLTAGE MODE</source>
        <translation>MOD TENSIUNE</translation>
    </message>
    <message>
        <source>TEMPERATURE MODE</source>
        <translation>MOD TEMPERATURĂ</translation>
    </message>
    <message>
        <source>WYSTEROWANIE</source>
        <translation>ACTIVAT</translation>
    </message>
    <message>
        <source>ZWARCIE</source>
        <translation>SCURTCIRCUIT</translation>
    </message>
    <message>
        <source>PRZECIĄŻENIE</source>
        <translation>SUPRASARCINĂ</translation>
    </message>
    <message>
        <source>PRZERWA</source>
        <translation>ÎNTRERUPERE</translation>
    </message>
    <message>
        <source>DOZÓR</source>
        <translation>VEGHE</translation>
    </message>
    <message>
        <source>NIEAKTYWNA</source>
        <translation>INACTIVĂ</translation>
    </message>
    <message>
        <source>Test RAM</source>
        <translation>Test RAM</translation>
    </message>
    <message>
        <source>Test FLASH</source>
        <translation>Test FLASH</translation>
    </message>
    <message>
        <source>Test czujnika prądu bez obciążenia</source>
        <translation>Test senzor de curent fără sarcină</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - rezystnacja</source>
        <translation>Test măsurare rezistență - rezistență</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora bez obciążenia</source>
        <translation>Test măsurare rezistență - U acumulator fără sarcină</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora z obciążeniem</source>
        <translation>Test măsurare rezistență - U acumulator cu sarcină</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - I akumulatora z obciążeniem</source>
        <translation>Test măsurare rezistență - I acumulator cu sarcină</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie minimalne</source>
        <translation>Test sursă - tensiune minimă</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie maksymalne</source>
        <translation>Test sursă - tensiune maximă</translation>
    </message>
    <message>
        <source>Sprawny/Uszkodzony</source>
        <translation>Funcțional/Defect</translation>
    </message>
    <message>
        <source>od 0.1 do -0.1 A</source>
        <translation>de la 0.1 la -0.1 A</translation>
    </message>
    <message>
        <source>&lt; 0.300 ohm</source>
        <translation>&lt; 0.300 ohm</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>od 2.9 do 3.9 A</source>
        <translation>de la 2.9 la 3.9 A</translation>
    </message>
    <message>
        <source>&lt; 20 V</source>
        <translation>&lt; 20 V</translation>
    </message>
    <message>
        <source>&gt; 30 V</source>
        <translation>&gt; 30 V</translation>
    </message>
    <message>
        <source>STAN Y</source>
        <translation>STARE Y</translation>
    </message>
    <message>
        <source>STAN X</source>
        <translation>STARE X</translation>
    </message>
    <message>
        <source>STAN DOZOROWANIA</source>
        <translation>STARE DE VEGHE</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>PORNIT</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OPRIT</translation>
    </message>
    <message>
        <source>Brak sondy</source>
        <translation>Lipsă sondă</translation>
    </message>
    <message>
        <source>NIEDOTYCZY</source>
        <translation>NU SE APLICĂ</translation>
    </message>
    <message>
        <source>0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy</source>
        <translation>0 - tensiune max., 4095 - tensiune min. de ieșire a convertorului</translation>
    </message>
    <message>
        <source>Wartość zeruje sie po resecie</source>
        <translation>Valoarea se resetează la repornire</translation>
    </message>
    <message>
        <source>Wartość zeruje się po resecie</source>
        <translation>Valoarea se resetează la repornire</translation>
    </message>
</context>
<context>
    <name>EnumList</name>
    <message>
        <source>Brak – wyjście nieaktywne</source>
        <translation>Niciuna – ieșire inactivă</translation>
    </message>
    <message>
        <source>Alarm - ogólny Halvo</source>
        <translation>Alarmă - generală Halvo</translation>
    </message>
    <message>
        <source>Alarm - wejście zewnętrzne</source>
        <translation>Alarmă - intrare externă</translation>
    </message>
    <message>
        <source>Alarm - system Tarven A/B</source>
        <translation>Alarmă - sistem Tarven A/B</translation>
    </message>
    <message>
        <source>Alarm - suma stref LNM</source>
        <translation>Alarmă - suma zonelor LNM</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref LNM</source>
        <translation>Alarmă - produsul zonelor LNM</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + suma stref LNMn</source>
        <translation>Alarmă – intrare externă + suma zonelor LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + iloczyn stref LNMn</source>
        <translation>Alarmă – intrare externă + produsul zonelor LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + suma stref LNMn</source>
        <translation>Alarmă – Tarven A/B + suma zonelor LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + iloczyn stref LNMn</source>
        <translation>Alarmă – Tarven A/B + produsul zonelor LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + własny</source>
        <translation>Alarmă – intrare externă + proprie</translation>
    </message>
    <message>
        <source>Alarm – system Tarven A/B + własny</source>
        <translation>Alarmă – sistem Tarven A/B + proprie</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref + wlasny</source>
        <translation>Alarmă - produsul zonelor + proprie</translation>
    </message>
    <message>
        <source>Zarezerwowane</source>
        <translation>Rezervat</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>NIE</source>
        <translation>NU</translation>
    </message>
    <message>
        <source>Alarm - ogólny</source>
        <translation>Alarmă - generală</translation>
    </message>
    <message>
        <source>Alarm - LDK</source>
        <translation>Alarmă - LDK</translation>
    </message>
    <message>
        <source>Alarm - BZ7x</source>
        <translation>Alarmă - BZ7x</translation>
    </message>
    <message>
        <source>Osiągnięta pozycja pożarowa (FIRE SAFE)</source>
        <translation>Poziție de incendiu atinsă (FIRE SAFE)</translation>
    </message>
    <message>
        <source>Nieaktywna</source>
        <translation>Inactivă</translation>
    </message>
    <message>
        <source>Kontrola zadziałania PK</source>
        <translation>Controlul acționării PK</translation>
    </message>
    <message>
        <source>Wejście potwierdzenia zewnętrznego</source>
        <translation>Intrare confirmare externă</translation>
    </message>
    <message>
        <source>Wejście kasowania zewnętrznego</source>
        <translation>Intrare resetare externă</translation>
    </message>
    <message>
        <source>Blokowanie wyjść</source>
        <translation>Blocarea ieșirilor</translation>
    </message>
    <message>
        <source>Blokowanie warunkowe wyjscia LNM</source>
        <translation>Blocarea condiționată a ieșirii LNM</translation>
    </message>
    <message>
        <source>Zamrożenie stanu</source>
        <translation>Înghețarea stării</translation>
    </message>
    <message>
        <source>Wyjście nieaktywne</source>
        <translation>Ieșire inactivă</translation>
    </message>
    <message>
        <source>Załączenie na stałe</source>
        <translation>Activare permanentă</translation>
    </message>
    <message>
        <source>Załączenie czasowe</source>
        <translation>Activare temporizată</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-cykliczne</source>
        <translation>Activare în impulsuri, ciclică</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-ilościowe</source>
        <translation>Activare în impulsuri, numărate</translation>
    </message>
    <message>
        <source>0-nieaktywny</source>
        <translation>0-inactiv</translation>
    </message>
    <message>
        <source>1-załączenie na stałe</source>
        <translation>1-activare permanentă</translation>
    </message>
    <message>
        <source>2-załączenie czasowe</source>
        <translation>2-activare temporizată</translation>
    </message>
    <message>
        <source>3-załączenie impulsowo-cykliczne</source>
        <translation>3-activare în impulsuri, ciclică</translation>
    </message>
    <message>
        <source>4-załączenie impulsowo-ilościowe</source>
        <translation>4-activare în impulsuri, numărate</translation>
    </message>
    <message>
        <source>5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu</source>
        <translation>5-clapete Gryfit timp T2 – activare în starea de veghe</translation>
    </message>
    <message>
        <source>0-nieaktywne</source>
        <translation>0-inactiv</translation>
    </message>
    <message>
        <source>1-siłownik dwukierunkowy</source>
        <translation>1-actuator bidirecțional</translation>
    </message>
    <message>
        <source>2-siłownik ze sprężyną powrotną</source>
        <translation>2-actuator cu arc de revenire</translation>
    </message>
    <message>
        <source>3-przerwa napięciowa lub impuls prądowy</source>
        <translation>3-întrerupere de tensiune sau impuls de curent</translation>
    </message>
    <message>
        <source>Aktywne przewietrzanie</source>
        <translation>Ventilare activă</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Linie de control LK1 (la starea X în modul cu două stări sau la starea Y ori X în modul cu trei stări)</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Linie de control LK2 (la starea X în modul cu două stări sau la starea Y ori X în modul cu trei stări)</translation>
    </message>
    <message>
        <source>System Tarven B</source>
        <translation>Sistem Tarven B</translation>
    </message>
    <message>
        <source>Wejście nieaktywne</source>
        <translation>Intrare inactivă</translation>
    </message>
    <message>
        <source>Tryb 2-stanowy</source>
        <translation>Mod cu 2 stări</translation>
    </message>
    <message>
        <source>Tryb 3-stanowy</source>
        <translation>Mod cu 3 stări</translation>
    </message>
    <message>
        <source>Brak – wejście nieaktywne</source>
        <translation>Niciuna – intrare inactivă</translation>
    </message>
    <message>
        <source>Port nieaktywny</source>
        <translation>Port inactiv</translation>
    </message>
    <message>
        <source>Protokół Modbus</source>
        <translation>Protocol Modbus</translation>
    </message>
    <message>
        <source>Komunikacja z Ostrel nr. 2</source>
        <translation>Comunicație cu Ostrel nr. 2</translation>
    </message>
    <message>
        <source>Brak konfiguracji</source>
        <translation>Neconfigurat</translation>
    </message>
    <message>
        <source>1200</source>
        <translation>1200</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>4800</source>
        <translation>4800</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <source>Wybierz pojemność akumulatora</source>
        <translation>Alegeți capacitatea acumulatorului</translation>
    </message>
    <message>
        <source>7 Ah</source>
        <translation>7 Ah</translation>
    </message>
    <message>
        <source>18 Ah</source>
        <translation>18 Ah</translation>
    </message>
    <message>
        <source>28 Ah</source>
        <translation>28 Ah</translation>
    </message>
    <message>
        <source>40 Ah</source>
        <translation>40 Ah</translation>
    </message>
    <message>
        <source>80 Ah</source>
        <translation>80 Ah</translation>
    </message>
    <message>
        <source>134 Ah</source>
        <translation>134 Ah</translation>
    </message>
    <message>
        <source>0 - Strefa 1</source>
        <translation>0 - Zona 1</translation>
    </message>
    <message>
        <source>1 - Strefa 2</source>
        <translation>1 - Zona 2</translation>
    </message>
    <message>
        <source>2 - Strefa 1 + 2</source>
        <translation>2 - Zona 1 + 2</translation>
    </message>
    <message>
        <source>3 - Nie związane z strefą</source>
        <translation>3 - Neasociat unei zone</translation>
    </message>
    <message>
        <source>0 - Nieaktywne</source>
        <translation>0 - Inactiv</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna aktywna</source>
        <translation>1 - Linie de control activă</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna</source>
        <translation>1 - Linie de control</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa</source>
        <translation>2 - Linie cu potențial</translation>
    </message>
    <message>
        <source>1 - Linia Kontrolna</source>
        <translation>1 - Linie de control</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa</source>
        <translation>2 - Linie de detecție</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa</source>
        <translation>3 - Linie cu potențial</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilające 24 V</source>
        <translation>4 - Ieșire de alimentare 24 V</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa</source>
        <translation>1 - Linie fără potențial</translation>
    </message>
    <message>
        <source>0 - Urządzenie zewnętrzne</source>
        <translation>0 - Dispozitiv extern</translation>
    </message>
    <message>
        <source>1 - Blokada Gaszenia</source>
        <translation>1 - Blocare stingere</translation>
    </message>
    <message>
        <source>2 - Sterowanie ręczne</source>
        <translation>2 - Comandă manuală</translation>
    </message>
    <message>
        <source>3 - Dodatek</source>
        <translation type="unfinished">3 - Suplimentar</translation>
    </message>
    <message>
        <source>4 - Stop gaszenia</source>
        <translation>4 - Stop stingere</translation>
    </message>
    <message>
        <source>5 - Start gaszenia</source>
        <translation>5 - Start stingere</translation>
    </message>
    <message>
        <source>6 - LK. wypływu</source>
        <translation>6 - LK curgere</translation>
    </message>
    <message>
        <source>7 - Alarm zewnętrzny</source>
        <translation>7 - Alarmă externă</translation>
    </message>
    <message>
        <source>8 - Ciśnienie/masa</source>
        <translation>8 - Presiune/masă</translation>
    </message>
    <message>
        <source>9 - Blok.Nieel.</source>
        <translation>9 - Blocare neel.</translation>
    </message>
    <message>
        <source>10 - Kasowanie alarmu</source>
        <translation>10 - Resetare alarmă</translation>
    </message>
    <message>
        <source>0 - Alarm 1 strefa</source>
        <translation>0 - Alarmă zona 1</translation>
    </message>
    <message>
        <source>1 - Alarm 2 strefa</source>
        <translation>1 - Alarmă zona 2</translation>
    </message>
    <message>
        <source>2 - Start gaszenia</source>
        <translation>2 - Start stingere</translation>
    </message>
    <message>
        <source>3 - EZ</source>
        <translation>3 - EZ</translation>
    </message>
    <message>
        <source>4 - Wyładowanie</source>
        <translation>4 - Descărcare</translation>
    </message>
    <message>
        <source>5 - Wypływy</source>
        <translation>5 - Curgeri</translation>
    </message>
    <message>
        <source>0 - Tryb 1 stanowy</source>
        <translation>0 - Mod cu 1 stare</translation>
    </message>
    <message>
        <source>1 - Tryb 2 stanowy</source>
        <translation>1 - Mod cu 2 stări</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa aktywna</source>
        <translation>2 - Linie cu potențial activă</translation>
    </message>
    <message>
        <source>0 - Alarm 1 stopnia</source>
        <translation>0 - Alarmă de nivel 1</translation>
    </message>
    <message>
        <source>1 - Alarm 2 stopnia</source>
        <translation>1 - Alarmă de nivel 2</translation>
    </message>
    <message>
        <source>5 - Wypływ</source>
        <translation>5 - Curgere</translation>
    </message>
    <message>
        <source>6 - Wyładowanie dodatku</source>
        <translation type="unfinished">6 - Descărcare suplimentară</translation>
    </message>
    <message>
        <source>7 - Sterowanie ręczne</source>
        <translation>7 - Comandă manuală</translation>
    </message>
    <message>
        <source>8 - Stop gaszenia</source>
        <translation>8 - Stop stingere</translation>
    </message>
    <message>
        <source>9 - Blokada gaszenia</source>
        <translation>9 - Blocare stingere</translation>
    </message>
    <message>
        <source>10 - Blokada Nieelek</source>
        <translation>10 - Blocare neelectrică</translation>
    </message>
    <message>
        <source>11 - Uszkodzenie</source>
        <translation>11 - Defect</translation>
    </message>
    <message>
        <source>12 - Kasowanie</source>
        <translation>12 - Resetare</translation>
    </message>
    <message>
        <source>13 - Ciśń/masa</source>
        <translation>13 - Pres./masă</translation>
    </message>
    <message>
        <source>0 - Grupa ogólna</source>
        <translation>0 - Grup general</translation>
    </message>
    <message>
        <source>1 - Sygnalizatory zewnętrzne</source>
        <translation>1 - Dispozitive de alarmare externe</translation>
    </message>
    <message>
        <source>2 - Sygnalizatory ostrzegawcze</source>
        <translation>2 - Dispozitive de avertizare</translation>
    </message>
    <message>
        <source>3 - Urządzenia transmisji</source>
        <translation>3 - Echipamente de transmisie</translation>
    </message>
    <message>
        <source>4 - Urządzenia zabezpieczające</source>
        <translation>4 - Echipamente de protecție</translation>
    </message>
    <message>
        <source>0 - Brak kryterium</source>
        <translation>0 - Fără criteriu</translation>
    </message>
    <message>
        <source>1 - L11 LD-alarm</source>
        <translation>1 - L11 LD-alarmă</translation>
    </message>
    <message>
        <source>2 - L11 LD-alarm</source>
        <translation>2 - L11 LD-alarmă</translation>
    </message>
    <message>
        <source>3 - L11 LD-alarm</source>
        <translation>3 - L11 LD-alarmă</translation>
    </message>
    <message>
        <source>4 - L11 LD-alarm</source>
        <translation>4 - L11 LD-alarmă</translation>
    </message>
    <message>
        <source>5 - L11 LD-alarm</source>
        <translation>5 - L11 LD-alarmă</translation>
    </message>
    <message>
        <source>6 - L11 LD-alarm</source>
        <translation>6 - L11 LD-alarmă</translation>
    </message>
    <message>
        <source>7 - LK-EZ Wspólny</source>
        <translation>7 - LK-EZ comun</translation>
    </message>
    <message>
        <source>0 - Brak</source>
        <translation>0 - Niciunul</translation>
    </message>
    <message>
        <source>1 - ciągły</source>
        <translation>1 - continuu</translation>
    </message>
    <message>
        <source>2 - 1 impuls</source>
        <translation>2 - 1 impuls</translation>
    </message>
    <message>
        <source>3 - cykliczny</source>
        <translation>3 - ciclic</translation>
    </message>
    <message>
        <source>4 - cykliczny skończony</source>
        <translation>4 - ciclic limitat</translation>
    </message>
    <message>
        <source>0 - Wyłączone</source>
        <translation>0 - Oprit</translation>
    </message>
    <message>
        <source>1 - Włączone</source>
        <translation>1 - Pornit</translation>
    </message>
    <message>
        <source>0 - 0 linii</source>
        <translation>0 - 0 linii</translation>
    </message>
    <message>
        <source>1 - 1 linia</source>
        <translation>1 - 1 linie</translation>
    </message>
    <message>
        <source>2 - 2 linie</source>
        <translation>2 - 2 linii</translation>
    </message>
    <message>
        <source>3 - 3 linie</source>
        <translation>3 - 3 linii</translation>
    </message>
    <message>
        <source>0 - Nie</source>
        <translation>0 - Nu</translation>
    </message>
    <message>
        <source>1 - Tak</source>
        <translation>1 - Da</translation>
    </message>
    <message>
        <source>0 - Tak</source>
        <translation>0 - Da</translation>
    </message>
    <message>
        <source>1 - Nie</source>
        <translation>1 - Nu</translation>
    </message>
    <message>
        <source>0 - Z wyjścia EZ</source>
        <translation>0 - De la ieșirea EZ</translation>
    </message>
    <message>
        <source>1 - Z wejścia LK-wypływ</source>
        <translation>1 - De la intrarea LK-curgere</translation>
    </message>
    <message>
        <source>1 - Nieblokowane</source>
        <translation>1 - Neblocat</translation>
    </message>
    <message>
        <source>2 - Blokowane</source>
        <translation>2 - Blocat</translation>
    </message>
    <message>
        <source>0 - Strefa 2</source>
        <translation>0 - Zona 2</translation>
    </message>
    <message>
        <source>0 - Brak modułu</source>
        <translation>0 - Fără modul</translation>
    </message>
    <message>
        <source>1 - SCA</source>
        <translation>1 - SCA</translation>
    </message>
    <message>
        <source>2 - SCB</source>
        <translation>2 - SCB</translation>
    </message>
    <message>
        <source>3 - SCC</source>
        <translation>3 - SCC</translation>
    </message>
    <message>
        <source>4 - SCD</source>
        <translation>4 - SCD</translation>
    </message>
    <message>
        <source>5 - SCG</source>
        <translation>5 - SCG</translation>
    </message>
    <message>
        <source>6 - SCE</source>
        <translation>6 - SCE</translation>
    </message>
    <message>
        <source>7 - SCF</source>
        <translation>7 - SCF</translation>
    </message>
    <message>
        <source>1 - Linia potencjałowa aktywna</source>
        <translation>1 - Linie cu potențial activă</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa aktywna</source>
        <translation>1 - Linie fără potențial activă</translation>
    </message>
    <message>
        <source>3 - Wyjście zasilajace 24 V aktywne</source>
        <translation>3 - Ieșire de alimentare 24 V activă</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa aktywna</source>
        <translation>2 - Linie de detecție activă</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa aktywna</source>
        <translation>3 - Linie cu potențial activă</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilajace 24 V aktywne</source>
        <translation>4 - Ieșire de alimentare 24 V activă</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel</source>
        <translation>Defect Ostrel</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel + wysterowanie z Tarven B</source>
        <translation>Defect Ostrel + activare de la Tarven B</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Eveniment</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
</context>
<context>
    <name>EventsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Citește</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Citește din dispozitiv</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Salvează ca PDF</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń</source>
        <translation>Ștergerea jurnalului de evenimente</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń o nazwie: %1</source>
        <translation>A fost șters jurnalul de evenimente cu numele: %1</translation>
    </message>
</context>
<context>
    <name>ExtinguishingBlocks</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adresa modulului</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - numărul zonei</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Linie fără potențial declarată</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Linie fără potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Linie fără potențial - Logică</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Linie fără potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Linie fără potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Linie fără potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Linie fără potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Linie fără potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Linie fără potențial - Număr de impulsuri N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Linie fără potențial - Monitorizarea continuității</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - numărul zonei</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Linie cu potențial declarată</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Linie cu potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Linie cu potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Linie cu potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Linie cu potențial - Logică</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Linie cu potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Linie cu potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Linie cu potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Linie cu potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Linie cu potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Linie cu potențial - Număr de impulsuri N-imp</translation>
    </message>
</context>
<context>
    <name>FaultsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Citește</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Citește din dispozitiv</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Salvează ca PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Tipărește</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Usunięcie uszkodzeń</source>
        <translation>Ștergerea defectelor</translation>
    </message>
    <message>
        <source>Usunięcie listy uszkodzeń o nazwie: %1</source>
        <translation>A fost ștearsă lista de defecte cu numele: %1</translation>
    </message>
</context>
<context>
    <name>Konfiguracja</name>
    <message>
        <source>Konfiguracja Ostrel: %1</source>
        <translation>Configurație Ostrel: %1</translation>
    </message>
</context>
<context>
    <name>LNM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Prąd grupy [A]</source>
        <translation>Curentul grupului [A]</translation>
    </message>
    <message>
        <source>Prąd modułu:</source>
        <translation>Curentul modulului:</translation>
    </message>
    <message>
        <source>Linia dozorowa konwencjonalna</source>
        <translation>Linie de detecție convențională</translation>
    </message>
    <message>
        <source>Linia dozorowa aktywna/ nieaktywna</source>
        <translation>Linie de detecție activă/ inactivă</translation>
    </message>
    <message>
        <source>Kasowanie wstępne czujek (60s)</source>
        <translation>Resetare preliminară a detectoarelor (60s)</translation>
    </message>
    <message>
        <source>Kasowanie aktywne / nieaktywne</source>
        <translation>Resetare activă / inactivă</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia WYZWOLENIE</source>
        <translation>Buton de desfumare BZ7x - linia DECLANȘARE</translation>
    </message>
    <message>
        <source>Przycisk - Linia WYZW aktywna / nieaktywna</source>
        <translation>Buton - Linia DECL activă / inactivă</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia KASOWANIE</source>
        <translation>Buton de desfumare BZ7x - linia RESETARE</translation>
    </message>
    <message>
        <source>Przycisk - Linia KASOW aktywna / nieaktywna</source>
        <translation>Buton - Linia RESET activă / inactivă</translation>
    </message>
    <message>
        <source>Wyjście grupy -  tryb pracy</source>
        <translation>Ieșire grup - mod de funcționare</translation>
    </message>
    <message>
        <source>Tryb pracy wyjścia 0-nieaktywne</source>
        <translation>Modul de funcționare al ieșirii 0-inactiv</translation>
    </message>
    <message>
        <source>Wyjscie grupy - kryterium wysterowania</source>
        <translation>Ieșire grup - criteriu de activare</translation>
    </message>
    <message>
        <source>Kryterium – warianty wysterowania</source>
        <translation>Criteriu – variante de activare</translation>
    </message>
    <message>
        <source>Wyjście grupy - sterowanie 3 przewodowe</source>
        <translation>Ieșire grup - comandă pe 3 fire</translation>
    </message>
    <message>
        <source>Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. </source>
        <translation>Comandă în modul de funcționare 1; 0: 2 fire 1: 3 fire </translation>
    </message>
    <message>
        <source>Wyjście grupy -  kontrola ciągłości zasilania</source>
        <translation>Ieșire grup - monitorizarea continuității alimentării</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy zasilania </source>
        <translation>Monitorizarea scurtcircuitului și întreruperii alimentării </translation>
    </message>
    <message>
        <source>Wyjście grupy - T1 - czas  opóźnienia zadziałania</source>
        <translation>Ieșire grup - T1 - întârziere la acționare</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Întârzierea activării ieșirii în modurile 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T2 - czas wysterowania</source>
        <translation>Ieșire grup - T2 - durata activării</translation>
    </message>
    <message>
        <source>Czas wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Durata activării ieșirii în modurile 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T3 - czas przerwy wysterowania</source>
        <translation>Ieșire grup - T3 - durata pauzei de activare</translation>
    </message>
    <message>
        <source>Czas przerwy w trybie 3</source>
        <translation>Durata pauzei în modul 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - liczba impulsów</source>
        <translation>Ieșire grup - număr de impulsuri</translation>
    </message>
    <message>
        <source>Liczba impulsów na wyjściu w trybie 3</source>
        <translation>Număr de impulsuri la ieșire în modul 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola krańcówek</source>
        <translation>Ieșire grup - monitorizarea limitatoarelor de cursă</translation>
    </message>
    <message>
        <source>Kontrola pozycji urządzenia sterowanego</source>
        <translation>Monitorizarea poziției dispozitivului comandat</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola ciągłości krańcówek</source>
        <translation>Ieșire grup - monitorizarea continuității limitatoarelor</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy obwodów krańcówek</source>
        <translation>Monitorizarea circuitelor limitatoarelor la scurtcircuit și întrerupere</translation>
    </message>
    <message>
        <source>Wyjście grupy - odłączanie napięcia</source>
        <translation>Ieșire grup - deconectarea tensiunii</translation>
    </message>
    <message>
        <source>Odłączanie napięcia w trybie pracy 1</source>
        <translation>Deconectarea tensiunii în modul de funcționare 1</translation>
    </message>
    <message>
        <source>Wyjście grupy - forsowanie (deadlock)</source>
        <translation>Ieșire grup - forțare (deadlock)</translation>
    </message>
    <message>
        <source>Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa</source>
        <translation>Funcția de forțare a ieșirii – funcție antigivraj</translation>
    </message>
    <message>
        <source>Przewietrzanie - przyciski - tryb pracy</source>
        <translation>Ventilare - butoane - mod de funcționare</translation>
    </message>
    <message>
        <source>Sposób działania przycisków przewietrzania</source>
        <translation>Modul de acționare a butoanelor de ventilare</translation>
    </message>
    <message>
        <source>Przewietrzanie - blokowanie pogodowe</source>
        <translation>Ventilare - blocare meteo</translation>
    </message>
    <message>
        <source>Blokowanie przewietrzania w przypadku deszczu / wiatru</source>
        <translation>Blocarea ventilării în caz de ploaie / vânt</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp1</source>
        <translation>Ventilare - timp Tp1</translation>
    </message>
    <message>
        <source>Czas otwierania</source>
        <translation>Timp de deschidere</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp2</source>
        <translation>Ventilare - timp Tp2</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie</source>
        <translation>Timpul după care urmează închiderea automată</translation>
    </message>
    <message>
        <source>Strefa LNM nr %1</source>
        <translation>Zona LNM nr. %1</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO</source>
        <translation>0 – NU 1 – Al. generală 2 – alarmă LDK 3 – alarmă RPO</translation>
    </message>
    <message>
        <source>Wyjście grupy -  czas TKA</source>
        <translation>Ieșire grup - timp TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Întârziere la oprire după resetare</translation>
    </message>
    <message>
        <source>LNM</source>
        <translation>LNM</translation>
    </message>
    <message>
        <source>Moduł Główny Liniowy</source>
        <translation>Modul principal de linii</translation>
    </message>
    <message>
        <source>Linia dozorowa – zwarcie </source>
        <translation>Linie de detecție – scurtcircuit </translation>
    </message>
    <message>
        <source>Linia dozorowa – przerwa </source>
        <translation>Linie de detecție – întrerupere </translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – zwarcie</source>
        <translation>BZ7x linia butonului DECLANȘARE – scurtcircuit</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – przerwa</source>
        <translation>BZ7x linia butonului DECLANȘARE – întrerupere</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – zwarcie</source>
        <translation>BZ7x linia butonului RESETARE – scurtcircuit</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – przerwa</source>
        <translation>BZ7x linia butonului RESETARE – întrerupere</translation>
    </message>
    <message>
        <source>BZ7x przycisk KASOWANIE – brak lub uszkodzenie</source>
        <translation>BZ7x butonul RESETARE – lipsă sau defect</translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1  – zwarcie </source>
        <translation>Limitator de cursă KR1  – scurtcircuit </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1 – przerwa </source>
        <translation>Limitator de cursă KR1 – întrerupere </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2  – zwarcie </source>
        <translation>Limitator de cursă KR2  – scurtcircuit </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2 – przerwa </source>
        <translation>Limitator de cursă KR2 – întrerupere </translation>
    </message>
    <message>
        <source>Wyjście główne – brak ciągłości zasilania</source>
        <translation>Ieșire principală – lipsă continuitate alimentare</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja</source>
        <translation>Ieșire principală – poziție incorectă</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR1</source>
        <translation>Ieșire principală – poziție incorectă KR1</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR2</source>
        <translation>Ieșire principală – poziție incorectă KR2</translation>
    </message>
    <message>
        <source>Wyjście główne – bezpiecznik</source>
        <translation>Ieșire principală – siguranță</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania OTWÓRZ – zwarcie</source>
        <translation>Buton de ventilare DESCHIDE – scurtcircuit</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania ZAMKNIJ – zwarcie</source>
        <translation>Buton de ventilare ÎNCHIDE – scurtcircuit</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – eroare sumă de control</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Versiune software</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Konfiguracja</source>
        <translation>Configurație</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Evenimente</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depanare</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Defecte</translation>
    </message>
    <message>
        <source>Wersje oprogramowania</source>
        <translation>Versiuni software</translation>
    </message>
    <message>
        <source>Data i czas</source>
        <translation>Data și ora</translation>
    </message>
    <message>
        <source>Serwis</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Configurator Ostrel</translation>
    </message>
    <message>
        <source>&amp;Połącz</source>
        <comment>Connect</comment>
        <translation>&amp;Conectare</translation>
    </message>
    <message>
        <source>Connect over USB</source>
        <translation>Conectare prin USB</translation>
    </message>
    <message>
        <source>&amp;Rozłącz</source>
        <comment>Disconnect</comment>
        <translation>&amp;Deconectare</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Deconectare</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <comment>About</comment>
        <translation>&amp;Despre</translation>
    </message>
    <message>
        <source>Wyświetla informacje o programie</source>
        <comment>About programm</comment>
        <translation>Afișează informații despre program</translation>
    </message>
    <message>
        <source>&amp;Widok</source>
        <comment>View</comment>
        <translation>&amp;Vizualizare</translation>
    </message>
    <message>
        <source>Parametry wyświetlania</source>
        <comment>Window view settings</comment>
        <translation>Parametri de afișare</translation>
    </message>
    <message>
        <source>&amp;Połączenie</source>
        <translation>C&amp;onexiune</translation>
    </message>
    <message>
        <source>&amp;Ustawienia</source>
        <translation>&amp;Setări</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>A&amp;jutor</translation>
    </message>
    <message>
        <source>Połączenie</source>
        <comment>Connection</comment>
        <translation>Conexiune</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>Czas komputera</source>
        <translation>Ora calculatorului</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>Port komunikacyjny</comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Wybierz port:</source>
        <translation>Alegeți portul:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>Port nie został otwarty: %1</source>
        <translation>Portul nu a putut fi deschis: %1</translation>
    </message>
    <message>
        <source>O programie konfigurator Ostrel</source>
        <translation>Despre Configurator Ostrel</translation>
    </message>
    <message>
        <source>Wersja programu %1 
SHA %2 
DATA %3 %4</source>
        <translation>Versiunea programului %1 
SHA %2 
DATA %3 %4</translation>
    </message>
</context>
<context>
    <name>Modul</name>
    <message>
        <source>Moduł: </source>
        <translation>Modul: </translation>
    </message>
    <message>
        <source> ,nr </source>
        <translation> ,nr. </translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Valoare</translation>
    </message>
    <message>
        <source>USUNIĘTE</source>
        <translation>ȘTERS</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 4 (LS4) </translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Defect siguranța numărul 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Defect siguranța numărul 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Defect siguranța numărul 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza nr. 2</source>
        <translation>Defect general al sursei nr. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2</source>
        <translation>Lipsă comunicație cu sursa Ostrel nr. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Lipsă comunicație prin protocolul Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Scurtcircuit la intrarea liniei de control numărul 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Scurtcircuit la intrarea liniei de control numărul 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Întrerupere la intrarea liniei de control numărul 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Întrerupere la intrarea liniei de control numărul 2 (LK2)</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Pornire sistem / resetare</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Golirea jurnalului de evenimente</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Scrierea unei configurații noi</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Scrierea unei date și ore noi</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Activarea releului de defect PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika bezpotencjałowego PK</source>
        <translation>Activarea releului fără potențial PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Activarea liniei de semnalizare LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Activarea liniei de semnalizare LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Activarea liniei de semnalizare LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Activarea liniei de semnalizare LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Citirea jurnalului de evenimente</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Citirea defectelor</translation>
    </message>
</context>
<context>
    <name>PSB</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Pojemność Akumulatorów</source>
        <translation>Capacitatea acumulatorilor</translation>
    </message>
    <message>
        <source>Przekaźnik PU - tryb pracy</source>
        <translation>Releu PU - mod de funcționare</translation>
    </message>
    <message>
        <source>Przekaźnik PK - tryb pracy</source>
        <translation>Releu PK - mod de funcționare</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kryterium wysterowania</source>
        <translation>Releu PK - criteriu de activare</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T1 - czas opóźnienia wysterowania</source>
        <translation>Releu PK - T1 - întârzierea activării</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T2 - czas wysterowania</source>
        <translation>Releu PK - T2 - durata activării</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T3 - czas przerwy wysterowania</source>
        <translation>Releu PK - T3 - durata pauzei de activare</translation>
    </message>
    <message>
        <source>Przekaźnik PK - liczba impulsów</source>
        <translation>Releu PK - număr de impulsuri</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kontrola ciągłości</source>
        <translation>Releu PK - monitorizarea continuității</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 - tryb pracy</source>
        <translation>Linie de control LK1 - mod de funcționare</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 - tryb pracy</source>
        <translation>Linie de control LK2 - mod de funcționare</translation>
    </message>
    <message>
        <source>Złącze RS232 - tryb pracy</source>
        <translation>Port RS232 - mod de funcționare</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - prędkość transmisji</source>
        <translation>Port RS232 - Protocol Modbus - viteză de transmisie</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - adres</source>
        <translation>Port RS232 - Protocol Modbus - adresă</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - Time Out</source>
        <translation>Port RS232 - Protocol Modbus - Time Out</translation>
    </message>
    <message>
        <source>Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</source>
        <translation>Port RS232 - Comunicație cu Ostrel nr. 2 - Master/Slave</translation>
    </message>
    <message>
        <source>PSB</source>
        <translation>PSB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
    <message>
        <source>Brak napięcia sieciowego 230V</source>
        <translation>Lipsă tensiune de rețea 230V</translation>
    </message>
    <message>
        <source>Niskie napięcie akumulatora (poniżej 22 V)</source>
        <translation>Tensiune scăzută a acumulatorului (sub 22 V)</translation>
    </message>
    <message>
        <source>Akumulator został odłączony (napięcie akumulatora poniżej 19 V)</source>
        <translation>Acumulatorul a fost deconectat (tensiunea acumulatorului sub 19 V)</translation>
    </message>
    <message>
        <source>Brak podłączonych akumulatorów</source>
        <translation>Niciun acumulator conectat</translation>
    </message>
    <message>
        <source>Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)</source>
        <translation>Rezistență mare a circuitului acumulatorilor (acumulatori defecți)</translation>
    </message>
    <message>
        <source>Zadziałanie kontroli doziemienia</source>
        <translation>Acționarea controlului punerii la pământ</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowarki akumulatorów</source>
        <translation>Defect încărcător acumulatori</translation>
    </message>
    <message>
        <source>Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)</source>
        <translation>Temperatură ridicată în interiorul Ostrel (peste 40 °C)</translation>
    </message>
    <message>
        <source>Brak podłączonej sondy temperaturowej</source>
        <translation>Sondă de temperatură neconectată</translation>
    </message>
    <message>
        <source>Rozwarty obwód przekaźnika konfigurowalnego PK</source>
        <translation>Circuit deschis al releului configurabil PK</translation>
    </message>
    <message>
        <source>Uszkodzenie pamięci flash mikrokontrolera</source>
        <translation>Defect memorie flash a microcontrolerului</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 1</source>
        <translation>Defect siguranța numărul 1</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Defect siguranța numărul 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Defect siguranța numărul 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Defect siguranța numărul 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)</source>
        <translation>Defect general al sursei Ostrel nr. 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)</source>
        <translation>Lipsă comunicație cu sursa Ostrel nr. 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Lipsă comunicație prin protocolul Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Scurtcircuit la intrarea liniei de control numărul 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Scurtcircuit la intrarea liniei de control numărul 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Întrerupere la intrarea liniei de control numărul 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Întrerupere la intrarea liniei de control numărul 2 (LK2)</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne z systemu Tarven B</source>
        <translation>Defect general de la sistemul Tarven B</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Pornire sistem / resetare</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Golirea jurnalului de evenimente</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Scrierea unei configurații noi</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Scrierea unei date și ore noi</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Activarea releului de defect PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika konfigurowalnego PK</source>
        <translation>Activarea releului configurabil PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Activarea liniei de semnalizare LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Activarea liniei de semnalizare LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Activarea liniei de semnalizare LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Activarea liniei de semnalizare LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Citirea jurnalului de evenimente</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Citirea defectelor</translation>
    </message>
</context>
<context>
    <name>PSL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - tryb pracy</source>
        <translation>Linie de semnalizare LS%1 - mod de funcționare</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kryterium wysterowania</source>
        <translation>Linie de semnalizare LS%1 - criteriu de activare</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Linie de semnalizare LS%1 - T1 - întârzierea activării</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T2 - czas wysterowania</source>
        <translation>Linie de semnalizare LS%1 - T2 - durata activării</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania</source>
        <translation>Linie de semnalizare LS%1 - T3 - durata pauzei de activare</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - liczba impulsów</source>
        <translation>Linie de semnalizare LS%1 - număr de impulsuri</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kontrola ciągłości</source>
        <translation>Linie de semnalizare LS%1 - monitorizarea continuității</translation>
    </message>
    <message>
        <source>PSL</source>
        <translation>PSL</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Modul de relee suplimentare</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Scurtcircuit la ieșirea liniei de semnalizare numărul 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Întrerupere la ieșirea liniei de semnalizare numărul 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Suprasarcină la ieșirea liniei de semnalizare numărul 4 (LS4) </translation>
    </message>
</context>
<context>
    <name>PSR</name>
    <message>
        <source>Deklaracja modułu - modułu PSR nie trzeba konfigurować</source>
        <translation>Modul declarat - modulul PSR nu necesită configurare</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>PSR</source>
        <translation>PSR</translation>
    </message>
    <message>
        <source>Moduł Zasilania Redundantnego</source>
        <translation>Modul de alimentare redundantă</translation>
    </message>
    <message>
        <source>Brak łączności z dodatkowym PSB</source>
        <translation>Lipsă comunicație cu PSB suplimentar</translation>
    </message>
</context>
<context>
    <name>PSV</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Modul activ/inactiv</translation>
    </message>
    <message>
        <source>PSV</source>
        <translation>PSV</translation>
    </message>
    <message>
        <source>Moduł Zasilania Uniwersalnego</source>
        <translation>Modul de alimentare universal</translation>
    </message>
    <message>
        <source>Zasilacz lub brak 230V</source>
        <translation>Sursă sau lipsă 230V</translation>
    </message>
    <message>
        <source>Niskie napiecie baterii akumulatorów</source>
        <translation>Tensiune scăzută a bateriei de acumulatori</translation>
    </message>
    <message>
        <source>Zwarcie wejscia baterii akumulatorów</source>
        <translation>Scurtcircuit la intrarea bateriei de acumulatori</translation>
    </message>
    <message>
        <source>Brak baterii akumulatorów</source>
        <translation>Lipsă baterie de acumulatori</translation>
    </message>
    <message>
        <source>Doziemienie</source>
        <translation>Punere la pământ</translation>
    </message>
    <message>
        <source>Wysoka rezystancja baterii akumulatorów</source>
        <translation>Rezistență mare a bateriei de acumulatori</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowania</source>
        <translation>Defect de încărcare</translation>
    </message>
    <message>
        <source>24 V zewnętrzne (bezpiecznik)</source>
        <translation>24 V extern (siguranță)</translation>
    </message>
    <message>
        <source>Sterowanie zasilacza</source>
        <translation>Comanda sursei</translation>
    </message>
    <message>
        <source>Wysoka temperatura</source>
        <translation>Temperatură ridicată</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – eroare sumă de control</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Versiune software</translation>
    </message>
</context>
<context>
    <name>Pamietnik</name>
    <message>
        <source>Zdarzenia Ostrel: %1</source>
        <translation>Evenimente Ostrel: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Eveniment</translation>
    </message>
</context>
<context>
    <name>RLA</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Releu PK%1 - mod de funcționare</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Releu PK%1 - criteriu de activare</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Releu PK%1 - T1 - întârzierea activării</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Releu PK%1 - T2 - durata activării</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Releu PK%1 - T3 - durata pauzei de activare</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Releu PK%1 - număr de impulsuri</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kontrola ciągłości</source>
        <translation>Releu PK%1 - monitorizarea continuității</translation>
    </message>
    <message>
        <source>Przekaźnik nieaktywny
Wysterowanie na stałe, możliwość opóźnienia wysterowania – czas T1
Wysterowanie czasowe, czasy T1 i T2
Wysterowanie impulsowo – cykliczne: czasy T1, T2 i T3
Wysterowanie impulsowo – ilościowe Czasy T1, T2 i T3 
oraz liczba impulsów sterujących n 
Impuls kasujący o czasie trwania T2 z opóźnieniem
wysterowania TKA (dla kryterium wysterowania PK1: 1 - Alarm - ogólny Halvo)
(rys.6.7.5)
Wtórnik sygnału DW w przypadku kaskadowego 
łączenia Halvo B - jeden czujnik pogodowy wspólny
</source>
        <translation>Releu inactiv
Activare permanentă, activarea poate fi întârziată – timp T1
Activare temporizată, timpii T1 și T2
Activare în impulsuri – ciclică: timpii T1, T2 și T3
Activare în impulsuri – numărate: timpii T1, T2 și T3 
și numărul de impulsuri de comandă n 
Impuls de resetare cu durata T2 cu întârzierea
activării TKA (pentru criteriul de activare PK1: 1 - Alarmă - generală Halvo)
(fig. 6.7.5)
Repetor al semnalului ploaie/vânt (DW) la conectarea în cascadă 
a Halvo B - un singur senzor meteo comun
</translation>
    </message>
    <message>
        <source>0 – Brak. Przekaźnik nieaktywny
1 – Alarm - ogólny Halvo.
 Jakikolwiek alarm w Halvo, również z systemu Tarven A/B
2 – Alarm - wejście zewnętrzne.
 Alarm z systemu zewnętrznego np. Vardel
3 – Alarm – system Tarven A/B.
 Rozkaz z systemu nadrzędnego Tarven A/B
4 – Alarm - suma stref LNM.
 o najmniej 1 strefa LNM w alarmie – patrz poz. 22-29
5 – Alarm - iloczyn stref LNM.
 Co najmniej 2 strefy LNM w alarmie – patrz poz. 22-29
6 – Alarm - wejście zewnętrzne i/lub suma stref LNM.
 Alarm zewnętrzny lub/i co najmniej 
1 strefa LNM w alarmie – patrz poz. 22-29
7 – Alarm - wejście zewnętrzne 
i/lub iloczyn stref LNM
. Alarm zewnętrzny lub/i co najmniej 
2 strefy LNM w alarmie – patrz poz. 22-29
8 – Alarm - system Tarven A/B 
i/lub suma stref LNM.
 Rozkaz z systemu Tarven lub/i co najmniej 
1 strefa LNM w alarmie – patrz poz. 22-29
9 – Alarm - system Tarven A/B 
i/lub iloczyn stref LNM.
 Rozkaz z systemu Tarven lub/i co najmniej 
2 strefy LNM w alarmie – patrz poz. 22-29
10 – Aktywne przewietrzanie– patrz poz. 22-29
</source>
        <translation>0 – Niciuna. Releu inactiv
1 – Alarmă - generală Halvo.
 Orice alarmă în Halvo, inclusiv de la sistemul Tarven A/B
2 – Alarmă - intrare externă.
 Alarmă de la un sistem extern, de ex. Vardel
3 – Alarmă – sistem Tarven A/B.
 Comandă de la sistemul master Tarven A/B
4 – Alarmă - suma zonelor LNM.
 Cel puțin 1 zonă LNM în alarmă – vezi poz. 22-29
5 – Alarmă - produsul zonelor LNM.
 Cel puțin 2 zone LNM în alarmă – vezi poz. 22-29
6 – Alarmă - intrare externă și/sau suma zonelor LNM.
 Alarmă externă și/sau cel puțin 
1 zonă LNM în alarmă – vezi poz. 22-29
7 – Alarmă - intrare externă 
și/sau produsul zonelor LNM
. Alarmă externă și/sau cel puțin 
2 zone LNM în alarmă – vezi poz. 22-29
8 – Alarmă - sistem Tarven A/B 
și/sau suma zonelor LNM.
 Comandă de la sistemul Tarven și/sau cel puțin 
1 zonă LNM în alarmă – vezi poz. 22-29
9 – Alarmă - sistem Tarven A/B 
și/sau produsul zonelor LNM.
 Comandă de la sistemul Tarven și/sau cel puțin 
2 zone LNM în alarmă – vezi poz. 22-29
10 – Ventilare activă– vezi poz. 22-29
</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania (rys 6.7.1)</source>
        <translation>Întârzierea activării (fig. 6.7.1)</translation>
    </message>
    <message>
        <source>Czas wysterowania PK1 (rys 6.7.1)</source>
        <translation>Durata activării PK1 (fig. 6.7.1)</translation>
    </message>
    <message>
        <source>Czas przerwy wysterowania (rys 6.7.1)</source>
        <translation>Durata pauzei de activare (fig. 6.7.1)</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Număr de impulsuri</translation>
    </message>
    <message>
        <source>Kontrola ciągłości obwodu wyjściowego przekaźnika</source>
        <translation>Monitorizarea continuității circuitului de ieșire al releului</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>în lucru</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Întârzierea activării</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Durata activării</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Linie de control LK%1 - mod de funcționare</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - Czas Tk%1</source>
        <translation>Linie de control LK%1 - Timp Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Timp de confirmare a acționării în modul 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - zona LNM nr. %2</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki </source>
        <translation>0 – NU 1 – Al. generală 2 – alarmă LDK 3 – alarmă RPO 4 – acționare limitator de cursă </translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - czas TKA</source>
        <translation>Releu PK%1 - timp TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Întârziere la oprire după resetare</translation>
    </message>
    <message>
        <source>RLA</source>
        <translation>RLA</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Modul de relee suplimentare</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- zwarcie</source>
        <translation>Linie de control LK1- scurtcircuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- przerwa</source>
        <translation>Linie de control LK1- întrerupere</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2- zwarcie</source>
        <translation>Linie de control LK2- scurtcircuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2– przerwa</source>
        <translation>Linie de control LK2– întrerupere</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 – brak ciągłości</source>
        <translation>Releu PK1 – lipsă continuitate</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 – brak ciągłości</source>
        <translation>Releu PK2 – lipsă continuitate</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 1 – zwarcie w trybie 4 i 5</source>
        <translation>Linie de control nr. 1 – scurtcircuit în modurile 4 și 5</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 2 – zwarcie w trybie 4 i 5</source>
        <translation>Linie de control nr. 2 – scurtcircuit în modurile 4 și 5</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – eroare sumă de control</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Versiune software</translation>
    </message>
</context>
<context>
    <name>RLH</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Modul activ/inactiv</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Releu PK%1 - mod de funcționare</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Releu PK%1 - criteriu de activare</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Releu PK%1 - T1 - întârzierea activării</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Întârzierea activării</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Releu PK%1 - T2 - durata activării</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Durata activării</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Releu PK%1 - T3 - durata pauzei de activare</translation>
    </message>
    <message>
        <source>Czas przerwy</source>
        <translation>Durata pauzei</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Releu PK%1 - număr de impulsuri</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Număr de impulsuri</translation>
    </message>
    <message>
        <source>....</source>
        <translation>....</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>în lucru</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu ..</source>
        <translation>în lucru ..</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Linie de control LK%1 - mod de funcționare</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - czas Tk%1</source>
        <translation>Linie de control LK%1 - timp Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Timp de confirmare a acționării în modul 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - zona LNM nr. %2</translation>
    </message>
    <message>
        <source>Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO</source>
        <translation>Al. generală LNM 6 – alarmă de la detector (LDK) sau RPO</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TKA</source>
        <translation>Releu PK1 - timp TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Întârziere la oprire după resetare</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TKA</source>
        <translation>Releu PK2 - timp TKA</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TP[minuty]</source>
        <translation>Releu PK1 - timp TP[minute]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]</source>
        <translation>Timpul după care urmează închiderea automată pentru PK1 [minute]</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TP[minuty]</source>
        <translation>Releu PK2 - timp TP[minute]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]</source>
        <translation>Timpul după care urmează închiderea automată pentru PK2 [minute]</translation>
    </message>
    <message>
        <source>RLH</source>
        <translation>RLH</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Wysokonapięciowych</source>
        <translation>Modul de relee de înaltă tensiune</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – zwarcie</source>
        <translation>Linie de control LK1 – scurtcircuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – przerwa</source>
        <translation>Linie de control LK1 – întrerupere</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – zwarcie</source>
        <translation>Linie de control LK2 – scurtcircuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – przerwa</source>
        <translation>Linie de control LK2 – întrerupere</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – eroare sumă de control</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Versiune software</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Eksport PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Przygotowanie wydruku...</source>
        <translation>Se pregătește tipărirea...</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anulează</translation>
    </message>
</context>
<context>
    <name>SCA</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Automatyczne ponawianie włączenia urządzeń alarmowych</source>
        <translation>Repornirea automată a dispozitivelor de alarmare</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1</source>
        <translation>Zona %1 - Întârzierea alarmei de nivel 2 - T1</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2</source>
        <translation>Zona %1 - Întârzierea alarmei de nivel 2 - T2</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas ewakuacji Tewak.</source>
        <translation>Zona %1 - Timp de evacuare Tewak.</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas blokowania kasowania alarmu</source>
        <translation>Zona %1 - Timp de blocare a resetării alarmei</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1</source>
        <translation>Zona %1 - Semnalizarea descărcării pe baza semnalului din zona %1</translation>
    </message>
    <message>
        <source>Strefa %1 - Wyładowanie do więcej niż 1 strefy</source>
        <translation>Zona %1 - Descărcare în mai mult de 1 zonă</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1 </source>
        <translation>Zona %1 - Semnalizarea descărcării pe baza semnalului din zona %1 </translation>
    </message>
    <message>
        <source>Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 koincydencji</source>
        <translation>Zona %1 - Număr necesar de linii în stare de alarmă - Grupul de coincidență %2</translation>
    </message>
    <message>
        <source>Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2</source>
        <translation>Zona %1 - Linie de detecție - L1%3 aparține grupului %2</translation>
    </message>
    <message>
        <source>SCA</source>
        <translation>SCA</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 1</source>
        <translation>lipsă curgere agent de stingere - zona 1</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 1</source>
        <translation>lipsă presiune sau masă - zona 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 1</source>
        <translation>defect de sistem - zona 1</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 1</source>
        <translation>defect de alimentare - zona 1</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 2</source>
        <translation>lipsă curgere agent de stingere - zona 2</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 2</source>
        <translation>lipsă presiune sau masă - zona 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 2</source>
        <translation>defect de sistem - zona 2</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 2</source>
        <translation>defect de alimentare - zona 2</translation>
    </message>
    <message>
        <source>za duża rezystancja wewnętrzna akumulatorów</source>
        <translation>rezistență internă prea mare a acumulatorilor</translation>
    </message>
    <message>
        <source>brak baterii akumulatorów</source>
        <translation>lipsă baterie de acumulatori</translation>
    </message>
    <message>
        <source>brak zasilania sieciowego 230V</source>
        <translation>lipsă alimentare de rețea 230V</translation>
    </message>
    <message>
        <source>obnizenie napiecia akumulatorów</source>
        <translation>tensiune scăzută a acumulatorilor</translation>
    </message>
    <message>
        <source>doziemienie</source>
        <translation>punere la pământ</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B0-Can.A,</source>
        <translation>defect 24V pe magistrala B0-Can.A,</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B1-Can.B</source>
        <translation>defect 24V pe magistrala B1-Can.B</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr1</source>
        <translation>lipsă alimentare după B=6,3A în SCB nr. 1</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr2</source>
        <translation>lipsă alimentare după B=6,3A în SCB nr. 2</translation>
    </message>
    <message>
        <source>moduł nr 1 nie odpowiada</source>
        <translation>modulul nr. 1 nu răspunde</translation>
    </message>
    <message>
        <source>moduł nr 2 nie odpowiada</source>
        <translation>modulul nr. 2 nu răspunde</translation>
    </message>
    <message>
        <source>moduł nr 3 nie odpowiada</source>
        <translation>modulul nr. 3 nu răspunde</translation>
    </message>
    <message>
        <source>moduł nr 4 nie odpowiada</source>
        <translation>modulul nr. 4 nu răspunde</translation>
    </message>
    <message>
        <source>moduł nr 5 nie odpowiada</source>
        <translation>modulul nr. 5 nu răspunde</translation>
    </message>
    <message>
        <source>moduł nr 6 nie odpowiada</source>
        <translation>modulul nr. 6 nu răspunde</translation>
    </message>
    <message>
        <source>moduł nr 7 nie odpowiada</source>
        <translation>modulul nr. 7 nu răspunde</translation>
    </message>
    <message>
        <source>moduł nr 8 nie odpowiada</source>
        <translation>modulul nr. 8 nu răspunde</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 1</source>
        <translation>defect de sistem al modulului nr. 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 2</source>
        <translation>defect de sistem al modulului nr. 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 3</source>
        <translation>defect de sistem al modulului nr. 3</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 4</source>
        <translation>defect de sistem al modulului nr. 4</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 5</source>
        <translation>defect de sistem al modulului nr. 5</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 6</source>
        <translation>defect de sistem al modulului nr. 6</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 7</source>
        <translation>defect de sistem al modulului nr. 7</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 8</source>
        <translation>defect de sistem al modulului nr. 8</translation>
    </message>
</context>
<context>
    <name>SCB</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adresa modulului</translation>
    </message>
    <message>
        <source>L%1 - Numer strefy</source>
        <translation>L%1 - Numărul zonei</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja Linii kontrolnej</source>
        <translation>L%1 - Linie de control declarată</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Linie de control declarată</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - numărul zonei</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja wyjścia/wejścia</source>
        <translation>L%1 - Ieșire/intrare declarată</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Funkcja wejścia</source>
        <translation>L%1 - Linie de control - Funcția intrării</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Stan</source>
        <translation>L%1 - Linie de control - Stare</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Ilość stanów</source>
        <translation>L%1 - Linie de control - Număr de stări</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie X</source>
        <translation>L%1 - Linie de control - Întârziere X</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie Y</source>
        <translation>L%1 - Linie de control - Întârziere Y</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Linie cu potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Linie cu potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Linie cu potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Linie cu potențial - Logică</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Linie cu potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Linie cu potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Linie cu potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Linie cu potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Linie cu potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Linie cu potențial - Număr de impulsuri N-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Wstępne kasowanie</source>
        <translation>L%1 - Linie de detecție - Resetare preliminară</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Opóźnienie</source>
        <translation>L%1 - Linie de detecție - Întârziere</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - numărul zonei</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Linie fără potențial declarată</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Linie fără potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Linie fără potențial - Logică</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Linie fără potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Linie fără potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Linie fără potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Linie fără potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Linie fără potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Linie fără potențial - Număr de impulsuri N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Linie fără potențial - Monitorizarea continuității</translation>
    </message>
    <message>
        <source>SCB</source>
        <translation>SCB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
    <message>
        <source>L%1 - przerwa</source>
        <translation>L%1 - întrerupere</translation>
    </message>
    <message>
        <source>L%1 - zwarcie</source>
        <translation>L%1 - scurtcircuit</translation>
    </message>
    <message>
        <source>L%1 - przeciążenie lub brak wysterowania</source>
        <translation>L%1 - suprasarcină sau lipsă activare</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L%1 - lipsă stare activă X disp. ext.</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L%1 - lipsă stare activă Y disp. ext.</translation>
    </message>
    <message>
        <source>L%1 - brak ciągłości obwodu styków PK %2</source>
        <translation>L%1 - lipsă continuitate circuit contacte PK %2</translation>
    </message>
    <message>
        <source>L%1 - ---</source>
        <translation>L%1 - ---</translation>
    </message>
    <message>
        <source>L9 - brak stanu aktywnego Y</source>
        <translation>L9 - lipsă stare activă Y</translation>
    </message>
    <message>
        <source>L12 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L12 - lipsă stare activă Y disp. ext. </translation>
    </message>
    <message>
        <source>L14 - brak stanu aktywnego Y urządz. zewn.  </source>
        <translation>L14 - lipsă stare activă Y disp. ext.  </translation>
    </message>
    <message>
        <source>L15 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L15 - lipsă stare activă Y disp. ext. </translation>
    </message>
    <message>
        <source>L17 - ---  </source>
        <translation>L17 - ---  </translation>
    </message>
    <message>
        <source>L18 - --  </source>
        <translation>L18 - --  </translation>
    </message>
    <message>
        <source>L19 - --- </source>
        <translation>L19 - --- </translation>
    </message>
    <message>
        <source>L20 - ---.</source>
        <translation>L20 - ---.</translation>
    </message>
    <message>
        <source>L20 - ---       </source>
        <translation>L20 - ---       </translation>
    </message>
</context>
<context>
    <name>SCC</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adresa modulului</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>SCC</source>
        <translation>SCC</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
</context>
<context>
    <name>SCD</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adresa modulului</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - numărul zonei</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Linie fără potențial declarată</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Linie fără potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Linie fără potențial - Logică</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Linie fără potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Linie fără potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Linie fără potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Linie fără potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Linie fără potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Linie fără potențial - Număr de impulsuri N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Linie fără potențial - Monitorizarea continuității</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - numărul zonei</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Linie de control declarată</translation>
    </message>
    <message>
        <source>L%1 - Funkcja wejścia</source>
        <translation>L%1 - Funcția intrării</translation>
    </message>
    <message>
        <source>L%1 - Kryterium wysterowania</source>
        <translation>L%1 - Criteriu de activare</translation>
    </message>
    <message>
        <source>L%1 - Ilość stanów</source>
        <translation>L%1 - Număr de stări</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie X</source>
        <translation>L%1 - Întârziere X</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie Y</source>
        <translation>L%1 - Întârziere Y</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Linie cu potențial declarată</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Linie cu potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Linie cu potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Linie cu potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Linie cu potențial - Logică</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Linie cu potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Linie cu potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Linie cu potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Linie cu potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Linie cu potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Linie cu potențial - Număr de impulsuri N-imp</translation>
    </message>
    <message>
        <source>SCD</source>
        <translation>SCD</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - lipsă continuitate circuit contacte PK 1</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania PK 1</source>
        <translation>L1 - suprasarcină sau lipsă activare PK 1</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - lipsă continuitate circuit contacte PK 2</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania PK 2</source>
        <translation>L2 - suprasarcină sau lipsă activare PK 2</translation>
    </message>
    <message>
        <source>L3 - przerwa LK 1</source>
        <translation>L3 - întrerupere LK 1</translation>
    </message>
    <message>
        <source>L3 - zwarcie LK 1</source>
        <translation>L3 - scurtcircuit LK 1</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L3 - lipsă stare activă X disp. ext.</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L3 - lipsă stare activă Y disp. ext.</translation>
    </message>
    <message>
        <source>L4 - przerwa LK 2</source>
        <translation>L4 - întrerupere LK 2</translation>
    </message>
    <message>
        <source>L4 - zwarcie LK 2</source>
        <translation>L4 - scurtcircuit LK 2</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L4 - lipsă stare activă X disp. ext.</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L4 - lipsă stare activă Y disp. ext.</translation>
    </message>
    <message>
        <source>L5 - przerwa</source>
        <translation>L5 - întrerupere</translation>
    </message>
    <message>
        <source>L5 - zwarcie</source>
        <translation>L5 - scurtcircuit</translation>
    </message>
    <message>
        <source>L5 - przeciążenie lub brak wysterowania</source>
        <translation>L5 - suprasarcină sau lipsă activare</translation>
    </message>
    <message>
        <source>L6 - przerwa</source>
        <translation>L6 - întrerupere</translation>
    </message>
    <message>
        <source>L6 - zwarcie</source>
        <translation>L6 - scurtcircuit</translation>
    </message>
    <message>
        <source>L6 - przeciążenie lub brak wysterowania</source>
        <translation>L6 - suprasarcină sau lipsă activare</translation>
    </message>
</context>
<context>
    <name>SCE</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adresa modulului</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - numărul zonei</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Linie fără potențial declarată</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Linie fără potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Linie fără potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Linie fără potențial - Logică</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Linie fără potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Linie fără potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Linie fără potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Linie fără potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Linie fără potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Linie fără potențial - Număr de impulsuri N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Linie fără potențial - Monitorizarea continuității</translation>
    </message>
    <message>
        <source>SCE</source>
        <translation>SCE</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - lipsă continuitate circuit contacte PK 1</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - suprasarcină sau lipsă activare</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - lipsă continuitate circuit contacte PK 2</translation>
    </message>
    <message>
        <source>L3 - brak ciągłości obwodu styków PK 3</source>
        <translation>L3 - lipsă continuitate circuit contacte PK 3</translation>
    </message>
    <message>
        <source>L4 - brak ciągłości obwodu styków PK 4</source>
        <translation>L4 - lipsă continuitate circuit contacte PK 4</translation>
    </message>
    <message>
        <source>L2 - brak wysterowania</source>
        <translation>L2 - lipsă activare</translation>
    </message>
</context>
<context>
    <name>SCF</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adresa modulului</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>SCF</source>
        <translation>SCF</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
</context>
<context>
    <name>SCG</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul declarat</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul activ / inactiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adresa modulului</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - numărul zonei</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Linie cu potențial declarată</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Linie cu potențial - Grup de ieșiri</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Linie cu potențial - Criteriul 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Linie cu potențial - Criteriul 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Linie cu potențial - Logică</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Linie cu potențial - Tipul semnalului de pornire a ieșirii</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Linie cu potențial - întârziere la acționare Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Linie cu potențial - întârziere la oprire Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Linie cu potențial - durata impulsului T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Linie cu potențial - durata pauzei T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Linie cu potențial - Număr de impulsuri N-imp</translation>
    </message>
    <message>
        <source>SCG</source>
        <translation>SCG</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Modul principal de comandă</translation>
    </message>
    <message>
        <source>L1 - przerwa</source>
        <translation>L1 - întrerupere</translation>
    </message>
    <message>
        <source>L1 - zwarcie</source>
        <translation>L1 - scurtcircuit</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania</source>
        <translation>L1 - suprasarcină sau lipsă activare</translation>
    </message>
    <message>
        <source>L2 - przerwa</source>
        <translation>L2 - întrerupere</translation>
    </message>
    <message>
        <source>L2 - zwarcie</source>
        <translation>L2 - scurtcircuit</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - suprasarcină sau lipsă activare</translation>
    </message>
    <message>
        <source>L3 - przerwa</source>
        <translation>L3 - întrerupere</translation>
    </message>
    <message>
        <source>L3 - zwarcie</source>
        <translation>L3 - scurtcircuit</translation>
    </message>
    <message>
        <source>L3 - przeciążenie lub brak wysterowania</source>
        <translation>L3 - suprasarcină sau lipsă activare</translation>
    </message>
    <message>
        <source>L4 - przerwa</source>
        <translation>L4 - întrerupere</translation>
    </message>
    <message>
        <source>L4 - zwarcie</source>
        <translation>L4 - scurtcircuit</translation>
    </message>
    <message>
        <source>L4 - przeciążenie lub brak wysterowania</source>
        <translation>L4 - suprasarcină sau lipsă activare</translation>
    </message>
</context>
<context>
    <name>ServiceManagement</name>
    <message>
        <source>Serwis</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Funkcje serwisowe</source>
        <translation>Funcții de service</translation>
    </message>
    <message>
        <source>Wyczyść rejestr zdarzeń</source>
        <translation>Golește jurnalul de evenimente</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Datele au fost trimise corect.</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Nie</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>%1g:%2m:%3s</source>
        <translation>%1h:%2m:%3s</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1m</translation>
    </message>
</context>
<context>
    <name>SettingDelegate</name>
    <message>
        <source>None</source>
        <translation>Niciunul</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Da</translation>
    </message>
</context>
<context>
    <name>SoftwareManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Citește</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Citește din dispozitiv</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Salvează ca PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Tipărește</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Usunięcie wersji oprogramowania</source>
        <translation>Ștergerea versiunilor software</translation>
    </message>
    <message>
        <source>Usunięcie wersji o nazwie: %1</source>
        <translation>Au fost șterse versiunile cu numele: %1</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Număr</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>Suma CRC</translation>
    </message>
    <message>
        <source>Oprogramowanie Ostrel: %1</source>
        <translation>Software Ostrel: %1</translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Sumă de control</translation>
    </message>
</context>
<context>
    <name>TimeManagement</name>
    <message>
        <source>Data i czas</source>
        <translation>Data și ora</translation>
    </message>
    <message>
        <source>Aktualna data i czas w centrali</source>
        <translation>Data și ora curente în centrală</translation>
    </message>
    <message>
        <source>Odczytaj datę i czas z centrali</source>
        <translation>Citește data și ora din centrală</translation>
    </message>
    <message>
        <source>Automatyczna zmiana czasu LATO/ZIMA</source>
        <translation>Trecere automată la ora de VARĂ/IARNĂ</translation>
    </message>
    <message>
        <source>Moment pobrania czasu:</source>
        <translation>Momentul citirii orei:</translation>
    </message>
    <message>
        <source>Ustaw datę i czas w centrali</source>
        <translation>Setează data și ora în centrală</translation>
    </message>
    <message>
        <source>Wyślij podaną datę i czas do centrali</source>
        <translation>Trimite data și ora introduse la centrală</translation>
    </message>
    <message>
        <source>Wyślij czas z komputer</source>
        <translation>Trimite ora calculatorului</translation>
    </message>
    <message>
        <source>Nieprawidłowa data</source>
        <translation>Dată incorectă</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>WĘZEŁ</source>
        <translation>NOD</translation>
    </message>
    <message>
        <source>WARTOŚĆ</source>
        <translation>VALOARE</translation>
    </message>
    <message>
        <source>OPIS</source>
        <translation>DESCRIERE</translation>
    </message>
    <message>
        <source>ACTIVE MODULE %1</source>
        <translation>MODUL ACTIV %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niciunul</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>USBManager</name>
    <message>
        <source>NoError</source>
        <translation>NoError</translation>
    </message>
    <message>
        <source>DeviceNotFoundError</source>
        <translation>DeviceNotFoundError</translation>
    </message>
    <message>
        <source>PermissionError</source>
        <translation>PermissionError</translation>
    </message>
    <message>
        <source>OpenError</source>
        <translation>OpenError</translation>
    </message>
    <message>
        <source>ParityError</source>
        <translation>ParityError</translation>
    </message>
    <message>
        <source>FramingError</source>
        <translation>FramingError</translation>
    </message>
    <message>
        <source>BreakConditionError</source>
        <translation>BreakConditionError</translation>
    </message>
    <message>
        <source>WriteError</source>
        <translation>WriteError</translation>
    </message>
    <message>
        <source>ReadError</source>
        <translation>ReadError</translation>
    </message>
    <message>
        <source>ResourceError</source>
        <translation>ResourceError</translation>
    </message>
    <message>
        <source>UnsupportedOperationError</source>
        <translation>UnsupportedOperationError</translation>
    </message>
    <message>
        <source>UnknownError</source>
        <translation>UnknownError</translation>
    </message>
    <message>
        <source>TimeoutError</source>
        <translation>TimeoutError</translation>
    </message>
    <message>
        <source>NotOpenError</source>
        <translation>NotOpenError</translation>
    </message>
    <message>
        <source>Port został otwarty. Próba komunikacji z urządzeniem na porcie </source>
        <translation>Portul a fost deschis. Se încearcă comunicarea cu dispozitivul pe portul </translation>
    </message>
    <message>
        <source>Brak odpowiedzi na ramkę. Ponowna próba połączenia...</source>
        <translation>Niciun răspuns la cadru. Se reîncearcă conectarea...</translation>
    </message>
</context>
<context>
    <name>Uszkodzenia</name>
    <message>
        <source>Uszkodzenia Ostrel: %1</source>
        <translation>Defecte Ostrel: %1</translation>
    </message>
</context>
</TS>
