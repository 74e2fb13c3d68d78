<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Nur %1 von %2 Bytes wurden geschrieben.</source>
        <translation>Zapisano tylko %1 z %2 bajtów.</translation>
    </message>
</context>
<context>
    <name>ButtonWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Als Projektverzeichnis wurde %1 voreingestellt.</source>
        <translation>Jako folder projektów ustawiono domyślnie %1.</translation>
    </message>
    <message>
        <source>Sie enthält Werte in einer Form, die das Programm nicht schreibt.</source>
        <translation>Zawiera wartości w postaci, której program nie zapisuje.</translation>
    </message>
    <message>
        <source>Die Einstellungen in %1 konnten nicht gelesen werden; es gelten die Voreinstellungen.
%2</source>
        <translation>Nie można było odczytać ustawień z %1; obowiązują ustawienia domyślne.
%2</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Ordnername</source>
        <translation>Nazwa folderu</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>„%1” nie jest dozwoloną nazwą!
Wybierz inną nazwę!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert bereits!
Bitte anderen Namen wählen!</source>
        <translation>„%1” już istnieje!
Wybierz inną nazwę!</translation>
    </message>
</context>
<context>
    <name>FileHelper</name>
    <message>
        <source>Die Verknüpfung %1 kann nicht gelesen werden.</source>
        <translation>Nie można odczytać dowiązania %1.</translation>
    </message>
    <message>
        <source>Eine Datei oder ein Ordner dieses Namens ist im Weg.</source>
        <translation>Plik lub folder o tej nazwie stoi na przeszkodzie.</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht angelegt werden: %1</source>
        <translation>Nie można utworzyć dowiązania: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>Nie można odczytać folderu: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelöscht werden: %1</source>
        <translation>Nie można usunąć pliku: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelöscht werden: %1</source>
        <translation>Nie można usunąć folderu: %1</translation>
    </message>
    <message>
        <source>Weder Datei noch Ordner.</source>
        <translation>Ani plik, ani folder.</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>To nie jest folder.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>Folder nie istnieje.</translation>
    </message>
    <message>
        <source>Das Ziel liegt im Ordner %1, der kopiert werden soll.</source>
        <translation>Cel znajduje się w folderze %1, który ma zostać skopiowany.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>Nie można utworzyć folderu.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>Nie można odczytać pliku: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1</source>
        <translation>Nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Błąd odczytu: %1</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Błąd zapisu: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden: %1</source>
        <translation>Nie można zastąpić pliku: %1</translation>
    </message>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>Nie podano folderu.</translation>
    </message>
    <message>
        <source>%1 oder %2 liegt nicht im Ordner %3.</source>
        <translation>%1 lub %2 nie znajduje się w folderze %3.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.</source>
        <translation>%1 już istnieje.</translation>
    </message>
    <message>
        <source>%1 kann nicht in %2 umbenannt werden.</source>
        <translation>Nie można zmienić nazwy %1 na %2.</translation>
    </message>
    <message>
        <source>Das Ziel liegt nicht im Ordner %1.</source>
        <translation>Cel nie znajduje się w folderze %1.</translation>
    </message>
    <message>
        <source>Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.</source>
        <translation>Folder nie znajduje się w folderze %1 i nie zostanie usunięty.</translation>
    </message>
    <message>
        <source>Das Kopieren wurde abgebrochen.</source>
        <translation>Kopiowanie zostało przerwane.</translation>
    </message>
</context>
<context>
    <name>Firm</name>
    <message>
        <source>Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; es wurde auf %3 × %4 Bildpunkte verkleinert.</source>
        <translation>Obraz ma %1 × %2 pikseli, więcej niż mogą pomieścić dane firmy; zmniejszono go do %3 × %4 pikseli.</translation>
    </message>
    <message>
        <source>Das Logo der Firma &quot;%1&quot; kann nicht gelesen werden und wird nicht gedruckt.</source>
        <translation>Nie można odczytać logo firmy &quot;%1&quot;; nie zostanie wydrukowane.</translation>
    </message>
    <message>
        <source>Der gestaltete Briefkopf der Firma &quot;%1&quot; kann nicht gelesen werden; Berichte erhalten den Standard-Briefkopf.</source>
        <translation>Nie można odczytać własnego nagłówka firmy &quot;%1&quot;; raporty otrzymają nagłówek standardowy.</translation>
    </message>
</context>
<context>
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>Nie udało się odczytać danych firmy „%1”.</translation>
    </message>
    <message>
        <source>Die Firmendaten &quot;%1&quot; wurden nicht gelesen und werden nicht überschrieben.</source>
        <translation>Dane firmy &quot;%1&quot; nie zostały odczytane i nie zostaną nadpisane.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>über ZOZOrure</source>
        <translation>O programie ZOZOrure</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Qt %1 (LGPL), BE: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</source>
        <translation>Qt %1 (LGPL), skompilowano z: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Wersja: </translation>
    </message>
    <message>
        <source>ZOZOrure nutzt:</source>
        <translation>ZOZOrure korzysta z:</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße Verwendung dieser Software entstehen, wird keine Haftung übernommen.</source>
        <translation>Wyłączenie odpowiedzialności: Nie ponosimy odpowiedzialności za utratę danych ani za szkody wynikłe z niewłaściwego użytkowania tego oprogramowania.</translation>
    </message>
    <message>
        <source>Disclaimer: No liability is accepted for loss of data or for damage caused by improper use of this software.</source>
        <translation>Disclaimer: No liability is accepted for loss of data or for damage caused by improper use of this software.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Die Datei wurde nicht vollständig geschrieben.</source>
        <translation>Plik nie został zapisany w całości.</translation>
    </message>
</context>
<context>
    <name>InputDoubleDialog</name>
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
    <name>InputListDialog</name>
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
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno dialogowe</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>* alle Maße sind ca.-Angaben</source>
        <translation>* wszystkie wymiary są przybliżone</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Gesamt:</source>
        <translation>Łącznie:</translation>
    </message>
</context>
<context>
    <name>ReadGuard</name>
    <message>
        <source>Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.</source>
        <translation>Plik ma %1 MB; pliki tego rodzaju są czytane tylko do %2 MB.</translation>
    </message>
    <message>
        <source>Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.</source>
        <translation>Plik deklaruje własne encje; takie pliki nie są czytane.</translation>
    </message>
    <message>
        <source>Die Elemente sind tiefer als %1 Ebenen verschachtelt.</source>
        <translation>Elementy są zagnieżdżone głębiej niż %1 poziomów.</translation>
    </message>
</context>
</TS>
