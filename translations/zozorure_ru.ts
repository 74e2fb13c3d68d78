<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Папка проектов</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>Все проекты хранятся в этой папке.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Hrvatski</source>
        <translation>Hrvatski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Отображение</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Показывать имена участков</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Создавать отчёт по участку</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Выделять дефекты цветом в отчёте</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Отмечать проекты с дефектами</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Примечание: размеры приблизительны</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>График участка</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартный</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>выровненный вариант</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Макет фотоотчёта</translation>
    </message>
    <message>
        <source>1 mal 2</source>
        <translation>1 x 2</translation>
    </message>
    <message>
        <source>1 mal 3</source>
        <translation>1 x 3</translation>
    </message>
    <message>
        <source>2 mal 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <source>2 mal 3</source>
        <translation>2 x 3</translation>
    </message>
    <message>
        <source>3 mal 2</source>
        <translation>3 x 2</translation>
    </message>
    <message>
        <source>3 mal 3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>1 mal 2 mit Text</source>
        <translation>1 x 2 с текстом</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 x 3 с текстом</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Оборудование</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Источник видео:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Наложение текста</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>Общие данные:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Наложение текста:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Метры</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Текст фирмы</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Текст на фотографиях</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Автоматически задавать начало участка</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Останавливать видео в конце участка</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>записать новые данные</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Размер шрифта меток:</translation>
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
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Путь к проектам пуст.
Укажите допустимый путь.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Указанный путь к проектам не существует.
Укажите допустимый путь.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Путь к проектам недоступен для записи.
Укажите допустимый путь.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Не удалось записать настройки в &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Данные фирмы</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>текущая фирма</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>сохранённые фирмы</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Логотип фирмы</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>ЛОГОТИП</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>F</source>
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
    <message>
        <source>Rahmen</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Собственные данные фирмы</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Импортировать фирму</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Экспортировать фирму</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>Не удалось прочитать файл &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Выбрать логотип</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Удаление невозможно! Выберите другую запись!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Удалить фирму &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Не удалось записать данные фирмы в &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Фирма</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Экспорт фирмы</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>Файл фирмы ZOZOrure (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Не удалось записать файл &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Импорт фирмы</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZOZOrure</source>
        <translation>ZOZOrure</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Обследования</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Наблюдения</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Трасса трубы</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>загрузка интерфейса...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>загрузка данных пользователя...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>инициализация программы...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>преобразование проектов...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Проекты</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Обследование</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Начать осмотр</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Данные фирмы</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Отладочный вывод</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Метки</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Опорные точки</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Размеры</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D-проекция</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Перспектива</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Подоснова</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Колодец</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Точка</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Опорная точка</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Привязка</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Колодец/точка</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Ответвление</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Сохранить изменения проекта?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Сохранить обследование &quot;%1&quot;?
Иначе изменения будут потеряны!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Удалить запись &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Сначала выберите соответствующее наблюдение!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Сначала закройте проект!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Файл &quot;%1&quot; не является обследованием, которое можно открыть.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Для этого обследования нет видео!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Создание видео...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Успешно завершено!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Этот стандарт пока недоступен на вашем языке!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Файл &quot;%1&quot; уже существует!</translation>
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
        <source>Lade Export-Daten...</source>
        <translation>Загрузка данных экспорта...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Сначала закройте текущий проект!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>запущен</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>не удалось запустить</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>остановлен</translation>
    </message>
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>Существующая подоснова будет перезаписана!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Загрузить план из файла или создать самостоятельно?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Создание плана!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Сохранение плана!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>Обновление 3D-вида!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Удалить подоснову?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Вставить точку привязки:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Привязать</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Выберите 2 точки для привязки!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Установите точку привязки!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Выберите 2 точки для размера!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Действительно удалить элемент?
Все присоединённые элементы также будут удалены!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Удалить обследование вместе со всеми присоединёнными обследованиями?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>новое обследование</translation>
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
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Проект необходимо загрузить заново.
Подождите немного!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Перезапустите программу, чтобы изменения вступили в силу полностью!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Наблюдение</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>инициализация среды...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>инициализация видео...</translation>
    </message>
</context>
</TS>
