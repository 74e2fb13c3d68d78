<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de">
<context>
    <name>Burner</name>
    <message>
        <source>CD/DVD wird geschrieben</source>
        <translation>Запись CD/DVD</translation>
    </message>
</context>
<context>
    <name>CreatePlanDialog</name>
    <message>
        <source>Plan erstellen</source>
        <translation>Создать план</translation>
    </message>
    <message>
        <source>Ansicht vergrößern</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Ansicht verkleinern</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Linien einfügen</source>
        <translation>Вставить линии</translation>
    </message>
    <message>
        <source>Rechteck einfügen</source>
        <translation>Вставить прямоугольник</translation>
    </message>
    <message>
        <source>Bild oder PDF-Dokument einfügen</source>
        <translation>Вставить изображение или PDF-документ</translation>
    </message>
    <message>
        <source>Text-Element einfügen</source>
        <translation>Вставить текстовый элемент</translation>
    </message>
    <message>
        <source>Neues Element einfügen</source>
        <translation>Вставить новый элемент</translation>
    </message>
    <message>
        <source>Ausgewähltes Element löschen</source>
        <translation>Удалить выбранный элемент</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH LINKS drehen</source>
        <translation>Повернуть выбранный элемент ВЛЕВО</translation>
    </message>
    <message>
        <source>Ausgewähltes Element NACH RECHTS  drehen</source>
        <translation>Повернуть выбранный элемент ВПРАВО</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Wandstärke</source>
        <translation>Толщина стены</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>WC</source>
        <translation>Унитаз</translation>
    </message>
    <message>
        <source>Waschbecken</source>
        <translation>Раковина</translation>
    </message>
    <message>
        <source>Dusche</source>
        <translation>Душ</translation>
    </message>
    <message>
        <source>Badewanne</source>
        <translation>Ванна</translation>
    </message>
    <message>
        <source>Urinal</source>
        <translation>Писсуар</translation>
    </message>
    <message>
        <source>neues Objekt einfügen</source>
        <translation>вставить новый объект</translation>
    </message>
</context>
<context>
    <name>DVDDialog</name>
    <message>
        <source>CD/DVD-Export</source>
        <translation>Экспорт на CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD-Recorder</source>
        <translation>Привод записи CD/DVD</translation>
    </message>
    <message>
        <source>CD/DVD Name</source>
        <translation>Имя CD/DVD</translation>
    </message>
    <message>
        <source>Bitte geben Sie hier einen Namen für die CD/DVD an.</source>
        <translation>Введите здесь имя CD/DVD.</translation>
    </message>
    <message>
        <source>Brennvorgang starten</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Mögliche Ursache: Zu lange Namen für Projekt und/oder Haltung.</source>
        <translation>Возможная причина: слишком длинные имена проекта и/или участка.</translation>
    </message>
    <message>
        <source>Disk ist voll!</source>
        <translation>Диск заполнен!</translation>
    </message>
    <message>
        <source>Keine Disk!</source>
        <translation>Нет диска!</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 MB(%2 MB frei)</source>
        <translation>Слишком много данных! %1 МБ(%2 МБ свободно)</translation>
    </message>
    <message>
        <source>Zu viele Daten! %1 GB(%2 GB frei)</source>
        <translation>Слишком много данных! %1 ГБ(%2 ГБ свободно)</translation>
    </message>
    <message>
        <source>%1 MB(%2 MB frei)</source>
        <translation>%1 МБ(%2 МБ свободно)</translation>
    </message>
    <message>
        <source>%1 MB(%2 GB frei)</source>
        <translation>%1 МБ(%2 ГБ свободно)</translation>
    </message>
    <message>
        <source>%1 GB(%2 GB frei)</source>
        <translation>%1 ГБ(%2 ГБ свободно)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>CD/DVD wird geschrieben... </source>
        <translation>Запись CD/DVD... </translation>
    </message>
    <message>
        <source>fehlgeschlagen!</source>
        <translation>не удалось!</translation>
    </message>
    <message>
        <source>abgeschlossen!</source>
        <translation>завершено!</translation>
    </message>
</context>
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
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Haltung (&quot;DZB&quot;) und keine Feststellung (&quot;DZC&quot;).</source>
        <translation>Файл не содержит участка (&quot;DZB&quot;) и наблюдений (&quot;DZC&quot;).</translation>
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
        <translation>Изменить размер</translation>
    </message>
    <message>
        <source>Angezeigte Größe:</source>
        <translation>Отображаемый размер:</translation>
    </message>
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
    <name>DuctDialog</name>
    <message>
        <source>Schacht</source>
        <translation>Колодец</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Диаметр:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Глубина:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>rund</source>
        <translation>круглый</translation>
    </message>
    <message>
        <source>rechteckig</source>
        <translation>прямоугольный</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Длина:</translation>
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
        <source>Die Datei ist leer.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Inspektion: keine Kopfgruppe (&quot;ZB&quot;) mit Haltungsdaten oder Beobachtungen.</source>
        <translation>Файл не содержит обследования: нет группы заголовка (&quot;ZB&quot;) с данными участка или наблюдениями.</translation>
    </message>
    <message numerus="yes">
        <source>Die Datei enthält %n weitere Inspektion(en); nur die erste wurde gelesen.</source>
        <translation>
            <numerusform>Файл содержит ещё %n обследование; прочитано только первое.</numerusform>
            <numerusform>Файл содержит ещё %n обследования; прочитано только первое.</numerusform>
            <numerusform>Файл содержит ещё %n обследований; прочитано только первое.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ENDamageDataDialog</name>
    <message>
        <source>Feststellungen</source>
        <translation>Наблюдения</translation>
    </message>
    <message>
        <source>Kürzel:</source>
        <translation>Код:</translation>
    </message>
    <message>
        <source>Charakterisierung 1:</source>
        <translation>Характеристика 1:</translation>
    </message>
    <message>
        <source>Charakterisierung 2:</source>
        <translation>Характеристика 2:</translation>
    </message>
    <message>
        <source>Quantifizierung 1:</source>
        <translation>Количественная оценка 1:</translation>
    </message>
    <message>
        <source>Quantifizierung 2:</source>
        <translation>Количественная оценка 2:</translation>
    </message>
    <message>
        <source>Meter:</source>
        <translation>Метры:</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>От:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>До:</translation>
    </message>
    <message>
        <source>Schadensklasse (Betriebsicherheit):</source>
        <translation>Класс дефекта (эксплуатационная надёжность):</translation>
    </message>
    <message>
        <source>k.A.</source>
        <translation>н/д</translation>
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
        <translation>Протяжённый дефект:</translation>
    </message>
    <message>
        <source>kein Streckenschaden</source>
        <translation>нет протяжённого дефекта</translation>
    </message>
    <message>
        <source>Beginn Streckenschaden</source>
        <translation>Начало протяжённого дефекта</translation>
    </message>
    <message>
        <source>Ende Streckenschaden</source>
        <translation>Конец протяжённого дефекта</translation>
    </message>
    <message>
        <source>Schaden über die Baulänge eines Rohres</source>
        <translation>Дефект по длине одной трубы</translation>
    </message>
    <message>
        <source>Verbindung:</source>
        <translation>Стык:</translation>
    </message>
    <message>
        <source>Foto:</source>
        <translation>Фото:</translation>
    </message>
    <message>
        <source>Bemerkung:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>fertiger Text</source>
        <translation>готовый текст</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Bezeichnung:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>Koordinaten:</source>
        <translation>Координаты:</translation>
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
        <source>Es wurde der Meterwert 0.00m eingegeben.
Möchten Sie dies so belassen?</source>
        <translation>Введено значение 0.00m.
Оставить его?</translation>
    </message>
</context>
<context>
    <name>ENMainDataDialog</name>
    <message>
        <source>Grundlagendaten</source>
        <translation>Общие данные</translation>
    </message>
    <message>
        <source>Grunddaten</source>
        <translation>Основные данные</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Заказчик:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Оператор:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Фирма:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Улица:</translation>
    </message>
    <message>
        <source>Auftragskennung:</source>
        <translation>Номер заказа:</translation>
    </message>
    <message>
        <source>Objektbezeichnung:</source>
        <translation>Обозначение объекта:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Inspektionslänge:</source>
        <translation>Обследованная длина:</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge:</source>
        <translation>Стандартная длина трубы:</translation>
    </message>
    <message>
        <source>Zulaufknoten</source>
        <translation>Верхний узел</translation>
    </message>
    <message>
        <source>Ablaufknoten</source>
        <translation>Нижний узел</translation>
    </message>
    <message>
        <source>Videoname:</source>
        <translation>Имя видео:</translation>
    </message>
    <message>
        <source>Videomedium:</source>
        <translation>Видеоноситель:</translation>
    </message>
    <message>
        <source>Kanaldaten</source>
        <translation>Данные канала</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Материал:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Форма сечения:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Vorreinigung:</source>
        <translation>Предварительная очистка:</translation>
    </message>
    <message>
        <source>Wasserhaltung:</source>
        <translation>Регулирование потока:</translation>
    </message>
    <message>
        <source>Kanalart:</source>
        <translation>Тип канализации:</translation>
    </message>
    <message>
        <source>Rohrleitungstyp:</source>
        <translation>Тип трубопровода:</translation>
    </message>
    <message>
        <source>Grund:</source>
        <translation>Причина:</translation>
    </message>
    <message>
        <source>Rohrinnenschutz:</source>
        <translation>Внутренняя защита трубы:</translation>
    </message>
    <message>
        <source>Art der Auskleidung:</source>
        <translation>Тип облицовки:</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung:</source>
        <translation>Точка отсчёта продольного положения:</translation>
    </message>
    <message>
        <source>Anlagentyp:</source>
        <translation>Тип сооружения:</translation>
    </message>
    <message>
        <source>Wetter:</source>
        <translation>Погода:</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>keine Angabe</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>Inspektion:</source>
        <translation>Обследование:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Диаметр:</translation>
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
    <message>
        <source>Zeile %1: %2 (%3).</source>
        <translation>Строка %1: %2 (%3).</translation>
    </message>
</context>
<context>
    <name>ExportProjectsDialog</name>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Проекты:</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>ZOZOrure Viewer exportieren</source>
        <translation>Экспортировать ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Brennen</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Ordner/USB</source>
        <translation>Папка/USB</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Diese Dateien konnten nicht kopiert werden:
%1</source>
        <translation>Не удалось скопировать эти файлы:
%1</translation>
    </message>
    <message>
        <source>Ein Projekt mit dem Namen %1 ist bereits zum Exportieren ausgewählt!</source>
        <translation>Проект с именем %1 уже выбран для экспорта!</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>На диске недостаточно свободного места. Требуется %1 МБ, а доступно только %2 МБ.</translation>
    </message>
    <message>
        <source>Kopiere ZOZOrure Viewer</source>
        <translation>Копирование ZOZOrure Viewer</translation>
    </message>
    <message>
        <source>Exportiere Projekt %1 von %2.</source>
        <translation>Экспорт проекта %1 из %2.</translation>
    </message>
    <message>
        <source>Auf dem Laufwerk ist nicht genügend freier Speicher zum Zwischenspeichern vorhanden. Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>На диске недостаточно свободного места для временного хранения. Требуется %1 МБ, а доступно только %2 МБ.</translation>
    </message>
    <message>
        <source>Export wird vorbereitet...</source>
        <translation>Подготовка экспорта...</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>&quot;%1&quot; недопустимо в качестве имени!
Выберите другое имя!</translation>
    </message>
</context>
<context>
    <name>FloorPlan</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (строка %2, столбец %3)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht gelesen werden:
%2</source>
        <translation>Не удалось прочитать ситуационный план %1:
%2</translation>
    </message>
    <message>
        <source>Ein Element der unbekannten Art &quot;%1&quot; wurde übergangen.</source>
        <translation>Пропущен элемент неизвестного типа &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(ещё %1)</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht vollständig gelesen werden:
%2</source>
        <translation>Не удалось полностью прочитать ситуационный план %1:
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 wurde nicht vollständig gelesen und wird nicht überschrieben.</source>
        <translation>Ситуационный план %1 прочитан не полностью и не будет перезаписан.</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Не удалось открыть ситуационный план %1 для записи!
%2</translation>
    </message>
    <message>
        <source>Der Lageplan %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Не удалось записать ситуационный план %1!
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist kein brauchbarer Wert für %3.</source>
        <translation>%1: &quot;%2&quot; не является пригодным значением для %3.</translation>
    </message>
    <message>
        <source>Die Datei ist kein Lageplan: ihr Wurzelelement ist &quot;%1&quot; statt &quot;%2&quot;.</source>
        <translation>Файл не является ситуационным планом: его корневой элемент &quot;%1&quot; вместо &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Importieren aus:</source>
        <translation>Импортировать из:</translation>
    </message>
    <message>
        <source>kein Verzeichnis gewählt</source>
        <translation>папка не выбрана</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Haltungen</source>
        <translation>Участки</translation>
    </message>
    <message>
        <source>Daten importieren</source>
        <translation>Импорт данных</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Import-Verzeichnis wählen</source>
        <translation>Выбрать папку импорта</translation>
    </message>
    <message>
        <source>Sie versuchen, Daten aus dem aktuellen Projektpfad zu importieren. 
Bitte wählen Sie einen anderen Import-Pfad.</source>
        <translation>Вы пытаетесь импортировать данные из пути текущего проекта. 
Выберите другой путь импорта.</translation>
    </message>
    <message>
        <source>Es ist nicht genügend Speicher zum Importieren vorhanden.
Es werden %1MB benötigt, aber nur %2MB sind vorhanden.</source>
        <translation>Недостаточно места для импорта.
Требуется %1 МБ, а доступно только %2 МБ.</translation>
    </message>
    <message>
        <source>Importiere Haltung %1 von %2.</source>
        <translation>Импорт участка %1 из %2.</translation>
    </message>
    <message>
        <source>Die Haltung %1 konnte nicht vollständig kopiert werden; sie wird nicht importiert.</source>
        <translation>Участок %1 не удалось скопировать полностью; он не импортируется.</translation>
    </message>
    <message>
        <source>Die Art der Haltungsdatei %1 ist nicht zu erkennen; sie wird nicht importiert.</source>
        <translation>Тип файла участка %1 не распознан; он не импортируется.</translation>
    </message>
    <message>
        <source>Im Ordner %1 wurde keine Haltung gefunden.</source>
        <translation>В папке %1 не найдено ни одного участка.</translation>
    </message>
</context>
<context>
    <name>InsertInvestDialog</name>
    <message>
        <source>Untersuchung einfügen</source>
        <translation>Вставить обследование</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Глубина:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>обычно</translation>
    </message>
    <message>
        <source>nach oben</source>
        <translation>вверх</translation>
    </message>
    <message>
        <source>nach unten</source>
        <translation>вниз</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Положение:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>InsertPartDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Position im Rohr</source>
        <translation>Положение в трубе</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel</source>
        <translation>Угол</translation>
    </message>
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
    <name>InvestDialog</name>
    <message>
        <source>Untersuchung</source>
        <translation>Обследование</translation>
    </message>
    <message>
        <source>Haltungsdaten</source>
        <translation>Данные участка</translation>
    </message>
    <message>
        <source>Haltungsname:</source>
        <translation>Имя участка:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Материал:</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Диаметр:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Untersuchungsrichtung:</source>
        <translation>Направление обследования:</translation>
    </message>
    <message>
        <source>Sichtbarkeit der Labels</source>
        <translation>Видимость меток</translation>
    </message>
    <message>
        <source>Schieben Sie den Dialog zur Seite, um zu sehen, welche Labels im Hintergrund (de)aktiviert werden. Ihre Änderungen werden jedoch erst dann dauerhaft gespeichert, wenn Sie den Dialog mit &quot;Übernehmen&quot; schließen.</source>
        <translation>Отодвиньте диалог в сторону, чтобы видеть, какие метки включаются или выключаются на заднем плане. Изменения сохраняются окончательно только после закрытия диалога кнопкой &quot;Применить&quot;.</translation>
    </message>
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
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden:
%2</source>
        <translation>Не удалось прочитать файл %1:
%2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; ist keine Inspektionslänge.</source>
        <translation>%1: «%2» не является длиной обследования.</translation>
    </message>
</context>
<context>
    <name>Isybau2001</name>
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
    <message>
        <source>Die Datei hat keinen Kopf einer Datei dieser Art (&quot;%1&quot;).</source>
        <translation>У файла нет заголовка файла этого типа (&quot;%1&quot;).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Zeile %1: %2 %3</source>
        <translation>Строка %1: %2 %3</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Высота профиля</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Ширина профиля</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>%1%2 %3 passt nicht in die Datei (möglich sind %4 bis %5).</source>
        <translation>%1%2 %3 не помещается в файл (возможные значения от %4 до %5).</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2): </source>
        <translation>Наблюдение %1 (%2): </translation>
    </message>
    <message>
        <source>Foto %1: </source>
        <translation>Фото %1: </translation>
    </message>
    <message>
        <source>(%1 weitere)</source>
        <translation>(ещё %1)</translation>
    </message>
    <message>
        <source>Die Datei %1 wurde nicht gespeichert:
%2</source>
        <translation>Файл %1 не сохранён:
%2</translation>
    </message>
</context>
<context>
    <name>Isybau2001DamageDialog</name>
    <message>
        <source>Feststellung</source>
        <translation>Наблюдение</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Положение</translation>
    </message>
    <message>
        <source>Von:</source>
        <translation>От:</translation>
    </message>
    <message>
        <source>Bis:</source>
        <translation>До:</translation>
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
        <translation>Диалог</translation>
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
    <message>
        <source>Die Datei %1 wurde gespeichert, aber andere Programme lehnen sie möglicherweise ab:
%2</source>
        <translation>Файл %1 сохранён, но другие программы могут его не принять:
%2</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>Отсутствует: %1.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 длиннее %2 символов.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; ist kein Code des Formats.</source>
        <translation>%1 &quot;%2&quot; не является кодом формата.</translation>
    </message>
    <message>
        <source>Die Haltungsbezeichnung</source>
        <translation>Обозначение участка</translation>
    </message>
    <message>
        <source>Die Auftragskennung &quot;%1&quot; ist keine ganze Zahl mit höchstens sechs Ziffern.</source>
        <translation>Номер заказа &quot;%1&quot; не является целым числом не более чем из шести цифр.</translation>
    </message>
    <message>
        <source>Der Anlagentyp</source>
        <translation>Тип сооружения</translation>
    </message>
    <message>
        <source>Der Rohrleitungstyp</source>
        <translation>Тип трубопровода</translation>
    </message>
    <message>
        <source>Die Inspektionsrichtung</source>
        <translation>Направление обследования</translation>
    </message>
    <message>
        <source>Der Anfangsknoten</source>
        <translation>Начальный узел</translation>
    </message>
    <message>
        <source>Der Typ des Anfangsknotens</source>
        <translation>Тип начального узла</translation>
    </message>
    <message>
        <source>Der Endknoten</source>
        <translation>Конечный узел</translation>
    </message>
    <message>
        <source>Der Typ des Endknotens</source>
        <translation>Тип конечного узла</translation>
    </message>
    <message>
        <source>Der Name des Untersuchers</source>
        <translation>Имя инспектора</translation>
    </message>
    <message>
        <source>Die Videoablagereferenz</source>
        <translation>Ссылка на архив видео</translation>
    </message>
    <message>
        <source>Der Auftragnehmer</source>
        <translation>Подрядчик</translation>
    </message>
    <message>
        <source>Der Bezugspunkt</source>
        <translation>Точка отсчёта</translation>
    </message>
    <message>
        <source>Die Wasserhaltung</source>
        <translation>Регулирование стока</translation>
    </message>
    <message>
        <source>Das Videospeichermedium</source>
        <translation>Носитель видео</translation>
    </message>
    <message>
        <source>Die Herkunft der Profilmaße</source>
        <translation>Источник размеров профиля</translation>
    </message>
    <message>
        <source>Die Profilart</source>
        <translation>Тип профиля</translation>
    </message>
    <message>
        <source>Die Herkunft des Materials</source>
        <translation>Источник данных о материале</translation>
    </message>
    <message>
        <source>Das Material</source>
        <translation>Материал</translation>
    </message>
    <message>
        <source>Der Innenschutz</source>
        <translation>Внутренняя защита</translation>
    </message>
    <message>
        <source>Die Auskleidung</source>
        <translation>Облицовка</translation>
    </message>
    <message>
        <source>Die Kanalart</source>
        <translation>Тип канала</translation>
    </message>
    <message>
        <source>Der Straßenname</source>
        <translation>Название улицы</translation>
    </message>
    <message>
        <source>Der Ortsteil</source>
        <translation>Район</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1 выходит за пределы, допустимые форматом.</translation>
    </message>
    <message>
        <source>%1: %2 liegt außerhalb dessen, was das Format erlaubt.</source>
        <translation>%1: %2 выходит за пределы, допустимые форматом.</translation>
    </message>
    <message>
        <source>Beobachtung %1 (%2 bei %3 m)</source>
        <translation>Наблюдение %1 (%2 на %3 м)</translation>
    </message>
</context>
<context>
    <name>LoadPlanDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>PDF laden</source>
        <translation>Загрузить PDF</translation>
    </message>
    <message>
        <source>Plan einmessen</source>
        <translation>Откалибровать план</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Das Bild %1 ist zu groß für einen Lageplan.</source>
        <translation>Изображение %1 слишком велико для ситуационного плана.</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Не удалось прочитать изображение %1.
%2</translation>
    </message>
    <message>
        <source>Das PDF-Dokument %1 konnte nicht eingelesen werden.
%2</source>
        <translation>Не удалось загрузить PDF-документ %1.
%2</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer. Bitte zuerst ein Bild einfügen!</source>
        <translation>Подоснова пуста. Сначала вставьте изображение!</translation>
    </message>
    <message>
        <source>Sie haben schon einen Maßstab festgelegt.
Soll dieser überschrieben werden?</source>
        <translation>Масштаб уже задан.
Перезаписать его?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie 2 Punkte zum Einmessen aus!</source>
        <translation>Выберите 2 точки для калибровки!</translation>
    </message>
    <message>
        <source>Die beiden Punkte fallen zusammen. Bitte zwei verschiedene Punkte wählen!</source>
        <translation>Две точки совпадают. Выберите две разные точки!</translation>
    </message>
    <message>
        <source>Abstand in Meter:</source>
        <translation>Расстояние в метрах:</translation>
    </message>
    <message>
        <source>Der Grundplan ist leer!</source>
        <translation>Подоснова пуста!</translation>
    </message>
    <message>
        <source>Bitte den Plan erst einmessen!</source>
        <translation>Сначала откалибруйте план!</translation>
    </message>
</context>
<context>
    <name>MainDataWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Заказчик:</translation>
    </message>
    <message>
        <source>Haltung:</source>
        <translation>Участок:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Материал:</translation>
    </message>
    <message>
        <source>Operator:</source>
        <translation>Оператор:</translation>
    </message>
    <message>
        <source>Video:</source>
        <translation>Видео:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Система:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Улица:</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Форма сечения:</translation>
    </message>
    <message>
        <source>Punkt oben:</source>
        <translation>Верхняя точка:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>Richtung:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Punkt unten:</source>
        <translation>Нижняя точка:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>weitere Daten</source>
        <translation>дополнительные данные</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Диаметр:</translation>
    </message>
</context>
<context>
    <name>ModelUtils</name>
    <message>
        <source>&quot;%1&quot; ist keine Zahl</source>
        <translation>&quot;%1&quot; не является числом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; liegt nicht zwischen %2 und %3</source>
        <translation>&quot;%1&quot; не лежит между %2 и %3</translation>
    </message>
</context>
<context>
    <name>NormCatalogDialog</name>
    <message>
        <source>Katalog</source>
        <translation>Каталог</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>OpenProjectDialog</name>
    <message>
        <source>Projekt anlegen</source>
        <translation>Создать проект</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Projekte verwalten</source>
        <translation>Управление проектами</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Открыть проект</translation>
    </message>
    <message>
        <source>neues Projekt</source>
        <translation>новый проект</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Projektdaten</source>
        <translation>Данные проекта</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Обследования</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Обследование</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Umwandeln</source>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>neuer Ordner</source>
        <translation>новая папка</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Проекты:</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt aus!</source>
        <translation>Выберите проект!</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Projektnamen an!</source>
        <translation>Введите имя проекта!</translation>
    </message>
    <message>
        <source>Dieses Project existiert bereits!</source>
        <translation>Этот проект уже существует!</translation>
    </message>
    <message>
        <source>Ein Ordner mit diesem Namen existiert bereits!</source>
        <translation>Папка с таким именем уже существует!</translation>
    </message>
    <message>
        <source>Bitte wählen Sie ein Projekt zum Bearbeiten aus!</source>
        <translation>Выберите проект для изменения!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>по дате</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>по имени файла</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>по имени участка</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>по номеру видео</translation>
    </message>
    <message>
        <source>Daten wurden erfolgreich geändert!</source>
        <translation>Данные успешно изменены!</translation>
    </message>
    <message>
        <source>Diese Untersuchungen konnten nicht gespeichert werden:
%1</source>
        <translation>Не удалось сохранить эти обследования:
%1</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Загрузка данных экспорта...</translation>
    </message>
    <message>
        <source>Das Projekt &quot;%1&quot; löschen?</source>
        <translation>Удалить проект &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht gelöscht werden.</source>
        <translation>Не удалось удалить папку %1.</translation>
    </message>
    <message>
        <source>Projekt umbenennen</source>
        <translation>Переименовать проект</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu konvertierende
ATV oder Isybau 2001 Projekt aus!</source>
        <translation>Выберите проект ATV или Isybau 2001
для преобразования!</translation>
    </message>
    <message>
        <source>Nur Untersuchungen nach ATV oder Isybau 2001
können umgewandelt werden!</source>
        <translation>Преобразовать можно только обследования по ATV или Isybau 2001
!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; wirklich umwandeln?</source>
        <translation>Действительно преобразовать обследование &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie das zu löschende Projekt aus!</source>
        <translation>Выберите проект для удаления!</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; löschen?</source>
        <translation>Удалить обследование &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Untersuchung umbenennen</source>
        <translation>Переименовать обследование</translation>
    </message>
    <message>
        <source>Die Untersuchung &quot;%1&quot; konnte nicht umbenannt werden.</source>
        <translation>Не удалось переименовать обследование &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht angepasst werden.</source>
        <translation>Не удалось изменить файл %1.</translation>
    </message>
</context>
<context>
    <name>PdfPageConverter</name>
    <message>
        <source>Das Programm pdftocairo wurde nicht gefunden.</source>
        <translation>Программа pdftocairo не найдена.</translation>
    </message>
    <message>
        <source>Kein temporärer Ordner für die Umwandlung: %1</source>
        <translation>Нет временной папки для преобразования: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo konnte nicht gestartet werden: %1</source>
        <translation>Не удалось запустить программу pdftocairo: %1</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo ist nicht fertig geworden.</source>
        <translation>Программа pdftocairo не завершила работу.</translation>
    </message>
    <message>
        <source>Das Programm pdftocairo meldet einen Fehler (%1).</source>
        <translation>Программа pdftocairo сообщает об ошибке (%1).</translation>
    </message>
    <message>
        <source>Die erste Seite ist zu groß für einen Lageplan.</source>
        <translation>Первая страница слишком велика для ситуационного плана.</translation>
    </message>
    <message>
        <source>Die Umwandlung hat kein Bild ergeben: %1</source>
        <translation>Преобразование не дало изображения: %1</translation>
    </message>
</context>
<context>
    <name>PointDialog</name>
    <message>
        <source>Punkt</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Durchmesser:</source>
        <translation>Диаметр:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Tiefe:</source>
        <translation>Глубина:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
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
    <name>PrintDialog</name>
    <message>
        <source>Druck-Vorschau</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Обследования</translation>
    </message>
    <message>
        <source>Auswahl</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>График участка</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Фотоотчёт</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>keine Seitenzahlen</source>
        <translation>без номеров страниц</translation>
    </message>
    <message>
        <source>Seitenzahlen mit Inhaltsverzeichnis</source>
        <translation>Номера страниц с содержанием</translation>
    </message>
    <message>
        <source>Seitenzahlen ohne Inhaltsverzeichnis</source>
        <translation>Номера страниц без содержания</translation>
    </message>
    <message>
        <source>Schäden grafisch darstellen</source>
        <translation>Показывать дефекты графически</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Einstellungen für den Rohrplan</source>
        <translation>Настройки плана трубопроводов</translation>
    </message>
    <message>
        <source>Hochformat</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>Querformat</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>nicht anzeigen</source>
        <translation>не показывать</translation>
    </message>
    <message>
        <source>oben - links</source>
        <translation>вверху - слева</translation>
    </message>
    <message>
        <source>oben - mitte</source>
        <translation>вверху - по центру</translation>
    </message>
    <message>
        <source>oben - rechts</source>
        <translation>вверху - справа</translation>
    </message>
    <message>
        <source>unten - links</source>
        <translation>внизу - слева</translation>
    </message>
    <message>
        <source>unten - mitte</source>
        <translation>внизу - по центру</translation>
    </message>
    <message>
        <source>unten - rechts</source>
        <translation>внизу - справа</translation>
    </message>
    <message>
        <source>anzeigen</source>
        <translation>показывать</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Масштаб:</translation>
    </message>
    <message>
        <source>Größe:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Firmendaten:</source>
        <translation>Данные фирмы:</translation>
    </message>
    <message>
        <source>Legende:</source>
        <translation>Легенда:</translation>
    </message>
    <message>
        <source>Manuelle Daten:</source>
        <translation>Данные вручную:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Titel:</source>
        <translation>Заголовок:</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Комментарий:</translation>
    </message>
    <message>
        <source>Daten aus der Haltung:</source>
        <translation>Данные участка:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Заказчик:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>Straße:</source>
        <translation>Улица:</translation>
    </message>
    <message>
        <source>Bestandsdaten</source>
        <translation>Инвентарные данные</translation>
    </message>
    <message>
        <source>Rohrdaten</source>
        <translation>Данные трубы</translation>
    </message>
    <message>
        <source>Rohrplan</source>
        <translation>План трубопроводов</translation>
    </message>
    <message>
        <source>Projekte:</source>
        <translation>Проекты:</translation>
    </message>
    <message>
        <source>Erstelle Vorschau...</source>
        <translation>Создание предварительного просмотра...</translation>
    </message>
    <message>
        <source>Bitte warten...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Erstelle 3D-Plan fürs Drucken...</source>
        <translation>Создание 3D-плана для печати...</translation>
    </message>
    <message>
        <source>Datei speichern</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Adobe PDF (*.pdf)</source>
        <translation>Adobe PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF wird erstellt...</source>
        <translation>Создание PDF...</translation>
    </message>
    <message>
        <source>Der Drucker konnte nicht gestartet werden.</source>
        <translation>Не удалось запустить принтер.</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Не удалось записать файл &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>Datum</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Kunde</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Straße</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>Punkt oben</source>
        <translation>Верхняя точка</translation>
    </message>
    <message>
        <source>Zulauf</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Punkt unten</source>
        <translation>Нижняя точка</translation>
    </message>
    <message>
        <source>Ablauf</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Материал</translation>
    </message>
    <message>
        <source>Profil</source>
        <translation>Форма сечения</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Videonummer</source>
        <translation>Номер видео</translation>
    </message>
    <message>
        <source>Videoname</source>
        <translation>Имя видео</translation>
    </message>
    <message>
        <source>Auftragskennung</source>
        <translation>Номер заказа</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Reinigung</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Wasserhaltung</source>
        <translation>Регулирование потока</translation>
    </message>
    <message>
        <source>Bezugspunkt der Lage in Längsrichtung</source>
        <translation>Точка отсчёта продольного положения</translation>
    </message>
    <message>
        <source>Inspektionsrichtung</source>
        <translation>Направление обследования</translation>
    </message>
    <message>
        <source>Kanalart</source>
        <translation>Тип канализации</translation>
    </message>
    <message>
        <source>Profilbreite</source>
        <translation>Ширина профиля</translation>
    </message>
    <message>
        <source>Profilhöhe</source>
        <translation>Высота профиля</translation>
    </message>
    <message>
        <source>Inspektionsgrund</source>
        <translation>Причина обследования</translation>
    </message>
    <message>
        <source>Auskleidung</source>
        <translation>Облицовка</translation>
    </message>
    <message>
        <source>Inspektionslänge</source>
        <translation>Обследованная длина</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Фирма</translation>
    </message>
    <message>
        <source>Videoreferenz</source>
        <translation>Ссылка на видео</translation>
    </message>
    <message>
        <source>Auskleidungsmaterial</source>
        <translation>Материал облицовки</translation>
    </message>
    <message>
        <source>Abwasserart</source>
        <translation>Тип стоков</translation>
    </message>
    <message>
        <source>Regeleinzelrohrlänge</source>
        <translation>Стандартная длина трубы</translation>
    </message>
    <message>
        <source>Rohrleitungstyp</source>
        <translation>Тип трубопровода</translation>
    </message>
    <message>
        <source>Anlagentyp</source>
        <translation>Тип сооружения</translation>
    </message>
    <message>
        <source>Rohrinnenschutz</source>
        <translation>Внутренняя защита трубы</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Operatør</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Kunden</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Vej</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>Start Punkt</source>
        <translation>Начальная точка</translation>
    </message>
    <message>
        <source>Slutt Punkt</source>
        <translation>Конечная точка</translation>
    </message>
    <message>
        <source>Inspektionretning</source>
        <translation>Направление обследования</translation>
    </message>
    <message>
        <source>I Brug</source>
        <translation>В эксплуатации</translation>
    </message>
    <message>
        <source>Inspektionsårsag</source>
        <translation>Причина обследования</translation>
    </message>
    <message>
        <source>Spulet</source>
        <translation>Промыт</translation>
    </message>
    <message>
        <source>Materiale</source>
        <translation>Материал</translation>
    </message>
    <message>
        <source>Tværsnit</source>
        <translation>Поперечное сечение</translation>
    </message>
    <message>
        <source>Bredde</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Højde</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Medie-ID</source>
        <translation>ID носителя</translation>
    </message>
    <message>
        <source>Medie</source>
        <translation>Носитель</translation>
    </message>
    <message>
        <source>Inspektionsmetode</source>
        <translation>Метод обследования</translation>
    </message>
    <message>
        <source>Vejrlig</source>
        <translation>Погода</translation>
    </message>
    <message>
        <source>Længde</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Ledningsident</source>
        <translation>Идентификатор участка</translation>
    </message>
    <message>
        <source>Oppdragsgiver</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Start node</source>
        <translation>Начальный узел</translation>
    </message>
    <message>
        <source>Slutt node</source>
        <translation>Конечный узел</translation>
    </message>
    <message>
        <source>Overflatemessige forhold</source>
        <translation>Условия на поверхности</translation>
    </message>
    <message>
        <source>Inspeksjonsretning</source>
        <translation>Направление обследования</translation>
    </message>
    <message>
        <source>Ledningstype</source>
        <translation>Тип трубопровода</translation>
    </message>
    <message>
        <source>Inspeksjonsformål</source>
        <translation>Цель обследования</translation>
    </message>
    <message>
        <source>Vannmengderegulerende tiltak</source>
        <translation>Меры регулирования потока</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Høyde</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Lagringsmediumets referanse</source>
        <translation>Ссылка на носитель данных</translation>
    </message>
    <message>
        <source>Lagringsmedium</source>
        <translation>Носитель данных</translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation>Таймкод</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Метры</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Foto-Bericht</source>
        <translation>Фотоотчёт</translation>
    </message>
    <message>
        <source>Haltungs-Graphik</source>
        <translation>График участка</translation>
    </message>
    <message>
        <source>Haltungs-Bericht</source>
        <translation>Отчёт по участку</translation>
    </message>
    <message>
        <source>Haltungs-Bericht:</source>
        <translation>Отчёт по участку:</translation>
    </message>
    <message>
        <source>Kunde:</source>
        <translation>Заказчик:</translation>
    </message>
    <message>
        <source>Ort:</source>
        <translation>Место:</translation>
    </message>
    <message>
        <source>Straße, Nr.:</source>
        <translation>Улица, №:</translation>
    </message>
    <message>
        <source>Bestandsplan</source>
        <translation>Исполнительный план</translation>
    </message>
    <message>
        <source>(alle Angaben ohne Gewähr)</source>
        <translation>(все данные без гарантии)</translation>
    </message>
    <message>
        <source>Maßstab:</source>
        <translation>Масштаб:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Maßstab 1 : %1      1cm ≙ %2m</source>
        <translation>Масштаб 1 : %1      1см ≙ %2м</translation>
    </message>
    <message>
        <source>Inhaltsverzeichnis</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Auftraggeber</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>Gesamtlänge aller Untersuchungen</source>
        <translation>Общая длина всех обследований</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Der Projektordner %1 konnte nicht angelegt werden.</source>
        <translation>Не удалось создать папку проекта %1.</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden:
%2
Sie wird nicht überschrieben.</source>
        <translation>Не удалось прочитать файл проекта %1:
%2
Он не будет перезаписан.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 nennt Haltungen außerhalb ihrer Ordner; sie werden nicht geöffnet:
%2</source>
        <translation>Файл проекта %1 ссылается на участки вне своих папок; они не открываются:
%2</translation>
    </message>
    <message>
        <source>Die Art dieser Haltungsdateien ist nicht zu erkennen; sie werden nicht geöffnet, bleiben aber im Projekt:
%1</source>
        <translation>Тип этих файлов участков не распознан; они не открываются, но остаются в проекте:
%1</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Не удалось прочитать файл проекта %1; он не будет перезаписан.</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Не удалось открыть файл проекта %1 для записи!
%2</translation>
    </message>
    <message>
        <source>Die Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Не удалось записать файл проекта %1!
%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist kein gültiger Projektname.</source>
        <translation>&quot;%1&quot; не является допустимым именем проекта.</translation>
    </message>
    <message>
        <source>Ein Ordner mit dem Namen %1 existiert bereits!</source>
        <translation>Папка с именем %1 уже существует!</translation>
    </message>
    <message>
        <source>Der Projektordner %1 konnte nicht umbenannt werden.</source>
        <translation>Не удалось переименовать папку проекта %1.</translation>
    </message>
    <message>
        <source>Die Reihenfolge der Haltungen in %1 konnte nicht gelesen werden; sie sind nach ihren Namen geordnet.</source>
        <translation>Не удалось прочитать порядок участков в %1; они упорядочены по имени.</translation>
    </message>
</context>
<context>
    <name>Project3D</name>
    <message>
        <source>%1 (Zeile %2, Spalte %3)</source>
        <translation>%1 (строка %2, столбец %3)</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.
%2</source>
        <translation>Не удалось прочитать файл 3D-проекта %1; он не будет перезаписан.
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht gelesen werden und wird nicht überschrieben.</source>
        <translation>Не удалось прочитать файл 3D-проекта %1; он не будет перезаписан.</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht zum Schreiben geöffnet werden!
%2</source>
        <translation>Не удалось открыть файл 3D-проекта %1 для записи!
%2</translation>
    </message>
    <message>
        <source>Die 3D-Projektdatei %1 konnte nicht geschrieben werden!
%2</source>
        <translation>Не удалось записать файл 3D-проекта %1!
%2</translation>
    </message>
</context>
<context>
    <name>SceneTextDialog</name>
    <message>
        <source>TextEditor</source>
        <translation>Текстовый редактор</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Ж</translation>
    </message>
    <message>
        <source>K</source>
        <translation>К</translation>
    </message>
    <message>
        <source>U</source>
        <translation>Ч</translation>
    </message>
</context>
<context>
    <name>SelectableBoxItem</name>
    <message>
        <source>Ein Element hat die unbrauchbare Größe %1 × %2; es wurde auf die Standardgröße gesetzt.</source>
        <translation>Элемент имеет непригодный размер %1 × %2; ему назначен стандартный размер.</translation>
    </message>
</context>
<context>
    <name>SelectableItem</name>
    <message>
        <source>Der Stift eines Elements ist beschädigt.</source>
        <translation>Перо элемента повреждено.</translation>
    </message>
    <message>
        <source>Die Stärke %1 eines Elements ist unbrauchbar.</source>
        <translation>Толщина %1 элемента непригодна.</translation>
    </message>
</context>
<context>
    <name>SelectablePixmapItem</name>
    <message>
        <source>Ein Bild des Plans ist beschädigt oder zu groß.</source>
        <translation>Изображение плана повреждено или слишком велико.</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>Das Bild %1 konnte nicht gelesen werden.
%2</source>
        <translation>Не удалось прочитать изображение %1.
%2</translation>
    </message>
</context>
<context>
    <name>StartNewInvestDialog</name>
    <message>
        <source>Assistent</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Norm</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Nennweite:</source>
        <translation>Условный диаметр:</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>Система:</translation>
    </message>
    <message>
        <source>Regenwasser</source>
        <translation>Дождевая</translation>
    </message>
    <message>
        <source>Schmutzwasser</source>
        <translation>Бытовая</translation>
    </message>
    <message>
        <source>Mischwasser</source>
        <translation>Общесплавная</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Krümmer</source>
        <translation>Отвод</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Ответвление</translation>
    </message>
    <message>
        <source>Nennweite</source>
        <translation>Условный диаметр</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Положение:</translation>
    </message>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Угол:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Fertigstellen</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Bitte geben Sie einen Namen ein!</source>
        <translation>Введите имя!</translation>
    </message>
    <message>
        <source>Dieser Name wird schon verwendet!</source>
        <translation>Это имя уже используется!</translation>
    </message>
    <message>
        <source>Der Ordner &quot;%1&quot; konnte nicht angelegt werden!</source>
        <translation>Не удалось создать папку &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Krümmer eingefügt!</source>
        <translation>В этом месте уже вставлен отвод!</translation>
    </message>
    <message>
        <source>An dieser Stelle ist schon ein Abzweig eingefügt!</source>
        <translation>В этом месте уже вставлено ответвление!</translation>
    </message>
    <message>
        <source>Für einen Krümmer fehlt am Ende der Haltung ein halber Meter.</source>
        <translation>Для отвода не хватает полуметра в конце участка.</translation>
    </message>
</context>
<context>
    <name>VideoFinalyzer</name>
    <message>
        <source>Die Videodatei wurde nicht gefunden.</source>
        <translation>Видеофайл не найден.</translation>
    </message>
    <message>
        <source>Im Ordner des Videos kann nicht geschrieben werden.</source>
        <translation>Невозможно записать в папку видео.</translation>
    </message>
    <message>
        <source>Die Videodatei kann nicht gelesen werden.</source>
        <translation>Не удаётся прочитать видеофайл.</translation>
    </message>
    <message>
        <source>Die Bildrate der Videodatei ist unbekannt.</source>
        <translation>Частота кадров видеофайла неизвестна.</translation>
    </message>
    <message>
        <source>Das Video ist kürzer als eine Sekunde.</source>
        <translation>Видео короче одной секунды.</translation>
    </message>
    <message>
        <source>Beim Lesen des Videos ist ein Fehler aufgetreten.</source>
        <translation>При чтении видео произошла ошибка.</translation>
    </message>
    <message>
        <source>Beim Schreiben des Videos ist ein Fehler aufgetreten.</source>
        <translation>При записи видео произошла ошибка.</translation>
    </message>
    <message>
        <source>Das fertige Video kann nicht gespeichert werden.</source>
        <translation>Невозможно сохранить готовое видео.</translation>
    </message>
    <message>
        <source>Die Videodatei konnte nicht vollständig gelesen werden: nur bis %1 von %2.</source>
        <translation>Видеофайл не удалось прочитать полностью: только до %1 из %2.</translation>
    </message>
</context>
<context>
    <name>VideoForm</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>FOTO</source>
        <translation>ФОТО</translation>
    </message>
    <message>
        <source>Das Video kann nicht abgespielt werden:
%1</source>
        <translation>Невозможно воспроизвести видео:
%1</translation>
    </message>
</context>
<context>
    <name>VideoPlayer</name>
    <message>
        <source>Video wird geladen...</source>
        <translation>Загрузка видео...</translation>
    </message>
</context>
<context>
    <name>ViewOptionsDialog</name>
    <message>
        <source>Optionen 3D Ansicht</source>
        <translation>Параметры 3D-вида</translation>
    </message>
    <message>
        <source>Label Text</source>
        <translation>Текст метки</translation>
    </message>
    <message>
        <source>Standard-Text</source>
        <translation>Стандартный текст</translation>
    </message>
    <message>
        <source>Nur Kommentar</source>
        <translation>Только комментарий</translation>
    </message>
    <message>
        <source>Benutzerdefiniert:</source>
        <translation>Пользовательский:</translation>
    </message>
    <message>
        <source>$n Haltungsname
$c Kommentar
$m Aktueller Meterwert
$l Meterwert seit der letzten Feststellung</source>
        <translation>$n Имя участка
$c Комментарий
$m Текущее значение в метрах
$l Метры от последнего наблюдения</translation>
    </message>
    <message>
        <source>Label Darstellung</source>
        <translation>Отображение меток</translation>
    </message>
    <message>
        <source>Sprechblase</source>
        <translation>Выноска</translation>
    </message>
    <message>
        <source>Einfach</source>
        <translation>Простой</translation>
    </message>
    <message>
        <source>Textfarbe</source>
        <translation>Цвет текста</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Линии</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Не удалось записать настройки в &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Viewer3D</name>
    <message>
        <source>Abstand zum Referenzpunkt:</source>
        <translation>Расстояние до опорной точки:</translation>
    </message>
</context>
</TS>
