<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>Nagrywanie płyty CD/DVD</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Utwórz plan</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Powiększ widok</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Pomniejsz widok</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Wstaw linie</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Wstaw prostokąt</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Wstaw obraz lub dokument PDF</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Wstaw element tekstowy</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Wstaw nowy element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Usuń zaznaczony element</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Obróć zaznaczony element W LEWO</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Obróć zaznaczony element W PRAWO</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Ramka</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Grubość ściany</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>WC</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Umywalka</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Prysznic</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Wanna</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Pisuar</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>wstaw nowy obiekt</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>Eksport na CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>Nagrywarka CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>Nazwa płyty CD/DVD</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Podaj tutaj nazwę płyty CD/DVD.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Rozpocznij nagrywanie</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Możliwa przyczyna: za długie nazwy projektu i/lub odcinka.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>Płyta jest pełna!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>Brak płyty!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>Za dużo danych! %1 MB(%2 MB wolne)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>Za dużo danych! %1 GB(%2 GB wolne)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 MB(%2 MB wolne)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 MB(%2 GB wolne)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 GB(%2 GB wolne)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>Nagrywanie płyty CD/DVD... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>nie powiodło się!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>zakończono!</translation>
    </message>
</context>
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Plik nie jest plikiem DWA-M 149-2 (element główny „%1” zamiast „DATA”).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Plik nie zawiera odcinka („HG”) i nie jest inspekcją DWA-M 149-2.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Plik zawiera więcej niż jedną inspekcję; odczytano tylko pierwszą.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>Operatør: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Zleceniodawca: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Miejscowość: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Cel inspekcji: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Płukanie: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Kierunek inspekcji: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Pogoda: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Metoda inspekcji: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Węzeł początkowy: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Węzeł końcowy: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Przekrój: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Średnica: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Wysokość: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Szerokość: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Materiał: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Stan eksploatacji: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>ID nośnika: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Nośnik: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Plik nie jest prawidłowym UTF-8; odczytano go jako Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Plik %1 zawiera kody nieznane w katalogu: %2</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): „%2” nie jest datą</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Plik zawiera kolejne odcinki (%1); odczytano tylko pierwszy.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Obserwacja %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: „%2” nie jest godziną</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: nazwa zdjęcia „%2” prowadzi poza folder inspekcji i zostanie pominięta</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: „%2” nie jest liczbą</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>Plik nie zawiera odcinka (&quot;DZB&quot;) ani obserwacji (&quot;DZC&quot;).</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>DimensionNoteDialog</name>
    <message>
        <source>Bemaßung ändern</source>
        <translation>Zmień wymiar</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Wyświetlany rozmiar:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Studzienka</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Średnica:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Głębokość:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Kształt</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>okrągły</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>prostokątny</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Długość:</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>wykonane</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>niewykonane</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>na</translation>
    </message>
    <message>
        <source>von</source>
        <translation>od</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> godz.</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>uszkodzenie występuje na połączeniu rur</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>uszkodzenie na całej długości jednej rury</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>uszkodzenie ciągłe nr</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>początek</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Inspektor: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Zleceniodawca: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokalizacja: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Odcinek: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Węzeł górny: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Węzeł dolny: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Czyszczenie: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Kontrola przepływu: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Kierunek: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Punkt początkowy: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Przekrój:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Średnica: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Wysokość: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Szerokość: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiał: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Wykładzina: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Rodzaj kanalizacji: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Wiersz %1: „%2” nie jest prawidłową wartością dla %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Plik nie jest plikiem EN 13508-2 (element główny „%1” zamiast „DATA”).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>Plik nie zawiera inspekcji: brak grupy nagłówkowej (&quot;ZB&quot;) z danymi odcinka lub obserwacjami.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>Plik zawiera jeszcze %n inspekcję; odczytano tylko pierwszą.</numerusform>
            <numerusform>Plik zawiera jeszcze %n inspekcje; odczytano tylko pierwszą.</numerusform>
            <numerusform>Plik zawiera jeszcze %n inspekcji; odczytano tylko pierwszą.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Obserwacje</translation>
    </message>
    <message>
        <source>Kürzel:</source>
        <translation>Kod:</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Charakterystyka 1:</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Charakterystyka 2:</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Kwantyfikacja 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Kwantyfikacja 2:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Metry:</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Klasa uszkodzenia (bezpieczeństwo eksploatacji):</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>b.d.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Streckenschaden:</source>
        <translation>Uszkodzenie ciągłe:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>brak uszkodzenia ciągłego</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Początek uszkodzenia ciągłego</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Koniec uszkodzenia ciągłego</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Uszkodzenie na długości jednej rury</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Połączenie:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Zdjęcie:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Uwaga:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>gotowy tekst</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Współrzędne:</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>na</translation>
    </message>
    <message>
        <source>von</source>
        <translation>od</translation>
    </message>
    <message>
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>Wprowadzono wartość 0.00m.
Czy ją pozostawić?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>Dane ogólne</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Dane podstawowe</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Zleceniodawca:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokalizacja:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Identyfikator zlecenia:</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Oznaczenie obiektu:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Godzina:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Długość inspekcji:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Standardowa długość rury:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Węzeł górny</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Węzeł dolny</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Nazwa wideo:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Nośnik wideo:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Dane kanału</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiał:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Przekrój:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Czyszczenie wstępne:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Kontrola przepływu:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Rodzaj kanalizacji:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Typ przewodu:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Powód:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Ochrona wewnętrzna rury:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Rodzaj wykładziny:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Punkt odniesienia położenia wzdłużnego:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Typ obiektu:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Pogoda:</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>keine Angabe</source>
        <translation>nie podano</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Inspekcja:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Średnica:</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Wiersz %1: „%2” nie jest prawidłową wartością dla %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Wiersz %1: Nazwa zdjęcia „%2” wskazuje poza folder inspekcji i została pominięta.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Wiersz %1: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>ExportProjectsDialog</name>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekty:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Eksportuj ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Folder/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>Nie można było skopiować tych plików:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>Projekt o nazwie %1 jest już wybrany do eksportu!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Na dysku brakuje wolnego miejsca. Potrzeba %1MB, a dostępne jest tylko %2MB.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Kopiowanie ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Eksport projektu %1 z %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Na dysku brakuje wolnego miejsca na zapis tymczasowy. Potrzeba %1MB, a dostępne jest tylko %2MB.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Przygotowywanie eksportu...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; nie jest dozwoloną nazwą!
Wybierz inną nazwę!</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (wiersz %2, kolumna %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>Nie można było odczytać planu sytuacyjnego %1:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Pominięto element nieznanego rodzaju &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(%1 więcej)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Nie można było w całości odczytać planu sytuacyjnego %1:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Plan sytuacyjny %1 nie został odczytany w całości i nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Nie można było otworzyć planu sytuacyjnego %1 do zapisu!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Nie można było zapisać planu sytuacyjnego %1!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; nie jest użyteczną wartością dla %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>Plik nie jest planem sytuacyjnym: jego element główny to &quot;%1&quot; zamiast &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Importieren aus:</source>
        <translation>Importuj z:</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>nie wybrano folderu</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Odcinki</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Importuj dane</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Wybierz folder importu</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Próbujesz zaimportować dane ze ścieżki bieżącego projektu. 
Wybierz inną ścieżkę importu.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Brakuje miejsca na import.
Potrzeba %1MB, a dostępne jest tylko %2MB.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Import odcinka %1 z %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>Nie można było w całości skopiować odcinka %1; nie zostanie zaimportowany.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>Nie można rozpoznać rodzaju pliku odcinka %1; nie zostanie zaimportowany.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>W folderze %1 nie znaleziono żadnego odcinka.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Wstaw inspekcję</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Głębokość:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normalnie</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>w górę</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>w dół</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Położenie:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Kreator</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>InsertPartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Position im Rohr</source>
        <translation>Położenie w rurze</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Kąt</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Inspekcja</translation>
    </message>
    <message>
        <source>Haltungsdaten</source>
        <translation>Dane odcinka</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Nazwa odcinka:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiał:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Średnica:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Untersuchungsrichtung:</source>
        <translation>Kierunek inspekcji:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Widoczność etykiet</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Przesuń okno na bok, aby zobaczyć, które etykiety są w tle włączane lub wyłączane. Zmiany zostaną jednak zapisane na stałe dopiero po zamknięciu okna przyciskiem &quot;Zastosuj&quot;.</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(jeszcze %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Nie udało się w pełni odczytać pliku %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Plik %1 nie został w pełni odczytany i nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Nie udało się otworzyć pliku %1 do zapisu!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Nie udało się zapisać pliku %1!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, wykonano zdjęcie</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Nazwa „%1” nie jest dozwoloną nazwą pliku.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>Nie można było odczytać pliku %1:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: „%2” nie jest długością inspekcji.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>Operator: </source>
        <translation>Operator: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Zleceniodawca: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Lokalizacja: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Ulica: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Odcinek: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Górny: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Dolny: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Przekrój: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Średnica: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Wysokość: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Szerokość: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiał: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>System: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>Nr wideo: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Nie udało się usunąć starego pliku %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Nie udało się otworzyć pliku %1 do zapisu!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Nie udało się zapisać pliku %1!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Kody nieznane w katalogu: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Plik %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Plik ma wiersze dłuższe niż %1 znaków, ale nie jest prawidłowym UTF-8; odczytano go jako Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Plik zawiera bajty, które nie są znakami w Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Plik zawiera znaki sterujące; nie jest plikiem tekstowym w Windows-1252 ani UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Nagłówek pliku jest niekompletny (%1 z 5 wierszy).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Wiersz %1: identyfikator rekordu „%2” zamiast „%3”</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Wiersz 3: „%1” nie jest datą</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Od wiersza %1 następuje kolejny odcinek; odczytano tylko pierwszy.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Wiersz %1: nieznany identyfikator rekordu „%2”</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Wiersz %1: tekst po kolumnie %2 nie jest odczytywany</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Wiersz %1 jest za krótki: kończy się przed kodem</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Wiersz %1: nieprawidłowa wartość pola %2: „%3”</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>odległość</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>czas</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>wartość 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>wartość 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>klasa uszkodzenia</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>numer uszkodzenia</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>położenie godzinowe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 nie jest prawidłowym UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Plik towarzyszący %1 ma tylko %2 z %3 wierszy.</translation>
    </message>
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>Plik nie ma nagłówka pliku tego rodzaju (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Wiersz %1: %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Wysokość przekroju</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Szerokość przekroju</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 nie mieści się w pliku (możliwe wartości od %4 do %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Obserwacja %1 (%2): </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Zdjęcie %1: </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(jeszcze %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>Plik %1 nie został zapisany:
%2</translation>
    </message>
</context>
<context>
    <name>Isybau2001DamageDialog</name>
    <message>
        <source>Feststellung</source>
        <translation>Obserwacja</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>Do:</translation>
    </message>
    <message>
        <source>&gt;XXXX</source>
        <translation>&gt;XXXX</translation>
    </message>
</context>
<context>
    <name>Isybau2001MainDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Plik nie jest plikiem ISYBAU 2006 (element główny „%1” zamiast „Identifikation”).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Plik nie zawiera żadnego skontrolowanego obiektu.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Plik nie zawiera inspekcji rurociągu.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Plik zawiera więcej niż jedną inspekcję; odczytano tylko pierwszą.</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>Plik %1 został zapisany, ale inne programy mogą go odrzucić:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>Brak: %1.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 ma więcej niż %2 znaków.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; nie jest kodem tego formatu.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>Oznaczenie odcinka</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>Identyfikator zlecenia &quot;%1&quot; nie jest liczbą całkowitą o najwyżej sześciu cyfrach.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>Typ obiektu</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>Typ przewodu</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>Kierunek inspekcji</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>Węzeł początkowy</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>Typ węzła początkowego</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>Węzeł końcowy</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>Typ węzła końcowego</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>Nazwisko inspektora</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>Odnośnik do archiwum wideo</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>Wykonawca</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>Punkt odniesienia</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>Sterowanie przepływem</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>Nośnik wideo</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>Źródło wymiarów przekroju</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>Rodzaj przekroju</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>Źródło danych o materiale</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>Ochrona wewnętrzna</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>Wykładzina</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>Rodzaj kanału</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>Nazwa ulicy</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>Dzielnica</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 wykracza poza to, na co pozwala format.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 wykracza poza to, na co pozwala format.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Obserwacja %1 (%2 przy %3 m)</translation>
    </message>
</context>
<context>
    <name>LoadPlanDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Wczytaj PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Skalibruj plan</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>Obraz %1 jest za duży na plan sytuacyjny.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Nie można było odczytać obrazu %1.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>Nie można było wczytać dokumentu PDF %1.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>Podkład jest pusty. Najpierw wstaw obraz!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Skala została już ustalona.
Czy ją nadpisać?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Wybierz 2 punkty do kalibracji!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>Oba punkty się pokrywają. Wybierz dwa różne punkty!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Odległość w metrach:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>Podkład jest pusty!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Najpierw skalibruj plan!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Zleceniodawca:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Odcinek:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Materiał:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Wideo:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokalizacja:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Przekrój:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Punkt górny:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Punkt dolny:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>dalsze dane</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Średnica:</translation>
    </message>
</context>
<context>
    <name>ModelUtils</name>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>&quot;%1&quot; nie jest liczbą</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; nie mieści się między %2 a %3</translation>
    </message>
</context>
<context>
    <name>NormCatalogDialog</name>
    <message>
        <source>Katalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Utwórz projekt</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Zarządzaj projektami</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>nowy projekt</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Dane projektu</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zleceniodawca</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspekcje</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspekcja</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Konwertuj</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>nowy folder</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekty:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Wybierz projekt!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Podaj nazwę projektu!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>Ten projekt już istnieje!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>Folder o tej nazwie już istnieje!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Wybierz projekt do edycji!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>według daty</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>według nazwy pliku</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>według nazwy odcinka</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>według numeru wideo</translation>
    </message>
    <message>
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>Dane zostały pomyślnie zmienione!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>Nie można było zapisać tych inspekcji:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Wczytywanie danych eksportu...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Usunąć projekt &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>Nie można było usunąć folderu %1.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Zmień nazwę projektu</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Wybierz projekt ATV lub Isybau 2001
do konwersji!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Konwertować można tylko inspekcje według ATV lub Isybau 2001
!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Czy na pewno przekonwertować inspekcję &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Wybierz projekt do usunięcia!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Usunąć inspekcję &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Zmień nazwę inspekcji</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>Nie można było zmienić nazwy inspekcji &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>Nie można było dostosować pliku %1.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>Nie znaleziono programu pdftocairo.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>Brak folderu tymczasowego do konwersji: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>Nie można było uruchomić programu pdftocairo: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>Program pdftocairo nie zakończył pracy.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>Program pdftocairo zgłasza błąd (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>Pierwsza strona jest za duża na plan sytuacyjny.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>Konwersja nie dała obrazu: %1</translation>
    </message>
</context>
<context>
    <name>PointDialog</name>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Średnica:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Głębokość:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspekcje</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Grafika odcinka</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Raport fotograficzny</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>bez numerów stron</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Numery stron ze spisem treści</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Numery stron bez spisu treści</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Pokaż uszkodzenia graficznie</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Ustawienia planu rur</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Pionowo</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Poziomo</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>nie pokazuj</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>u góry - z lewej</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>u góry - na środku</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>u góry - z prawej</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>na dole - z lewej</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>na dole - na środku</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>na dole - z prawej</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>pokaż</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Skala:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Dane firmy:</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Legenda:</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Dane ręczne:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Komentarz:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Dane z odcinka:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Zleceniodawca:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokalizacja:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Ulica:</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Dane inwentaryzacyjne</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Dane rury</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>Plan rur</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Projekty:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Tworzenie podglądu...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Tworzenie planu 3D do wydruku...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>Tworzenie pliku PDF...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>Nie można było uruchomić drukarki.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Nie można było zapisać pliku &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Zleceniodawca</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Punkt górny</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Wlot</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Punkt dolny</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Wylot</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Przekrój</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Numer wideo</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Nazwa wideo</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Identyfikator zlecenia</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Czyszczenie</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Kontrola przepływu</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Punkt odniesienia położenia wzdłużnego</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Kierunek inspekcji</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Rodzaj kanalizacji</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Szerokość przekroju</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Wysokość przekroju</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Powód inspekcji</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Wykładzina</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Długość inspekcji</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Odnośnik wideo</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Materiał wykładziny</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Rodzaj ścieków</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Standardowa długość rury</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Typ przewodu</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Typ obiektu</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Ochrona wewnętrzna rury</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Zleceniodawca</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Miejscowość</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Punkt początkowy</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Punkt końcowy</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Kierunek inspekcji</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>W użyciu</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Powód inspekcji</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Przepłukany</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Przekrój poprzeczny</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>ID nośnika</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Nośnik</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Metoda inspekcji</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Pogoda</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Identyfikator odcinka</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Zleceniodawca</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Węzeł początkowy</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Węzeł końcowy</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Warunki na powierzchni</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Kierunek inspekcji</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Typ przewodu</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Cel inspekcji</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Środki regulacji przepływu</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Kształt</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Odnośnik nośnika danych</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Nośnik danych</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Kod czasowy</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metry</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Raport fotograficzny</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>Grafika odcinka</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Raport odcinka</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Raport odcinka:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Zleceniodawca:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Lokalizacja:</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Ulica, nr:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Plan inwentaryzacyjny</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(wszystkie dane bez gwarancji)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Skala:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Skala 1 : %1      1cm ≙ %2m</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Zleceniodawca</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Łączna długość wszystkich inspekcji</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>Nie można było utworzyć folderu projektu %1.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>Nie można było odczytać pliku projektu %1:
%2
Nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>Plik projektu %1 wskazuje odcinki spoza swoich folderów; nie zostaną otwarte:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>Nie można rozpoznać rodzaju tych plików odcinków; nie zostaną otwarte, ale pozostaną w projekcie:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Nie można było odczytać pliku projektu %1; nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Nie można było otworzyć pliku projektu %1 do zapisu!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Nie można było zapisać pliku projektu %1!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; nie jest prawidłową nazwą projektu.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>Folder o nazwie %1 już istnieje!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>Nie można było zmienić nazwy folderu projektu %1.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>Nie można było odczytać kolejności odcinków w %1; są uporządkowane według nazwy.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (wiersz %2, kolumna %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>Nie można było odczytać pliku projektu 3D %1; nie zostanie nadpisany.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Nie można było odczytać pliku projektu 3D %1; nie zostanie nadpisany.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Nie można było otworzyć pliku projektu 3D %1 do zapisu!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Nie można było zapisać pliku projektu 3D %1!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Edytor tekstu</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>K</source>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
</context>
<context>
    <name>SelectableBoxItem</name>
    <message>
        <source>Ein Element hat die unbrauchbare Größe %1 × %2; es wurde auf die Standardgröße gesetzt.</source>
        <translation>Element ma nieprzydatny rozmiar %1 × %2; nadano mu rozmiar standardowy.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>Pióro elementu jest uszkodzone.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>Grubość %1 elementu jest nieużyteczna.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Obraz planu jest uszkodzony lub za duży.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Nie można było odczytać obrazu %1.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Kreator</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Dane</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Średnica nominalna:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Regenwasser</source>
        <translation>Deszczowa</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Sanitarna</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Ogólnospławna</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Kolano</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Przyłącze</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Średnica nominalna</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Położenie:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Kąt:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Fertigstellen</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Wprowadź nazwę!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>Ta nazwa jest już używana!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>Nie można było utworzyć folderu &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>W tym miejscu wstawiono już kolano!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>W tym miejscu wstawiono już przyłącze!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Na końcu odcinka brakuje pół metra na kolano.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>Nie znaleziono pliku wideo.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>Nie można zapisywać w folderze wideo.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>Nie można odczytać pliku wideo.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>Liczba klatek na sekundę pliku wideo jest nieznana.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>Wideo jest krótsze niż sekunda.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>Podczas odczytu wideo wystąpił błąd.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>Podczas zapisu wideo wystąpił błąd.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>Nie można zapisać gotowego wideo.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>Nie udało się odczytać całego pliku wideo: tylko do %1 z %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>ZDJĘCIE</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>Nie można odtworzyć wideo:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Wczytywanie wideo...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>Opcje widoku 3D</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Tekst etykiety</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Tekst standardowy</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Tylko komentarz</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Niestandardowy:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Nazwa odcinka
$c Komentarz
$m Bieżąca wartość w metrach
$l Metry od ostatniej obserwacji</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Wygląd etykiet</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Dymek</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Prosty</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Kolor tekstu</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Nie można było zapisać ustawień w &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Odległość od punktu odniesienia:</translation>
    </message>
</context>
</TS>
