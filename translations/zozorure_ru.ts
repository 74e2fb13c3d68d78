<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="de">
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
        <translation>Начать обследование</translation>
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
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Сохранить изменения обследования?</translation>
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
