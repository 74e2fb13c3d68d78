<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Nur %1 von %2 Bytes wurden geschrieben.</source>
        <translation>Записано только %1 из %2 байт.</translation>
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
        <translation>В качестве папки проектов по умолчанию установлена %1.</translation>
    </message>
    <message>
        <source>Sie enthält Werte in einer Form, die das Programm nicht schreibt.</source>
        <translation>Он содержит значения в форме, которую программа не записывает.</translation>
    </message>
    <message>
        <source>Die Einstellungen in %1 konnten nicht gelesen werden; es gelten die Voreinstellungen.
%2</source>
        <translation>Не удалось прочитать настройки в %1; действуют настройки по умолчанию.
%2</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Ordnername</source>
        <translation>Имя папки</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>Имя «%1» недопустимо!
Выберите другое имя!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert bereits!
Bitte anderen Namen wählen!</source>
        <translation>«%1» уже существует!
Выберите другое имя!</translation>
    </message>
</context>
<context>
    <name>FileHelper</name>
    <message>
        <source>Die Verknüpfung %1 kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать ссылку %1.</translation>
    </message>
    <message>
        <source>Eine Datei oder ein Ordner dieses Namens ist im Weg.</source>
        <translation>Мешает файл или папка с таким именем.</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht angelegt werden: %1</source>
        <translation>Не удаётся создать ссылку: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>Не удаётся прочитать папку: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelöscht werden: %1</source>
        <translation>Не удаётся удалить файл: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelöscht werden: %1</source>
        <translation>Не удаётся удалить папку: %1</translation>
    </message>
    <message>
        <source>Weder Datei noch Ordner.</source>
        <translation>Ни файл, ни папка.</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>Это не папка.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>Папка не существует.</translation>
    </message>
    <message>
        <source>Das Ziel liegt im Ordner %1, der kopiert werden soll.</source>
        <translation>Цель находится внутри копируемой папки %1.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>Не удаётся создать папку.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>Не удаётся прочитать файл: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1</source>
        <translation>Не удаётся записать файл: %1</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Ошибка чтения: %1</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Ошибка записи: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden: %1</source>
        <translation>Не удаётся заменить файл: %1</translation>
    </message>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>Папка не указана.</translation>
    </message>
    <message>
        <source>%1 oder %2 liegt nicht im Ordner %3.</source>
        <translation>%1 или %2 не находится в папке %3.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.</source>
        <translation>%1 уже существует.</translation>
    </message>
    <message>
        <source>%1 kann nicht in %2 umbenannt werden.</source>
        <translation>Не удаётся переименовать %1 в %2.</translation>
    </message>
    <message>
        <source>Das Ziel liegt nicht im Ordner %1.</source>
        <translation>Цель не находится в папке %1.</translation>
    </message>
    <message>
        <source>Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.</source>
        <translation>Папка не находится в папке %1 и не будет удалена.</translation>
    </message>
    <message>
        <source>Das Kopieren wurde abgebrochen.</source>
        <translation>Копирование прервано.</translation>
    </message>
</context>
<context>
    <name>Firm</name>
    <message>
        <source>Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; es wurde auf %3 × %4 Bildpunkte verkleinert.</source>
        <translation>Изображение имеет %1 × %2 пикселей, больше, чем вмещают данные фирмы; оно уменьшено до %3 × %4 пикселей.</translation>
    </message>
    <message>
        <source>Das Logo der Firma &quot;%1&quot; kann nicht gelesen werden und wird nicht gedruckt.</source>
        <translation>Логотип фирмы &quot;%1&quot; не читается и не будет напечатан.</translation>
    </message>
    <message>
        <source>Der gestaltete Briefkopf der Firma &quot;%1&quot; kann nicht gelesen werden; Berichte erhalten den Standard-Briefkopf.</source>
        <translation>Оформленный бланк фирмы &quot;%1&quot; не читается; отчёты получают стандартный бланк.</translation>
    </message>
</context>
<context>
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>Не удалось прочитать данные фирмы «%1».</translation>
    </message>
    <message>
        <source>Die Firmendaten &quot;%1&quot; wurden nicht gelesen und werden nicht überschrieben.</source>
        <translation>Данные фирмы &quot;%1&quot; не прочитаны и не будут перезаписаны.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>über ZOZOrure</source>
        <translation>О программе ZOZOrure</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Qt %1 (LGPL), BE: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</source>
        <translation>Qt %1 (LGPL), собрано с: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Версия: </translation>
    </message>
    <message>
        <source>ZOZOrure nutzt:</source>
        <translation>ZOZOrure использует:</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße Verwendung dieser Software entstehen, wird keine Haftung übernommen.</source>
        <translation>Отказ от ответственности: Разработчик не несёт ответственности за потерю данных и за ущерб, причинённый неправильным использованием данного программного обеспечения.</translation>
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
        <translation>Файл записан не полностью.</translation>
    </message>
</context>
<context>
    <name>InputDoubleDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>InputListDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>* alle Maße sind ca.-Angaben</source>
        <translation>* все размеры приблизительные</translation>
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
        <translation>Всего:</translation>
    </message>
</context>
<context>
    <name>ReadGuard</name>
    <message>
        <source>Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.</source>
        <translation>Размер файла %1 МБ; файлы такого типа читаются только до %2 МБ.</translation>
    </message>
    <message>
        <source>Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.</source>
        <translation>Файл объявляет собственные сущности; такие файлы не читаются.</translation>
    </message>
    <message>
        <source>Die Elemente sind tiefer als %1 Ebenen verschachtelt.</source>
        <translation>Элементы вложены глубже %1 уровней.</translation>
    </message>
</context>
</TS>
