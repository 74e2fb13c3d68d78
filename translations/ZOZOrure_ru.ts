<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de">
<context>
    <name>DWAM1492</name>
    <message>
        <source>Die Datei ist keine DWA-M 149-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Файл не является файлом DWA-M 149-2 (корневой элемент «%1» вместо «DATA»).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;HG&quot;) und ist keine DWA-M 149-2-Inspektion.</source>
        <translation>Файл не содержит участка («HG») и не является обследованием DWA-M 149-2.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Файл содержит более одного обследования; прочитано только первое.</translation>
    </message>
</context>
<context>
    <name>DanDas</name>
    <message>
        <source>, observation klasse </source>
        <translation>, класс наблюдения </translation>
    </message>
    <message>
        <source>, foto taget</source>
        <translation>, сделано фото</translation>
    </message>
    <message>
        <source>Operatør: </source>
        <translation>Оператор: </translation>
    </message>
    <message>
        <source>Kunden: </source>
        <translation>Заказчик: </translation>
    </message>
    <message>
        <source>By: </source>
        <translation>Населённый пункт: </translation>
    </message>
    <message>
        <source>Vej: </source>
        <translation>Улица: </translation>
    </message>
    <message>
        <source>Dato: </source>
        <translation>Дата: </translation>
    </message>
    <message>
        <source>Inspektionsårsag: </source>
        <translation>Причина обследования: </translation>
    </message>
    <message>
        <source>Spulet: </source>
        <translation>Промывка: </translation>
    </message>
    <message>
        <source>Inspektionretning: </source>
        <translation>Направление обследования: </translation>
    </message>
    <message>
        <source>Vejrlig: </source>
        <translation>Погода: </translation>
    </message>
    <message>
        <source>Inspektionsmetode: </source>
        <translation>Метод обследования: </translation>
    </message>
    <message>
        <source>Start Punkt: </source>
        <translation>Начальный узел: </translation>
    </message>
    <message>
        <source>Slut Punkt: </source>
        <translation>Конечный узел: </translation>
    </message>
    <message>
        <source>Tværsnit: </source>
        <translation>Сечение: </translation>
    </message>
    <message>
        <source>Diameter: </source>
        <translation>Диаметр: </translation>
    </message>
    <message>
        <source>Højde: </source>
        <translation>Высота: </translation>
    </message>
    <message>
        <source>Bredde: </source>
        <translation>Ширина: </translation>
    </message>
    <message>
        <source>Materiale: </source>
        <translation>Материал: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Система: </translation>
    </message>
    <message>
        <source>I Brug: </source>
        <translation>Эксплуатационный статус: </translation>
    </message>
    <message>
        <source>Medie-ID: </source>
        <translation>ID носителя: </translation>
    </message>
    <message>
        <source>Medie: </source>
        <translation>Носитель: </translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>Файл не является корректным UTF-8; он прочитан как Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei %1 enthält Codes, die der Katalog nicht kennt: %2</source>
        <translation>Файл %1 содержит коды, отсутствующие в каталоге: %2</translation>
    </message>
    <message>
        <source>%1 (%2): &quot;%3&quot; ist keine Zahl</source>
        <translation>%1 (%2): «%3» не является числом</translation>
    </message>
    <message>
        <source>AAM (%1): &quot;%2&quot; ist kein Datum</source>
        <translation>AAM (%1): «%2» не является датой</translation>
    </message>
    <message>
        <source>Die Datei enthält weitere Haltungen (%1); nur die erste wurde gelesen.</source>
        <translation>Файл содержит другие участки (%1); прочитан только первый.</translation>
    </message>
    <message>
        <source>Feststellung %1, %2 (%3)</source>
        <translation>Наблюдение %1, %2 (%3)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zeit</source>
        <translation>%1: «%2» не является временем</translation>
    </message>
    <message>
        <source>%1: der Fotoname &quot;%2&quot; führt aus dem Ordner der Untersuchung und wird nicht übernommen</source>
        <translation>%1: имя фотографии «%2» ведёт за пределы папки обследования и пропускается</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Zahl</source>
        <translation>%1: «%2» не является числом</translation>
    </message>
</context>
<context>
    <name>EN135082</name>
    <message>
        <source>durchgeführt</source>
        <translation>выполнена</translation>
    </message>
    <message>
        <source>nicht durchgeführt</source>
        <translation>не выполнена</translation>
    </message>
    <message>
        <source>bei</source>
        <translation>на</translation>
    </message>
    <message>
        <source>von</source>
        <translation>от</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Uhr</source>
        <translation> ч</translation>
    </message>
    <message>
        <source>Schaden tritt an der Rohrverbindung auf</source>
        <translation>дефект расположен на стыке труб</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>дефект по всей длине одного звена трубы</translation>
    </message>
    <message>
        <source>Streckenschaden Nr.</source>
        <translation>протяжённый дефект №</translation>
    </message>
    <message>
        <source>Anfang</source>
        <translation>начало</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>Inspekteur: </source>
        <translation>Инспектор: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Заказчик: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Место: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Участок: </translation>
    </message>
    <message>
        <source>Zulaufknoten: </source>
        <translation>Верхний узел: </translation>
    </message>
    <message>
        <source>Ablaufknoten: </source>
        <translation>Нижний узел: </translation>
    </message>
    <message>
        <source>Reinigung: </source>
        <translation>Очистка: </translation>
    </message>
    <message>
        <source>Wasserhaltung: </source>
        <translation>Регулирование потока: </translation>
    </message>
    <message>
        <source>Richtung: </source>
        <translation>Направление: </translation>
    </message>
    <message>
        <source>Startpunkt: </source>
        <translation>Начальная точка: </translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Форма сечения:</translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Диаметр: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Высота: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Ширина: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Материал: </translation>
    </message>
    <message>
        <source>Auskleidung: </source>
        <translation>Облицовка: </translation>
    </message>
    <message>
        <source>Abwassertyp: </source>
        <translation>Тип канализации: </translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Строка %1: «%2» — недопустимое значение для %3.</translation>
    </message>
    <message>
        <source>Die Datei ist keine EN 13508-2-Datei (Wurzelelement &quot;%1&quot; statt &quot;DATA&quot;).</source>
        <translation>Файл не является файлом EN 13508-2 (корневой элемент «%1» вместо «DATA»).</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Файл содержит более одного обследования; прочитано только первое.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Строка %1: имя фотографии «%2» указывает за пределы папки обследования и было пропущено.</translation>
    </message>
</context>
<context>
    <name>ExchangeValueReader</name>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist kein gültiger Wert für %3.</source>
        <translation>Строка %1: «%2» — недопустимое значение для %3.</translation>
    </message>
    <message>
        <source>Zeile %1: Der Fotoname &quot;%2&quot; verweist aus dem Inspektionsordner heraus und wurde nicht übernommen.</source>
        <translation>Строка %1: имя фотографии «%2» указывает за пределы папки обследования и было пропущено.</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>(%1 weitere)</source>
        <translation>(ещё %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Не удалось полностью прочитать файл %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Файл %1 был прочитан не полностью и не будет перезаписан.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Не удалось открыть файл %1 для записи!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Не удалось записать файл %1!
%2</translation>
    </message>
    <message>
        <source>, Foto angelegt</source>
        <translation>, сделано фото</translation>
    </message>
    <message>
        <source>Der Name &quot;%1&quot; ist als Dateiname nicht erlaubt.</source>
        <translation>Имя «%1» недопустимо в качестве имени файла.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
    <message>
        <source>, Schadensklasse %1</source>
        <translation>, класс повреждения %1</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Anfang</source>
        <translation>, ремонтное мероприятие начало</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme Ende</source>
        <translation>, ремонтное мероприятие конец</translation>
    </message>
    <message>
        <source>, Sanierungsmaßnahme über die gesamte Baulänge des Rohres</source>
        <translation>, ремонтное мероприятие по всей длине звена трубы</translation>
    </message>
    <message>
        <source>, Schadensanfang Nr. %1</source>
        <translation>, начало дефекта № %1</translation>
    </message>
    <message>
        <source>, Schadensende Nr. %1</source>
        <translation>, конец дефекта № %1</translation>
    </message>
    <message>
        <source>, Schaden in der gesamten Haltung Nr. %1</source>
        <translation>, дефект по всему участку № %1</translation>
    </message>
    <message>
        <source>, Schaden über die gesamte Baulänge des Rohres Nr. %1</source>
        <translation>, дефект по всей длине звена трубы № %1</translation>
    </message>
    <message>
        <source>, bei %1Uhr</source>
        <translation>, на %1 ч</translation>
    </message>
    <message>
        <source>, von %1 bis %2Uhr</source>
        <translation>, от %1 до %2 ч</translation>
    </message>
    <message>
        <source>Operator: </source>
        <translation>Оператор: </translation>
    </message>
    <message>
        <source>Kunde: </source>
        <translation>Заказчик: </translation>
    </message>
    <message>
        <source>Ort: </source>
        <translation>Место: </translation>
    </message>
    <message>
        <source>Straße: </source>
        <translation>Улица: </translation>
    </message>
    <message>
        <source>Haltung: </source>
        <translation>Участок: </translation>
    </message>
    <message>
        <source>oben: </source>
        <translation>Верхний: </translation>
    </message>
    <message>
        <source>unten: </source>
        <translation>Нижний: </translation>
    </message>
    <message>
        <source>Profil: </source>
        <translation>Форма сечения: </translation>
    </message>
    <message>
        <source>Durchmesser: </source>
        <translation>Диаметр: </translation>
    </message>
    <message>
        <source>Höhe: </source>
        <translation>Высота: </translation>
    </message>
    <message>
        <source>Breite: </source>
        <translation>Ширина: </translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Материал: </translation>
    </message>
    <message>
        <source>System: </source>
        <translation>Система: </translation>
    </message>
    <message>
        <source>VideoNr: </source>
        <translation>№ видео: </translation>
    </message>
    <message>
        <source>Die alte Datei %1 konnte nicht gelöscht werden.</source>
        <translation>Не удалось удалить старый файл %1.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Не удалось открыть файл %1 для записи!
%2</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Не удалось записать файл %1!
%2</translation>
    </message>
    <message>
        <source>Codes, die der Katalog nicht kennt: %1</source>
        <translation>Коды, отсутствующие в каталоге: %1</translation>
    </message>
    <message>
        <source>Datei %1:
%2</source>
        <translation>Файл %1:
%2</translation>
    </message>
    <message>
        <source>Die Datei hat Zeilen über %1 Zeichen, ist aber kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.</source>
        <translation>В файле есть строки длиннее %1 символов, но он не является корректным UTF-8; он прочитан как Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Bytes, die in Windows-1252 kein Zeichen sind.</source>
        <translation>Файл содержит байты, не являющиеся символами в Windows-1252.</translation>
    </message>
    <message>
        <source>Die Datei enthält Steuerzeichen; sie ist keine Textdatei in Windows-1252 oder UTF-8.</source>
        <translation>Файл содержит управляющие символы; это не текстовый файл в Windows-1252 или UTF-8.</translation>
    </message>
    <message>
        <source>Der Kopf der Datei ist unvollständig (%1 von 5 Zeilen).</source>
        <translation>Заголовок файла неполный (%1 из 5 строк).</translation>
    </message>
    <message>
        <source>Zeile %1: Satzkennung &quot;%2&quot; statt &quot;%3&quot;</source>
        <translation>Строка %1: идентификатор записи «%2» вместо «%3»</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl</source>
        <translation>Строка %1: «%2» не является числом</translation>
    </message>
    <message>
        <source>Zeile 3: &quot;%1&quot; ist kein Datum</source>
        <translation>Строка 3: «%1» не является датой</translation>
    </message>
    <message>
        <source>Ab Zeile %1 folgt eine weitere Haltung; nur die erste wurde gelesen.</source>
        <translation>Начиная со строки %1 следует ещё один участок; прочитан только первый.</translation>
    </message>
    <message>
        <source>Zeile %1: unbekannte Satzkennung &quot;%2&quot;</source>
        <translation>Строка %1: неизвестный идентификатор записи «%2»</translation>
    </message>
    <message>
        <source>Zeile %1: Text nach Spalte %2 wird nicht gelesen</source>
        <translation>Строка %1: текст после столбца %2 не читается</translation>
    </message>
    <message>
        <source>Zeile %1 ist zu kurz: sie endet vor dem Code</source>
        <translation>Строка %1 слишком короткая: она заканчивается до кода</translation>
    </message>
    <message>
        <source>Zeile %1: %2 &quot;%3&quot; ist ungültig</source>
        <translation>Строка %1: недопустимое значение поля «%2»: «%3»</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Wert 1</source>
        <translation>Значение 1</translation>
    </message>
    <message>
        <source>Wert 2</source>
        <translation>Значение 2</translation>
    </message>
    <message>
        <source>Schadensklasse</source>
        <translation>Класс повреждения</translation>
    </message>
    <message>
        <source>Schadensnummer</source>
        <translation>Номер дефекта</translation>
    </message>
    <message>
        <source>Uhrzeigerposition</source>
        <translation>Положение по часам</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 не является корректным UTF-8.</translation>
    </message>
    <message>
        <source>Die Begleitdatei %1 hat nur %2 von %3 Zeilen.</source>
        <translation>Сопроводительный файл %1 содержит только %2 из %3 строк.</translation>
    </message>
</context>
<context>
    <name>Isybau2006</name>
    <message>
        <source>Die Datei ist keine ISYBAU-2006-Datei (Wurzelelement &quot;%1&quot; statt &quot;Identifikation&quot;).</source>
        <translation>Файл не является файлом ISYBAU 2006 (корневой элемент «%1» вместо «Identifikation»).</translation>
    </message>
    <message>
        <source>Die Datei enthält keine inspizierte Anlage.</source>
        <translation>Файл не содержит обследованного объекта.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion einer Rohrleitung.</source>
        <translation>Файл не содержит обследования трубопровода.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als eine Inspektion; nur die erste wurde gelesen.</source>
        <translation>Файл содержит более одного обследования; прочитано только первое.</translation>
    </message>
</context>
</TS>
