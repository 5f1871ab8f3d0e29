<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ACL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>ACL</source>
        <translation>ACL</translation>
    </message>
    <message>
        <source>Moduł Komunikacji Adresowalnej</source>
        <translation>Modul für adressierbare Kommunikation</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem ACL</source>
        <translation>Keine Kommunikation mit dem Modul ACL</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Ustawienia aplikacji</source>
        <translation>Anwendungseinstellungen</translation>
    </message>
    <message>
        <source>Język:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Język interfejsu; zmiana obowiązuje od następnego uruchomienia programu</source>
        <translation>Sprache der Oberfläche; eine Änderung wird beim nächsten Programmstart wirksam</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Wielkość czcionki w pikselach</source>
        <translation>Schriftgröße in Pixeln</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Żywotność akumulatorów:</source>
        <translation>Batterielebensdauer:</translation>
    </message>
    <message>
        <source>Po ilu latach od montażu akumulator należy wymienić</source>
        <translation>Nach wie vielen Jahren ab Einbau die Batterie zu ersetzen ist</translation>
    </message>
    <message>
        <source> lat</source>
        <translation> Jahre</translation>
    </message>
    <message>
        <source>Archiwum firmowe (PostgreSQL)</source>
        <translation>Firmenarchiv (PostgreSQL)</translation>
    </message>
    <message>
        <source>Serwer:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baza danych:</source>
        <translation>Datenbank:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>Szyfrowanie (SSL):</source>
        <translation>Verschlüsselung (SSL):</translation>
    </message>
    <message>
        <source>Technik (autor rekordów):</source>
        <translation>Techniker (Autor der Datensätze):</translation>
    </message>
    <message>
        <source>Hasła nie zapisujemy: PostgreSQL (libpq) bierze je z pliku haseł użytkownika: ~/.pgpass, pliku wskazanego zmienną PGPASSFILE albo %APPDATA%\postgresql\pgpass.conf w Windows.</source>
        <translation>Das Passwort wird nicht gespeichert: PostgreSQL (libpq) liest es aus der Passwortdatei des Benutzers: ~/.pgpass, der in der Variablen PGPASSFILE angegebenen Datei oder %APPDATA%\postgresql\pgpass.conf unter Windows.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: synchronizacja z archiwum jest niedostępna.</source>
        <translation>Kein PostgreSQL-Treiber (QPSQL) in dieser Installation: Die Synchronisierung mit dem Archiv ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu.</source>
        <translation>Die gewählte Sprache der Oberfläche wird nach einem Neustart des Programms verwendet.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy:</source>
        <translation>CA-Zertifikat der Firma:</translation>
    </message>
    <message>
        <source>Wybierz plik…</source>
        <translation>Datei wählen…</translation>
    </message>
    <message>
        <source>Dla verify-full certyfikat CA firmy musi być w %1.</source>
        <translation>Für verify-full muss das CA-Zertifikat der Firma unter %1 liegen.</translation>
    </message>
    <message>
        <source>Jest.</source>
        <translation>Es ist vorhanden.</translation>
    </message>
    <message>
        <source>Jeszcze go tam nie ma.</source>
        <translation>Es ist noch nicht vorhanden.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy</source>
        <translation>CA-Zertifikat der Firma</translation>
    </message>
    <message>
        <source>Certyfikaty (*.crt *.pem *.cer);;Wszystkie pliki (*)</source>
        <translation>Zertifikate (*.crt *.pem *.cer);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nie skopiowano certyfikatu %1: %2</source>
        <translation>Das Zertifikat %1 wurde nicht kopiert: %2</translation>
    </message>
    <message>
        <source>Na tym komputerze:</source>
        <translation>Auf diesem Computer:</translation>
    </message>
    <message>
        <source>Szukaj obiektu</source>
        <translation>Objekt suchen</translation>
    </message>
    <message>
        <source>wszystko</source>
        <translation>alles</translation>
    </message>
    <message>
        <source>Każdy rekord firmy trafia na ten komputer w całości.</source>
        <translation>Jeder Datensatz der Firma kommt vollständig auf diesen Computer.</translation>
    </message>
    <message>
        <source>moje obiekty</source>
        <translation>meine Objekte</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty, w których były Twoje wizyty, i rekordy, które sam zapisałeś w archiwum. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>Vollständig kommen hierher die Objekte Ihrer Besuche und die Datensätze, die Sie selbst archiviert haben. Von den übrigen kennt dieser Computer nur die Beschreibung; er lädt sie, wenn Sie sie öffnen.</translation>
    </message>
    <message>
        <source>wybrane obiekty</source>
        <translation>ausgewählte Objekte</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty zaznaczone poniżej i Twoje własne rekordy. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>Vollständig kommen hierher die unten markierten Objekte und Ihre eigenen Datensätze. Von den übrigen kennt dieser Computer nur die Beschreibung; er lädt sie, wenn Sie sie öffnen.</translation>
    </message>
    <message>
        <source>obiekt jeszcze nieznany na tym komputerze (%1)</source>
        <translation>auf diesem Computer noch unbekanntes Objekt (%1)</translation>
    </message>
</context>
<context>
    <name>ArchiveMarkProxy</name>
    <message>
        <source>Wycofany z archiwum firmowego</source>
        <translation>Aus dem Firmenarchiv zurückgezogen</translation>
    </message>
</context>
<context>
    <name>ArchiveRecordsDialog</name>
    <message>
        <source>Archiwum firmowe</source>
        <translation>Firmenarchiv</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum</source>
        <translation>Aus dem Archiv abgelehnt</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła, i te, które czekają na rekord, do którego się odwołują. Żaden z nich nie zmienił niczego w tej bazie.</source>
        <translation>Datensätze von Kollegen, die diese Datenbank nicht angenommen hat, und solche, die auf einen Datensatz warten, auf den sie verweisen. Keiner von ihnen hat in dieser Datenbank etwas geändert.</translation>
    </message>
    <message>
        <source>Rekordy w archiwum</source>
        <translation>Datensätze im Archiv</translation>
    </message>
    <message>
        <source>Wycofaj z archiwum</source>
        <translation>Aus dem Archiv zurückziehen</translation>
    </message>
    <message>
        <source>Przywróć z archiwum</source>
        <translation>Aus dem Archiv wiederherstellen</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>lista uszkodzeń</source>
        <translation>Störungsliste</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>Softwareversionen</translation>
    </message>
    <message>
        <source>obiekt</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>centrala</source>
        <translation>Zentrale</translation>
    </message>
    <message>
        <source>wizyta</source>
        <translation>Besuch</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Kiedy</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Autor</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Powód</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>wycofany</source>
        <translation>zurückgezogen</translation>
    </message>
    <message>
        <source>w archiwum</source>
        <translation>im Archiv</translation>
    </message>
    <message>
        <source>usunięty w tej bazie</source>
        <translation>in dieser Datenbank gelöscht</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Łączenie z archiwum…</source>
        <translation>Verbindung zum Archiv…</translation>
    </message>
    <message>
        <source>Nazwa, obiekt lub centrala</source>
        <translation>Name, Objekt oder Zentrale</translation>
    </message>
    <message>
        <source>Szukaj</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Wszystkie obiekty</source>
        <translation>Alle Objekte</translation>
    </message>
    <message>
        <source>Więcej</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Rekordy tego obiektu</source>
        <translation>Datensätze dieses Objekts</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Centrale firmy</source>
        <translation>Zentralen der Firma</translation>
    </message>
    <message>
        <source>Centrala lub obiekt</source>
        <translation>Zentrale oder Objekt</translation>
    </message>
    <message>
        <source>Rekordy tej centrali</source>
        <translation>Datensätze dieser Zentrale</translation>
    </message>
    <message>
        <source>brak sterownika PostgreSQL w tej instalacji</source>
        <translation>in dieser Installation fehlt der PostgreSQL-Treiber</translation>
    </message>
    <message>
        <source>archiwum nie jest ustawione w Ustawienia &gt; Widok</source>
        <translation>das Archiv ist unter Einstellungen &gt; Ansicht nicht eingerichtet</translation>
    </message>
    <message>
        <source>wszystkie rodzaje</source>
        <translation>alle Arten</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Zentrale</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Ostatnia wizyta</source>
        <translation>Letzter Besuch</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Nächste Wartung</translation>
    </message>
    <message>
        <source>Wizyty</source>
        <translation>Besuche</translation>
    </message>
    <message>
        <source>Termin</source>
        <translation>Frist</translation>
    </message>
    <message>
        <source>Tylko obiekt: %1</source>
        <translation>Nur Objekt: %1</translation>
    </message>
    <message>
        <source>Tylko centrala: %1</source>
        <translation>Nur Zentrale: %1</translation>
    </message>
    <message>
        <source>Szukanie w archiwum firmowym…</source>
        <translation>Suche im Firmenarchiv…</translation>
    </message>
    <message>
        <source>Wyniki z serwera archiwum firmowego.</source>
        <translation>Ergebnisse vom Server des Firmenarchivs.</translation>
    </message>
    <message>
        <source>Wyniki z katalogu na tym komputerze (stan z ostatniej synchronizacji): serwer archiwum nie odpowiada: %1</source>
        <translation>Ergebnisse aus dem Katalog auf diesem Computer (Stand der letzten Synchronisierung): der Archivserver antwortet nicht: %1</translation>
    </message>
    <message>
        <source>Nie znaleziono rekordów.</source>
        <translation>Keine Datensätze gefunden.</translation>
    </message>
    <message>
        <source>nie na tym komputerze</source>
        <translation>nicht auf diesem Computer</translation>
    </message>
    <message>
        <source>Tylko w archiwum firmowym: otwarcie pobierze go na ten komputer</source>
        <translation>Nur im Firmenarchiv: Öffnen lädt ihn auf diesen Computer</translation>
    </message>
    <message>
        <source>Pobierz i otwórz</source>
        <translation>Laden und öffnen</translation>
    </message>
    <message>
        <source>Pobieranie „%1” z archiwum…</source>
        <translation>„%1“ wird aus dem Archiv geladen…</translation>
    </message>
    <message>
        <source>Rekordu „%1” nie udało się otworzyć po pobraniu: %2</source>
        <translation>Der Datensatz „%1“ ließ sich nach dem Laden nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Pobieranie przerwane: na tym komputerze nic nie zapisano.</source>
        <translation>Laden abgebrochen: auf diesem Computer wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Rekord tylko w archiwum</source>
        <translation>Datensatz nur im Archiv</translation>
    </message>
    <message>
        <source>Rekord „%1” jest w archiwum firmowym, ale nie na tym komputerze, a serwera archiwum nie udało się teraz osiągnąć (%2).

Na tym komputerze niczego nie zapisano. Połącz komputer z siecią firmy i otwórz rekord ponownie. Żeby rekordy obiektu były tu także bez sieci, wybierz w Ustawienia &gt; Widok zakres archiwum, który go obejmuje, i zsynchronizuj.</source>
        <translation>Der Datensatz „%1“ ist im Firmenarchiv, aber nicht auf diesem Computer, und der Archivserver ist gerade nicht erreichbar (%2).

Auf diesem Computer wurde nichts gespeichert. Verbinden Sie den Computer mit dem Firmennetz und öffnen Sie den Datensatz erneut. Damit die Datensätze des Objekts auch ohne Netz hier sind, wählen Sie unter Einstellungen &gt; Ansicht einen Archivumfang, der es enthält, und synchronisieren Sie.</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten jest niedostępny: %1</source>
        <translation>Die Zentralen der Firma liefert der Archivserver, und der ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Czytanie central z archiwum firmowego…</source>
        <translation>Zentralen werden aus dem Firmenarchiv gelesen…</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten nie odpowiada: %1</source>
        <translation>Die Zentralen der Firma liefert der Archivserver, und der antwortet nicht: %1</translation>
    </message>
    <message>
        <source>po terminie</source>
        <translation>überfällig</translation>
    </message>
    <message>
        <source>wkrótce</source>
        <translation>bald fällig</translation>
    </message>
    <message>
        <source>Nie znaleziono central.</source>
        <translation>Keine Zentralen gefunden.</translation>
    </message>
    <message>
        <source>Centrale firmy z serwera archiwum: %1.</source>
        <translation>Zentralen der Firma vom Archivserver: %1.</translation>
    </message>
    <message>
        <source>Jest ich więcej.</source>
        <translation>Es gibt weitere.</translation>
    </message>
</context>
<context>
    <name>ArchiveSettings</name>
    <message>
        <source>to nie jest certyfikat w formacie PEM</source>
        <translation>das ist kein Zertifikat im PEM-Format</translation>
    </message>
</context>
<context>
    <name>ArchiveStatus</name>
    <message>
        <source>Synchronizuj z archiwum</source>
        <translation>Mit Archiv synchronisieren</translation>
    </message>
    <message>
        <source>Wymienia rekordy z archiwum firmowym</source>
        <translation>Tauscht Datensätze mit dem Firmenarchiv aus</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Synchronisierung abgebrochen.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>Kein PostgreSQL-Treiber (QPSQL) in dieser Installation: Das Archiv ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Archiwum nie jest ustawione: podaj serwer i użytkownika w Ustawienia &gt; Widok.</source>
        <translation>Das Archiv ist nicht eingerichtet: Geben Sie Server und Benutzer unter Einstellungen &gt; Ansicht an.</translation>
    </message>
    <message>
        <source>nigdy</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Archiwum: %1, czeka %2</source>
        <translation>Archiv: %1, ausstehend %2</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum…</source>
        <translation>Aus dem Archiv abgelehnt…</translation>
    </message>
    <message>
        <source>Rekordy w archiwum…</source>
        <translation>Datensätze im Archiv…</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła</source>
        <translation>Datensätze von Kollegen, die diese Datenbank nicht angenommen hat</translation>
    </message>
    <message>
        <source>Archiwum niedostępne: brak sterownika PostgreSQL</source>
        <translation>Archiv nicht verfügbar: PostgreSQL-Treiber fehlt</translation>
    </message>
    <message>
        <source>Centrale firmy…</source>
        <translation>Zentralen der Firma…</translation>
    </message>
    <message>
        <source>Wyszukiwanie i otwieranie rekordów archiwum, wycofanie własnych rekordów i przywracanie usuniętych</source>
        <translation>Datensätze des Archivs suchen und öffnen, eigene zurückziehen und gelöschte wiederherstellen</translation>
    </message>
    <message>
        <source>Centrale firmy z ostatnią wizytą i terminem przeglądu</source>
        <translation>Zentralen der Firma mit letztem Besuch und Wartungstermin</translation>
    </message>
</context>
<context>
    <name>ArchiveSync</name>
    <message>
        <source>Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł PostgreSQL (pgpass).</source>
        <translation>Das Archiv hat den Benutzer %1 abgelehnt: Prüfen Sie sein Passwort in der PostgreSQL-Passwortdatei (pgpass).</translation>
    </message>
    <message>
        <source>Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają ustawienia: %1</source>
        <translation>Der Archivserver hat keine verschlüsselte Verbindung (SSL) aufgebaut, die laut Einstellungen erforderlich ist: %1</translation>
    </message>
    <message>
        <source>Brak połączenia z archiwum %1:%2: %3</source>
        <translation>Keine Verbindung zum Archiv %1:%2: %3</translation>
    </message>
    <message>
        <source>Baza %1 nie jest archiwum programu: brak tabeli archive_schema (uruchom scripts/archive-server).</source>
        <translation>Die Datenbank %1 ist kein Archiv des Programms: Die Tabelle archive_schema fehlt (scripts/archive-server ausführen).</translation>
    </message>
    <message>
        <source>Archiwum ma schemat w wersji %1, a program obsługuje wersję %2: synchronizacja odrzucona, nic nie zmieniono.</source>
        <translation>Das Archiv hat das Schema in Version %1, das Programm unterstützt Version %2: Synchronisierung abgelehnt, es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Archiwum przysłało wiersz katalogu w niepoprawnej postaci; synchronizacja przerwana, nic z niego nie zapisano.</source>
        <translation>Das Archiv hat eine Katalogzeile in ungültiger Form gesendet; Synchronisierung abgebrochen, nichts davon wurde gespeichert.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>Kein PostgreSQL-Treiber (QPSQL) in dieser Installation: Das Archiv ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Nie można otworzyć lokalnej bazy: %1</source>
        <translation>Die lokale Datenbank kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Błąd zapisu do lokalnej bazy: %1</source>
        <translation>Fehler beim Schreiben in die lokale Datenbank: %1</translation>
    </message>
    <message>
        <source>Połączenie z archiwum zostało przerwane; synchronizacja nie dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. (%1)</source>
        <translation>Die Verbindung zum Archiv wurde unterbrochen; die Synchronisierung ist nicht abgeschlossen, die bisher gespeicherten Datensätze bleiben erhalten. Bitte versuchen Sie es erneut. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja zakończona: pobrano %1, wysłano %2.</source>
        <translation>Synchronisierung abgeschlossen: %1 abgerufen, %2 gesendet.</translation>
    </message>
    <message>
        <source>Rekord nie został wycofany: wycofać może go tylko jego autor.</source>
        <translation>Der Datensatz wurde nicht zurückgezogen: Nur sein Autor kann ihn zurückziehen.</translation>
    </message>
    <message>
        <source>Rekord wycofany; pozostaje w archiwum.</source>
        <translation>Datensatz zurückgezogen; er bleibt im Archiv erhalten.</translation>
    </message>
    <message>
        <source>Brak certyfikatu CA firmy, którym program sprawdza serwer archiwum: umieść go w %1 (Ustawienia &gt; Widok &gt; Certyfikat CA…). Hasła nie wysłano.</source>
        <translation>Das CA-Zertifikat der Firma, mit dem das Programm den Archivserver prüft, fehlt: Legen Sie es unter %1 ab (Einstellungen &gt; Ansicht &gt; CA-Zertifikat…). Das Passwort wurde nicht gesendet.</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie jest wystawiony na nazwę %1: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%2)</source>
        <translation>Das Zertifikat des Servers ist nicht auf den Namen %1 ausgestellt: Das ist möglicherweise nicht der Archivserver der Firma. Das Passwort wurde nicht gesendet. (%2)</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie pochodzi od CA firmy: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Das Zertifikat des Servers stammt nicht von der CA der Firma: Das ist möglicherweise nicht der Archivserver der Firma. Das Passwort wurde nicht gesendet. (%1)</translation>
    </message>
    <message>
        <source>Serwer nie potwierdził swojej tożsamości wiązaniem kanału (SCRAM): to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Der Server hat seine Identität nicht durch Kanalbindung (SCRAM) nachgewiesen: Das ist möglicherweise nicht der Archivserver der Firma. Das Passwort wurde nicht gesendet. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Synchronisierung abgebrochen.</translation>
    </message>
    <message>
        <source>Archiwum nie zna loginu %1 jako technika: administrator dodaje go poleceniem scripts/archive-server add-technician. Nic nie wysłano.</source>
        <translation>Das Archiv kennt den Login %1 nicht als Techniker: Der Administrator fügt ihn mit scripts/archive-server add-technician hinzu. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Archiwum na serwerze zostało odtworzone z kopii lub zastąpione: wysłano ponownie %1 rekordów, których w nim brakowało, i pobrano to, czego brakowało tutaj.</source>
        <translation>Das Archiv auf dem Server wurde aus einer Sicherung wiederhergestellt oder ersetzt: %1 Datensätze, die ihm fehlten, wurden erneut gesendet, und was hier fehlte, wurde geholt.</translation>
    </message>
    <message>
        <source>Odrzucono rekordów z archiwum: %1 (zobacz „Odrzucone z archiwum”).</source>
        <translation>Aus dem Archiv abgelehnte Datensätze: %1 (siehe „Aus dem Archiv abgelehnt“).</translation>
    </message>
    <message>
        <source>Rekordy z archiwum czekające na rekord, do którego się odwołują: %1.</source>
        <translation>Archivdatensätze, die auf einen Datensatz warten, auf den sie verweisen: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie przyjęło: %1.</source>
        <translation>Das Archiv hat nicht angenommen: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie ma tego rekordu.</source>
        <translation>Das Archiv enthält diesen Datensatz nicht.</translation>
    </message>
    <message>
        <source>Nie przywrócono rekordu %1: %2</source>
        <translation>Der Datensatz %1 wurde nicht wiederhergestellt: %2</translation>
    </message>
    <message>
        <source>Przywrócono z archiwum: %1.</source>
        <translation>Aus dem Archiv wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>Pobieranie przerwane; nic nie zapisano.</source>
        <translation>Herunterladen abgebrochen; nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Pobrano z archiwum: %1 B.</source>
        <translation>Aus dem Archiv geladen: %1 B.</translation>
    </message>
    <message>
        <source>Rekord z archiwum odrzucony: %1</source>
        <translation>Archivdatensatz abgelehnt: %1</translation>
    </message>
    <message>
        <source>Nowe w katalogu archiwum, bez danych na tym komputerze: %1 (otwórz je w „Rekordy w archiwum”).</source>
        <translation>Neu im Archivkatalog, ohne Daten auf diesem Computer: %1 (in „Datensätze im Archiv“ öffnen).</translation>
    </message>
</context>
<context>
    <name>CTM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Wejście alarmu zewnętrznego (CSP)</source>
        <translation>Eingang externer Alarm (CSP)</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał alarmu zewnętrznego</source>
        <translation>Signal externer Alarm aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA - kontrola ciągłości</source>
        <translation>Alarmrelais PKA - Durchgangsüberwachung</translation>
    </message>
    <message>
        <source>Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA</source>
        <translation>Durchgangsüberwachung des Ausgangskreises PKA aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu - czas Top</source>
        <translation>Alarmrelais - Zeit Top</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania przekaźnika alarmu</source>
        <translation>Ansteuerverzögerung des Alarmrelais</translation>
    </message>
    <message>
        <source>Automatyka pogodowa</source>
        <translation>Wetterautomatik</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru</source>
        <translation>Signal vom Regen-/Windsensor aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Zasilanie LNM nr %1 - PSV nr </source>
        <translation>Versorgung LNM Nr. %1 - PSV Nr. </translation>
    </message>
    <message>
        <source>Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr</source>
        <translation>Versorgung des Moduls LNM-60 Nr. %1 aus dem Modul PSV-60 Nr.</translation>
    </message>
    <message>
        <source>Sygnalizowanie stanów na BZ7x</source>
        <translation>Zustandsanzeige an BZ7x</translation>
    </message>
    <message>
        <source>TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)
NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1</source>
        <translation>JA- Optische Anzeige des Zustands aller Module (Zustand der gesamten Zentrale)
NEIN- Optische Anzeige nur des Zustands von Modul LNM Nr. 1</translation>
    </message>
    <message>
        <source>Blokowanie odłączenia baterii w alarmie</source>
        <translation>Batterieabschaltung im Alarm gesperrt</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do LNM %1</source>
        <translation>Lüftung – Taster von LNM1 für LNM %1</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach LNM nr %1</source>
        <translation>Nutzung der Lüftungstaster AUF/ZU 
am Modul LNM Nr. 1 zur Steuerung der Lüftung
 in den Modulen LNM Nr. %1</translation>
    </message>
    <message>
        <source>Scenariusz</source>
        <translation>Szenario</translation>
    </message>
    <message>
        <source>Scenariusz dedykowany dla obiektu</source>
        <translation>Objektspezifisches Szenario</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2</source>
        <translation>Lüftung – Taster von LNM1 für RLH %1 PK%2</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach RLH nr %1 PK nr %2</source>
        <translation>Nutzung der Lüftungstaster AUF/ZU 
am Modul LNM Nr. 1 zur Steuerung der Lüftung
 in den Modulen RLH Nr. %1 PK Nr. %2</translation>
    </message>
    <message>
        <source>CTM</source>
        <translation>CTM</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
    <message>
        <source>LNM nr 1 – brak łączności </source>
        <translation>LNM Nr. 1 – keine Verbindung </translation>
    </message>
    <message>
        <source>LNM nr 2 – brak łączności </source>
        <translation>LNM Nr. 2 – keine Verbindung </translation>
    </message>
    <message>
        <source>LNM nr 3 – brak łączności </source>
        <translation>LNM Nr. 3 – keine Verbindung </translation>
    </message>
    <message>
        <source>LNM nr 4 – brak łączności </source>
        <translation>LNM Nr. 4 – keine Verbindung </translation>
    </message>
    <message>
        <source>LNM nr 5 – brak łączności </source>
        <translation>LNM Nr. 5 – keine Verbindung </translation>
    </message>
    <message>
        <source>LNM nr 6 – brak łączności </source>
        <translation>LNM Nr. 6 – keine Verbindung </translation>
    </message>
    <message>
        <source>LNM nr 7 – brak łączności </source>
        <translation>LNM Nr. 7 – keine Verbindung </translation>
    </message>
    <message>
        <source>LNM nr 8 – brak łączności </source>
        <translation>LNM Nr. 8 – keine Verbindung </translation>
    </message>
    <message>
        <source>RLH nr 1 – brak łączności </source>
        <translation>RLH Nr. 1 – keine Verbindung </translation>
    </message>
    <message>
        <source>RLH nr 2 – brak łączności </source>
        <translation>RLH Nr. 2 – keine Verbindung </translation>
    </message>
    <message>
        <source>RLH nr 3 – brak łączności </source>
        <translation>RLH Nr. 3 – keine Verbindung </translation>
    </message>
    <message>
        <source>RLH nr 4 – brak łączności </source>
        <translation>RLH Nr. 4 – keine Verbindung </translation>
    </message>
    <message>
        <source>PSV nr 1 – brak łączności </source>
        <translation>PSV Nr. 1 – keine Verbindung </translation>
    </message>
    <message>
        <source>PSV nr 2 – brak łączności </source>
        <translation>PSV Nr. 2 – keine Verbindung </translation>
    </message>
    <message>
        <source>PSV nr 3 – brak łączności </source>
        <translation>PSV Nr. 3 – keine Verbindung </translation>
    </message>
    <message>
        <source>PSV nr 4 – brak łączności </source>
        <translation>PSV Nr. 4 – keine Verbindung </translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – zwarcie</source>
        <translation>Linie externer Alarm – Kurzschluss</translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – przerwa</source>
        <translation>Linie externer Alarm – Unterbrechung</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA – brak ciągłości</source>
        <translation>Alarmrelais PKA – kein Durchgang</translation>
    </message>
    <message>
        <source>Czujnik D/W – brak zasilania (bezpiecznik)</source>
        <translation>Regen-/Windsensor – keine Versorgung (Sicherung)</translation>
    </message>
    <message>
        <source>Kalendarz - Brak synchronizacji zegara </source>
        <translation>Kalender - Uhr nicht synchronisiert </translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Softwareversion</translation>
    </message>
</context>
<context>
    <name>CheckTemplatesDialog</name>
    <message>
        <source>Listy sprawdzeń</source>
        <translation>Prüflisten</translation>
    </message>
    <message>
        <source>Część listy:</source>
        <translation>Teil der Liste:</translation>
    </message>
    <message>
        <source>Nowe przeglądy dostają wiersze, które nie są wycofane, w tej kolejności. Przeglądy już rozpoczęte zachowują swoje wiersze.</source>
        <translation>Neue Wartungen erhalten die nicht zurückgezogenen Zeilen in dieser Reihenfolge. Bereits begonnene Wartungen behalten ihre Zeilen.</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>W górę</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>W dół</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Vorgehen</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Anforderung</translation>
    </message>
    <message>
        <source>Wycofany</source>
        <translation>Zurückgezogen</translation>
    </message>
</context>
<context>
    <name>Checklist</name>
    <message>
        <source>Przełączenie zasilania sieć / akumulator</source>
        <translation>Umschaltung Netz / Batterie</translation>
    </message>
    <message>
        <source>Odłączyć zasilanie 230 V, obserwować pracę z akumulatora i powrót zasilania sieciowego</source>
        <translation>Netzversorgung 230 V abschalten, Betrieb über Batterie und Wiederkehr der Netzversorgung beobachten</translation>
    </message>
    <message>
        <source>praca bez przerwy, zgłoszenie braku 230 V</source>
        <translation>Betrieb ohne Unterbrechung, Meldung fehlender 230 V</translation>
    </message>
    <message>
        <source>Ładowarka akumulatorów</source>
        <translation>Batterieladegerät</translation>
    </message>
    <message>
        <source>Pomiar napięcia ładowania na zaciskach akumulatora</source>
        <translation>Messung der Ladespannung an den Batterieklemmen</translation>
    </message>
    <message>
        <source>27,3 V ± 0,3 V</source>
        <translation>27,3 V ± 0,3 V</translation>
    </message>
    <message>
        <source>Uszkodzenie przy odłączeniu akumulatora</source>
        <translation>Störung bei abgeklemmter Batterie</translation>
    </message>
    <message>
        <source>Odłączyć akumulator, odczytać uszkodzenia</source>
        <translation>Batterie abklemmen, Störungen auslesen</translation>
    </message>
    <message>
        <source>zgłoszony brak akumulatora</source>
        <translation>fehlende Batterie gemeldet</translation>
    </message>
    <message>
        <source>Nadzór linii</source>
        <translation>Linienüberwachung</translation>
    </message>
    <message>
        <source>Odczyt stanu linii w podglądzie na żywo</source>
        <translation>Linienzustand in der Live-Ansicht ablesen</translation>
    </message>
    <message>
        <source>stan dozorowania</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Wykrycie przerwy linii</source>
        <translation>Erkennung einer Linienunterbrechung</translation>
    </message>
    <message>
        <source>Rozłączyć linię na końcu, odczytać uszkodzenia</source>
        <translation>Linie am Ende auftrennen, Störungen auslesen</translation>
    </message>
    <message>
        <source>zgłoszona przerwa</source>
        <translation>Unterbrechung gemeldet</translation>
    </message>
    <message>
        <source>Wykrycie zwarcia linii</source>
        <translation>Erkennung eines Linienkurzschlusses</translation>
    </message>
    <message>
        <source>Zewrzeć linię, odczytać uszkodzenia</source>
        <translation>Linie kurzschließen, Störungen auslesen</translation>
    </message>
    <message>
        <source>zgłoszone zwarcie</source>
        <translation>Kurzschluss gemeldet</translation>
    </message>
    <message>
        <source>Wyjścia przekaźnikowe</source>
        <translation>Relaisausgänge</translation>
    </message>
    <message>
        <source>Wysterować każde wyjście, sprawdzić przełączenie styków</source>
        <translation>Jeden Ausgang ansteuern, Umschalten der Kontakte prüfen</translation>
    </message>
    <message>
        <source>przełączenie styków, ciągłość obwodu</source>
        <translation>Umschalten der Kontakte, Durchgang des Stromkreises</translation>
    </message>
    <message>
        <source>Blokada wyzwolenia</source>
        <translation>Auslösesperre</translation>
    </message>
    <message>
        <source>Przed testem włączyć blokadę wyzwolenia gaszenia</source>
        <translation>Vor dem Test die Löschsperre einschalten</translation>
    </message>
    <message>
        <source>blokada włączona i sygnalizowana</source>
        <translation>Sperre eingeschaltet und angezeigt</translation>
    </message>
    <message>
        <source>Obwody wyzwalające</source>
        <translation>Auslösestromkreise</translation>
    </message>
    <message>
        <source>Test przy wyłączonym wyzwalaniu: ciągłość i zwarcie obwodu</source>
        <translation>Test bei abgeschalteter Auslösung: Durchgang und Kurzschluss des Stromkreises</translation>
    </message>
    <message>
        <source>brak przerwy i zwarcia, bez wyzwolenia</source>
        <translation>keine Unterbrechung und kein Kurzschluss, keine Auslösung</translation>
    </message>
    <message>
        <source>Stan wizualny centrali i obudowy</source>
        <translation>Sichtprüfung von Zentrale und Gehäuse</translation>
    </message>
    <message>
        <source>Oględziny: uszkodzenia, zabrudzenia, mocowanie, zamknięcie</source>
        <translation>Besichtigung: Schäden, Verschmutzung, Befestigung, Verschluss</translation>
    </message>
    <message>
        <source>bez uszkodzeń</source>
        <translation>ohne Schäden</translation>
    </message>
    <message>
        <source>Bezpieczniki</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Sprawdzenie wartości i stanu bezpieczników</source>
        <translation>Prüfung von Wert und Zustand der Sicherungen</translation>
    </message>
    <message>
        <source>zgodne z dokumentacją</source>
        <translation>gemäß Dokumentation</translation>
    </message>
    <message>
        <source>Obwód zasilania sieciowego</source>
        <translation>Netzversorgungsstromkreis</translation>
    </message>
    <message>
        <source>Wydzielony obwód, oznaczenie, zabezpieczenie</source>
        <translation>Eigener Stromkreis, Kennzeichnung, Absicherung</translation>
    </message>
    <message>
        <source>zgodny z projektem</source>
        <translation>gemäß Planung</translation>
    </message>
    <message>
        <source>Sygnalizacja do centrali SSP / monitoringu</source>
        <translation>Meldung an die Brandmelderzentrale / Überwachung</translation>
    </message>
    <message>
        <source>Wywołanie alarmu i uszkodzenia, potwierdzenie odbioru</source>
        <translation>Alarm und Störung auslösen, Empfang bestätigen</translation>
    </message>
    <message>
        <source>sygnały odebrane</source>
        <translation>Meldungen empfangen</translation>
    </message>
    <message>
        <source>Książka eksploatacji</source>
        <translation>Betriebsbuch</translation>
    </message>
    <message>
        <source>Wpisy od poprzedniego przeglądu</source>
        <translation>Einträge seit der letzten Wartung</translation>
    </message>
    <message>
        <source>prowadzona</source>
        <translation>geführt</translation>
    </message>
    <message>
        <source>Instrukcja obsługi na miejscu</source>
        <translation>Bedienungsanleitung vor Ort</translation>
    </message>
    <message>
        <source>Obecność i aktualność instrukcji przy centrali</source>
        <translation>Anleitung an der Zentrale vorhanden und aktuell</translation>
    </message>
    <message>
        <source>dostępna</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>Czujki</source>
        <translation>Melder</translation>
    </message>
    <message>
        <source>Pobudzenie testerem, zadziałanie na centrali</source>
        <translation>Auslösung mit Prüfgerät, Anzeige an der Zentrale</translation>
    </message>
    <message>
        <source>alarm na centrali</source>
        <translation>Alarm an der Zentrale</translation>
    </message>
    <message>
        <source>Przyciski ROP i przyciski oddymiania</source>
        <translation>Handfeuermelder und RWA-Taster</translation>
    </message>
    <message>
        <source>Uruchomienie kluczem testowym</source>
        <translation>Auslösung mit Prüfschlüssel</translation>
    </message>
    <message>
        <source>Siłowniki</source>
        <translation>Antriebe</translation>
    </message>
    <message>
        <source>Pełny cykl otwarcia i zamknięcia</source>
        <translation>Vollständiger Auf-/Zu-Zyklus</translation>
    </message>
    <message>
        <source>ruch bez zacięć</source>
        <translation>Bewegung ohne Klemmen</translation>
    </message>
    <message>
        <source>Klapy i okna oddymiające</source>
        <translation>RWA-Klappen und -Fenster</translation>
    </message>
    <message>
        <source>Otwarcie z centrali, kontrola krańcówek</source>
        <translation>Öffnen von der Zentrale, Endschalterprüfung</translation>
    </message>
    <message>
        <source>otwarcie pełne</source>
        <translation>vollständig geöffnet</translation>
    </message>
    <message>
        <source>Sygnalizatory</source>
        <translation>Signalgeber</translation>
    </message>
    <message>
        <source>Wysterowanie z centrali</source>
        <translation>Ansteuerung von der Zentrale</translation>
    </message>
    <message>
        <source>sygnał słyszalny</source>
        <translation>Signal hörbar</translation>
    </message>
    <message>
        <source>Urządzenia wyzwalające i pojemniki</source>
        <translation>Auslöseeinrichtungen und Behälter</translation>
    </message>
    <message>
        <source>Oględziny, ciśnienie, masa, zabezpieczenia</source>
        <translation>Besichtigung, Druck, Masse, Sicherungen</translation>
    </message>
    <message>
        <source>zgodne z kartą urządzenia</source>
        <translation>gemäß Gerätekarte</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Allgemeine Prüfungen</translation>
    </message>
    <message>
        <source>Moduły zasilania</source>
        <translation>Versorgungsmodule</translation>
    </message>
    <message>
        <source>Moduły liniowe</source>
        <translation>Linienmodule</translation>
    </message>
    <message>
        <source>Moduły przekaźników</source>
        <translation>Relaismodule</translation>
    </message>
    <message>
        <source>Moduły sterowania gaszeniem</source>
        <translation>Löschsteuermodule</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie</source>
        <translation>Feldgeräte</translation>
    </message>
</context>
<context>
    <name>CloseWarnings</name>
    <message>
        <source>Sprawdzenia bez wyniku: %1. W protokole będą opisane jako „nie sprawdzono”.</source>
        <translation>Prüfungen ohne Ergebnis: %1. Im Protokoll erscheinen sie als „nicht geprüft“.</translation>
    </message>
    <message>
        <source>Ocena „sprawna”, a przy odjeździe centrala zgłasza uszkodzenia: %1.</source>
        <translation>Beurteilung „betriebsbereit“, aber die Zentrale meldet bei Abfahrt Störungen: %1.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 minął, a akumulatora nie wymieniono.</source>
        <translation>Batterie %1: Der Austauschtermin %2 ist überschritten, die Batterie wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 przypada w ciągu 90 dni, a akumulatora nie wymieniono.</source>
        <translation>Batterie %1: Der Austauschtermin %2 liegt innerhalb von 90 Tagen, die Batterie wurde nicht ersetzt.</translation>
    </message>
</context>
<context>
    <name>ConfigDiffModel</name>
    <message>
        <source>cały moduł, tylko po lewej</source>
        <translation>ganzes Modul, nur links</translation>
    </message>
    <message>
        <source>cały moduł, tylko po prawej</source>
        <translation>ganzes Modul, nur rechts</translation>
    </message>
    <message>
        <source>(brak modułu)</source>
        <translation>(kein Modul)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Einstellung</translation>
    </message>
</context>
<context>
    <name>ConfigEditor</name>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Filtruj</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Pokaż tylko zadeklarowane moduły na liście konfiguracyjnej</source>
        <translation>Nur deklarierte Module in der Konfigurationsliste anzeigen</translation>
    </message>
    <message>
        <source>Pokaż niezadeklarowane</source>
        <translation>Nicht deklarierte anzeigen</translation>
    </message>
    <message>
        <source>Rozwiń</source>
        <translation>Aufklappen</translation>
    </message>
    <message>
        <source>ZAPISZ</source>
        <translation>SPEICHERN</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została zmieniona. Czy zapisać zmiany?</source>
        <translation>Konfiguration %1 wurde geändert. Änderungen speichern?</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Czerwony napis&lt;/i&gt;&lt;/span&gt;: wartość inna niż w porównywanej konfiguracji (albo moduł, którego tam nie ma). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Żółte tło&lt;/i&gt;&lt;/span&gt;: wartość zmieniona i jeszcze niezapisana.</source>
        <translation>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Rote Schrift&lt;/i&gt;&lt;/span&gt;: Wert weicht von der verglichenen Konfiguration ab (oder Modul, das dort nicht vorhanden ist). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Gelber Hintergrund&lt;/i&gt;&lt;/span&gt;: Wert geändert und noch nicht gespeichert.</translation>
    </message>
    <message>
        <source>Wczytaj ponownie</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Vergleichen</translation>
    </message>
</context>
<context>
    <name>ConfigManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Aus dem Gerät lesen</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Wyślij do urządzenia</source>
        <translation>An das Gerät senden</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Dodaj nową konfigrację</source>
        <comment>Add new config</comment>
        <translation>Neue Konfiguration hinzufügen</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Zapisz do pdf</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Wczytaj z pliku</source>
        <translation>Aus Datei laden</translation>
    </message>
    <message>
        <source>Zapisz do pliku</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel-Konfigurator</translation>
    </message>
    <message>
        <source>Błąd przy odczycie konfiguracji</source>
        <comment>Configuration error</comment>
        <translation>Fehler beim Lesen der Konfiguration</translation>
    </message>
    <message>
        <source>Nazwa Konfiguracji</source>
        <translation>Name der Konfiguration</translation>
    </message>
    <message>
        <source>Wprowadź nazwę:</source>
        <translation>Namen eingeben:</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1 w bazie danych.</source>
        <translation>Konfiguration %1 konnte nicht in der Datenbank gespeichert werden.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Daten erfolgreich gesendet.</translation>
    </message>
    <message>
        <source>Czy wysłać konfigurację %1 do urządzenia?</source>
        <translation>Konfiguration %1 an das Gerät senden?</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Konfiguracja została zapisana.</source>
        <translation>Die Konfiguration wurde gespeichert.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1.</source>
        <translation>Konfiguration %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Stwórz nową konfigurację</source>
        <translation>Neue Konfiguration anlegen</translation>
    </message>
    <message>
        <source>Wprowadź nową nazwę:</source>
        <translation>Neuen Namen eingeben:</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż jedną konfigurację.Zaznacz jedną konfigurację, aby zmienić nazwę.</source>
        <translation>Mehr als eine Konfiguration ausgewählt. Wählen Sie eine Konfiguration aus, um sie umzubenennen.</translation>
    </message>
    <message>
        <source>Zmiana nazwy.</source>
        <translation>Umbenennen.</translation>
    </message>
    <message>
        <source>Zmieniono nazwe konfiguracji %1</source>
        <translation>Konfiguration umbenannt in: %1</translation>
    </message>
    <message>
        <source>Czy usunąć konfigurację %1</source>
        <translation>Konfiguration %1 löschen?</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji</source>
        <translation>Konfiguration gelöscht</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji o nazwie: %1</source>
        <translation>Konfiguration mit dem Namen %1 gelöscht</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż 1 konfigurację na liście.
 Zaznacz jedną konfigurację, aby ją wyeksportować.</source>
        <translation>Mehr als 1 Konfiguration in der Liste ausgewählt.
 Wählen Sie eine Konfiguration aus, um sie zu exportieren.</translation>
    </message>
    <message>
        <source>Eksport config</source>
        <translation>Konfiguration exportieren</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Import conf</source>
        <translation>Konfiguration importieren</translation>
    </message>
    <message>
        <source>Plik %1 nie zawiera poprawnej konfiguracji.</source>
        <translation>Datei %1 enthält keine gültige Konfiguration.</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>urządzenia</source>
        <translation>des Geräts</translation>
    </message>
    <message>
        <source>Urządzenie</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Porównaj otwartą konfigurację z inną</source>
        <translation>Geöffnete Konfiguration mit einer anderen vergleichen</translation>
    </message>
    <message>
        <source>z zapisaną konfiguracją…</source>
        <translation>mit einer gespeicherten Konfiguration…</translation>
    </message>
    <message>
        <source>z plikiem .cfg…</source>
        <translation>mit einer .cfg-Datei…</translation>
    </message>
    <message>
        <source>z konfiguracją urządzenia</source>
        <translation>mit der Konfiguration des Geräts</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zawiera żadnego modułu.</source>
        <translation>Die Konfiguration %1 enthält kein Modul.</translation>
    </message>
    <message>
        <source>Konfiguracji %1 nie da się odczytać: jej dane są uszkodzone.</source>
        <translation>Die Konfiguration %1 kann nicht gelesen werden: Ihre Daten sind beschädigt.</translation>
    </message>
    <message>
        <source>Otwórz konfigurację, którą chcesz porównać.</source>
        <translation>Öffnen Sie die Konfiguration, die Sie vergleichen möchten.</translation>
    </message>
    <message>
        <source>Nie ma innej zapisanej konfiguracji.</source>
        <translation>Es gibt keine andere gespeicherte Konfiguration.</translation>
    </message>
    <message>
        <source>Porównaj %1 z konfiguracją:</source>
        <translation>%1 vergleichen mit der Konfiguration:</translation>
    </message>
    <message>
        <source>Porównaj z plikiem</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Keine Verbindung zum Gerät.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji</source>
        <translation>Lesen der Konfiguration</translation>
    </message>
    <message>
        <source>Poprzednie polecenie dla urządzenia jeszcze trwa.</source>
        <translation>Der vorherige Befehl an das Gerät läuft noch.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji do porównania</source>
        <translation>Lesen der Konfiguration zum Vergleich</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany.

„Tak” zapisuje je i drukuje zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez zapisywania.</source>
        <translation>Die Konfiguration %1 hat ungespeicherte Änderungen.

„Ja“ speichert sie und druckt die gespeicherte Konfiguration, „Nein“ druckt den Inhalt des Editors ohne zu speichern.</translation>
    </message>
    <message>
        <source>Konfigurację %1 zapisano w pliku %2.</source>
        <translation>Konfiguration %1 in Datei %2 gespeichert.</translation>
    </message>
    <message>
        <source>ta stacja</source>
        <translation>dieser Rechner</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została w międzyczasie zmieniona przez synchronizację z archiwum, więc zmian nie zapisano na niej: zapisano je obok jako %2, konflikt do rozstrzygnięcia (Porównaj).</source>
        <translation>Die Konfiguration %1 wurde inzwischen durch eine Synchronisierung mit dem Archiv geändert, daher wurden die Änderungen nicht darüber gespeichert: Sie wurden daneben als %2 gespeichert, ein zu lösender Konflikt (Vergleichen).</translation>
    </message>
    <message>
        <source>Synchronizacja z archiwum przyniosła nowszą wersję konfiguracji %1. Edytor pokazuje wersję otwartą wcześniej; jej zapis trafi obok jako konflikt.</source>
        <translation>Eine Synchronisierung mit dem Archiv hat eine neuere Version der Konfiguration %1 gebracht. Der Editor zeigt die früher geöffnete Version; ihr Speichern landet als Konflikt daneben.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany. Zapisać je obok jako konflikt przed wczytaniem nowszej wersji?</source>
        <translation>Die Konfiguration %1 hat ungespeicherte Änderungen. Sollen sie vor dem Laden der neueren Version als Konflikt daneben gespeichert werden?</translation>
    </message>
    <message>
        <source>%1 (wersja z archiwum)</source>
        <translation>%1 (Version aus dem Archiv)</translation>
    </message>
</context>
<context>
    <name>ConfigReviewDialog</name>
    <message>
        <source>Porównanie konfiguracji</source>
        <translation>Konfigurationsvergleich</translation>
    </message>
    <message>
        <source>Pokaż:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>tylko różnice</source>
        <translation>nur Unterschiede</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>UWAGA: zestaw modułów się różni (tylko po lewej: %1, tylko po prawej: %2). Ta konfiguracja może należeć do innej centrali.</source>
        <translation>ACHTUNG: Die Modulbestückung unterscheidet sich (nur links: %1, nur rechts: %2). Diese Konfiguration gehört möglicherweise zu einer anderen Zentrale.</translation>
    </message>
    <message>
        <source>Przegląd przed wysłaniem</source>
        <translation>Prüfung vor dem Senden</translation>
    </message>
    <message>
        <source>Wyślij zaznaczone</source>
        <translation>Markierte senden</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Moduły: %1 po lewej, %2 po prawej. Tylko po lewej: %3, tylko po prawej: %4. Zmienione ustawienia: %5, bez zmian: %6.</source>
        <translation>Module: %1 links, %2 rechts. Nur links: %3, nur rechts: %4. Geänderte Einstellungen: %5, unverändert: %6.</translation>
    </message>
</context>
<context>
    <name>ConfigSender</name>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel-Konfigurator</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: jej zapisany obraz jest uszkodzony.</source>
        <translation>Die Konfiguration %1 wird nicht gesendet: Ihr gespeichertes Abbild ist beschädigt.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: nie zawiera żadnego modułu.</source>
        <translation>Die Konfiguration %1 wird nicht gesendet: Sie enthält kein Modul.</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Keine Verbindung zum Gerät.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać kopii konfiguracji urządzenia. Nic nie wysłano.</source>
        <translation>Die Konfiguration des Geräts konnte nicht gesichert werden. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej z urządzenia nie da się odczytać, więc nie można jej porównać. Nic nie wysłano.</source>
        <translation>Die aus dem Gerät gelesene Konfiguration ist nicht lesbar und kann daher nicht verglichen werden. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Urządzenie ma już konfigurację %1. Nic nie wysłano.</source>
        <translation>Das Gerät hat bereits die Konfiguration %1. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Urządzenie (teraz)</source>
        <translation>Gerät (jetzt)</translation>
    </message>
    <message>
        <source>Do wysłania: %1</source>
        <translation>Zu senden: %1</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnej zmiany. Nic nie wysłano.</source>
        <translation>Keine Änderung markiert. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Zestaw modułów w urządzeniu jest inny niż w konfiguracji %1 (tylko w urządzeniu: %2, tylko w wysyłanej: %3). Ta konfiguracja może należeć do innej centrali.

Czy na pewno wysłać ją do urządzenia?</source>
        <translation>Die Modulbestückung im Gerät unterscheidet sich von der in der Konfiguration %1 (nur im Gerät: %2, nur in der zu sendenden: %3). Diese Konfiguration gehört möglicherweise zu einer anderen Zentrale.

Soll sie wirklich an das Gerät gesendet werden?</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem. Nic nie wysłano.</source>
        <translation>Keine Verbindung zum Gerät. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Daten erfolgreich gesendet.</translation>
    </message>
    <message>
        <source>Konfiguracja zweryfikowana</source>
        <translation>Konfiguration verifiziert</translation>
    </message>
    <message>
        <source>… i jeszcze %1</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>%1, %2: wysłano %3, urządzenie ma %4</source>
        <translation>%1, %2: gesendet %3, Gerät hat %4</translation>
    </message>
    <message>
        <source>%1: urządzenie nie ma tego modułu</source>
        <translation>%1: Gerät hat dieses Modul nicht</translation>
    </message>
    <message>
        <source>%1: moduł, którego nie wysłano</source>
        <translation>%1: nicht gesendetes Modul</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale nie przyjęło tych ustawień:</source>
        <translation>Das Gerät hat den Empfang bestätigt, aber diese Einstellungen nicht übernommen:</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej po wysłaniu nie da się odczytać.</source>
        <translation>Die nach dem Senden gelesene Konfiguration ist nicht lesbar.</translation>
    </message>
    <message>
        <source>Weryfikacja konfiguracji</source>
        <translation>Verifizierung der Konfiguration</translation>
    </message>
    <message>
        <source>Poprzednia konfiguracja urządzenia jest zapisana jako %1.</source>
        <translation>Die vorherige Konfiguration des Geräts ist als %1 gespeichert.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji przed wysłaniem</source>
        <translation>Lesen der Konfiguration vor dem Senden</translation>
    </message>
    <message>
        <source>Nic nie wysłano.</source>
        <translation>Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale konfiguracja nie została zweryfikowana.</source>
        <translation>Das Gerät hat den Empfang bestätigt, aber die Konfiguration wurde nicht verifiziert.</translation>
    </message>
    <message>
        <source>odczyt kontrolny konfiguracji</source>
        <translation>Kontrolllesen der Konfiguration</translation>
    </message>
    <message>
        <source>wysyłanie konfiguracji</source>
        <translation>Senden der Konfiguration</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy urządzenie przyjęło konfigurację: odczytaj konfigurację, aby to sprawdzić.</source>
        <translation>Es ist nicht bekannt, ob das Gerät die Konfiguration übernommen hat: Lesen Sie die Konfiguration, um dies zu prüfen.</translation>
    </message>
    <message>
        <source>Niezapisane zmiany z edytora nie zostały wysłane: użyto zapisanej wersji konfiguracji %1.</source>
        <translation>Ungespeicherte Änderungen aus dem Editor wurden nicht gesendet: Es wurde die gespeicherte Version der Konfiguration %1 verwendet.</translation>
    </message>
</context>
<context>
    <name>DetailsManagement</name>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Kalibracja</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Autokalibracja</source>
        <translation>Autokalibrierung</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Instrukcja postępowania:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wyłącz zasilanie Ostrel.&lt;/li&gt;&lt;li&gt;Odłącz złącze zasilania 24 V od modułu PSB (wejście zasilane z modułu zasilacza sieciowego).&lt;/li&gt;&lt;li&gt;Podłącz zasilacz laboratoryjny równolegle z woltomierzem do wejścia akumulatora i ustaw dokładnie 27.3 V.&lt;/li&gt;&lt;li&gt;Załącz akumulator.&lt;/li&gt;&lt;li&gt;Naciśnij przycisk „Autokalibracja”.&lt;/li&gt;&lt;li&gt;Po krótkim czasie pojawi się okno z informacją o poprawnie wykonanej kalibracji.&lt;/li&gt;&lt;li&gt;Zresetuj mikrokontroler.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Vorgehensweise:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Versorgung des Ostrel ausschalten.&lt;/li&gt;&lt;li&gt;Den 24-V-Versorgungsstecker vom Modul PSB abziehen (Eingang, der vom Netzteilmodul gespeist wird).&lt;/li&gt;&lt;li&gt;Ein Labornetzteil mit parallel geschaltetem Voltmeter an den Batterieeingang anschließen und genau 27.3 V einstellen.&lt;/li&gt;&lt;li&gt;Batterie zuschalten.&lt;/li&gt;&lt;li&gt;Die Schaltfläche „Autokalibrierung“ drücken.&lt;/li&gt;&lt;li&gt;Nach kurzer Zeit meldet ein Fenster die erfolgreiche Kalibrierung.&lt;/li&gt;&lt;li&gt;Den Mikrocontroller zurücksetzen.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Tester Ostrel</source>
        <translation>Ostrel-Tester</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Podgląd na żywo</source>
        <translation>Live-Ansicht</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Brak funkcji</source>
        <translation>Keine Funktion</translation>
    </message>
    <message>
        <source>Nazwa testu</source>
        <translation>Testname</translation>
    </message>
    <message>
        <source>Prawidłowy zakres</source>
        <translation>Gültiger Bereich</translation>
    </message>
    <message>
        <source>Wartość bin</source>
        <translation>Wert bin</translation>
    </message>
    <message>
        <source>Wartość str</source>
        <translation>Wert str</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Kalibracja zakończona. Zresetuj mikrokontroler.</source>
        <translation>Kalibrierung abgeschlossen. Mikrocontroller zurücksetzen.</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Nie można wykonać testu ponieważ włączony jest tryb kalibracji</source>
        <translation>Der Test kann nicht ausgeführt werden, da der Kalibriermodus eingeschaltet ist</translation>
    </message>
    <message>
        <source>Zakończono testowanie.</source>
        <translation>Test abgeschlossen.</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się czy masz podłączone zasilanie 27.3 V</source>
        <translation>Soll die Autokalibrierung des Ostrel wirklich ausgeführt werden? Stellen Sie sicher, dass die 27.3-V-Versorgung angeschlossen ist</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz podłączony akumulator i włączone zasilanie Ostrel.</source>
        <translation>Soll der Ostrel-Test wirklich ausgeführt werden? Stellen Sie sicher, dass die Batterie angeschlossen und die Versorgung des Ostrel eingeschaltet ist.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>BŁĄD</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Napięcie 230 V przed diodą</source>
        <translation>Spannung 230 V vor der Diode</translation>
    </message>
    <message>
        <source>Napięcie 230 V za diodą</source>
        <translation>Spannung 230 V hinter der Diode</translation>
    </message>
    <message>
        <source>Napięcie akumulatora</source>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Prąd ładowania</source>
        <translation>Ladestrom</translation>
    </message>
    <message>
        <source>Rezystancja akumulatora</source>
        <translation>Batteriewiderstand</translation>
    </message>
    <message>
        <source>Temp. wewnątrz obudowy</source>
        <translation>Temp. im Gehäuse</translation>
    </message>
    <message>
        <source>Dioda idealna</source>
        <translation>Ideale Diode</translation>
    </message>
    <message>
        <source>Klucz akumulatora</source>
        <translation>Batterieschalter</translation>
    </message>
    <message>
        <source>Stan zasilacza Ostrel</source>
        <translation>Zustand Netzteil Ostrel</translation>
    </message>
    <message>
        <source>Stan ładowania akumulatora</source>
        <translation>Ladezustand der Batterie</translation>
    </message>
    <message>
        <source>Offset temperaturowy</source>
        <translation>Temperatur-Offset</translation>
    </message>
    <message>
        <source>PWM sterowania binarnie</source>
        <translation>Steuer-PWM binär</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V przed dioda</source>
        <translation>Offset Spannung 230 V vor der Diode</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V za dioda</source>
        <translation>Offset Spannung 230 V hinter der Diode</translation>
    </message>
    <message>
        <source>Offset napiecie akumulatora</source>
        <translation>Offset Batteriespannung</translation>
    </message>
    <message>
        <source>Offset prąd ładowania</source>
        <translation>Offset Ladestrom</translation>
    </message>
    <message>
        <source>Ilość przejść do CC z CV</source>
        <translation>Anzahl Wechsel von CV zu CC</translation>
    </message>
    <message>
        <source>Ilość przeciążeń akumulatora</source>
        <translation>Anzahl Batterieüberlastungen</translation>
    </message>
    <message>
        <source>Ilość pomiarów rezystancji</source>
        <translation>Anzahl Widerstandsmessungen</translation>
    </message>
    <message>
        <source>Ilość załączeń diody</source>
        <translation>Anzahl Einschaltungen der Diode</translation>
    </message>
    <message>
        <source>Ilość wyłączeń diody</source>
        <translation>Anzahl Abschaltungen der Diode</translation>
    </message>
    <message>
        <source>Ilość wylaczen diody podczas blokowania 2s</source>
        <translation>Anzahl Abschaltungen der Diode während der 2-s-Sperre</translation>
    </message>
    <message>
        <source>Ilość prób zalaczen diody po sprawdeniu napiecia sieciowego</source>
        <translation>Anzahl Einschaltversuche der Diode nach Prüfung der Netzspannung</translation>
    </message>
    <message>
        <source>Ilość zalaczen diody po sprawdeniu napiecia siecowego</source>
        <translation>Anzahl Einschaltungen der Diode nach Prüfung der Netzspannung</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout R</source>
        <translation>Anzahl Timeouts R</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 5h</source>
        <translation>Anzahl Lade-Timeouts CC 5h</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 48h</source>
        <translation>Anzahl Lade-Timeouts CC 48h</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CC</source>
        <translation>Anzahl Ladegerätfehler in CC</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CV</source>
        <translation>Anzahl Ladegerätfehler in CV</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS1</source>
        <translation>Zustand Signallinie LS1</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS2</source>
        <translation>Zustand Signallinie LS2</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS3</source>
        <translation>Zustand Signallinie LS3</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS4</source>
        <translation>Zustand Signallinie LS4</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK1</source>
        <translation>Zustand Kontrolllinie LK1</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK2</source>
        <translation>Zustand Kontrolllinie LK2</translation>
    </message>
    <message>
        <source>BATTERY AND SUPPLY</source>
        <translation>BATTERIE UND NETZ</translation>
    </message>
    <message>
        <source>ONLY BATTERY</source>
        <translation>NUR BATTERIE</translation>
    </message>
    <message>
        <source>ONLY SUPPLY</source>
        <translation>NUR NETZ</translation>
    </message>
    <message>
        <source>CURRENT MODE</source>
        <translation>STROMMODUS</translation>
    </message>
    <message>
        <source>VOLTAGE MODE</source>
        <translation>SPANNUNGSMODUS</translation>
    </message>
    <message>
        <source>TEMPERATURE MODE</source>
        <translation>TEMPERATURMODUS</translation>
    </message>
    <message>
        <source>WYSTEROWANIE</source>
        <translation>ANGESTEUERT</translation>
    </message>
    <message>
        <source>ZWARCIE</source>
        <translation>KURZSCHLUSS</translation>
    </message>
    <message>
        <source>PRZECIĄŻENIE</source>
        <translation>ÜBERLAST</translation>
    </message>
    <message>
        <source>PRZERWA</source>
        <translation>UNTERBRECHUNG</translation>
    </message>
    <message>
        <source>DOZÓR</source>
        <translation>RUHE</translation>
    </message>
    <message>
        <source>NIEAKTYWNA</source>
        <translation>INAKTIV</translation>
    </message>
    <message>
        <source>Test RAM</source>
        <translation>RAM-Test</translation>
    </message>
    <message>
        <source>Test FLASH</source>
        <translation>FLASH-Test</translation>
    </message>
    <message>
        <source>Test czujnika prądu bez obciążenia</source>
        <translation>Test Stromsensor ohne Last</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - rezystnacja</source>
        <translation>Test Widerstandsmessung - Widerstand</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora bez obciążenia</source>
        <translation>Test Widerstandsmessung - U Batterie ohne Last</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora z obciążeniem</source>
        <translation>Test Widerstandsmessung - U Batterie unter Last</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - I akumulatora z obciążeniem</source>
        <translation>Test Widerstandsmessung - I Batterie unter Last</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie minimalne</source>
        <translation>Test Netzteil - Mindestspannung</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie maksymalne</source>
        <translation>Test Netzteil - Höchstspannung</translation>
    </message>
    <message>
        <source>Sprawny/Uszkodzony</source>
        <translation>In Ordnung/Gestört</translation>
    </message>
    <message>
        <source>od 0.1 do -0.1 A</source>
        <translation>von 0.1 bis -0.1 A</translation>
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
        <translation>von 2.9 bis 3.9 A</translation>
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
        <translation>ZUSTAND Y</translation>
    </message>
    <message>
        <source>STAN X</source>
        <translation>ZUSTAND X</translation>
    </message>
    <message>
        <source>STAN DOZOROWANIA</source>
        <translation>RUHEZUSTAND</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Brak sondy</source>
        <translation>Kein Fühler</translation>
    </message>
    <message>
        <source>NIEDOTYCZY</source>
        <translation>ENTFÄLLT</translation>
    </message>
    <message>
        <source>0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy</source>
        <translation>0 - max. Spannung, 4095 - min. Ausgangsspannung des Wandlers</translation>
    </message>
    <message>
        <source>Wartość zeruje sie po resecie</source>
        <translation>Der Wert wird beim Reset auf null gesetzt</translation>
    </message>
    <message>
        <source>Wartość zeruje się po resecie</source>
        <translation>Der Wert wird beim Reset auf null gesetzt</translation>
    </message>
    <message>
        <source>brak danych</source>
        <translation>keine Daten</translation>
    </message>
    <message>
        <source>Wartości poniżej nie są aktualne: port jest zamknięty albo centrala nie przysłała nowych przez dwa okresy odpytywania</source>
        <translation>Die Werte unten sind nicht aktuell: Der Port ist geschlossen oder die Zentrale hat seit zwei Abfragezyklen keine neuen gesendet</translation>
    </message>
</context>
<context>
    <name>EnumList</name>
    <message>
        <source>Brak – wyjście nieaktywne</source>
        <translation>Keine – Ausgang inaktiv</translation>
    </message>
    <message>
        <source>Alarm - ogólny Halvo</source>
        <translation>Alarm - allgemein Halvo</translation>
    </message>
    <message>
        <source>Alarm - wejście zewnętrzne</source>
        <translation>Alarm - externer Eingang</translation>
    </message>
    <message>
        <source>Alarm - system Tarven A/B</source>
        <translation>Alarm - System Tarven A/B</translation>
    </message>
    <message>
        <source>Alarm - suma stref LNM</source>
        <translation>Alarm - Summe LNM-Zonen</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref LNM</source>
        <translation>Alarm - Produkt LNM-Zonen</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + suma stref LNMn</source>
        <translation>Alarm – externer Eingang + Summe LNMn-Zonen</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + iloczyn stref LNMn</source>
        <translation>Alarm – externer Eingang + Produkt LNMn-Zonen</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + suma stref LNMn</source>
        <translation>Alarm – Tarven A/B + Summe LNMn-Zonen</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + iloczyn stref LNMn</source>
        <translation>Alarm – Tarven A/B + Produkt LNMn-Zonen</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + własny</source>
        <translation>Alarm – externer Eingang + eigener</translation>
    </message>
    <message>
        <source>Alarm – system Tarven A/B + własny</source>
        <translation>Alarm – System Tarven A/B + eigener</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref + wlasny</source>
        <translation>Alarm - Produkt der Zonen + eigener</translation>
    </message>
    <message>
        <source>Zarezerwowane</source>
        <translation>Reserviert</translation>
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
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Alarm - ogólny</source>
        <translation>Alarm - allgemein</translation>
    </message>
    <message>
        <source>Alarm - LDK</source>
        <translation>Alarm - LDK</translation>
    </message>
    <message>
        <source>Alarm - BZ7x</source>
        <translation>Alarm - BZ7x</translation>
    </message>
    <message>
        <source>Osiągnięta pozycja pożarowa (FIRE SAFE)</source>
        <translation>Brandfallstellung erreicht (FIRE SAFE)</translation>
    </message>
    <message>
        <source>Nieaktywna</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Kontrola zadziałania PK</source>
        <translation>Auslösekontrolle PK</translation>
    </message>
    <message>
        <source>Wejście potwierdzenia zewnętrznego</source>
        <translation>Eingang externe Bestätigung</translation>
    </message>
    <message>
        <source>Wejście kasowania zewnętrznego</source>
        <translation>Eingang externe Rückstellung</translation>
    </message>
    <message>
        <source>Blokowanie wyjść</source>
        <translation>Sperrung der Ausgänge</translation>
    </message>
    <message>
        <source>Blokowanie warunkowe wyjscia LNM</source>
        <translation>Bedingte Sperrung des LNM-Ausgangs</translation>
    </message>
    <message>
        <source>Zamrożenie stanu</source>
        <translation>Zustand einfrieren</translation>
    </message>
    <message>
        <source>Wyjście nieaktywne</source>
        <translation>Ausgang inaktiv</translation>
    </message>
    <message>
        <source>Załączenie na stałe</source>
        <translation>Dauernd ein</translation>
    </message>
    <message>
        <source>Załączenie czasowe</source>
        <translation>Zeitgesteuert ein</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-cykliczne</source>
        <translation>Impulsweise zyklisch</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-ilościowe</source>
        <translation>Impulsweise mit Anzahl</translation>
    </message>
    <message>
        <source>0-nieaktywny</source>
        <translation>0-inaktiv</translation>
    </message>
    <message>
        <source>1-załączenie na stałe</source>
        <translation>1-dauernd ein</translation>
    </message>
    <message>
        <source>2-załączenie czasowe</source>
        <translation>2-zeitgesteuert ein</translation>
    </message>
    <message>
        <source>3-załączenie impulsowo-cykliczne</source>
        <translation>3-impulsweise zyklisch</translation>
    </message>
    <message>
        <source>4-załączenie impulsowo-ilościowe</source>
        <translation>4-impulsweise mit Anzahl</translation>
    </message>
    <message>
        <source>5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu</source>
        <translation>5-Klappen Gryfit Zeit T2 – Ansteuerung im Ruhezustand</translation>
    </message>
    <message>
        <source>0-nieaktywne</source>
        <translation>0-inaktiv</translation>
    </message>
    <message>
        <source>1-siłownik dwukierunkowy</source>
        <translation>1-Antrieb in zwei Richtungen</translation>
    </message>
    <message>
        <source>2-siłownik ze sprężyną powrotną</source>
        <translation>2-Antrieb mit Federrücklauf</translation>
    </message>
    <message>
        <source>3-przerwa napięciowa lub impuls prądowy</source>
        <translation>3-Spannungsunterbrechung oder Stromimpuls</translation>
    </message>
    <message>
        <source>Aktywne przewietrzanie</source>
        <translation>Lüftung aktiv</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Kontrolllinie LK1 (bei Zustand X im 2-Zustands-Betrieb oder bei Zustand Y oder X im 3-Zustands-Betrieb)</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Kontrolllinie LK2 (bei Zustand X im 2-Zustands-Betrieb oder bei Zustand Y oder X im 3-Zustands-Betrieb)</translation>
    </message>
    <message>
        <source>System Tarven B</source>
        <translation>System Tarven B</translation>
    </message>
    <message>
        <source>Wejście nieaktywne</source>
        <translation>Eingang inaktiv</translation>
    </message>
    <message>
        <source>Tryb 2-stanowy</source>
        <translation>2-Zustands-Betrieb</translation>
    </message>
    <message>
        <source>Tryb 3-stanowy</source>
        <translation>3-Zustands-Betrieb</translation>
    </message>
    <message>
        <source>Brak – wejście nieaktywne</source>
        <translation>Keine – Eingang inaktiv</translation>
    </message>
    <message>
        <source>Port nieaktywny</source>
        <translation>Port inaktiv</translation>
    </message>
    <message>
        <source>Protokół Modbus</source>
        <translation>Modbus-Protokoll</translation>
    </message>
    <message>
        <source>Komunikacja z Ostrel nr. 2</source>
        <translation>Kommunikation mit Ostrel Nr. 2</translation>
    </message>
    <message>
        <source>Brak konfiguracji</source>
        <translation>Nicht konfiguriert</translation>
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
        <translation>Batteriekapazität wählen</translation>
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
        <translation>0 - Zone 1</translation>
    </message>
    <message>
        <source>1 - Strefa 2</source>
        <translation>1 - Zone 2</translation>
    </message>
    <message>
        <source>2 - Strefa 1 + 2</source>
        <translation>2 - Zone 1 + 2</translation>
    </message>
    <message>
        <source>3 - Nie związane z strefą</source>
        <translation>3 - Keiner Zone zugeordnet</translation>
    </message>
    <message>
        <source>0 - Nieaktywne</source>
        <translation>0 - Inaktiv</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna aktywna</source>
        <translation>1 - Kontrolllinie aktiv</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna</source>
        <translation>1 - Kontrolllinie</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa</source>
        <translation>2 - Potentialbehaftete Linie</translation>
    </message>
    <message>
        <source>1 - Linia Kontrolna</source>
        <translation>1 - Kontrolllinie</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa</source>
        <translation>2 - Meldelinie</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa</source>
        <translation>3 - Potentialbehaftete Linie</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilające 24 V</source>
        <translation>4 - Versorgungsausgang 24 V</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa</source>
        <translation>1 - Potentialfreie Linie</translation>
    </message>
    <message>
        <source>0 - Urządzenie zewnętrzne</source>
        <translation>0 - Externes Gerät</translation>
    </message>
    <message>
        <source>1 - Blokada Gaszenia</source>
        <translation>1 - Löschsperre</translation>
    </message>
    <message>
        <source>2 - Sterowanie ręczne</source>
        <translation>2 - Handsteuerung</translation>
    </message>
    <message>
        <source>3 - Dodatek</source>
        <translation>3 - Zusatz</translation>
    </message>
    <message>
        <source>4 - Stop gaszenia</source>
        <translation>4 - Löschstopp</translation>
    </message>
    <message>
        <source>5 - Start gaszenia</source>
        <translation>5 - Löschstart</translation>
    </message>
    <message>
        <source>6 - LK. wypływu</source>
        <translation>6 - LK Ausströmung</translation>
    </message>
    <message>
        <source>7 - Alarm zewnętrzny</source>
        <translation>7 - Externer Alarm</translation>
    </message>
    <message>
        <source>8 - Ciśnienie/masa</source>
        <translation>8 - Druck/Gewicht</translation>
    </message>
    <message>
        <source>9 - Blok.Nieel.</source>
        <translation>9 - Nichtel. Sperre</translation>
    </message>
    <message>
        <source>10 - Kasowanie alarmu</source>
        <translation>10 - Alarmrückstellung</translation>
    </message>
    <message>
        <source>0 - Alarm 1 strefa</source>
        <translation>0 - Alarm Zone 1</translation>
    </message>
    <message>
        <source>1 - Alarm 2 strefa</source>
        <translation>1 - Alarm Zone 2</translation>
    </message>
    <message>
        <source>2 - Start gaszenia</source>
        <translation>2 - Löschstart</translation>
    </message>
    <message>
        <source>3 - EZ</source>
        <translation>3 - EZ</translation>
    </message>
    <message>
        <source>4 - Wyładowanie</source>
        <translation>4 - Flutung</translation>
    </message>
    <message>
        <source>5 - Wypływy</source>
        <translation>5 - Ausströmungen</translation>
    </message>
    <message>
        <source>0 - Tryb 1 stanowy</source>
        <translation>0 - 1-Zustands-Betrieb</translation>
    </message>
    <message>
        <source>1 - Tryb 2 stanowy</source>
        <translation>1 - 2-Zustands-Betrieb</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa aktywna</source>
        <translation>2 - Potentialbehaftete Linie aktiv</translation>
    </message>
    <message>
        <source>0 - Alarm 1 stopnia</source>
        <translation>0 - Alarm Stufe 1</translation>
    </message>
    <message>
        <source>1 - Alarm 2 stopnia</source>
        <translation>1 - Alarm Stufe 2</translation>
    </message>
    <message>
        <source>5 - Wypływ</source>
        <translation>5 - Ausströmung</translation>
    </message>
    <message>
        <source>6 - Wyładowanie dodatku</source>
        <translation>6 - Flutung Zusatz</translation>
    </message>
    <message>
        <source>7 - Sterowanie ręczne</source>
        <translation>7 - Handsteuerung</translation>
    </message>
    <message>
        <source>8 - Stop gaszenia</source>
        <translation>8 - Löschstopp</translation>
    </message>
    <message>
        <source>9 - Blokada gaszenia</source>
        <translation>9 - Löschsperre</translation>
    </message>
    <message>
        <source>10 - Blokada Nieelek</source>
        <translation>10 - Nichtelektrische Sperre</translation>
    </message>
    <message>
        <source>11 - Uszkodzenie</source>
        <translation>11 - Störung</translation>
    </message>
    <message>
        <source>12 - Kasowanie</source>
        <translation>12 - Rückstellung</translation>
    </message>
    <message>
        <source>13 - Ciśń/masa</source>
        <translation>13 - Druck/Gew.</translation>
    </message>
    <message>
        <source>0 - Grupa ogólna</source>
        <translation>0 - Allgemeine Gruppe</translation>
    </message>
    <message>
        <source>1 - Sygnalizatory zewnętrzne</source>
        <translation>1 - Externe Signalgeber</translation>
    </message>
    <message>
        <source>2 - Sygnalizatory ostrzegawcze</source>
        <translation>2 - Warnsignalgeber</translation>
    </message>
    <message>
        <source>3 - Urządzenia transmisji</source>
        <translation>3 - Übertragungseinrichtungen</translation>
    </message>
    <message>
        <source>4 - Urządzenia zabezpieczające</source>
        <translation>4 - Brandschutzeinrichtungen</translation>
    </message>
    <message>
        <source>0 - Brak kryterium</source>
        <translation>0 - Kein Kriterium</translation>
    </message>
    <message>
        <source>1 - L11 LD-alarm</source>
        <translation>1 - L11 LD-Alarm</translation>
    </message>
    <message>
        <source>2 - L11 LD-alarm</source>
        <translation>2 - L11 LD-Alarm</translation>
    </message>
    <message>
        <source>3 - L11 LD-alarm</source>
        <translation>3 - L11 LD-Alarm</translation>
    </message>
    <message>
        <source>4 - L11 LD-alarm</source>
        <translation>4 - L11 LD-Alarm</translation>
    </message>
    <message>
        <source>5 - L11 LD-alarm</source>
        <translation>5 - L11 LD-Alarm</translation>
    </message>
    <message>
        <source>6 - L11 LD-alarm</source>
        <translation>6 - L11 LD-Alarm</translation>
    </message>
    <message>
        <source>7 - LK-EZ Wspólny</source>
        <translation>7 - LK-EZ gemeinsam</translation>
    </message>
    <message>
        <source>0 - Brak</source>
        <translation>0 - Keine</translation>
    </message>
    <message>
        <source>1 - ciągły</source>
        <translation>1 - dauernd</translation>
    </message>
    <message>
        <source>2 - 1 impuls</source>
        <translation>2 - 1 Impuls</translation>
    </message>
    <message>
        <source>3 - cykliczny</source>
        <translation>3 - zyklisch</translation>
    </message>
    <message>
        <source>4 - cykliczny skończony</source>
        <translation>4 - zyklisch begrenzt</translation>
    </message>
    <message>
        <source>0 - Wyłączone</source>
        <translation>0 - Aus</translation>
    </message>
    <message>
        <source>1 - Włączone</source>
        <translation>1 - Ein</translation>
    </message>
    <message>
        <source>0 - 0 linii</source>
        <translation>0 - 0 Linien</translation>
    </message>
    <message>
        <source>1 - 1 linia</source>
        <translation>1 - 1 Linie</translation>
    </message>
    <message>
        <source>2 - 2 linie</source>
        <translation>2 - 2 Linien</translation>
    </message>
    <message>
        <source>3 - 3 linie</source>
        <translation>3 - 3 Linien</translation>
    </message>
    <message>
        <source>0 - Nie</source>
        <translation>0 - Nein</translation>
    </message>
    <message>
        <source>1 - Tak</source>
        <translation>1 - Ja</translation>
    </message>
    <message>
        <source>0 - Tak</source>
        <translation>0 - Ja</translation>
    </message>
    <message>
        <source>1 - Nie</source>
        <translation>1 - Nein</translation>
    </message>
    <message>
        <source>0 - Z wyjścia EZ</source>
        <translation>0 - Vom Ausgang EZ</translation>
    </message>
    <message>
        <source>1 - Z wejścia LK-wypływ</source>
        <translation>1 - Vom Eingang LK-Ausströmung</translation>
    </message>
    <message>
        <source>1 - Nieblokowane</source>
        <translation>1 - Nicht gesperrt</translation>
    </message>
    <message>
        <source>2 - Blokowane</source>
        <translation>2 - Gesperrt</translation>
    </message>
    <message>
        <source>0 - Strefa 2</source>
        <translation>0 - Zone 2</translation>
    </message>
    <message>
        <source>0 - Brak modułu</source>
        <translation>0 - Kein Modul</translation>
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
        <translation>1 - Potentialbehaftete Linie aktiv</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa aktywna</source>
        <translation>1 - Potentialfreie Linie aktiv</translation>
    </message>
    <message>
        <source>3 - Wyjście zasilajace 24 V aktywne</source>
        <translation>3 - Versorgungsausgang 24 V aktiv</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa aktywna</source>
        <translation>2 - Meldelinie aktiv</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa aktywna</source>
        <translation>3 - Potentialbehaftete Linie aktiv</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilajace 24 V aktywne</source>
        <translation>4 - Versorgungsausgang 24 V aktiv</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel</source>
        <translation>Störung Ostrel</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel + wysterowanie z Tarven B</source>
        <translation>Störung Ostrel + Ansteuerung von Tarven B</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Szukaj w zdarzeniach i modułach (Ctrl+F)</source>
        <translation>In Ereignissen und Modulen suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Zdarzenia aktywne i usunięte</source>
        <translation>Aktive und gelöschte Ereignisse</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>tylko aktywne</source>
        <translation>nur aktive</translation>
    </message>
    <message>
        <source>tylko usunięte</source>
        <translation>nur gelöschte</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>do:</source>
        <translation>bis:</translation>
    </message>
    <message>
        <source>Wyczyść filtr</source>
        <translation>Filter zurücksetzen</translation>
    </message>
    <message>
        <source>wszystkie moduły</source>
        <translation>alle Module</translation>
    </message>
    <message>
        <source>pokazano %1 z %2</source>
        <translation>%1 von %2 angezeigt</translation>
    </message>
</context>
<context>
    <name>EventSummary</name>
    <message>
        <source>alarmy i wysterowania</source>
        <translation>Alarme und Ansteuerungen</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>zaniki zasilania</source>
        <translation>Versorgungsausfälle</translation>
    </message>
    <message>
        <source>starty i resety</source>
        <translation>Starts und Resets</translation>
    </message>
    <message>
        <source>zapisy konfiguracji</source>
        <translation>Konfigurationsschreibvorgänge</translation>
    </message>
    <message>
        <source>ustawienia zegara</source>
        <translation>Uhr gestellt</translation>
    </message>
    <message>
        <source>pozostałe</source>
        <translation>sonstige</translation>
    </message>
</context>
<context>
    <name>EventsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Aus dem Gerät lesen</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń</source>
        <translation>Ereignisspeicher löschen</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń o nazwie: %1</source>
        <translation>Ereignisspeicher mit dem Namen %1 gelöscht</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń</source>
        <translation>Lesen des Ereignisspeichers</translation>
    </message>
    <message>
        <source>Czy usunąć rejestr zdarzeń %1?</source>
        <translation>Ereignisspeicher %1 löschen?</translation>
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
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Moduladresse</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - Zonennummer</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Potentialfreie Linie deklariert</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Potentialfreie Linie - Ausgangsgruppe</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Potentialfreie Linie - Kriterium 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Potentialfreie Linie - Kriterium 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Potentialfreie Linie - Logik</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Potentialfreie Linie - Signalart für Ausgangseinschaltung</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Potentialfreie Linie - Ansprechverzögerung Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Potentialfreie Linie - Abschaltverzögerung Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Potentialfreie Linie - Impulsdauer T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Potentialfreie Linie - Pausendauer T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Potentialfreie Linie - Impulsanzahl N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Potentialfreie Linie - Durchgangsüberwachung</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - Zonennummer</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Potentialbehaftete Linie deklariert</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Potentialbehaftete Linie - Ausgangsgruppe</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Potentialbehaftete Linie - Kriterium 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Potentialbehaftete Linie - Kriterium 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Potentialbehaftete Linie - Logik</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Potentialbehaftete Linie - Signalart für Ausgangseinschaltung</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Potentialbehaftete Linie - Ansprechverzögerung Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Potentialbehaftete Linie - Abschaltverzögerung Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Potentialbehaftete Linie - Impulsdauer T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Potentialbehaftete Linie - Pausendauer T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Potentialbehaftete Linie - Impulsanzahl N-imp</translation>
    </message>
</context>
<context>
    <name>FaultsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Aus dem Gerät lesen</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Usunięcie uszkodzeń</source>
        <translation>Störungen löschen</translation>
    </message>
    <message>
        <source>Usunięcie listy uszkodzeń o nazwie: %1</source>
        <translation>Störungsliste mit dem Namen %1 gelöscht</translation>
    </message>
    <message>
        <source>odczyt listy uszkodzeń</source>
        <translation>Lesen der Störungsliste</translation>
    </message>
    <message>
        <source>Czy usunąć listę uszkodzeń %1?</source>
        <translation>Störungsliste %1 löschen?</translation>
    </message>
</context>
<context>
    <name>Konfiguracja</name>
    <message>
        <source>Konfiguracja Ostrel: %1</source>
        <translation>Ostrel-Konfiguration: %1</translation>
    </message>
</context>
<context>
    <name>LNM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Prąd grupy [A]</source>
        <translation>Gruppenstrom [A]</translation>
    </message>
    <message>
        <source>Prąd modułu:</source>
        <translation>Modulstrom:</translation>
    </message>
    <message>
        <source>Linia dozorowa konwencjonalna</source>
        <translation>Konventionelle Meldelinie</translation>
    </message>
    <message>
        <source>Linia dozorowa aktywna/ nieaktywna</source>
        <translation>Meldelinie aktiv/ inaktiv</translation>
    </message>
    <message>
        <source>Kasowanie wstępne czujek (60s)</source>
        <translation>Vorrückstellung der Melder (60s)</translation>
    </message>
    <message>
        <source>Kasowanie aktywne / nieaktywne</source>
        <translation>Rückstellung aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia WYZWOLENIE</source>
        <translation>RWA-Taster BZ7x - Linie AUSLÖSUNG</translation>
    </message>
    <message>
        <source>Przycisk - Linia WYZW aktywna / nieaktywna</source>
        <translation>Taster - Linie AUSL aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia KASOWANIE</source>
        <translation>RWA-Taster BZ7x - Linie RÜCKSTELLUNG</translation>
    </message>
    <message>
        <source>Przycisk - Linia KASOW aktywna / nieaktywna</source>
        <translation>Taster - Linie RÜCKST aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Wyjście grupy -  tryb pracy</source>
        <translation>Gruppenausgang - Betriebsart</translation>
    </message>
    <message>
        <source>Tryb pracy wyjścia 0-nieaktywne</source>
        <translation>Betriebsart des Ausgangs 0-inaktiv</translation>
    </message>
    <message>
        <source>Wyjscie grupy - kryterium wysterowania</source>
        <translation>Gruppenausgang - Ansteuerkriterium</translation>
    </message>
    <message>
        <source>Kryterium – warianty wysterowania</source>
        <translation>Kriterium – Ansteuervarianten</translation>
    </message>
    <message>
        <source>Wyjście grupy - sterowanie 3 przewodowe</source>
        <translation>Gruppenausgang - 3-Draht-Ansteuerung</translation>
    </message>
    <message>
        <source>Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. </source>
        <translation>Ansteuerung in Betriebsart 1; 0: 2-Draht 1: 3-Draht </translation>
    </message>
    <message>
        <source>Wyjście grupy -  kontrola ciągłości zasilania</source>
        <translation>Gruppenausgang - Durchgangsüberwachung der Versorgung</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy zasilania </source>
        <translation>Überwachung der Versorgung auf Kurzschluss und Unterbrechung </translation>
    </message>
    <message>
        <source>Wyjście grupy - T1 - czas  opóźnienia zadziałania</source>
        <translation>Gruppenausgang - T1 - Ansprechverzögerung</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Ansteuerverzögerung des Ausgangs in Betriebsart 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T2 - czas wysterowania</source>
        <translation>Gruppenausgang - T2 - Ansteuerdauer</translation>
    </message>
    <message>
        <source>Czas wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Ansteuerdauer des Ausgangs in Betriebsart 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T3 - czas przerwy wysterowania</source>
        <translation>Gruppenausgang - T3 - Ansteuerpause</translation>
    </message>
    <message>
        <source>Czas przerwy w trybie 3</source>
        <translation>Pausendauer in Betriebsart 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - liczba impulsów</source>
        <translation>Gruppenausgang - Impulsanzahl</translation>
    </message>
    <message>
        <source>Liczba impulsów na wyjściu w trybie 3</source>
        <translation>Impulsanzahl am Ausgang in Betriebsart 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola krańcówek</source>
        <translation>Gruppenausgang - Endschalterüberwachung</translation>
    </message>
    <message>
        <source>Kontrola pozycji urządzenia sterowanego</source>
        <translation>Stellungsüberwachung des angesteuerten Geräts</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola ciągłości krańcówek</source>
        <translation>Gruppenausgang - Durchgangsüberwachung der Endschalter</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy obwodów krańcówek</source>
        <translation>Überwachung der Endschalterkreise auf Kurzschluss und Unterbrechung</translation>
    </message>
    <message>
        <source>Wyjście grupy - odłączanie napięcia</source>
        <translation>Gruppenausgang - Spannungsabschaltung</translation>
    </message>
    <message>
        <source>Odłączanie napięcia w trybie pracy 1</source>
        <translation>Spannungsabschaltung in Betriebsart 1</translation>
    </message>
    <message>
        <source>Wyjście grupy - forsowanie (deadlock)</source>
        <translation>Gruppenausgang - Zwangsansteuerung (deadlock)</translation>
    </message>
    <message>
        <source>Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa</source>
        <translation>Zwangsansteuerung des Ausgangs – Vereisungsschutz</translation>
    </message>
    <message>
        <source>Przewietrzanie - przyciski - tryb pracy</source>
        <translation>Lüftung - Taster - Betriebsart</translation>
    </message>
    <message>
        <source>Sposób działania przycisków przewietrzania</source>
        <translation>Funktionsweise der Lüftungstaster</translation>
    </message>
    <message>
        <source>Przewietrzanie - blokowanie pogodowe</source>
        <translation>Lüftung - Wettersperre</translation>
    </message>
    <message>
        <source>Blokowanie przewietrzania w przypadku deszczu / wiatru</source>
        <translation>Lüftung bei Regen / Wind gesperrt</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp1</source>
        <translation>Lüftung - Zeit Tp1</translation>
    </message>
    <message>
        <source>Czas otwierania</source>
        <translation>Öffnungszeit</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp2</source>
        <translation>Lüftung - Zeit Tp2</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie</source>
        <translation>Zeit bis zum automatischen Schließen</translation>
    </message>
    <message>
        <source>Strefa LNM nr %1</source>
        <translation>LNM-Zone Nr. %1</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO</source>
        <translation>0 – NEIN 1 – Allg. Al. 2 – Alarm LDK 3 – Alarm RPO</translation>
    </message>
    <message>
        <source>Wyjście grupy -  czas TKA</source>
        <translation>Gruppenausgang - Zeit TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Abschaltverzögerung nach Rückstellung</translation>
    </message>
    <message>
        <source>LNM</source>
        <translation>LNM</translation>
    </message>
    <message>
        <source>Moduł Główny Liniowy</source>
        <translation>Hauptlinienmodul</translation>
    </message>
    <message>
        <source>Linia dozorowa – zwarcie </source>
        <translation>Meldelinie – Kurzschluss </translation>
    </message>
    <message>
        <source>Linia dozorowa – przerwa </source>
        <translation>Meldelinie – Unterbrechung </translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – zwarcie</source>
        <translation>BZ7x Tasterlinie AUSLÖSUNG – Kurzschluss</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – przerwa</source>
        <translation>BZ7x Tasterlinie AUSLÖSUNG – Unterbrechung</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – zwarcie</source>
        <translation>BZ7x Tasterlinie RÜCKSTELLUNG – Kurzschluss</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – przerwa</source>
        <translation>BZ7x Tasterlinie RÜCKSTELLUNG – Unterbrechung</translation>
    </message>
    <message>
        <source>BZ7x przycisk KASOWANIE – brak lub uszkodzenie</source>
        <translation>BZ7x Taster RÜCKSTELLUNG – fehlt oder gestört</translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1  – zwarcie </source>
        <translation>Endschalter KR1  – Kurzschluss </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1 – przerwa </source>
        <translation>Endschalter KR1 – Unterbrechung </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2  – zwarcie </source>
        <translation>Endschalter KR2  – Kurzschluss </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2 – przerwa </source>
        <translation>Endschalter KR2 – Unterbrechung </translation>
    </message>
    <message>
        <source>Wyjście główne – brak ciągłości zasilania</source>
        <translation>Hauptausgang – kein Durchgang der Versorgung</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja</source>
        <translation>Hauptausgang – falsche Stellung</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR1</source>
        <translation>Hauptausgang – falsche Stellung KR1</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR2</source>
        <translation>Hauptausgang – falsche Stellung KR2</translation>
    </message>
    <message>
        <source>Wyjście główne – bezpiecznik</source>
        <translation>Hauptausgang – Sicherung</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania OTWÓRZ – zwarcie</source>
        <translation>Lüftungstaster AUF – Kurzschluss</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania ZAMKNIJ – zwarcie</source>
        <translation>Lüftungstaster ZU – Kurzschluss</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Softwareversion</translation>
    </message>
</context>
<context>
    <name>LinkHealthWidget</name>
    <message>
        <source>&lt;b&gt;Stan łącza z centralą&lt;/b&gt;&lt;br&gt;Kolor: szary – brak otwartego portu; czerwony – port otwarty, ale centrala nie odpowiada dłużej niż 2 s; zielony – centrala odpowiada (podany jest wiek ostatniej odpowiedzi).&lt;br&gt;&lt;b&gt;Powtórzenia&lt;/b&gt;: ramki wysłane ponownie, bo odpowiedź nie przyszła w 2 s.&lt;br&gt;&lt;b&gt;Utracone&lt;/b&gt;: zapytania porzucone po trzeciej próbie bez odpowiedzi.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: odebrane ramki odrzucone z powodu błędnej sumy kontrolnej.&lt;br&gt;Liczniki są zerowane przy każdym połączeniu.</source>
        <translation>&lt;b&gt;Zustand der Verbindung zur Zentrale&lt;/b&gt;&lt;br&gt;Farbe: grau – kein Port geöffnet; rot – Port geöffnet, aber die Zentrale antwortet seit mehr als 2 s nicht; grün – die Zentrale antwortet (das Alter der letzten Antwort wird angezeigt).&lt;br&gt;&lt;b&gt;Wiederholungen&lt;/b&gt;: erneut gesendete Rahmen, weil innerhalb von 2 s keine Antwort kam.&lt;br&gt;&lt;b&gt;Verloren&lt;/b&gt;: Anfragen, die nach dem dritten Versuch ohne Antwort aufgegeben wurden.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: empfangene Rahmen, die wegen einer falschen Prüfsumme verworfen wurden.&lt;br&gt;Die Zähler werden bei jeder Verbindung zurückgesetzt.</translation>
    </message>
    <message>
        <source>Brak portu</source>
        <translation>Kein Port</translation>
    </message>
    <message>
        <source>Port otwarty, oczekiwanie na centralę</source>
        <translation>Port offen, warte auf Zentrale</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada</source>
        <translation>Zentrale antwortet nicht</translation>
    </message>
    <message>
        <source>Centrala odpowiada (%1 s temu)</source>
        <translation>Zentrale antwortet (vor %1 s)</translation>
    </message>
    <message>
        <source> · powtórzenia: %1 · utracone: %2 · CRC: %3</source>
        <translation> · Wiederholungen: %1 · verloren: %2 · CRC: %3</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>Monitor łącza</source>
        <translation>Verbindungsmonitor</translation>
    </message>
    <message>
        <source>Wstrzymaj</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Wstrzymuje zapis ramek, aby można je było spokojnie przeczytać</source>
        <translation>Hält die Aufzeichnung der Rahmen an, damit sie in Ruhe gelesen werden können</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Kopiuj</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Kopiuje zaznaczone ramki (bez zaznaczenia: wszystkie) do schowka</source>
        <translation>Kopiert die ausgewählten Rahmen (ohne Auswahl: alle) in die Zwischenablage</translation>
    </message>
</context>
<context>
    <name>LocalArchive</name>
    <message>
        <source>Treść nie zgadza się z sumą kontrolną rekordu</source>
        <translation>Der Inhalt stimmt nicht mit der Prüfsumme des Datensatzes überein</translation>
    </message>
    <message>
        <source>Rekord jest większy niż 8 MiB</source>
        <translation>Der Datensatz ist größer als 8 MiB</translation>
    </message>
    <message>
        <source>Niedozwolona nazwa rekordu</source>
        <translation>Unzulässiger Datensatzname</translation>
    </message>
    <message>
        <source>Treść nie jest poprawnym dokumentem JSON (%1)</source>
        <translation>Der Inhalt ist kein gültiges JSON-Dokument (%1)</translation>
    </message>
    <message>
        <source>Nieznane pole „%1”</source>
        <translation>Unbekanntes Feld „%1“</translation>
    </message>
    <message>
        <source>Niedozwolona wartość pola „%1”</source>
        <translation>Unzulässiger Wert des Feldes „%1“</translation>
    </message>
    <message>
        <source>Brak wymaganego pola „%1”</source>
        <translation>Das erforderliche Feld „%1“ fehlt</translation>
    </message>
    <message>
        <source>Pole „%1” nie wskazuje rekordu archiwum właściwego rodzaju</source>
        <translation>Das Feld „%1“ verweist auf keinen Archivdatensatz der richtigen Art</translation>
    </message>
    <message>
        <source>Czeka na rekord archiwum %1, do którego się odwołuje</source>
        <translation>Wartet auf den Archivdatensatz %1, auf den er verweist</translation>
    </message>
    <message>
        <source>Lokalna baza nie przyjęła rekordu: %1</source>
        <translation>Die lokale Datenbank hat den Datensatz nicht angenommen: %1</translation>
    </message>
    <message>
        <source>Rekord nie jest usunięty w tej bazie.</source>
        <translation>Der Datensatz ist in dieser Datenbank nicht gelöscht.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Konfiguracja</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Wersje oprogramowania</source>
        <translation>Softwareversionen</translation>
    </message>
    <message>
        <source>Data i czas</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Serwis</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel-Konfigurator</translation>
    </message>
    <message>
        <source>&amp;Połącz</source>
        <comment>Connect</comment>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>Connect over USB</source>
        <translation>Über USB verbinden</translation>
    </message>
    <message>
        <source>&amp;Rozłącz</source>
        <comment>Disconnect</comment>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <comment>About</comment>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Wyświetla informacje o programie</source>
        <comment>About programm</comment>
        <translation>Zeigt Informationen über das Programm an</translation>
    </message>
    <message>
        <source>&amp;Widok</source>
        <comment>View</comment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Parametry wyświetlania</source>
        <comment>Window view settings</comment>
        <translation>Anzeigeeinstellungen</translation>
    </message>
    <message>
        <source>&amp;Połączenie</source>
        <translation>Ver&amp;bindung</translation>
    </message>
    <message>
        <source>&amp;Ustawienia</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Połączenie</source>
        <comment>Connection</comment>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Czas komputera</source>
        <translation>PC-Zeit</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>Port komunikacyjny</comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Wybierz port:</source>
        <translation>Port wählen:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Port nie został otwarty: %1</source>
        <translation>Der Port konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>O programie konfigurator Ostrel</source>
        <translation>Über Ostrel-Konfigurator</translation>
    </message>
    <message>
        <source>Wersja programu %1 
SHA %2 
DATA %3 %4</source>
        <translation>Programmversion %1 
SHA %2 
DATUM %3 %4</translation>
    </message>
    <message>
        <source>Monitor łącza</source>
        <translation>Verbindungsmonitor</translation>
    </message>
    <message>
        <source>Pokazuje ramki wymieniane z centralą</source>
        <translation>Zeigt die mit der Zentrale ausgetauschten Rahmen</translation>
    </message>
    <message>
        <source>Przeglądy</source>
        <translation>Wartungen</translation>
    </message>
    <message>
        <source>&amp;Przegląd</source>
        <comment>Service visit</comment>
        <translation>&amp;Wartung</translation>
    </message>
    <message>
        <source>Rozpoczyna przegląd centrali</source>
        <translation>Beginnt eine Wartung der Zentrale</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Port szeregowy (np. COM3) albo adres serwera portu szeregowego w sieci: host:port, tcp://host:port lub [adres IPv6]:port.&lt;br&gt;Serwer portu musi pracować w trybie raw TCP z ustawieniami 19200 bodów, 8N1.&lt;br&gt;Połączenie raw TCP nie ma uwierzytelniania: używaj go tylko w sieci VPN albo przez tunel SSH.</source>
        <translation>Serieller Port (z. B. COM3) oder Netzwerkadresse eines seriellen Geräteservers: host:port, tcp://host:port oder [IPv6-Adresse]:port.&lt;br&gt;Der Geräteserver muss im Modus Raw TCP mit 19200 Baud, 8N1 arbeiten.&lt;br&gt;Eine Raw-TCP-Verbindung hat keine Authentifizierung: Verwenden Sie sie nur in einem VPN oder über einen SSH-Tunnel.</translation>
    </message>
    <message>
        <source>Połączenie sieciowe</source>
        <translation>Netzwerkverbindung</translation>
    </message>
    <message>
        <source>Łączenie z %1…</source>
        <translation>Verbindung mit %1…</translation>
    </message>
    <message>
        <source>Trwa odczyt z centrali. Zamknięcie programu przerwie go i nic z tego odczytu nie zostanie zapisane.

Zamknąć program?</source>
        <translation>Ein Lesevorgang von der Zentrale läuft. Das Schließen des Programms bricht ihn ab, und nichts davon wird gespeichert.

Programm schließen?</translation>
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
        <translation> ,Nr. </translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>USUNIĘTE</source>
        <translation>GELÖSCHT</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 4 (LS4) </translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Störung Sicherung Nummer 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Störung Sicherung Nummer 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Störung Sicherung Nummer 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza nr. 2</source>
        <translation>Allgemeine Störung Netzteil Nr. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2</source>
        <translation>Keine Kommunikation mit Netzteil Ostrel Nr. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Keine Kommunikation über das Modbus-Protokoll</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Kurzschluss am Eingang der Kontrolllinie Nummer 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Kurzschluss am Eingang der Kontrolllinie Nummer 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Unterbrechung am Eingang der Kontrolllinie Nummer 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Unterbrechung am Eingang der Kontrolllinie Nummer 2 (LK2)</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Systemstart / Reset</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Ereignisspeicher geleert</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Neue Konfiguration gespeichert</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Neues Datum und neue Uhrzeit gespeichert</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Ansteuerung Störungsrelais PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika bezpotencjałowego PK</source>
        <translation>Ansteuerung potentialfreies Relais PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Ansteuerung Signallinie LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Ansteuerung Signallinie LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Ansteuerung Signallinie LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Ansteuerung Signallinie LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Ereignisspeicher ausgelesen</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Störungen ausgelesen</translation>
    </message>
</context>
<context>
    <name>PSB</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Pojemność Akumulatorów</source>
        <translation>Batteriekapazität</translation>
    </message>
    <message>
        <source>Przekaźnik PU - tryb pracy</source>
        <translation>Relais PU - Betriebsart</translation>
    </message>
    <message>
        <source>Przekaźnik PK - tryb pracy</source>
        <translation>Relais PK - Betriebsart</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kryterium wysterowania</source>
        <translation>Relais PK - Ansteuerkriterium</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T1 - czas opóźnienia wysterowania</source>
        <translation>Relais PK - T1 - Ansteuerverzögerung</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T2 - czas wysterowania</source>
        <translation>Relais PK - T2 - Ansteuerdauer</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T3 - czas przerwy wysterowania</source>
        <translation>Relais PK - T3 - Ansteuerpause</translation>
    </message>
    <message>
        <source>Przekaźnik PK - liczba impulsów</source>
        <translation>Relais PK - Impulsanzahl</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kontrola ciągłości</source>
        <translation>Relais PK - Durchgangsüberwachung</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 - tryb pracy</source>
        <translation>Kontrolllinie LK1 - Betriebsart</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 - tryb pracy</source>
        <translation>Kontrolllinie LK2 - Betriebsart</translation>
    </message>
    <message>
        <source>Złącze RS232 - tryb pracy</source>
        <translation>Schnittstelle RS232 - Betriebsart</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - prędkość transmisji</source>
        <translation>Schnittstelle RS232 - Modbus-Protokoll - Baudrate</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - adres</source>
        <translation>Schnittstelle RS232 - Modbus-Protokoll - Adresse</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - Time Out</source>
        <translation>Schnittstelle RS232 - Modbus-Protokoll - Time Out</translation>
    </message>
    <message>
        <source>Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</source>
        <translation>Schnittstelle RS232 - Kommunikation mit Ostrel Nr. 2 - Master/Slave</translation>
    </message>
    <message>
        <source>PSB</source>
        <translation>PSB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
    <message>
        <source>Brak napięcia sieciowego 230V</source>
        <translation>Keine Netzspannung 230V</translation>
    </message>
    <message>
        <source>Niskie napięcie akumulatora (poniżej 22 V)</source>
        <translation>Niedrige Batteriespannung (unter 22 V)</translation>
    </message>
    <message>
        <source>Akumulator został odłączony (napięcie akumulatora poniżej 19 V)</source>
        <translation>Batterie abgeschaltet (Batteriespannung unter 19 V)</translation>
    </message>
    <message>
        <source>Brak podłączonych akumulatorów</source>
        <translation>Keine Batterien angeschlossen</translation>
    </message>
    <message>
        <source>Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)</source>
        <translation>Hoher Widerstand des Batteriekreises (Batterien defekt)</translation>
    </message>
    <message>
        <source>Zadziałanie kontroli doziemienia</source>
        <translation>Erdschlussüberwachung hat angesprochen</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowarki akumulatorów</source>
        <translation>Störung Batterieladegerät</translation>
    </message>
    <message>
        <source>Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)</source>
        <translation>Hohe Temperatur im Ostrel (über 40 °C)</translation>
    </message>
    <message>
        <source>Brak podłączonej sondy temperaturowej</source>
        <translation>Kein Temperaturfühler angeschlossen</translation>
    </message>
    <message>
        <source>Rozwarty obwód przekaźnika konfigurowalnego PK</source>
        <translation>Kreis des konfigurierbaren Relais PK unterbrochen</translation>
    </message>
    <message>
        <source>Uszkodzenie pamięci flash mikrokontrolera</source>
        <translation>Störung Flash-Speicher des Mikrocontrollers</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 1</source>
        <translation>Störung Sicherung Nummer 1</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Störung Sicherung Nummer 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Störung Sicherung Nummer 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Störung Sicherung Nummer 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)</source>
        <translation>Allgemeine Störung Netzteil Ostrel Nr. 2 (Slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)</source>
        <translation>Keine Kommunikation mit Netzteil Ostrel Nr. 2 (Slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Keine Kommunikation über das Modbus-Protokoll</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Kurzschluss am Eingang der Kontrolllinie Nummer 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Kurzschluss am Eingang der Kontrolllinie Nummer 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Unterbrechung am Eingang der Kontrolllinie Nummer 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Unterbrechung am Eingang der Kontrolllinie Nummer 2 (LK2)</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne z systemu Tarven B</source>
        <translation>Allgemeine Störung vom System Tarven B</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Systemstart / Reset</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Ereignisspeicher geleert</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Neue Konfiguration gespeichert</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Neues Datum und neue Uhrzeit gespeichert</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Ansteuerung Störungsrelais PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika konfigurowalnego PK</source>
        <translation>Ansteuerung konfigurierbares Relais PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Ansteuerung Signallinie LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Ansteuerung Signallinie LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Ansteuerung Signallinie LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Ansteuerung Signallinie LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Ereignisspeicher ausgelesen</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Störungen ausgelesen</translation>
    </message>
</context>
<context>
    <name>PSL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - tryb pracy</source>
        <translation>Signallinie LS%1 - Betriebsart</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kryterium wysterowania</source>
        <translation>Signallinie LS%1 - Ansteuerkriterium</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Signallinie LS%1 - T1 - Ansteuerverzögerung</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T2 - czas wysterowania</source>
        <translation>Signallinie LS%1 - T2 - Ansteuerdauer</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania</source>
        <translation>Signallinie LS%1 - T3 - Ansteuerpause</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - liczba impulsów</source>
        <translation>Signallinie LS%1 - Impulsanzahl</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kontrola ciągłości</source>
        <translation>Signallinie LS%1 - Durchgangsüberwachung</translation>
    </message>
    <message>
        <source>PSL</source>
        <translation>PSL</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Zusatzrelaismodul</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Kurzschluss am Ausgang der Signallinie Nummer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Unterbrechung am Ausgang der Signallinie Nummer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Überlast am Ausgang der Signallinie Nummer 4 (LS4) </translation>
    </message>
</context>
<context>
    <name>PSR</name>
    <message>
        <source>Deklaracja modułu - modułu PSR nie trzeba konfigurować</source>
        <translation>Modul deklariert - das Modul PSR muss nicht konfiguriert werden</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul aktiv / inaktiv</translation>
    </message>
    <message>
        <source>PSR</source>
        <translation>PSR</translation>
    </message>
    <message>
        <source>Moduł Zasilania Redundantnego</source>
        <translation>Redundantes Versorgungsmodul</translation>
    </message>
    <message>
        <source>Brak łączności z dodatkowym PSB</source>
        <translation>Keine Verbindung zum zusätzlichen PSB</translation>
    </message>
</context>
<context>
    <name>PSV</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Modul aktiv/inaktiv</translation>
    </message>
    <message>
        <source>PSV</source>
        <translation>PSV</translation>
    </message>
    <message>
        <source>Moduł Zasilania Uniwersalnego</source>
        <translation>Universelles Versorgungsmodul</translation>
    </message>
    <message>
        <source>Zasilacz lub brak 230V</source>
        <translation>Netzteil oder keine 230V</translation>
    </message>
    <message>
        <source>Niskie napiecie baterii akumulatorów</source>
        <translation>Niedrige Spannung der Batterien</translation>
    </message>
    <message>
        <source>Zwarcie wejscia baterii akumulatorów</source>
        <translation>Kurzschluss am Batterieeingang</translation>
    </message>
    <message>
        <source>Brak baterii akumulatorów</source>
        <translation>Keine Batterien</translation>
    </message>
    <message>
        <source>Doziemienie</source>
        <translation>Erdschluss</translation>
    </message>
    <message>
        <source>Wysoka rezystancja baterii akumulatorów</source>
        <translation>Hoher Widerstand der Batterien</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowania</source>
        <translation>Ladestörung</translation>
    </message>
    <message>
        <source>24 V zewnętrzne (bezpiecznik)</source>
        <translation>24 V extern (Sicherung)</translation>
    </message>
    <message>
        <source>Sterowanie zasilacza</source>
        <translation>Netzteilsteuerung</translation>
    </message>
    <message>
        <source>Wysoka temperatura</source>
        <translation>Hohe Temperatur</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Softwareversion</translation>
    </message>
</context>
<context>
    <name>Pamietnik</name>
    <message>
        <source>Zdarzenia Ostrel: %1</source>
        <translation>Ostrel-Ereignisse: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Ereignis</translation>
    </message>
</context>
<context>
    <name>ProtocolCheckDialog</name>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Protokoll prüfen</translation>
    </message>
    <message>
        <source>Wskaż plik PDF protokołu albo wpisz skrót SHA-256 z jego stopki. Program poda, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Wählen Sie die PDF-Datei eines Protokolls oder geben Sie den SHA-256-Hash aus seiner Fußzeile ein. Das Programm nennt die Wartung des Protokolls und ob es mit dem beim Abschluss gespeicherten übereinstimmt.</translation>
    </message>
    <message>
        <source>Sprawdź plik PDF…</source>
        <translation>PDF-Datei prüfen…</translation>
    </message>
    <message>
        <source>skrót SHA-256 (64 znaki)</source>
        <translation>SHA-256-Hash (64 Zeichen)</translation>
    </message>
    <message>
        <source>Sprawdź skrót</source>
        <translation>Hash prüfen</translation>
    </message>
    <message>
        <source>Pliki PDF (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Sprawdzanie pliku…</source>
        <translation>Datei wird geprüft…</translation>
    </message>
</context>
<context>
    <name>ProtocolFile</name>
    <message>
        <source>protokół %1 (identyfikator %2), obiekt „%3”, centrala „%4”, przegląd zamknięty %5</source>
        <translation>Protokoll %1 (Kennung %2), Objekt „%3“, Zentrale „%4“, Wartung abgeschlossen %5</translation>
    </message>
    <message>
        <source>Uwaga: ten protokół zastąpiono protokołem korygującym %1.</source>
        <translation>Achtung: Dieses Protokoll wurde durch das Korrekturprotokoll %1 ersetzt.</translation>
    </message>
</context>
<context>
    <name>ProtocolPrint</name>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Protokollvorschau</translation>
    </message>
    <message>
        <source>Protokół ma około %1 stron: podgląd zablokowałby program na długo.

Zapisać go do pliku PDF?</source>
        <translation>Das Protokoll hat etwa %1 Seiten: Die Vorschau würde das Programm lange blockieren.

Als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>To nie jest skrót SHA-256: skrót ma 64 znaki 0-9 i a-f, tak jak w stopce protokołu.</source>
        <translation>Das ist kein SHA-256-Hash: Der Hash hat 64 Zeichen 0-9 und a-f, wie in der Fußzeile des Protokolls.</translation>
    </message>
    <message>
        <source>Żaden zamknięty przegląd w tej bazie nie ma protokołu o tym skrócie.</source>
        <translation>Keine abgeschlossene Wartung in dieser Datenbank hat ein Protokoll mit diesem Hash.</translation>
    </message>
    <message>
        <source>Skrót zgodny.</source>
        <translation>Hash stimmt überein.</translation>
    </message>
    <message>
        <source>To %1.</source>
        <translation>Es ist %1.</translation>
    </message>
    <message>
        <source>Skrót potwierdza protokół, nie treść papierowej kopii: porównaj ją z podglądem protokołu albo sprawdź plik PDF.</source>
        <translation>Der Hash bestätigt das Protokoll, nicht den Inhalt einer Papierkopie: Vergleichen Sie sie mit der Protokollvorschau oder prüfen Sie die PDF-Datei.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku PDF %1.</source>
        <translation>Die PDF-Datei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Plik nie ma skrótu protokołu: nie jest to protokół zamkniętego przeglądu wydany przez program (projekt otwartego przeglądu nie ma skrótu).</source>
        <translation>Die Datei enthält keinen Protokoll-Hash: Sie ist kein vom Programm ausgestelltes Protokoll einer abgeschlossenen Wartung (der Entwurf einer offenen Wartung hat keinen Hash).</translation>
    </message>
    <message>
        <source>Plik podaje skrót %1, którego nie ma żaden zamknięty przegląd w tej bazie.</source>
        <translation>Die Datei nennt den Hash %1, den keine abgeschlossene Wartung in dieser Datenbank hat.</translation>
    </message>
    <message>
        <source>Plik zgodny.</source>
        <translation>Datei stimmt überein.</translation>
    </message>
    <message>
        <source>To %1, taki jak zapisany przy zamknięciu przeglądu.</source>
        <translation>Es ist %1, wie beim Abschluss der Wartung gespeichert.</translation>
    </message>
    <message>
        <source>Plik NIEZGODNY.</source>
        <translation>Datei stimmt NICHT überein.</translation>
    </message>
    <message>
        <source>Podaje się za %1, ale jego treść różni się od protokołu zapisanego przy zamknięciu: plik zmieniono (albo wydrukowano go inną wersją programu). Nie jest to wiarygodna kopia.</source>
        <translation>Sie gibt sich als %1 aus, ihr Inhalt weicht aber vom beim Abschluss gespeicherten Protokoll ab: Die Datei wurde geändert (oder mit einer anderen Programmversion erzeugt). Sie ist keine verlässliche Kopie.</translation>
    </message>
</context>
<context>
    <name>RLA</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Relais PK%1 - Betriebsart</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Relais PK%1 - Ansteuerkriterium</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Relais PK%1 - T1 - Ansteuerverzögerung</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Relais PK%1 - T2 - Ansteuerdauer</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Relais PK%1 - T3 - Ansteuerpause</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Relais PK%1 - Impulsanzahl</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kontrola ciągłości</source>
        <translation>Relais PK%1 - Durchgangsüberwachung</translation>
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
        <translation>Relais inaktiv
Daueransteuerung, Ansteuerung verzögerbar – Zeit T1
Zeitgesteuerte Ansteuerung, Zeiten T1 und T2
Impulsweise – zyklische Ansteuerung: Zeiten T1, T2 und T3
Impulsweise – gezählte Ansteuerung: Zeiten T1, T2 und T3 
sowie Anzahl der Steuerimpulse n 
Rückstellimpuls der Dauer T2 mit Ansteuer-
verzögerung TKA (für Ansteuerkriterium PK1: 1 - Alarm - allgemein Halvo)
(Abb. 6.7.5)
Wiederholer des Regen-/Windsignals (DW) bei kaskadierten 
Halvo B - ein gemeinsamer Wettersensor
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
        <translation>0 – Keine. Relais inaktiv
1 – Alarm - allgemein Halvo.
 Jeder Alarm in Halvo, auch vom System Tarven A/B
2 – Alarm - externer Eingang.
 Alarm von einem externen System, z. B. Vardel
3 – Alarm – System Tarven A/B.
 Befehl vom übergeordneten System Tarven A/B
4 – Alarm - Summe LNM-Zonen.
 Mindestens 1 LNM-Zone im Alarm – siehe Pos. 22-29
5 – Alarm - Produkt LNM-Zonen.
 Mindestens 2 LNM-Zonen im Alarm – siehe Pos. 22-29
6 – Alarm - externer Eingang und/oder Summe LNM-Zonen.
 Externer Alarm und/oder mindestens 
1 LNM-Zone im Alarm – siehe Pos. 22-29
7 – Alarm - externer Eingang 
und/oder Produkt LNM-Zonen
. Externer Alarm und/oder mindestens 
2 LNM-Zonen im Alarm – siehe Pos. 22-29
8 – Alarm - System Tarven A/B 
und/oder Summe LNM-Zonen.
 Befehl vom System Tarven und/oder mindestens 
1 LNM-Zone im Alarm – siehe Pos. 22-29
9 – Alarm - System Tarven A/B 
und/oder Produkt LNM-Zonen.
 Befehl vom System Tarven und/oder mindestens 
2 LNM-Zonen im Alarm – siehe Pos. 22-29
10 – Lüftung aktiv– siehe Pos. 22-29
</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania (rys 6.7.1)</source>
        <translation>Ansteuerverzögerung (Abb. 6.7.1)</translation>
    </message>
    <message>
        <source>Czas wysterowania PK1 (rys 6.7.1)</source>
        <translation>Ansteuerdauer PK1 (Abb. 6.7.1)</translation>
    </message>
    <message>
        <source>Czas przerwy wysterowania (rys 6.7.1)</source>
        <translation>Ansteuerpause (Abb. 6.7.1)</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Impulsanzahl</translation>
    </message>
    <message>
        <source>Kontrola ciągłości obwodu wyjściowego przekaźnika</source>
        <translation>Durchgangsüberwachung des Relais-Ausgangskreises</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>in Bearbeitung</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Ansteuerverzögerung</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Ansteuerdauer</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Kontrolllinie LK%1 - Betriebsart</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - Czas Tk%1</source>
        <translation>Kontrolllinie LK%1 - Zeit Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Bestätigungszeit der Auslösung in Betriebsart 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - LNM-Zone Nr. %2</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki </source>
        <translation>0 – NEIN 1 – Allg. Al. 2 – Alarm LDK 3 – Alarm RPO 4 – Endschalter betätigt </translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - czas TKA</source>
        <translation>Relais PK%1 - Zeit TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Abschaltverzögerung nach Rückstellung</translation>
    </message>
    <message>
        <source>RLA</source>
        <translation>RLA</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Zusatzrelaismodul</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- zwarcie</source>
        <translation>Kontrolllinie LK1- Kurzschluss</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- przerwa</source>
        <translation>Kontrolllinie LK1- Unterbrechung</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2- zwarcie</source>
        <translation>Kontrolllinie LK2- Kurzschluss</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2– przerwa</source>
        <translation>Kontrolllinie LK2– Unterbrechung</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 – brak ciągłości</source>
        <translation>Relais PK1 – kein Durchgang</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 – brak ciągłości</source>
        <translation>Relais PK2 – kein Durchgang</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 1 – zwarcie w trybie 4 i 5</source>
        <translation>Kontrolllinie Nr. 1 – Kurzschluss in Betriebsart 4 und 5</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 2 – zwarcie w trybie 4 i 5</source>
        <translation>Kontrolllinie Nr. 2 – Kurzschluss in Betriebsart 4 und 5</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Softwareversion</translation>
    </message>
</context>
<context>
    <name>RLH</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Modul aktiv/inaktiv</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Relais PK%1 - Betriebsart</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Relais PK%1 - Ansteuerkriterium</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Relais PK%1 - T1 - Ansteuerverzögerung</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Ansteuerverzögerung</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Relais PK%1 - T2 - Ansteuerdauer</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Ansteuerdauer</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Relais PK%1 - T3 - Ansteuerpause</translation>
    </message>
    <message>
        <source>Czas przerwy</source>
        <translation>Pausendauer</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Relais PK%1 - Impulsanzahl</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Impulsanzahl</translation>
    </message>
    <message>
        <source>....</source>
        <translation>....</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>in Bearbeitung</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu ..</source>
        <translation>in Bearbeitung ..</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Kontrolllinie LK%1 - Betriebsart</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - czas Tk%1</source>
        <translation>Kontrolllinie LK%1 - Zeit Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Bestätigungszeit der Auslösung in Betriebsart 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - LNM-Zone Nr. %2</translation>
    </message>
    <message>
        <source>Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO</source>
        <translation>Allg. Al. LNM 6 – Alarm von Melder (LDK) oder RPO</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TKA</source>
        <translation>Relais PK1 - Zeit TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Abschaltverzögerung nach Rückstellung</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TKA</source>
        <translation>Relais PK2 - Zeit TKA</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TP[minuty]</source>
        <translation>Relais PK1 - Zeit TP[Minuten]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]</source>
        <translation>Zeit bis zum automatischen Schließen für PK1 [Minuten]</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TP[minuty]</source>
        <translation>Relais PK2 - Zeit TP[Minuten]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]</source>
        <translation>Zeit bis zum automatischen Schließen für PK2 [Minuten]</translation>
    </message>
    <message>
        <source>RLH</source>
        <translation>RLH</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Wysokonapięciowych</source>
        <translation>Hochspannungsrelaismodul</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – zwarcie</source>
        <translation>Kontrolllinie LK1 – Kurzschluss</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – przerwa</source>
        <translation>Kontrolllinie LK1 – Unterbrechung</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – zwarcie</source>
        <translation>Kontrolllinie LK2 – Kurzschluss</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – przerwa</source>
        <translation>Kontrolllinie LK2 – Unterbrechung</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Softwareversion</translation>
    </message>
</context>
<context>
    <name>RecordCsv</name>
    <message>
        <source>Lp</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Kod</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Usunięte</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>CRC-Summe</translation>
    </message>
</context>
<context>
    <name>RecordManagement</name>
    <message>
        <source>Eksport CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Zapisz jako plik CSV dla arkusza kalkulacyjnego</source>
        <translation>Als CSV-Datei für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Ein Lesevorgang vom Gerät läuft bereits; warten Sie, bis er beendet ist.</translation>
    </message>
    <message>
        <source>Filtr w zakładce pokazuje %1 z %2 wierszy.</source>
        <translation>Der Filter der Registerkarte zeigt %1 von %2 Zeilen.</translation>
    </message>
    <message>
        <source>Całość</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>tylko widoczne wiersze</source>
        <translation>nur sichtbare Zeilen</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Eksport PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Przygotowanie wydruku...</source>
        <translation>Ausdruck wird vorbereitet...</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Raport ma około %1 stron: podgląd tak długiego raportu zablokowałby program na długo.

Zapisać raport do pliku PDF? Plik można potem wydrukować w całości lub w części.</source>
        <translation>Der Bericht hat etwa %1 Seiten: Die Vorschau eines so langen Berichts würde das Programm lange blockieren.

Bericht als PDF-Datei speichern? Die Datei kann anschließend ganz oder teilweise gedruckt werden.</translation>
    </message>
    <message>
        <source>strona %1 z %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>Nie udało się wydrukować raportu:
%1</source>
        <translation>Der Bericht konnte nicht gedruckt werden:
%1</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku PDF %1:
%2</source>
        <translation>Die PDF-Datei %1 konnte nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Raport ma %1 stron; wybrany zakres jest poza nim.</source>
        <translation>Der Bericht hat %1 Seiten; der gewählte Bereich liegt außerhalb.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku.</source>
        <translation>Der Ausdruck kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Raport jest za długi, by go wydrukować w całości.</source>
        <translation>Der Bericht ist zu lang, um vollständig gedruckt zu werden.</translation>
    </message>
    <message>
        <source>Tabeli raportu nie udało się podzielić na strony.</source>
        <translation>Die Tabelle des Berichts konnte nicht in Seiten aufgeteilt werden.</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1:
%2</source>
        <translation>Datei %1 konnte nicht gespeichert werden:
%2</translation>
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
        <translation>Modul deklariert</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Modul aktiv / inaktiv</translation>
    </message>
    <message>
        <source>Automatyczne ponawianie włączenia urządzeń alarmowych</source>
        <translation>Automatische Wiedereinschaltung der Alarmierungseinrichtungen</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1</source>
        <translation>Zone %1 - Verzögerung Alarm Stufe 2 - T1</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2</source>
        <translation>Zone %1 - Verzögerung Alarm Stufe 2 - T2</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas ewakuacji Tewak.</source>
        <translation>Zone %1 - Evakuierungszeit Tewak.</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas blokowania kasowania alarmu</source>
        <translation>Zone %1 - Sperrzeit der Alarmrückstellung</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1</source>
        <translation>Zone %1 - Flutungsanzeige anhand des Signals in Zone %1</translation>
    </message>
    <message>
        <source>Strefa %1 - Wyładowanie do więcej niż 1 strefy</source>
        <translation>Zone %1 - Flutung in mehr als 1 Zone</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1 </source>
        <translation>Zone %1 - Flutungsanzeige anhand des Signals in Zone %1 </translation>
    </message>
    <message>
        <source>Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 koincydencji</source>
        <translation>Zone %1 - Erforderliche Anzahl Linien im Alarmzustand - Koinzidenzgruppe %2</translation>
    </message>
    <message>
        <source>Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2</source>
        <translation>Zone %1 - Meldelinie - L1%3 gehört zu Gruppe %2</translation>
    </message>
    <message>
        <source>SCA</source>
        <translation>SCA</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 1</source>
        <translation>kein Ausströmen des Löschmittels - Zone 1</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 1</source>
        <translation>kein Druck oder Gewicht - Zone 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 1</source>
        <translation>Systemstörung - Zone 1</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 1</source>
        <translation>Versorgungsstörung - Zone 1</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 2</source>
        <translation>kein Ausströmen des Löschmittels - Zone 2</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 2</source>
        <translation>kein Druck oder Gewicht - Zone 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 2</source>
        <translation>Systemstörung - Zone 2</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 2</source>
        <translation>Versorgungsstörung - Zone 2</translation>
    </message>
    <message>
        <source>za duża rezystancja wewnętrzna akumulatorów</source>
        <translation>zu hoher Innenwiderstand der Batterien</translation>
    </message>
    <message>
        <source>brak baterii akumulatorów</source>
        <translation>keine Batterien</translation>
    </message>
    <message>
        <source>brak zasilania sieciowego 230V</source>
        <translation>keine Netzversorgung 230V</translation>
    </message>
    <message>
        <source>obnizenie napiecia akumulatorów</source>
        <translation>Batteriespannung zu niedrig</translation>
    </message>
    <message>
        <source>doziemienie</source>
        <translation>Erdschluss</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B0-Can.A,</source>
        <translation>Störung 24V am Bus B0-Can.A,</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B1-Can.B</source>
        <translation>Störung 24V am Bus B1-Can.B</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr1</source>
        <translation>keine Versorgung hinter B=6,3A in SCB Nr. 1</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr2</source>
        <translation>keine Versorgung hinter B=6,3A in SCB Nr. 2</translation>
    </message>
    <message>
        <source>moduł nr 1 nie odpowiada</source>
        <translation>Modul Nr. 1 antwortet nicht</translation>
    </message>
    <message>
        <source>moduł nr 2 nie odpowiada</source>
        <translation>Modul Nr. 2 antwortet nicht</translation>
    </message>
    <message>
        <source>moduł nr 3 nie odpowiada</source>
        <translation>Modul Nr. 3 antwortet nicht</translation>
    </message>
    <message>
        <source>moduł nr 4 nie odpowiada</source>
        <translation>Modul Nr. 4 antwortet nicht</translation>
    </message>
    <message>
        <source>moduł nr 5 nie odpowiada</source>
        <translation>Modul Nr. 5 antwortet nicht</translation>
    </message>
    <message>
        <source>moduł nr 6 nie odpowiada</source>
        <translation>Modul Nr. 6 antwortet nicht</translation>
    </message>
    <message>
        <source>moduł nr 7 nie odpowiada</source>
        <translation>Modul Nr. 7 antwortet nicht</translation>
    </message>
    <message>
        <source>moduł nr 8 nie odpowiada</source>
        <translation>Modul Nr. 8 antwortet nicht</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 1</source>
        <translation>Systemstörung des Moduls Nr. 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 2</source>
        <translation>Systemstörung des Moduls Nr. 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 3</source>
        <translation>Systemstörung des Moduls Nr. 3</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 4</source>
        <translation>Systemstörung des Moduls Nr. 4</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 5</source>
        <translation>Systemstörung des Moduls Nr. 5</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 6</source>
        <translation>Systemstörung des Moduls Nr. 6</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 7</source>
        <translation>Systemstörung des Moduls Nr. 7</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 8</source>
        <translation>Systemstörung des Moduls Nr. 8</translation>
    </message>
</context>
<context>
    <name>SCB</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>L%1 - Numer strefy</source>
        <translation>L%1 - Zonennummer</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja Linii kontrolnej</source>
        <translation>L%1 - Kontrolllinie deklariert</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Kontrolllinie deklariert</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - Zonennummer</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja wyjścia/wejścia</source>
        <translation>L%1 - Ausgang/Eingang deklariert</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Funkcja wejścia</source>
        <translation>L%1 - Kontrolllinie - Eingangsfunktion</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Stan</source>
        <translation>L%1 - Kontrolllinie - Zustand</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Ilość stanów</source>
        <translation>L%1 - Kontrolllinie - Anzahl Zustände</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie X</source>
        <translation>L%1 - Kontrolllinie - Verzögerung X</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie Y</source>
        <translation>L%1 - Kontrolllinie - Verzögerung Y</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Potentialbehaftete Linie - Ausgangsgruppe</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Potentialbehaftete Linie - Kriterium 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Potentialbehaftete Linie - Kriterium 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Potentialbehaftete Linie - Logik</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Potentialbehaftete Linie - Signalart für Ausgangseinschaltung</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Potentialbehaftete Linie - Ansprechverzögerung Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Potentialbehaftete Linie - Abschaltverzögerung Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Potentialbehaftete Linie - Impulsdauer T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Potentialbehaftete Linie - Pausendauer T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Potentialbehaftete Linie - Impulsanzahl N-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Wstępne kasowanie</source>
        <translation>L%1 - Meldelinie - Vorrückstellung</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Opóźnienie</source>
        <translation>L%1 - Meldelinie - Verzögerung</translation>
    </message>
    <message>
        <source>SCB</source>
        <translation>SCB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
    <message>
        <source>L%1 - przerwa</source>
        <translation>L%1 - Unterbrechung</translation>
    </message>
    <message>
        <source>L%1 - zwarcie</source>
        <translation>L%1 - Kurzschluss</translation>
    </message>
    <message>
        <source>L%1 - przeciążenie lub brak wysterowania</source>
        <translation>L%1 - Überlast oder keine Ansteuerung</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L%1 - kein aktiver Zustand X des ext. Geräts</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L%1 - kein aktiver Zustand Y des ext. Geräts</translation>
    </message>
    <message>
        <source>L%1 - brak ciągłości obwodu styków PK %2</source>
        <translation>L%1 - kein Durchgang im Kontaktkreis PK %2</translation>
    </message>
    <message>
        <source>L%1 - ---</source>
        <translation>L%1 - ---</translation>
    </message>
    <message>
        <source>L9 - brak stanu aktywnego Y</source>
        <translation>L9 - kein aktiver Zustand Y</translation>
    </message>
    <message>
        <source>L12 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L12 - kein aktiver Zustand Y des ext. Geräts </translation>
    </message>
    <message>
        <source>L14 - brak stanu aktywnego Y urządz. zewn.  </source>
        <translation>L14 - kein aktiver Zustand Y des ext. Geräts  </translation>
    </message>
    <message>
        <source>L15 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L15 - kein aktiver Zustand Y des ext. Geräts </translation>
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
        <source>SCC</source>
        <translation>SCC</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
</context>
<context>
    <name>SCD</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - Zonennummer</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Kontrolllinie deklariert</translation>
    </message>
    <message>
        <source>L%1 - Funkcja wejścia</source>
        <translation>L%1 - Eingangsfunktion</translation>
    </message>
    <message>
        <source>L%1 - Kryterium wysterowania</source>
        <translation>L%1 - Ansteuerkriterium</translation>
    </message>
    <message>
        <source>L%1 - Ilość stanów</source>
        <translation>L%1 - Anzahl Zustände</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie X</source>
        <translation>L%1 - Verzögerung X</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie Y</source>
        <translation>L%1 - Verzögerung Y</translation>
    </message>
    <message>
        <source>SCD</source>
        <translation>SCD</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - kein Durchgang im Kontaktkreis PK 1</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania PK 1</source>
        <translation>L1 - Überlast oder keine Ansteuerung PK 1</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - kein Durchgang im Kontaktkreis PK 2</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania PK 2</source>
        <translation>L2 - Überlast oder keine Ansteuerung PK 2</translation>
    </message>
    <message>
        <source>L3 - przerwa LK 1</source>
        <translation>L3 - Unterbrechung LK 1</translation>
    </message>
    <message>
        <source>L3 - zwarcie LK 1</source>
        <translation>L3 - Kurzschluss LK 1</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L3 - kein aktiver Zustand X des ext. Geräts</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L3 - kein aktiver Zustand Y des ext. Geräts</translation>
    </message>
    <message>
        <source>L4 - przerwa LK 2</source>
        <translation>L4 - Unterbrechung LK 2</translation>
    </message>
    <message>
        <source>L4 - zwarcie LK 2</source>
        <translation>L4 - Kurzschluss LK 2</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L4 - kein aktiver Zustand X des ext. Geräts</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L4 - kein aktiver Zustand Y des ext. Geräts</translation>
    </message>
    <message>
        <source>L5 - przerwa</source>
        <translation>L5 - Unterbrechung</translation>
    </message>
    <message>
        <source>L5 - zwarcie</source>
        <translation>L5 - Kurzschluss</translation>
    </message>
    <message>
        <source>L5 - przeciążenie lub brak wysterowania</source>
        <translation>L5 - Überlast oder keine Ansteuerung</translation>
    </message>
    <message>
        <source>L6 - przerwa</source>
        <translation>L6 - Unterbrechung</translation>
    </message>
    <message>
        <source>L6 - zwarcie</source>
        <translation>L6 - Kurzschluss</translation>
    </message>
    <message>
        <source>L6 - przeciążenie lub brak wysterowania</source>
        <translation>L6 - Überlast oder keine Ansteuerung</translation>
    </message>
</context>
<context>
    <name>SCE</name>
    <message>
        <source>SCE</source>
        <translation>SCE</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - kein Durchgang im Kontaktkreis PK 1</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - Überlast oder keine Ansteuerung</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - kein Durchgang im Kontaktkreis PK 2</translation>
    </message>
    <message>
        <source>L3 - brak ciągłości obwodu styków PK 3</source>
        <translation>L3 - kein Durchgang im Kontaktkreis PK 3</translation>
    </message>
    <message>
        <source>L4 - brak ciągłości obwodu styków PK 4</source>
        <translation>L4 - kein Durchgang im Kontaktkreis PK 4</translation>
    </message>
    <message>
        <source>L2 - brak wysterowania</source>
        <translation>L2 - keine Ansteuerung</translation>
    </message>
</context>
<context>
    <name>SCF</name>
    <message>
        <source>SCF</source>
        <translation>SCF</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
</context>
<context>
    <name>SCG</name>
    <message>
        <source>SCG</source>
        <translation>SCG</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Hauptsteuermodul</translation>
    </message>
    <message>
        <source>L1 - przerwa</source>
        <translation>L1 - Unterbrechung</translation>
    </message>
    <message>
        <source>L1 - zwarcie</source>
        <translation>L1 - Kurzschluss</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania</source>
        <translation>L1 - Überlast oder keine Ansteuerung</translation>
    </message>
    <message>
        <source>L2 - przerwa</source>
        <translation>L2 - Unterbrechung</translation>
    </message>
    <message>
        <source>L2 - zwarcie</source>
        <translation>L2 - Kurzschluss</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - Überlast oder keine Ansteuerung</translation>
    </message>
    <message>
        <source>L3 - przerwa</source>
        <translation>L3 - Unterbrechung</translation>
    </message>
    <message>
        <source>L3 - zwarcie</source>
        <translation>L3 - Kurzschluss</translation>
    </message>
    <message>
        <source>L3 - przeciążenie lub brak wysterowania</source>
        <translation>L3 - Überlast oder keine Ansteuerung</translation>
    </message>
    <message>
        <source>L4 - przerwa</source>
        <translation>L4 - Unterbrechung</translation>
    </message>
    <message>
        <source>L4 - zwarcie</source>
        <translation>L4 - Kurzschluss</translation>
    </message>
    <message>
        <source>L4 - przeciążenie lub brak wysterowania</source>
        <translation>L4 - Überlast oder keine Ansteuerung</translation>
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
        <translation>Servicefunktionen</translation>
    </message>
    <message>
        <source>Wyczyść rejestr zdarzeń</source>
        <translation>Ereignisspeicher leeren</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Daten erfolgreich gesendet.</translation>
    </message>
    <message>
        <source>czyszczenie rejestru zdarzeń</source>
        <translation>Leeren des Ereignisspeichers</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy centrala wykonała polecenie.</source>
        <translation>Ob die Zentrale den Befehl ausgeführt hat, ist unbekannt.</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.</source>
        <translation>Der Ereignisspeicher vor dem Leeren wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Odczytaj, zapisz i wyczyść</source>
        <translation>Lesen, speichern und leeren</translation>
    </message>
    <message>
        <source>Wyczyść bez odczytu</source>
        <translation>Ohne Lesen leeren</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń w centrali zostanie skasowany i nie da się go odtworzyć.

„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i zapisuje go w bazie danych; centrala jest czyszczona dopiero po zapisaniu.</source>
        <translation>Der Ereignisspeicher in der Zentrale wird geleert und kann nicht wiederhergestellt werden.

„Lesen, speichern und leeren“ liest zuerst den Ereignisspeicher und speichert ihn in der Datenbank; die Zentrale wird erst nach dem Speichern geleert.</translation>
    </message>
    <message>
        <source>Rejestru zdarzeń nie odczytano, więc nie został wyczyszczony.</source>
        <translation>Der Ereignisspeicher wurde nicht gelesen und daher nicht geleert.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać rejestru zdarzeń w bazie danych. Rejestru w centrali nie wyczyszczono.</source>
        <translation>Der Ereignisspeicher konnte nicht in der Datenbank gespeichert werden. Der Ereignisspeicher in der Zentrale wurde nicht geleert.</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń przed wyczyszczeniem</source>
        <translation>Lesen des Ereignisspeichers vor dem Leeren</translation>
    </message>
    <message>
        <source>sprawdzenie, czy centrala nie dopisała zdarzeń</source>
        <translation>Prüfen, ob die Zentrale neue Ereignisse gespeichert hat</translation>
    </message>
    <message>
        <source>Centrala dopisywała zdarzenia w trakcie każdego z %1 odczytów. Wszystkie odczyty zapisano (%2), ale rejestru w centrali nie wyczyszczono. Spróbuj ponownie za chwilę.</source>
        <translation>Die Zentrale hat während jedes der %1 Lesevorgänge Ereignisse gespeichert. Alle Lesevorgänge wurden gesichert (%2), der Ereignisspeicher der Zentrale wurde jedoch nicht geleert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Nie</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>%1g:%2m:%3s</source>
        <translation>%1h:%2m:%3s</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1m</translation>
    </message>
    <message>
        <source>Zakres: %1 – %2</source>
        <translation>Bereich: %1 – %2</translation>
    </message>
    <message>
        <source>Zakres: pozycje listy od 0 do %1</source>
        <translation>Bereich: Listeneinträge 0 bis %1</translation>
    </message>
</context>
<context>
    <name>SettingDelegate</name>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>SoftwareManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Aus dem Gerät lesen</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Usunięcie wersji oprogramowania</source>
        <translation>Softwareversionen löschen</translation>
    </message>
    <message>
        <source>Usunięcie wersji o nazwie: %1</source>
        <translation>Versionen mit dem Namen %1 gelöscht</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>CRC-Summe</translation>
    </message>
    <message>
        <source>Oprogramowanie Ostrel: %1</source>
        <translation>Ostrel-Software: %1</translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>odczyt wersji oprogramowania</source>
        <translation>Lesen der Softwareversionen</translation>
    </message>
    <message>
        <source>Czy usunąć wersje oprogramowania %1?</source>
        <translation>Softwareversionen %1 löschen?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Folder nie istnieje i nie można go utworzyć.</source>
        <translation>Der Ordner existiert nicht und kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>W miejscu pliku %1 jest folder.</source>
        <translation>An der Stelle der Datei %1 liegt ein Ordner.</translation>
    </message>
    <message>
        <source>Brak prawa zapisu w tym folderze. Folder programu (na przykład w Program Files) nie nadaje się na dane: uruchom program ze skrótu w menu Start albo z folderu, w którym można zapisywać.</source>
        <translation>Keine Schreibberechtigung in diesem Ordner. Der Programmordner (zum Beispiel unter Program Files) eignet sich nicht für Daten: Starten Sie das Programm über die Verknüpfung im Startmenü oder aus einem Ordner, in dem Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony albo nie jest bazą danych programu.</source>
        <translation>Die Datei %1 ist beschädigt oder keine Datenbank des Programms.</translation>
    </message>
    <message>
        <source>Nie udało się utworzyć pliku %1. %2</source>
        <translation>Die Datei %1 konnte nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel-Konfigurator</translation>
    </message>
    <message>
        <source>Nie można otworzyć bazy danych programu w folderze:
%1

%2

Program zostanie zamknięty.</source>
        <translation>Die Datenbank des Programms im folgenden Ordner lässt sich nicht öffnen:
%1

%2

Das Programm wird beendet.</translation>
    </message>
</context>
<context>
    <name>TimeManagement</name>
    <message>
        <source>Data i czas</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Aktualna data i czas w centrali</source>
        <translation>Aktuelles Datum und Uhrzeit in der Zentrale</translation>
    </message>
    <message>
        <source>Odczytaj datę i czas z centrali</source>
        <translation>Datum und Uhrzeit aus der Zentrale lesen</translation>
    </message>
    <message>
        <source>Automatyczna zmiana czasu LATO/ZIMA</source>
        <translation>Automatische Umstellung SOMMER/WINTER-Zeit</translation>
    </message>
    <message>
        <source>Moment pobrania czasu:</source>
        <translation>Zeitpunkt der Abfrage:</translation>
    </message>
    <message>
        <source>Ustaw datę i czas w centrali</source>
        <translation>Datum und Uhrzeit in der Zentrale einstellen</translation>
    </message>
    <message>
        <source>Wyślij podaną datę i czas do centrali</source>
        <translation>Eingegebenes Datum und Uhrzeit an die Zentrale senden</translation>
    </message>
    <message>
        <source>Wyślij czas z komputer</source>
        <translation>PC-Zeit senden</translation>
    </message>
    <message>
        <source>Nieprawidłowa data</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>odczyt lub ustawienie zegara</source>
        <translation>Lesen oder Stellen der Uhr</translation>
    </message>
    <message>
        <source>włączona</source>
        <translation>eingeschaltet</translation>
    </message>
    <message>
        <source>wyłączona</source>
        <translation>ausgeschaltet</translation>
    </message>
    <message>
        <source>Centrala ma teraz datę i czas %1, automatyczna zmiana czasu LATO/ZIMA: %2.</source>
        <translation>Die Zentrale hat jetzt Datum und Uhrzeit %1, automatische Umstellung SOMMER/WINTER-Zeit: %2.</translation>
    </message>
    <message>
        <source>bieżący czas komputera (teraz %1)</source>
        <translation>aktuelle PC-Zeit (jetzt %1)</translation>
    </message>
    <message>
        <source>Ustawić w centrali datę i czas: %1, automatyczna zmiana czasu LATO/ZIMA: %2?</source>
        <translation>Datum und Uhrzeit in der Zentrale einstellen: %1, automatische Umstellung SOMMER/WINTER-Zeit: %2?</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>Czas</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Kierunek</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Polecenie</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Ramka</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>PC → centrala</source>
        <translation>PC → Zentrale</translation>
    </message>
    <message>
        <source>centrala → PC</source>
        <translation>Zentrale → PC</translation>
    </message>
    <message>
        <source>%1 (błędne CRC)</source>
        <translation>%1 (CRC-Fehler)</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>Nic nie zostało zapisane.</source>
        <translation>Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Przerywa tę operację; nic z niej nie zostanie zapisane</source>
        <translation>Bricht diesen Vorgang ab; nichts davon wird gespeichert</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>oczekiwanie na odpowiedź…</source>
        <translation>warte auf Antwort…</translation>
    </message>
    <message>
        <source>część %1 z %2</source>
        <translation>Teil %1 von %2</translation>
    </message>
    <message>
        <source>wpisów: %1</source>
        <translation>Einträge: %1</translation>
    </message>
    <message>
        <source>pozostało ok. %1</source>
        <translation>noch ca. %1</translation>
    </message>
    <message>
        <source>Anulowano: %1. Nic nie zostało zapisane.</source>
        <translation>Abgebrochen: %1. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Urządzenie nie odpowiada</source>
        <translation>Das Gerät antwortet nicht</translation>
    </message>
    <message>
        <source>Brak odpowiedzi na %1 po trzech próbach. Sprawdź kabel i zasilanie centrali.</source>
        <translation>Keine Antwort nach drei Versuchen (%1). Prüfen Sie das Kabel und die Versorgung der Zentrale.</translation>
    </message>
    <message>
        <source>Połączenie z urządzeniem zostało przerwane (%1)</source>
        <translation>Die Verbindung zum Gerät wurde unterbrochen (%1)</translation>
    </message>
    <message>
        <source>Port został zamknięty.</source>
        <translation>Der Port wurde geschlossen.</translation>
    </message>
    <message>
        <source>Przyczyna: %1.</source>
        <translation>Ursache: %1.</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel-Konfigurator</translation>
    </message>
    <message>
        <source>Nieoczekiwana odpowiedź urządzenia na %1</source>
        <translation>Unerwartete Antwort der Zentrale auf %1</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>WĘZEŁ</source>
        <translation>KNOTEN</translation>
    </message>
    <message>
        <source>WARTOŚĆ</source>
        <translation>WERT</translation>
    </message>
    <message>
        <source>OPIS</source>
        <translation>BESCHREIBUNG</translation>
    </message>
    <message>
        <source>ACTIVE MODULE %1</source>
        <translation>AKTIVES MODUL %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Wartość %1 jest poza zakresem.</source>
        <translation>Der Wert %1 liegt außerhalb des Bereichs.</translation>
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
        <translation>Port geöffnet. Verbindungsversuch mit dem Gerät an Port </translation>
    </message>
    <message>
        <source>Brak odpowiedzi na ramkę. Ponowna próba połączenia...</source>
        <translation>Keine Antwort auf den Rahmen. Neuer Verbindungsversuch...</translation>
    </message>
    <message>
        <source>nie znaleziono urządzenia na tym porcie</source>
        <translation>kein Gerät an diesem Port gefunden</translation>
    </message>
    <message>
        <source>brak dostępu do portu (może używa go inny program)</source>
        <translation>kein Zugriff auf den Port (vielleicht verwendet ihn ein anderes Programm)</translation>
    </message>
    <message>
        <source>port jest już otwarty przez inny program</source>
        <translation>der Port ist bereits von einem anderen Programm geöffnet</translation>
    </message>
    <message>
        <source>błąd parzystości na łączu</source>
        <translation>Paritätsfehler auf der Leitung</translation>
    </message>
    <message>
        <source>błąd ramki na łączu (zakłócenia lub zła prędkość)</source>
        <translation>Rahmenfehler auf der Leitung (Einstreuungen oder falsche Baudrate)</translation>
    </message>
    <message>
        <source>przerwa w linii transmisyjnej</source>
        <translation>Break-Zustand auf der Übertragungsleitung</translation>
    </message>
    <message>
        <source>nie można wysłać danych do portu</source>
        <translation>Daten können nicht an den Port gesendet werden</translation>
    </message>
    <message>
        <source>nie można odczytać danych z portu (kabel odłączony?)</source>
        <translation>Daten können nicht vom Port gelesen werden (Kabel abgezogen?)</translation>
    </message>
    <message>
        <source>port zniknął: kabel USB odłączony lub centrala wyłączona</source>
        <translation>der Port ist nicht mehr vorhanden: USB-Kabel abgezogen oder Zentrale ausgeschaltet</translation>
    </message>
    <message>
        <source>port nie obsługuje tej operacji</source>
        <translation>der Port unterstützt diesen Vorgang nicht</translation>
    </message>
    <message>
        <source>nieznany błąd portu</source>
        <translation>unbekannter Portfehler</translation>
    </message>
    <message>
        <source>przekroczony czas operacji na porcie</source>
        <translation>Zeitüberschreitung bei einem Portvorgang</translation>
    </message>
    <message>
        <source>port nie jest otwarty</source>
        <translation>der Port ist nicht geöffnet</translation>
    </message>
    <message>
        <source>%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje już innego klienta</source>
        <translation>%1 hat die Verbindung abgelehnt: Der Geräteserver lauscht nicht an diesem Port oder bedient bereits einen anderen Client</translation>
    </message>
    <message>
        <source>%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową</source>
        <translation>%1 antwortet seit 5 s nicht: Prüfen Sie die Adresse, die VPN-Verbindung und die Firewall</translation>
    </message>
    <message>
        <source>Nie znaleziono komputera %1: sprawdź nazwę lub adres</source>
        <translation>Rechner %1 nicht gefunden: Prüfen Sie den Namen oder die Adresse</translation>
    </message>
    <message>
        <source>Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer wyłączony)</source>
        <translation>Der Geräteserver %1 hat die Verbindung geschlossen (Zentrale vom Server getrennt oder Server ausgeschaltet)</translation>
    </message>
    <message>
        <source>Błąd połączenia sieciowego z %1 (kod %2)</source>
        <translation>Fehler der Netzwerkverbindung zu %1 (Code %2)</translation>
    </message>
    <message>
        <source>Port zamknięty: %1</source>
        <translation>Port geschlossen: %1</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Ein Lesevorgang läuft bereits; warten Sie, bis er beendet ist.</translation>
    </message>
    <message>
        <source>Centrala odpowiedziała poleceniem %1 zamiast %2.</source>
        <translation>Die Zentrale antwortete mit Befehl %1 statt %2.</translation>
    </message>
</context>
<context>
    <name>Uszkodzenia</name>
    <message>
        <source>Uszkodzenia Ostrel: %1</source>
        <translation>Ostrel-Störungen: %1</translation>
    </message>
</context>
<context>
    <name>VisitReport</name>
    <message>
        <source>brak</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Moduły centrali</source>
        <translation>Module der Zentrale</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Softwareversion</translation>
    </message>
    <message>
        <source>nie odczytano</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>brak danych do porównania</source>
        <translation>keine Vergleichsdaten</translation>
    </message>
    <message>
        <source>bez zmian</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>moduł usunięty</source>
        <translation>Modul entfernt</translation>
    </message>
    <message>
        <source>moduł dodany</source>
        <translation>Modul hinzugefügt</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Przed</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>Po</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń</source>
        <translation>Ereignisspeicher</translation>
    </message>
    <message>
        <source>Uszkodzenia aktywne według rejestru</source>
        <translation>Laut Ereignisspeicher aktive Störungen</translation>
    </message>
    <message>
        <source>Lp</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Załącznik: pełny rejestr zdarzeń</source>
        <translation>Anlage: vollständiger Ereignisspeicher</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Vorgehen</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Anforderung</translation>
    </message>
    <message>
        <source>Pomiar</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Batterien</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatorów w latach: %1.</source>
        <translation>Nutzungsdauer der Batterien in Jahren: %1.</translation>
    </message>
    <message>
        <source>Marka i typ</source>
        <translation>Marke und Typ</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Kapazität [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Datumscode</translation>
    </message>
    <message>
        <source>Montaż</source>
        <translation>Einbau</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Spannung [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Innenwiderstand [mΩ]</translation>
    </message>
    <message>
        <source>Wymiana do</source>
        <translation>Austausch bis</translation>
    </message>
    <message>
        <source>(termin minął)</source>
        <translation>(Termin überschritten)</translation>
    </message>
    <message>
        <source>(wymiana w ciągu 90 dni)</source>
        <translation>(Austausch innerhalb von 90 Tagen)</translation>
    </message>
    <message>
        <source>Autotest i kalibracja</source>
        <translation>Selbsttest und Kalibrierung</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Zakres</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>autotest</source>
        <translation>Selbsttest</translation>
    </message>
    <message>
        <source>kalibracja</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>%1 s (czas centrali minus czas komputera)</source>
        <translation>%1 s (Zeit der Zentrale minus PC-Zeit)</translation>
    </message>
    <message>
        <source>Protokół serwisowy nr %1</source>
        <translation>Serviceprotokoll Nr. %1</translation>
    </message>
    <message>
        <source>Identyfikator</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Techniker</translation>
    </message>
    <message>
        <source>Rodzaj wizyty</source>
        <translation>Art des Besuchs</translation>
    </message>
    <message>
        <source>Rozpoczęcie</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Zakończenie</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>wizyta otwarta</source>
        <translation>Besuch offen</translation>
    </message>
    <message>
        <source>Obiekt i centrala</source>
        <translation>Objekt und Zentrale</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Właściciel / zarządca</source>
        <translation>Eigentümer / Verwalter</translation>
    </message>
    <message>
        <source>Osoba kontaktowa</source>
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Zentrale</translation>
    </message>
    <message>
        <source>Miejsce montażu</source>
        <translation>Einbauort</translation>
    </message>
    <message>
        <source>Numer fabryczny</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Installationsdatum</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Uhr der Zentrale</translation>
    </message>
    <message>
        <source>Odchyłka zegara</source>
        <translation>Uhrabweichung</translation>
    </message>
    <message>
        <source>Zegar ustawiony</source>
        <translation>Uhr gestellt</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Uszkodzenia przy odjeździe</source>
        <translation>Störungen bei Abfahrt</translation>
    </message>
    <message>
        <source>Odczyt pominięto: %1</source>
        <translation>Lesen übersprungen: %1</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji podczas wizyty</source>
        <translation>Konfigurationsänderungen während des Besuchs</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji od poprzedniej wizyty</source>
        <translation>Konfigurationsänderungen seit dem letzten Besuch</translation>
    </message>
    <message>
        <source>brak poprzedniej wizyty</source>
        <translation>kein vorheriger Besuch</translation>
    </message>
    <message>
        <source>Poprzednia wizyta: %1, %2.</source>
        <translation>Letzter Besuch: %1, %2.</translation>
    </message>
    <message>
        <source>Wynik wizyty</source>
        <translation>Ergebnis des Besuchs</translation>
    </message>
    <message>
        <source>Ustalenia</source>
        <translation>Feststellungen</translation>
    </message>
    <message>
        <source>Zalecenia</source>
        <translation>Empfehlungen</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>nie wystawiono</source>
        <translation>nicht vergeben</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Nächste Wartung</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Moduł adresowy</source>
        <translation>Adressmodul</translation>
    </message>
    <message>
        <source>Moduł przekaźników i linii</source>
        <translation>Relais- und Linienmodul</translation>
    </message>
    <message>
        <source>Moduł wyjść potencjałowych</source>
        <translation>Modul potentialbehafteter Ausgänge</translation>
    </message>
    <message>
        <source>Moduł przekaźników</source>
        <translation>Relaismodul</translation>
    </message>
    <message>
        <source>Moduł sterowania liniami i przekaźnikami</source>
        <translation>Linien- und Relaissteuermodul</translation>
    </message>
    <message>
        <source>Moduł sterowania gaszeniem</source>
        <translation>Löschsteuermodul</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Stwierdzone przy przyjeździe i usunięte</source>
        <translation>Bei Ankunft festgestellt und behoben</translation>
    </message>
    <message>
        <source>bez odczytu przy odjeździe: stwierdzone przy przyjeździe</source>
        <translation>ohne Lesen bei Abfahrt: bei Ankunft festgestellt</translation>
    </message>
    <message>
        <source>Pozostające przy odjeździe</source>
        <translation>Bei Abfahrt verbleibend</translation>
    </message>
    <message>
        <source>Usterki stwierdzone podczas sprawdzeń</source>
        <translation>Bei den Prüfungen festgestellte Mängel</translation>
    </message>
    <message>
        <source>pozostałe (%1)</source>
        <translation>sonstige (%1)</translation>
    </message>
    <message>
        <source>razem</source>
        <translation>gesamt</translation>
    </message>
    <message>
        <source>Brak poprzedniej wizyty: zdarzenia od początku rejestru, %1 wpisów.</source>
        <translation>Keine vorige Wartung: Ereignisse seit Beginn des Speichers, %1 Einträge.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1 (rejestr był wtedy pusty): %2 z %3 wpisów.</source>
        <translation>Ereignisse seit der vorigen Wartung %1 (der Speicher war damals leer): %2 von %3 Einträgen.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1, po wpisie nr %2 — ostatnim odczytanym przy tamtej wizycie: %3 z %4 wpisów.</source>
        <translation>Ereignisse seit der vorigen Wartung %1, nach Eintrag Nr. %2 — dem zuletzt bei jener Wartung gelesenen: %3 von %4 Einträgen.</translation>
    </message>
    <message>
        <source>Pominięto wpisy zapisane jeszcze w czasie tamtej wizyty (odczyt przy odjeździe, ustawienie zegara): %1.</source>
        <translation>Einträge, die noch während jener Wartung geschrieben wurden (Lesen bei Abfahrt, Uhr gestellt), wurden ausgelassen: %1.</translation>
    </message>
    <message>
        <source>Rejestr wyczyszczony od poprzedniej wizyty %1: wpisu odczytanego przy tamtej wizycie już w nim nie ma. Liczone są wszystkie wpisy: %2.</source>
        <translation>Speicher seit der vorigen Wartung %1 geleert: Der bei jener Wartung gelesene Eintrag ist nicht mehr darin. Gezählt werden alle Einträge: %2.</translation>
    </message>
    <message>
        <source>Od poprzedniej wizyty %1 przybyło więcej wpisów, niż mieści rejestr: wpis odczytany przy tamtej wizycie został nadpisany. Liczone są wszystkie wpisy: %2.</source>
        <translation>Seit der vorigen Wartung %1 kamen mehr Einträge hinzu, als der Speicher fasst: Der bei jener Wartung gelesene Eintrag wurde überschrieben. Gezählt werden alle Einträge: %2.</translation>
    </message>
    <message>
        <source>zegar ustawiono wtedy na czas komputera, przyjęto odchyłkę 0 s</source>
        <translation>die Uhr wurde damals auf die PC-Zeit gestellt, Abweichung 0 s angenommen</translation>
    </message>
    <message>
        <source>przyjęto odchyłkę zegara zmierzoną wtedy: %1 s</source>
        <translation>die damals gemessene Uhrabweichung angenommen: %1 s</translation>
    </message>
    <message>
        <source>odchyłki zegara wtedy nie zmierzono, przyjęto 0 s</source>
        <translation>die Uhrabweichung wurde damals nicht gemessen, 0 s angenommen</translation>
    </message>
    <message>
        <source>Poprzednia wizyta %1 nie odczytała rejestru, więc zdarzenia liczone są wg zegara centrali: wpisy późniejsze niż %2 (koniec tamtej wizyty; %3): %4 z %5 wpisów.</source>
        <translation>Die vorige Wartung %1 hat den Speicher nicht gelesen, daher wird nach der Uhr der Zentrale gezählt: Einträge nach %2 (Ende jener Wartung; %3): %4 von %5 Einträgen.</translation>
    </message>
    <message>
        <source>Rodzaj zdarzeń</source>
        <translation>Ereignisart</translation>
    </message>
    <message>
        <source>Najwięcej wpisów według modułu</source>
        <translation>Die meisten Einträge nach Modul</translation>
    </message>
    <message>
        <source>Najczęstsze zdarzenia</source>
        <translation>Häufigste Ereignisse</translation>
    </message>
    <message>
        <source>Rejestr odczytany przy tej wizycie: %1 wpisów, SHA-256 jego bajtów: %2.</source>
        <translation>Bei dieser Wartung gelesener Speicher: %1 Einträge, SHA-256 seiner Bytes: %2.</translation>
    </message>
    <message>
        <source>nie sprawdzono</source>
        <translation>nicht geprüft</translation>
    </message>
    <message>
        <source>Zakres przeglądu i wyniki sprawdzeń</source>
        <translation>Wartungsumfang und Prüfergebnisse</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Allgemeine Prüfungen</translation>
    </message>
    <message>
        <source>Sprawdzenia modułów centrali</source>
        <translation>Prüfungen der Module der Zentrale</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie (sprawdzone albo wyłączone z zakresu, z powodem w uwagach)</source>
        <translation>Feldgeräte (geprüft oder aus dem Umfang ausgenommen, mit Grund in den Bemerkungen)</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Kapazitäts- / Lastprüfung</translation>
    </message>
    <message>
        <source>wymaganie spełnione</source>
        <translation>Anforderung erfüllt</translation>
    </message>
    <message>
        <source>wymaganie NIESPEŁNIONE</source>
        <translation>Anforderung NICHT erfüllt</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów</source>
        <translation>Geforderte Überbrückungszeit aus Batterien</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów</source>
        <translation>Erreichte Überbrückungszeit aus Batterien</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY (powód: %1). Protokołu nie wystawiono.</source>
        <translation>WARTUNG STORNIERT (Grund: %1). Kein Protokoll ausgestellt.</translation>
    </message>
    <message>
        <source>Projekt protokołu: przegląd jest otwarty, projekt nie ma skrótu. Skrót nadaje zamknięcie przeglądu.</source>
        <translation>Protokollentwurf: Die Wartung ist offen, der Entwurf hat keinen Hash. Den Hash vergibt der Abschluss der Wartung.</translation>
    </message>
    <message>
        <source>Skrót SHA-256 w stopce każdej strony obejmuje całą treść tego protokołu (bez załącznika z pełnym rejestrem zdarzeń, którego bajty opisuje skrót w części „Rejestr zdarzeń”). Sprawdzenie: Konfigurator Ostrel, karta „Przeglądy”, przycisk „Sprawdź protokół”: wskaż plik PDF albo wpisz skrót ze stopki. Program podaje, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Der SHA-256-Hash in der Fußzeile jeder Seite umfasst den gesamten Inhalt dieses Protokolls (ohne den Anhang mit dem vollständigen Ereignisspeicher, dessen Bytes der Hash im Teil „Ereignisspeicher“ beschreibt). Prüfung: Konfigurator Ostrel, Registerkarte „Wartungen“, Schaltfläche „Protokoll prüfen“: PDF-Datei wählen oder den Hash aus der Fußzeile eingeben. Das Programm nennt die Wartung des Protokolls und ob es mit dem beim Abschluss gespeicherten übereinstimmt.</translation>
    </message>
    <message>
        <source>urządzenie dopuszczone do dalszej eksploatacji</source>
        <translation>Gerät für den weiteren Betrieb zugelassen</translation>
    </message>
    <message>
        <source>urządzenie niedopuszczone do dalszej eksploatacji</source>
        <translation>Gerät für den weiteren Betrieb nicht zugelassen</translation>
    </message>
    <message>
        <source>Obiekt / centrala</source>
        <translation>Objekt / Zentrale</translation>
    </message>
    <message>
        <source>Wynik przeglądu</source>
        <translation>Ergebnis der Wartung</translation>
    </message>
    <message>
        <source>Orzeczenie</source>
        <translation>Beurteilung</translation>
    </message>
    <message>
        <source>Podstawa</source>
        <translation>Grundlage</translation>
    </message>
    <message>
        <source>przegląd okresowy wykonywany co najmniej raz w roku zgodnie z rozporządzeniem Ministra Spraw Wewnętrznych i Administracji z dnia 7 czerwca 2010 r. w sprawie ochrony przeciwpożarowej budynków, innych obiektów budowlanych i terenów (§ 3 ust. 3) oraz z instrukcją serwisową producenta</source>
        <translation>regelmäßige Wartung mindestens einmal jährlich gemäß der Verordnung des polnischen Innenministers vom 7. Juni 2010 über den Brandschutz von Gebäuden, anderen baulichen Anlagen und Geländen (§ 3 Abs. 3) sowie der Serviceanleitung des Herstellers</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Messgeräte</translation>
    </message>
    <message>
        <source>Przyrząd</source>
        <translation>Messgerät</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Kalibrierdatum</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu %1</source>
        <translation>Aus der vorigen Wartung %1</translation>
    </message>
    <message>
        <source>Wykonanie zaleceń</source>
        <translation>Umsetzung der Empfehlungen</translation>
    </message>
    <message>
        <source>nie oceniono</source>
        <translation>nicht beurteilt</translation>
    </message>
    <message>
        <source>Uszkodzenia pozostawione przy odjeździe</source>
        <translation>Bei Abfahrt verbliebene Störungen</translation>
    </message>
    <message>
        <source>Miejsce i data: %1, %2</source>
        <translation>Ort und Datum: %1, %2</translation>
    </message>
    <message>
        <source>Konserwator (wykonał przegląd)</source>
        <translation>Wartungstechniker (hat die Wartung ausgeführt)</translation>
    </message>
    <message>
        <source>podpis</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Pieczęć firmy</source>
        <translation>Firmenstempel</translation>
    </message>
    <message>
        <source>Protokół otrzymałem (użytkownik / zarządca)</source>
        <translation>Protokoll erhalten (Betreiber / Verwalter)</translation>
    </message>
    <message>
        <source>PROJEKT — przegląd otwarty</source>
        <translation>ENTWURF — Wartung offen</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY</source>
        <translation>WARTUNG STORNIERT</translation>
    </message>
    <message>
        <source>koryguje protokół %1 (powód: %2)</source>
        <translation>korrigiert Protokoll %1 (Grund: %2)</translation>
    </message>
    <message>
        <source>Wykonawca</source>
        <translation>Auftragnehmer</translation>
    </message>
    <message>
        <source>Adres firmy</source>
        <translation>Firmenanschrift</translation>
    </message>
    <message>
        <source>NIP</source>
        <translation>Steuernummer (NIP)</translation>
    </message>
    <message>
        <source>Telefon firmy</source>
        <translation>Firmentelefon</translation>
    </message>
    <message>
        <source>Konserwator</source>
        <translation>Wartungstechniker</translation>
    </message>
    <message>
        <source>Nr świadectwa / uprawnień</source>
        <translation>Nr. des Zertifikats / der Berechtigung</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Berechtigung gültig bis</translation>
    </message>
    <message>
        <source>Producent</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia</source>
        <translation>Nr. der Zulassungsbescheinigung</translation>
    </message>
    <message>
        <source>Wykonane prace i wymienione części</source>
        <translation>Ausgeführte Arbeiten und ersetzte Teile</translation>
    </message>
    <message>
        <source>Wykonane prace</source>
        <translation>Ausgeführte Arbeiten</translation>
    </message>
    <message>
        <source>Wymienione części</source>
        <translation>Ersetzte Teile</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Akumulatory do wymiany</source>
        <translation>Zu ersetzende Batterien</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>storniert</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>ersetzt durch %1</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>offen</translation>
    </message>
</context>
<context>
    <name>VisitSession</name>
    <message>
        <source>zegar</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>Softwareversionen</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>Ereignisspeicher</translation>
    </message>
    <message>
        <source>Odczyt przerwany. Nic z tego odczytu nie zapisano.</source>
        <translation>Lesen abgebrochen. Von diesem Lesevorgang wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Łącze nie przyjęło zapytania. Nic nie zapisano.</source>
        <translation>Die Verbindung hat die Anfrage nicht angenommen. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać odczytu w bazie danych.</source>
        <translation>Die gelesenen Daten konnten nicht in der Datenbank gespeichert werden.</translation>
    </message>
    <message>
        <source>Odczyt przerwany (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Lesen abgebrochen (%1). Von diesem Lesevorgang wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada (%1). Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Die Zentrale antwortet nicht (%1). Von diesem Lesevorgang wurde nichts gespeichert; die Wartung bleibt offen.</translation>
    </message>
    <message>
        <source>Połączenie z centralą zostało przerwane (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Die Verbindung zur Zentrale wurde unterbrochen (%1). Von diesem Lesevorgang wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>przyjazd</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>odjazd</source>
        <translation>Abfahrt</translation>
    </message>
</context>
<context>
    <name>VisitStartDialog</name>
    <message>
        <source>Nowy przegląd</source>
        <translation>Neue Wartung</translation>
    </message>
    <message>
        <source>Centrale pasujące do podłączonej</source>
        <translation>Zur angeschlossenen passende Zentralen</translation>
    </message>
    <message>
        <source>Rozpoznaj podłączoną centralę</source>
        <translation>Angeschlossene Zentrale erkennen</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Obiekt:</source>
        <translation>Objekt:</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Adres:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Właściciel lub zarządca:</source>
        <translation>Eigentümer oder Verwalter:</translation>
    </message>
    <message>
        <source>Osoba kontaktowa:</source>
        <translation>Ansprechpartner:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Zentrale</translation>
    </message>
    <message>
        <source>Centrala:</source>
        <translation>Zentrale:</translation>
    </message>
    <message>
        <source>Oznaczenie:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <source>np. Centrala oddymiania — klatka A</source>
        <translation>z. B. RWA-Zentrale — Treppenhaus A</translation>
    </message>
    <message>
        <source>Miejsce w budynku:</source>
        <translation>Ort im Gebäude:</translation>
    </message>
    <message>
        <source>Numer fabryczny:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>z tabliczki znamionowej</source>
        <translation>vom Typenschild</translation>
    </message>
    <message>
        <source>Data instalacji:</source>
        <translation>Installationsdatum:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>jjjj-mm-tt</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Serwisant:</source>
        <translation>Servicetechniker:</translation>
    </message>
    <message>
        <source>Nr świadectwa:</source>
        <translation>Zertifikat-Nr.:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Rozpocznij przegląd</source>
        <translation>Wartung beginnen</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Nie rozpoznano konfiguracji centrali.</source>
        <translation>Die Konfiguration der Zentrale wurde nicht erkannt.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada.</source>
        <translation>Die Zentrale antwortet nicht.</translation>
    </message>
    <message>
        <source>Odczyt konfiguracji…</source>
        <translation>Lesen der Konfiguration…</translation>
    </message>
    <message>
        <source>Żadna zapisana centrala nie ma tych modułów.</source>
        <translation>Keine gespeicherte Zentrale hat diese Module.</translation>
    </message>
    <message>
        <source>— nowy obiekt —</source>
        <translation>— neues Objekt —</translation>
    </message>
    <message>
        <source>— nowa centrala —</source>
        <translation>— neue Zentrale —</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Installationsdatum</translation>
    </message>
</context>
<context>
    <name>VisitStore</name>
    <message>
        <source>Nie znaleziono wizyty serwisowej.</source>
        <translation>Servicebesuch nicht gefunden.</translation>
    </message>
    <message>
        <source>Wizyta jest zamknięta i nie można jej zmieniać. Popraw ją nową wizytą korygującą.</source>
        <translation>Der Servicebesuch ist abgeschlossen und kann nicht geändert werden. Korrigieren Sie ihn mit einem neuen Korrekturbesuch.</translation>
    </message>
    <message>
        <source>Podaj nazwę obiektu.</source>
        <translation>Geben Sie den Namen des Objekts an.</translation>
    </message>
    <message>
        <source>Nie zapisano obiektu w bazie danych.</source>
        <translation>Das Objekt wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Wybierz obiekt, do którego należy centrala.</source>
        <translation>Wählen Sie das Objekt, zu dem die Zentrale gehört.</translation>
    </message>
    <message>
        <source>Podaj oznaczenie centrali.</source>
        <translation>Geben Sie die Bezeichnung der Zentrale an.</translation>
    </message>
    <message>
        <source>Data instalacji centrali nie może być późniejsza niż dzisiejsza.</source>
        <translation>Das Installationsdatum der Zentrale darf nicht nach dem heutigen Datum liegen.</translation>
    </message>
    <message>
        <source>Nie zapisano centrali w bazie danych.</source>
        <translation>Die Zentrale wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Nie znaleziono centrali.</source>
        <translation>Zentrale nicht gefunden.</translation>
    </message>
    <message>
        <source>Wybierz centralę, której dotyczy wizyta.</source>
        <translation>Wählen Sie die Zentrale, die der Servicebesuch betrifft.</translation>
    </message>
    <message>
        <source>Wybierz rodzaj wizyty.</source>
        <translation>Wählen Sie die Art des Servicebesuchs.</translation>
    </message>
    <message>
        <source>Data następnego przeglądu musi być późniejsza niż data wizyty.</source>
        <translation>Das Datum der nächsten Wartung muss nach dem Datum des Servicebesuchs liegen.</translation>
    </message>
    <message>
        <source>Nie zapisano wizyty w bazie danych.</source>
        <translation>Der Servicebesuch wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Nieprawidłowy rodzaj wizyty lub ocena.</source>
        <translation>Ungültige Art des Servicebesuchs oder ungültige Bewertung.</translation>
    </message>
    <message>
        <source>Nieprawidłowa odchyłka zegara centrali.</source>
        <translation>Ungültige Uhrabweichung der Zentrale.</translation>
    </message>
    <message>
        <source>Wybierz ocenę stanu centrali, aby zamknąć wizytę.</source>
        <translation>Wählen Sie eine Bewertung des Zustands der Zentrale, um den Servicebesuch abzuschließen.</translation>
    </message>
    <message>
        <source>Wizyty nie można zamknąć bez odczytu przy odjeździe. Wykonaj odczyt albo wpisz, dlaczego go pominięto.</source>
        <translation>Der Servicebesuch kann ohne Lesen bei Abfahrt nicht abgeschlossen werden. Führen Sie das Lesen durch oder geben Sie an, warum es übersprungen wurde.</translation>
    </message>
    <message>
        <source>Wizyta jest jeszcze otwarta: popraw ją bezpośrednio.</source>
        <translation>Der Servicebesuch ist noch offen: Korrigieren Sie ihn direkt.</translation>
    </message>
    <message>
        <source>Nie znaleziono zapisanego odczytu.</source>
        <translation>Gespeicherter Lesevorgang nicht gefunden.</translation>
    </message>
    <message>
        <source>Nie zapisano odczytu w bazie danych.</source>
        <translation>Die gelesenen Daten wurden nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Nieprawidłowy wynik sprawdzenia.</source>
        <translation>Ungültiges Prüfergebnis.</translation>
    </message>
    <message>
        <source>Nie zapisano listy sprawdzeń w bazie danych.</source>
        <translation>Die Prüfliste wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Nie znaleziono sprawdzenia.</source>
        <translation>Prüfung nicht gefunden.</translation>
    </message>
    <message>
        <source>Nie zapisano sprawdzenia w bazie danych.</source>
        <translation>Die Prüfung wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Pojemność akumulatora musi leżeć między %1 a %2 Ah.</source>
        <translation>Die Kapazität der Batterie muss zwischen %1 und %2 Ah liegen.</translation>
    </message>
    <message>
        <source>Napięcie akumulatora musi leżeć między 0 a %1 V.</source>
        <translation>Die Spannung der Batterie muss zwischen 0 und %1 V liegen.</translation>
    </message>
    <message>
        <source>Rezystancja wewnętrzna musi leżeć między 0 a %1 mΩ.</source>
        <translation>Der Innenwiderstand muss zwischen 0 und %1 mΩ liegen.</translation>
    </message>
    <message>
        <source>Podaj datę montażu akumulatora, nie późniejszą niż dzisiejsza.</source>
        <translation>Geben Sie das Einbaudatum der Batterie an, nicht später als heute.</translation>
    </message>
    <message>
        <source>Nie zapisano akumulatora w bazie danych.</source>
        <translation>Die Batterie wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Nie znaleziono akumulatora.</source>
        <translation>Batterie nicht gefunden.</translation>
    </message>
    <message>
        <source>Nie usunięto akumulatora z bazy danych.</source>
        <translation>Die Batterie wurde nicht aus der Datenbank gelöscht.</translation>
    </message>
    <message>
        <source>Nie zapisano wyników w bazie danych.</source>
        <translation>Die Ergebnisse wurden nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatora musi wynosić od 1 do 20 lat.</source>
        <translation>Die Nutzungsdauer der Batterie muss zwischen 1 und 20 Jahren liegen.</translation>
    </message>
    <message>
        <source>Nie zapisano ustawienia w bazie danych.</source>
        <translation>Die Einstellung wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Korekta nie odczytuje centrali: poprawia tylko zapis przeglądu, który koryguje.</source>
        <translation>Eine Korrektur liest die Zentrale nicht: Sie berichtigt nur den Eintrag der korrigierten Wartung.</translation>
    </message>
    <message>
        <source>Anulowanego przeglądu nie można poprawić.</source>
        <translation>Eine stornierte Wartung kann nicht korrigiert werden.</translation>
    </message>
    <message>
        <source>Ten protokół zastąpiono już protokołem %1: popraw tamten.</source>
        <translation>Dieses Protokoll wurde bereits durch Protokoll %1 ersetzt: Korrigieren Sie jenes.</translation>
    </message>
    <message>
        <source>Korekta %1 tego przeglądu jest już otwarta.</source>
        <translation>Die Korrektur %1 dieser Wartung ist bereits offen.</translation>
    </message>
    <message>
        <source>Podaj powód korekty: drukuje się w protokole korygującym.</source>
        <translation>Geben Sie den Grund der Korrektur an: Er wird im Korrekturprotokoll gedruckt.</translation>
    </message>
    <message>
        <source>Podaj powód anulowania przeglądu.</source>
        <translation>Geben Sie den Grund der Stornierung an.</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Berechtigung gültig bis</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]</source>
        <translation>Geforderte Überbrückungszeit aus Batterien [h]</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]</source>
        <translation>Erreichte Überbrückungszeit aus Batterien [h]</translation>
    </message>
    <message>
        <source>Nieprawidłowa odpowiedź o wykonaniu zaleceń.</source>
        <translation>Ungültige Angabe zur Umsetzung der Empfehlungen.</translation>
    </message>
    <message>
        <source>Podaj nazwę przyrządu pomiarowego.</source>
        <translation>Geben Sie den Namen des Messgeräts an.</translation>
    </message>
    <message>
        <source>Data wzorcowania nie może być późniejsza niż dzisiejsza.</source>
        <translation>Das Kalibrierdatum darf nicht nach dem heutigen liegen.</translation>
    </message>
    <message>
        <source>Nie zapisano przyrządu w bazie danych.</source>
        <translation>Das Messgerät wurde nicht in der Datenbank gespeichert.</translation>
    </message>
    <message>
        <source>Nieznana część listy sprawdzeń.</source>
        <translation>Unbekannter Teil der Prüfliste.</translation>
    </message>
    <message>
        <source>Każdy wiersz listy sprawdzeń musi mieć nazwę sprawdzenia.</source>
        <translation>Jede Zeile der Prüfliste braucht eine Bezeichnung der Prüfung.</translation>
    </message>
    <message>
        <source>Podaj, co sprawdzono.</source>
        <translation>Geben Sie an, was geprüft wurde.</translation>
    </message>
</context>
<context>
    <name>VisitWindow</name>
    <message>
        <source>Lista przeglądów</source>
        <translation>Wartungsliste</translation>
    </message>
    <message>
        <source>Odczyt przy przyjeździe</source>
        <translation>Lesen bei Ankunft</translation>
    </message>
    <message>
        <source>Odczytuje zegar, konfigurację, uszkodzenia i wersje oprogramowania centrali i zapisuje je przy przeglądzie</source>
        <translation>Liest Uhr, Konfiguration, Störungen und Softwareversionen der Zentrale und speichert sie bei der Wartung</translation>
    </message>
    <message>
        <source>z rejestrem zdarzeń</source>
        <translation>mit Ereignisspeicher</translation>
    </message>
    <message>
        <source>Odczyt przy odjeździe</source>
        <translation>Lesen bei Abfahrt</translation>
    </message>
    <message>
        <source>Odczytuje ponownie uszkodzenia i konfigurację centrali</source>
        <translation>Liest Störungen und Konfiguration der Zentrale erneut</translation>
    </message>
    <message>
        <source>Porównaj konfiguracje</source>
        <translation>Konfigurationen vergleichen</translation>
    </message>
    <message>
        <source>Kontrole</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Batterien</translation>
    </message>
    <message>
        <source>Dodaj akumulator</source>
        <translation>Batterie hinzufügen</translation>
    </message>
    <message>
        <source>Usuń akumulator</source>
        <translation>Batterie löschen</translation>
    </message>
    <message>
        <source>Zamknięcie</source>
        <translation>Abschluss</translation>
    </message>
    <message>
        <source>Ocena:</source>
        <translation>Bewertung:</translation>
    </message>
    <message>
        <source>Ustalenia:</source>
        <translation>Feststellungen:</translation>
    </message>
    <message>
        <source>Zalecenia:</source>
        <translation>Empfehlungen:</translation>
    </message>
    <message>
        <source>Następny przegląd:</source>
        <translation>Nächste Wartung:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>jjjj-mm-tt</translation>
    </message>
    <message>
        <source>Brak odczytu przy odjeździe, bo:</source>
        <translation>Kein Lesen bei Abfahrt, weil:</translation>
    </message>
    <message>
        <source>np. centrala nie odpowiadała</source>
        <translation>z. B. Zentrale antwortete nicht</translation>
    </message>
    <message>
        <source>Zamknij przegląd</source>
        <translation>Wartung abschließen</translation>
    </message>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Protokollvorschau</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>z pełnym rejestrem zdarzeń</source>
        <translation>mit vollständigem Ereignisspeicher</translation>
    </message>
    <message>
        <source>Popraw przegląd</source>
        <translation>Wartung korrigieren</translation>
    </message>
    <message>
        <source>Zamknięty przegląd nie zmienia się; poprawka to nowy przegląd, który go wskazuje</source>
        <translation>Eine abgeschlossene Wartung wird nicht geändert; eine Korrektur ist eine neue Wartung, die auf sie verweist</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Sposób sprawdzenia</source>
        <translation>Prüfmethode</translation>
    </message>
    <message>
        <source>Kryterium</source>
        <translation>Kriterium</translation>
    </message>
    <message>
        <source>Wartość zmierzona</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Producent i typ</source>
        <translation>Hersteller und Typ</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Kapazität [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Datumscode</translation>
    </message>
    <message>
        <source>Data montażu</source>
        <translation>Einbaudatum</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Spannung [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Innenwiderstand [mΩ]</translation>
    </message>
    <message>
        <source>Termin wymiany</source>
        <translation>Austauschtermin</translation>
    </message>
    <message>
        <source>odczyt centrali</source>
        <translation>Lesen der Zentrale</translation>
    </message>
    <message>
        <source>Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Von diesem Lesevorgang wurde nichts gespeichert; die Wartung bleibt offen.</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zamknięty&lt;/b&gt;</source>
        <translation> — &lt;b&gt;abgeschlossen&lt;/b&gt;</translation>
    </message>
    <message>
        <source> — otwarty</source>
        <translation> — offen</translation>
    </message>
    <message>
        <source>Odchyłka zegara centrali: %1 s%2</source>
        <translation>Uhrabweichung der Zentrale: %1 s%2</translation>
    </message>
    <message>
        <source> (zegar ustawiony)</source>
        <translation> (Uhr gestellt)</translation>
    </message>
    <message>
        <source>odczyt przy odjeździe wykonany</source>
        <translation>Lesen bei Abfahrt durchgeführt</translation>
    </message>
    <message>
        <source>niezapisany: podaj pojemność i datę montażu</source>
        <translation>nicht gespeichert: Kapazität und Einbaudatum angeben</translation>
    </message>
    <message>
        <source>%1 — po terminie</source>
        <translation>%1 — überfällig</translation>
    </message>
    <message>
        <source>%1 — wymiana wkrótce</source>
        <translation>%1 — Austausch bald fällig</translation>
    </message>
    <message>
        <source>Przegląd zamknięty</source>
        <translation>Wartung abgeschlossen</translation>
    </message>
    <message>
        <source>Zamkniętego przeglądu nie można zmienić. Użyj „Popraw przegląd”.</source>
        <translation>Eine abgeschlossene Wartung kann nicht geändert werden. Verwenden Sie „Wartung korrigieren“.</translation>
    </message>
    <message>
        <source>Odczyt centrali</source>
        <translation>Lesen der Zentrale</translation>
    </message>
    <message>
        <source>Odczyt nie może się rozpocząć: centrala nie jest połączona albo trwa inny odczyt.</source>
        <translation>Das Lesen kann nicht beginnen: Die Zentrale ist nicht verbunden oder ein anderer Lesevorgang läuft.</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Uhr der Zentrale</translation>
    </message>
    <message>
        <source>Zegar centrali różni się od zegara komputera o %1 s. Ustawić zegar centrali na czas komputera?</source>
        <translation>Die Uhr der Zentrale weicht um %1 s von der PC-Uhr ab. Uhr der Zentrale auf die PC-Zeit stellen?</translation>
    </message>
    <message>
        <source>Po przeglądzie %1</source>
        <translation>Nach Wartung %1</translation>
    </message>
    <message>
        <source>Przyjazd</source>
        <translation>Ankunft</translation>
    </message>
    <message>
        <source>UWAGA: konfiguracja centrali różni się od zapisanej po poprzednim przeglądzie (%1). Ktoś zmienił centralę między przeglądami.</source>
        <translation>ACHTUNG: Die Konfiguration der Zentrale weicht von der nach der letzten Wartung gespeicherten ab (%1). Jemand hat die Zentrale zwischen den Wartungen geändert.</translation>
    </message>
    <message>
        <source>Odjazd</source>
        <translation>Abfahrt</translation>
    </message>
    <message>
        <source>Konfiguracja zmieniona podczas przeglądu — zmiany są w protokole.</source>
        <translation>Konfiguration während der Wartung geändert — die Änderungen stehen im Protokoll.</translation>
    </message>
    <message>
        <source>Nie udało się ustawić zegara centrali.</source>
        <translation>Die Uhr der Zentrale konnte nicht gestellt werden.</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Nie ma z czym porównać: brak odczytu przy odjeździe i brak poprzedniego przeglądu.</source>
        <translation>Nichts zum Vergleichen: kein Lesen bei Abfahrt und keine vorherige Wartung.</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Nächste Wartung</translation>
    </message>
    <message>
        <source>Zamknięcie przeglądu</source>
        <translation>Abschluss der Wartung</translation>
    </message>
    <message>
        <source>Dodaj wiersz…</source>
        <translation>Zeile hinzufügen…</translation>
    </message>
    <message>
        <source>Dodaje sprawdzenie na miejscu: do modułu zaznaczonego wiersza albo do sprawdzeń ogólnych</source>
        <translation>Fügt vor Ort eine Prüfung hinzu: zum Modul der markierten Zeile oder zu den allgemeinen Prüfungen</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Dane przeglądu do protokołu</source>
        <translation>Wartungsdaten für das Protokoll</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do:</source>
        <translation>Berechtigung gültig bis:</translation>
    </message>
    <message>
        <source>Wykonane prace:</source>
        <translation>Ausgeführte Arbeiten:</translation>
    </message>
    <message>
        <source>Wymienione części:</source>
        <translation>Ersetzte Teile:</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]:</source>
        <translation>Geforderte Überbrückungszeit aus Batterien [h]:</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]:</source>
        <translation>Erreichte Überbrückungszeit aus Batterien [h]:</translation>
    </message>
    <message>
        <source>Protokół otrzymuje:</source>
        <translation>Protokoll erhält:</translation>
    </message>
    <message>
        <source>imię, nazwisko i funkcja przedstawiciela użytkownika</source>
        <translation>Vor- und Nachname sowie Funktion des Betreibervertreters</translation>
    </message>
    <message>
        <source>Miejscowość:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu</source>
        <translation>Aus der vorigen Wartung</translation>
    </message>
    <message>
        <source>Zalecenia wykonano:</source>
        <translation>Empfehlungen umgesetzt:</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe użyte w przeglądzie</source>
        <translation>Bei der Wartung verwendete Messgeräte</translation>
    </message>
    <message>
        <source>nazwa przyrządu</source>
        <translation>Name des Messgeräts</translation>
    </message>
    <message>
        <source>numer fabryczny</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>wzorcowanie rrrr-mm-dd</source>
        <translation>Kalibrierung jjjj-mm-tt</translation>
    </message>
    <message>
        <source>Dodaj przyrząd</source>
        <translation>Messgerät hinzufügen</translation>
    </message>
    <message>
        <source>Wpisywane raz: centrala i firma</source>
        <translation>Einmal erfasst: Zentrale und Firma</translation>
    </message>
    <message>
        <source>Producent centrali:</source>
        <translation>Hersteller der Zentrale:</translation>
    </message>
    <message>
        <source>Typ centrali:</source>
        <translation>Typ der Zentrale:</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia:</source>
        <translation>Nr. der Zulassungsbescheinigung:</translation>
    </message>
    <message>
        <source>Adres firmy:</source>
        <translation>Firmenanschrift:</translation>
    </message>
    <message>
        <source>NIP firmy:</source>
        <translation>Steuernummer (NIP) der Firma:</translation>
    </message>
    <message>
        <source>Telefon firmy:</source>
        <translation>Firmentelefon:</translation>
    </message>
    <message>
        <source>Anuluj przegląd…</source>
        <translation>Wartung stornieren…</translation>
    </message>
    <message>
        <source>Przegląd rozpoczęty przez pomyłkę: zostaje z numerem i powodem jako anulowany</source>
        <translation>Versehentlich begonnene Wartung: Sie bleibt mit Nummer und Grund als storniert erhalten</translation>
    </message>
    <message>
        <source>Moduł zasilania</source>
        <translation>Versorgungsmodul</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Kapazitäts- / Lastprüfung</translation>
    </message>
    <message>
        <source> (koryguje protokół %1, powód: %2)</source>
        <translation> (korrigiert Protokoll %1, Grund: %2)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;anulowany&lt;/b&gt; (powód: %1)</source>
        <translation> — &lt;b&gt;storniert&lt;/b&gt; (Grund: %1)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zastąpiony przez %1&lt;/b&gt;</source>
        <translation> — &lt;b&gt;ersetzt durch %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Brak poprzedniego przeglądu tej centrali.</source>
        <translation>Keine vorige Wartung dieser Zentrale.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Przegląd %1&lt;/b&gt;, zalecenia: %2</source>
        <translation>&lt;b&gt;Wartung %1&lt;/b&gt;, Empfehlungen: %2</translation>
    </message>
    <message>
        <source>brak</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1, nr %2, wzorcowany %3</source>
        <translation>%1, Nr. %2, kalibriert %3</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Kalibrierdatum</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Messgeräte</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Co sprawdzono:</source>
        <translation>Was wurde geprüft:</translation>
    </message>
    <message>
        <source>Przed zamknięciem:

• %1

Zamknąć przegląd mimo to?</source>
        <translation>Vor dem Abschluss:

• %1

Wartung trotzdem abschließen?</translation>
    </message>
    <message>
        <source>Powód korekty protokołu %1 (drukuje się w protokole korygującym):</source>
        <translation>Grund der Korrektur von Protokoll %1 (wird im Korrekturprotokoll gedruckt):</translation>
    </message>
    <message>
        <source>Anuluj przegląd</source>
        <translation>Wartung stornieren</translation>
    </message>
    <message>
        <source>Przegląd %1 zostanie zamknięty jako anulowany, bez protokołu; jego numer nie wróci. Powód:</source>
        <translation>Die Wartung %1 wird als storniert abgeschlossen, ohne Protokoll; ihre Nummer wird nicht wieder vergeben. Grund:</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>przegląd okresowy</source>
        <translation>regelmäßige Wartung</translation>
    </message>
    <message>
        <source>naprawa</source>
        <translation>Reparatur</translation>
    </message>
    <message>
        <source>uruchomienie</source>
        <translation>Inbetriebnahme</translation>
    </message>
    <message>
        <source>inny</source>
        <translation>sonstige</translation>
    </message>
    <message>
        <source>sprawna</source>
        <translation>betriebsbereit</translation>
    </message>
    <message>
        <source>sprawna z uwagami</source>
        <translation>betriebsbereit mit Bemerkungen</translation>
    </message>
    <message>
        <source>niesprawna</source>
        <translation>nicht betriebsbereit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>usterka</source>
        <translation>Mangel</translation>
    </message>
    <message>
        <source>nie dotyczy</source>
        <translation>nicht zutreffend</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa data &quot;%2&quot; (oczekiwano RRRR-MM-DD, lata 1990-2100).</source>
        <translation>%1: ungültiges Datum &quot;%2&quot; (erwartet JJJJ-MM-TT, Jahre 1990-2100).</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa liczba &quot;%2&quot; (dozwolony zakres %3 - %4).</source>
        <translation>%1: ungültige Zahl &quot;%2&quot; (zulässiger Bereich %3 - %4).</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>częściowo</source>
        <translation>teilweise</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>VisitsManagement</name>
    <message>
        <source>Przeglądy</source>
        <translation>Wartungen</translation>
    </message>
    <message>
        <source>Nowy przegląd</source>
        <translation>Neue Wartung</translation>
    </message>
    <message>
        <source>Otwórz przegląd</source>
        <translation>Wartung öffnen</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Rozpoczęty</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Zakończony</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Protokoll prüfen</translation>
    </message>
    <message>
        <source>Sprawdza plik PDF albo skrót SHA-256 protokołu z zapisanym przy zamknięciu przeglądu</source>
        <translation>Prüft eine PDF-Datei oder den SHA-256-Hash eines Protokolls gegen das beim Abschluss gespeicherte</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Przeglądy wybranej centrali, po jednym wierszu, do arkusza lub planu przeglądów</source>
        <translation>Die Wartungen der gewählten Zentrale, je eine Zeile, für Tabellenkalkulation oder Wartungsplan</translation>
    </message>
    <message>
        <source>Listy sprawdzeń…</source>
        <translation>Prüflisten…</translation>
    </message>
    <message>
        <source>Wiersze list sprawdzeń, które dostają nowe przeglądy</source>
        <translation>Die Zeilen der Prüflisten, die neue Wartungen erhalten</translation>
    </message>
    <message>
        <source>Przejąć akumulatory z przeglądu %1 (%2 szt.) z ich datami montażu? Zmień je w nowym przeglądzie, jeśli coś wymieniono.</source>
        <translation>Batterien aus Wartung %1 (%2 Stk.) mit ihren Einbaudaten übernehmen? Ändern Sie sie in der neuen Wartung, falls etwas ersetzt wurde.</translation>
    </message>
    <message>
        <source> (koryguje %1)</source>
        <translation> (korrigiert %1)</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>storniert</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>ersetzt durch %1</translation>
    </message>
    <message>
        <source>Przeglady_%1</source>
        <translation>Wartungen_%1</translation>
    </message>
</context>
</TS>
