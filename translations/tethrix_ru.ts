<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>О&amp;тмена</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>По &amp;умолчанию</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>&amp;Заполнить</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Сохранить</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Дополнительные данные</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Установка высотомера</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Другое окно Tethrix сохранило %1 после того, как это окно прочитало настройки: эти значения сохранены и действуют и здесь.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Высота площадки</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Заполнить барометрическую высоту по высоте площадки и установке высотомера</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Нажмите &lt;F1&gt; для справки</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Барометрическая высота по площадке:</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 по расчёту: %2</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Engine:</source>
      <translation>Двигатель:</translation>
    </message>
    <message>
      <source>Flown (local time):</source>
      <translation>Полёт (местное время):</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Топливо:</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Разнос корд на ручке:</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Измеренное время круга (с):</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Игла или таймер:</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Заметки:</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Винт:</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>Измеренное время круга должно быть числом секунд или пустым</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Груз на законцовке:</translation>
    </message>
    <message>
      <source>none</source>
      <translation>нет</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>%1 нельзя экспортировать: %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>%1 копия</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>%1 не удалось добавить:</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>В %1 нет файлов данных .TQD.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>%1: не сохранено</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Удалить...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Импорт...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>Сохранить как &amp;новую</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Записать полёт...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Открыть</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>&amp;Переименовать...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Журнал полётов...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>Доба&amp;вить папку...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Добавить папку</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Добавить и обновить модели и полёты из файла ангара</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Добавить все файлы данных .TQD из папки</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>%1 добавлено из %2.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Модель</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Отмена</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>Не удаётся импортировать %1: %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>Не удаётся сохранить файл ангара %1: %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Закрыть</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>&amp;Дублировать...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Удалить</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>Удалить %1 из ангара?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>Удалить %1 из ангара? Её %2 останутся в журнале полётов, если не удалить их вместе с ней.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Удалить модель</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Удалить вместе с полётами</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Удалить, оставить журнал</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>Удалены %1 и её %2.</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Удалено: %1.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Дублировать модель</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>&amp;Экспорт ангара...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>Экспорт &amp;модели...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>%1 и её журнал экспортированы в %2.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Ангар экспортирован в %1.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Полёты</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Ангар</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>&amp;Сохранить поверх</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Сохранить вариант окна поверх открытой в нём модели</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Сохранить вариант окна вместе с введёнными заметками как новую модель</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>%1 сохранена как новая модель, её полёт записан.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>%1 сохранена как новая модель.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Копия %1 сохранена как %2.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Вариант окна сохранён поверх %1.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Последний полёт</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Записать полёт модели %1</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Записать полёт по варианту окна</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Полёт модели %1 записан.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Название копии %1:</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Новое название для %1:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>В окне не открыта ни одна модель из ангара.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>В окне не открыта ни одна модель из ангара: сохраните вариант как новый.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>Полёт нельзя записать: %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Заметки (двигатель, винт, что угодно):</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Открыто в окне: %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Открыть выбранную модель в полях окна</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>Открыто: %1.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Переименовать модель</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>%1 переименована в %2.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>Модели из %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>Копия</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>Удаление %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>Полёт</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>Ангар нельзя экспортировать: %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>Импорт %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>Новое название</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>Выбранная модель вместе с её журналом</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>Страницы не найдены</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Поиск по справке</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Поиск:</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Справка Tethrix</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Секундомер кругов</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Начать заново</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Касание на каждом пролёте (пробел)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Взять как время круга</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>%1 - Tethrix</source>
      <translation>%1 - Tethrix</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 cannot be compared: %2</source>
      <translation>%1 нельзя сравнить: %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>&amp;О программе...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>&amp;Дополнительно</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Содержание</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>&amp;Ввод данных</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Файл</translation>
    </message>
    <message>
      <source>&amp;Hangar...</source>
      <translation>&amp;Ангар...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Справка</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Имперские</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>&amp;Секундомер кругов...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Записать полёт...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Метрические</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Открыть...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Печать...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Сохранить</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>&amp;Графики регулировки...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Журнал полётов...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Единицы</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Дополнительные данные</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>Не удаётся сохранить файл %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>Не удаётся записать отчёт %1: %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Сбросить A</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Расчётные данные</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Условия...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>В&amp;ыход</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>Файл не найден</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Условия полёта: %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>&amp;Ангар</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Входные данные</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Запомнить как A</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Язык</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Язык</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>Скорость на круге — по всей окружности руки, ручки, корд и внутренней консоли; путевая скорость — по окружности через ручку.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Время круга</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Длина корд</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>Открыть A...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Нажмите &lt;Enter&gt; в любом поле для пересчёта</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Печать недоступна: %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>Со следующего запуска Tethrix будет использовать язык: %1.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>Системный</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>Графики регулировки не открываются: %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Эти входные данные нельзя запомнить как A: %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Что если...</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>фут.</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>Cannot save the %1 as %2: %3</source>
      <translation>Не удаётся сохранить %1 как %2: %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Те же входные данные и условия полёта, что и у A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc: ничего не добавлено
</translation>
    </message>
    <message>
      <source>
{"name": </source>
      <translation>
{"name": </translation>
    </message>
    <message>
      <source>  --lang CODE the language of --help and of the messages on standard error,
              one of %1
              (TETHRIX_LANG=CODE does the same); standard output is the same
              in every language
</source>
      <translation>  --lang CODE язык --help и сообщений в стандартном потоке ошибок,
              один из: %1
              (TETHRIX_LANG=CODE действует так же); стандартный вывод одинаков
              на всех языках
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   высота площадки, футы [m], вместе с
  Altimeter   установкой высотомера на ней, inHg [hPa]: барометрическая
              высота вместо Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (с --no-settings используются встроенные)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (по умолчанию </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Здесь числа вводятся с десятичной запятой (',').</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Здесь числа вводятся с десятичной точкой ('.').</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> %</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> моделей подходят под </translation>
    </message>
    <message>
      <source> and </source>
      <translation> и </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> не может работать: </translation>
    </message>
    <message>
      <source> cm²</source>
      <translation> cm²</translation>
    </message>
    <message>
      <source> deg</source>
      <translation> град.</translation>
    </message>
    <message>
      <source> deg F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> deg.</source>
      <translation> град.</translation>
    </message>
    <message>
      <source> deg. F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> degrees</source>
      <translation> град.</translation>
    </message>
    <message>
      <source> dm²</source>
      <translation> dm²</translation>
    </message>
    <message>
      <source> does not go with --add (try --help)</source>
      <translation> нельзя сочетать с --add (см. --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> нельзя сочетать со списком моделей --hangar (см. --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> нельзя сочетать с --log (см. --help)</translation>
    </message>
    <message>
      <source> feet</source>
      <translation> фут.</translation>
    </message>
    <message>
      <source> g</source>
      <translation> g</translation>
    </message>
    <message>
      <source> g/dm²</source>
      <translation> g/dm²</translation>
    </message>
    <message>
      <source> hPa</source>
      <translation> hPa</translation>
    </message>
    <message>
      <source> holds </source>
      <translation> содержит </translation>
    </message>
    <message>
      <source> holds no airplanes</source>
      <translation> не содержит моделей</translation>
    </message>
    <message>
      <source> id </source>
      <translation> id </translation>
    </message>
    <message>
      <source> in/Hg</source>
      <translation> in/Hg</translation>
    </message>
    <message>
      <source> inch</source>
      <translation> дюйм.</translation>
    </message>
    <message>
      <source> inches</source>
      <translation> дюйм.</translation>
    </message>
    <message>
      <source> is not the file of build </source>
      <translation> не является файлом сборки </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> слишком велико для отображения</translation>
    </message>
    <message>
      <source> kg</source>
      <translation> kg</translation>
    </message>
    <message>
      <source> km/h</source>
      <translation> km/h</translation>
    </message>
    <message>
      <source> m</source>
      <translation> m</translation>
    </message>
    <message>
      <source> mi/ph</source>
      <translation> mph</translation>
    </message>
    <message>
      <source> mm</source>
      <translation> mm</translation>
    </message>
    <message>
      <source> mph</source>
      <translation> mph</translation>
    </message>
    <message>
      <source> needs </source>
      <translation> требует </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> или имеет этот id: </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> других названий (--hangar без аргументов выводит их список)</translation>
    </message>
    <message>
      <source> ounces</source>
      <translation> унц.</translation>
    </message>
    <message>
      <source> oz/sq ft.</source>
      <translation> oz/sq ft.</translation>
    </message>
    <message>
      <source> percent</source>
      <translation> %</translation>
    </message>
    <message>
      <source> pounds</source>
      <translation> фунт.</translation>
    </message>
    <message>
      <source> rows (STEP must be non-zero and lead from FROM to TO)</source>
      <translation> строк (STEP должен быть ненулевым и вести от FROM к TO)</translation>
    </message>
    <message>
      <source> seconds</source>
      <translation> с</translation>
    </message>
    <message>
      <source> sq/in</source>
      <translation> sq/in</translation>
    </message>
    <message>
      <source> sq/inches</source>
      <translation> sq/in</translation>
    </message>
    <message>
      <source> watts</source>
      <translation> Вт</translation>
    </message>
    <message>
      <source> with the built-in airplane? Its inputs are lost unless saved.</source>
      <translation> встроенной моделью? Её данные пропадут, если их не сохранить.</translation>
    </message>
    <message>
      <source> x weight</source>
      <translation> x вес</translation>
    </message>
    <message>
      <source> °C</source>
      <translation> °C</translation>
    </message>
    <message>
      <source>%1   (%2)</source>
      <translation>%1   (%2)</translation>
    </message>
    <message>
      <source>%1 (%2 hp)</source>
      <translation>%1 (%2 hp)</translation>
    </message>
    <message>
      <source>%1 (%2 kg)</source>
      <translation>%1 (%2 kg)</translation>
    </message>
    <message>
      <source>%1 (%2)</source>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>%1 (at byte %2)</source>
      <translation>%1 (на байте %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Эти условия полёта не сохранены.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 и %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 даёт воздушную скорость вне диапазона %2–%3 mph, допустимого для расчёта корд: расчёт ведётся при %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1: нет '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1: %2 — за пределами того, что встречается на практике.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1: %2 — вне диапазона %3, допустимого для расчёта корд, ручки и выводов.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1: %2 — вне диапазона %3, допустимого для расчёта корд.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1: %2 — такое значение не имеет физического смысла.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1: не меньше воздушной скорости (%2).</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1: за пределами от -90 до 90 градусов.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1: за пределами от -90 до 90 градусов; в расчёте принято 0 градусов.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>Поле «%1» не заполнено: в расчёте используется %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>Поле «%1» не заполнено: в расчётах используется %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1: значение отрицательно, что не имеет физического смысла.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1: за пределами от 0 до 100 процентов; в расчёте принято %2 процентов.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1: слишком большое значение для показа</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>ещё %1</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1: значение должно быть не меньше %2.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1: значение должно быть от -90 до 90 градусов.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1: значение должно быть от 0 до 100 процентов.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1: значение должно быть меньше воздушной скорости (%2).</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1: значение должно быть больше %2.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 с</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>В поле «%1» указано '%2': в расчёте используется %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>В поле «%1» указано '%2': в расчётах используется %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>В поле «%1» вводится число, например %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>от %1 до %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x натяжение по ветру</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x натяжение корд</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>%1: A %2, B %3</source>
      <translation>%1: A %2, B %3</translation>
    </message>
    <message numerus="yes">
      <source>%n airplane</source>
      <translation>
        <numerusform>%n модель</numerusform>
        <numerusform>%n модели</numerusform>
        <numerusform>%n моделей</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n модель</numerusform>
        <numerusform>%n модели</numerusform>
        <numerusform>%n моделей</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n файл</numerusform>
        <numerusform>%n файла</numerusform>
        <numerusform>%n файлов</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n файл</numerusform>
        <numerusform>%n файла</numerusform>
        <numerusform>%n файлов</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n полёт</numerusform>
        <numerusform>%n полёта</numerusform>
        <numerusform>%n полётов</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n полёт</numerusform>
        <numerusform>%n полёта</numerusform>
        <numerusform>%n полётов</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n круг</numerusform>
        <numerusform>%n круга</numerusform>
        <numerusform>%n кругов</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>Засчитан %n круг.</numerusform>
        <numerusform>Засчитано %n круга.</numerusform>
        <numerusform>Засчитано %n кругов.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n круг</numerusform>
        <numerusform>%n круга</numerusform>
        <numerusform>%n кругов</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n круг</numerusform>
        <numerusform>%n круга</numerusform>
        <numerusform>%n кругов</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>Засчитан %n круг.</numerusform>
        <numerusform>Засчитано %n круга.</numerusform>
        <numerusform>Засчитано %n кругов.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s в %s</translation>
    </message>
    <message>
      <source>%s (%s)</source>
      <translation>%s (%s)</translation>
    </message>
    <message>
      <source>%s (%s), %s</source>
      <translation>%s (%s), %s</translation>
    </message>
    <message>
      <source>%s - Trim Log</source>
      <translation>%s — журнал полётов</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>%s копия</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s не является текстом</translation>
    </message>
    <message>
      <source>%s-%s-%s %s:%s</source>
      <translation>%s-%s-%s %s:%s</translation>
    </message>
    <message>
      <source>%s: %s</source>
      <translation>%s: %s</translation>
    </message>
    <message>
      <source>%s: %s is not a text.</source>
      <translation>%s: %s не является текстом.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (см. --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' — недопустимое число с плавающей точкой</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' — недопустимое число с плавающей точкой для '%2': %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' — недопустимое число для поля «%2»</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' — недопустимое целое число</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' — недопустимое целое число для поля «%2»</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' — не id: до 64 букв, цифр, - и _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' вне допустимого диапазона для поля «%2»</translation>
    </message>
    <message>
      <source>'%1' of %2</source>
      <translation>'%1' (%2)</translation>
    </message>
    <message>
      <source>(max-width: 759px)</source>
      <translation>(max-width: 759px)</translation>
    </message>
    <message>
      <source>*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***</source>
      <translation>*** Tethrix — калькулятор регулировки кордовых моделей — расчёты для пилотов от пилотов ***</translation>
    </message>
    <message>
      <source>,
{"name": </source>
      <translation>,
{"name": </translation>
    </message>
    <message>
      <source>, "Error": </source>
      <translation>, "Error": </translation>
    </message>
    <message>
      <source>, "LapSpeed": </source>
      <translation>, "LapSpeed": </translation>
    </message>
    <message>
      <source>, "Warnings": [</source>
      <translation>, "Warnings": [</translation>
    </message>
    <message>
      <source>, "flights": </source>
      <translation>, "flights": </translation>
    </message>
    <message>
      <source>, "id": </source>
      <translation>, "id": </translation>
    </message>
    <message>
      <source>, "lastFlown": </source>
      <translation>, "lastFlown": </translation>
    </message>
    <message>
      <source>, "lt": </source>
      <translation>, "lt": </translation>
    </message>
    <message>
      <source>, "units": </source>
      <translation>, "units": </translation>
    </message>
    <message>
      <source>, change </source>
      <translation>, изменение </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, id </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, последний полёт </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, не летала</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, без изменений</translation>
    </message>
    <message>
      <source>,Lap Speed (</source>
      <translation>,Lap Speed (</translation>
    </message>
    <message>
      <source>,Lap Time (seconds) at the same speed</source>
      <translation>,Lap Time (seconds) at the same speed</translation>
    </message>
    <message>
      <source>,lt (seconds) at the same speed</source>
      <translation>,lt (seconds) at the same speed</translation>
    </message>
    <message>
      <source>--lang takes one of %1, not '%2'</source>
      <translation>--lang принимает один из: %1, а не '%2'</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Укажите вместо названия её id</translation>
    </message>
    <message>
      <source>.charts figure</source>
      <translation>.charts figure</translation>
    </message>
    <message>
      <source>0 0 %s %s</source>
      <translation>0 0 %s %s</translation>
    </message>
    <message>
      <source>A %1</source>
      <translation>A %1</translation>
    </message>
    <message>
      <source>A %1, %2</source>
      <translation>A %1, %2</translation>
    </message>
    <message>
      <source>A %1, no change</source>
      <translation>A %1, без изменений</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>Полёт не удаётся прочитать: %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Ангар вмещает не более %1 моделей</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Ангар вмещает не более %1 полётов</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Измеренное время круга должно быть больше 0 и не больше 3600 секунд</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>Готова новая версия Tethrix.</translation>
    </message>
    <message>
      <source>A number of lines outside 1 to 3 is taken as the nearer of them, as the
window's field does.

Options:
  --json      print one JSON object with every figure at full precision;
              with --sweep, a JSON array of one object per row
  --report F  also write the printed report as the PDF file F
  --units=imperial|metric
              the units of the KEY=VALUE inputs, the sweep range and every
              figure printed (default imperial, whatever the window shows);
              data files and stored conditions are imperial either way, and
              --json keeps its keys and adds "units"
  --no-settings
              use the built-in flying conditions, not the stored ones
  --sweep KEY=FROM:TO:STEP
              print a CSV table: KEY from FROM to TO by STEP (at most 100000
              rows) with every figure and the lap speed at full precision;
              a row that cannot be calculated carries the message instead
  --hold=laptime|speed
              what a sweep of the line length (ll) holds: the lap time (the
              default; the speed rises with the length) or the speed (the lap
              time grows with the flight path; a column "lt (seconds) at the
              same speed" follows ll, and "lt" in --json)
  --compare A.TQD B.TQD
              print both cases and the change from A to B, figure by figure;
              the KEY=VALUE inputs apply to both; with --json one object
              with "A", "B" and "Change", with --csv a table, and
              --report prints B compared with A
  --csv       with --compare: Figure,Unit,A,B,Change rows
  --          every argument after this is a data file
  --help      show this text
  --version   show the version

</source>
      <translation>Число корд вне диапазона от 1 до 3 заменяется ближайшим из них, как это
делает поле в окне.

Параметры:
  --json      вывести один объект JSON со всеми величинами с полной точностью;
              с --sweep — массив JSON, по одному объекту на строку
  --report F  также записать печатный отчёт в PDF-файл F
  --units=imperial|metric
              единицы входных данных KEY=VALUE, диапазона перебора и всех
              выводимых величин (по умолчанию imperial, что бы ни показывало
              окно); файлы данных и сохранённые условия в любом случае
              в имперских единицах, а --json сохраняет свои ключи
              и добавляет "units"
  --no-settings
              использовать встроенные условия полёта, а не сохранённые
  --sweep KEY=FROM:TO:STEP
              вывести таблицу CSV: KEY от FROM до TO с шагом STEP (не более
              100000 строк) со всеми величинами и скоростью на круге
              с полной точностью; в строке, которую нельзя рассчитать,
              вместо них стоит сообщение
  --hold=laptime|speed
              что сохраняет перебор длины корд (ll): время круга
              (по умолчанию; скорость растёт вместе с длиной) или скорость
              (время круга растёт вместе с траекторией полёта; после ll идёт
              столбец "lt (seconds) at the same speed", а в --json — "lt")
  --compare A.TQD B.TQD
              вывести оба варианта и изменение от A к B, величину
              за величиной; входные данные KEY=VALUE применяются к обоим;
              с --json — один объект с "A", "B" и "Change", с --csv —
              таблица, а --report печатает B в сравнении с A
  --csv       с --compare: строки Figure,Unit,A,B,Change
  --          все аргументы после этого — файлы данных
  --help      показать этот текст
  --version   показать версию

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>Разумное значение для поля «%1»: %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A слишком велико для отображения</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A: %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Добавлено: </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>Добавлено %1</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Модель</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Название модели</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Вес модели</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Название модели</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Вес модели</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Модели</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Высотомер</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Установка высотомера</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Высота</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= нельзя задавать вместе с Elevation= и Altimeter=</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>Модель не удаётся прочитать: %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>У модели должно быть название</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Установка высотомера %1 %2 вне диапазона %3–%4 %2 любого реального высотомера.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Таблице интерполяции нужны как минимум две точки.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>апр</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Длина руки</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Длина руки</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Атмосферное давление</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>авг</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Рассчитать</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Отмена</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>Не удаётся открыть файл %1</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>Не удаётся изменить </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>Не удаётся открыть ангар окна: </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>Не удаётся прочитать </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>Не удаётся прочитать ангар </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>Не удаётся записать ангар </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>По оси X</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Сбросить A</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>В сравнении с %1 (значение A, затем отклонение от него)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Расчётные данные</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Исправить</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Дата полёта (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>дек</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>По умолчанию</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Удалить</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>Удалить %s из ангара?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>Удалить полёт модели %s из журнала?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>Удалить и полёты модели %s? OK удаляет их; «Отмена» оставляет их в журнале.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Удалено; сохранён %n полёт</numerusform>
        <numerusform>Удалено; сохранено %n полёта</numerusform>
        <numerusform>Удалено; сохранено %n полётов</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Высота по плотности</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Натяжение по ветру</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Дублировать</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Высота площадки</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Высота площадки, высотомер: </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= и Altimeter= задаются вместе</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Двигатель</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Ввод</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Ошибка</translation>
    </message>
    <message>
      <source>Exit status:
  0  success
  1  the inputs cannot be calculated, or a file cannot be read or written;
     the message on standard error says why, and nothing is printed on
     standard output
  2  a usage error: an unknown key or option, a value that is not a
     number, a missing or repeated option, or options that cannot be
     combined (--sweep with --report or --compare, --hold without --sweep,
     --compare without two files)
</source>
      <translation>Код выхода:
  0  успех
  1  входные данные нельзя рассчитать или файл не удаётся прочитать
     или записать; сообщение в стандартном потоке ошибок объясняет
     причину, а в стандартный вывод ничего не выводится
  2  ошибка вызова: неизвестный ключ или параметр, значение, которое
     не является числом, отсутствующий или повторённый параметр или
     несовместимые параметры (--sweep с --report или --compare, --hold
     без --sweep, --compare без двух файлов)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Экспорт ангара</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Время от времени экспортируйте ангар, чтобы иметь копию.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Экспорт этой модели</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM и TO должны умещаться во входные данные (по модулю не более 3.4E38)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO и STEP должны быть конечными числами</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>Не удалось задать данные для '%1': %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>фев</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Высота площадки</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>Расчёты устарели: нажмите Enter</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>Файлы и печать</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Заполнить барометрическую высоту</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Фикс. проверка на прочность</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Фиксированная нагрузка проверки на прочность вместо кратности (0 — нет)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Радиус полёта</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Полёты</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>Деление на ноль в вычислениях с плавающей точкой</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Переполнение в вычислениях с плавающей точкой</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Полёт (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Полёт (местное время)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>Летаете один? Телефон в кармане или в руке,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Условия полёта (дополнительные данные)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>Условия полёта изменены в другой вкладке: %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>Пт</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>Из %1: %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>Из %1: %2; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Топливо</translation>
    </message>
    <message>
      <source>General</source>
      <translation>Общее</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Путевая скорость</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Угол ручки</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Разнос корд на ручке</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Угол ручки</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Длина ручки и выводов</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Длина ручки и выводов</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Ангар</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Ангар и журнал полётов</translation>
    </message>
    <message>
      <source>Hangar commands (FILE: a hangar file, as the window and the page export it;
without FILE, the window's own hangar):
  --hangar [FILE] [--json]
              list the airplanes: name, id, when last flown (UTC), flights
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [options]
              calculate an airplane (NAME: its name or its id) as its data
              file would be; every option above but --compare works with it
  --hangar [FILE] --add A.TQD ... [--json]
              keep each data file as a new airplane; a file that cannot be
              read adds none of them. FILE is created when not there yet
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              print the trim log, newest first, of every airplane or of
              NAME's: a short table; --csv every column of NAME's log, as
              the window exports it; --json the flights as the hangar file
              holds them (imperial)
  FILE is the argument after --hangar unless it starts with '-'. A NAME that
  matches no airplane, or several, is an error (exit status 1) naming what
  the hangar holds.

</source>
      <translation>Команды ангара (FILE — файл ангара, как его экспортируют окно и страница;
без FILE — собственный ангар окна):
  --hangar [FILE] [--json]
              список моделей: название, id, последний полёт (UTC), полёты
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [параметры]
              рассчитать модель (NAME — её название или id) так же, как
              её файл данных; с ней работают все параметры выше, кроме
              --compare
  --hangar [FILE] --add A.TQD ... [--json]
              сохранить каждый файл данных как новую модель; если какой-то
              файл не читается, не добавляется ни одна. FILE создаётся,
              если его ещё нет
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              вывести журнал полётов, сначала новые, всех моделей или
              модели NAME: краткая таблица; --csv — все столбцы журнала
              NAME, как его экспортирует окно; --json — полёты в том виде,
              в каком их хранит файл ангара (в имперских единицах)
  FILE — аргумент после --hangar, если он не начинается с '-'. Если NAME
  не подходит ни к одной модели или подходит к нескольким, это ошибка
  (код выхода 1), и в сообщении перечислено, что есть в ангаре.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Сохранять время круга</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Подержите телефон неподвижно секунду.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Сохранять скорость</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Влажность</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>ID</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Имперские</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Длина внутренней консоли</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Длина внутренней консоли</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Входные данные </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Входные данные</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>Абсциссы таблицы интерполяции должны строго возрастать.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Недопустимый тип данных для '%1': %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Недопустимая операция с плавающей точкой</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Недопустимое значение для '%1': '%2' — не Imperial и не Metric; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Недопустимое значение для '%1': '%2' — не язык Tethrix; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>В расчёте принято %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Похоже на %1; это поле принимает %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>янв</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>июл</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>июн</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Запомнить как A</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Сохранить как новую модель</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Сохранить изменения</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Сохранить исправление</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Сохранено на этом устройстве до следующего посещения.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Язык</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Круг %1: %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Круг %1: %2 (двойное касание, не учтён)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Круг %1: %2 (нерегулярный, не учтён)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Круг %1: %2 (пропущено касание, не учтён)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Скорость на круге</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Скорость на круге = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Скорость на круге = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Скорость на круге: A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Время круга</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Время круга (с)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Измеренное время круга</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Измеренное время круга (с)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Секундомер кругов</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Время круга</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Время круга и натяжение корд — по оси X: %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Последний полёт %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Последний полёт (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Последний круг: %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Вынос выводов</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Вынос выводов за ЦТ</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Наклон выводов</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Диаметр корд</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Сопротивление корд</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Площадь сопротивления корд</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Длина корд</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Длина корд (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Длина корд (от петли до петли)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Мощность на корды</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Проекция корд</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>Re корд у законцовки</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Натяжение корд</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Вес корд</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Диаметр корд</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>График по длине корд</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Длина корд, от петли до петли</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Натяжение корд, вынос выводов, проекция корд и наклон выводов вокруг текущего варианта, каждая величина в своём масштабе.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Загрузка</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Загрузка калькулятора…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Записать полёт</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Записать полёт (модель сохраняется)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Записывайте полёты с измеренным временем круга, чтобы видеть их здесь.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Записать этот полёт</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Записан полёт со временем круга %s с.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>мар</translation>
    </message>
    <message>
      <source>May</source>
      <translation>мая</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Среднее за последние %1: %2, разброс %3 с.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Метрические</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>Пн</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Датчиков движения нет или доступ к ним запрещён: отмечайте касанием каждый пролёт.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Название</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Название копии %s:</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Игла или таймер</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Новое название для %s:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>Не открыта ни одна модель из ангара.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Ни один график не перебирает '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>Нет величины '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>Нечего рисовать: </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Записанных полётов пока нет.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>Записанных полётов нет.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>Не установлен ни один шрифт, которым можно нарисовать отчёт</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Ещё не летала</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Заметки</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Заметки о модели (двигатель, винт, что угодно)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Заметки о полёте</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Ничего не изменилось: всё из %1 уже есть в ангаре.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>На этом устройстве ничего не будет сохранено: </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>ноя</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Число корд</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Число корд (от 1 до 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>окт</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Открыть</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>Открыть A…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Открыто: </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Давление</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Барометрическая высота</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Нажмите &lt;Enter&gt; в любом поле для пересчёта</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Барометрическая высота</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Барометрическая высота по площадке:</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Печать</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Печать журнала</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Напечатано: %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Винт</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Проверка на прочность</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Нагрузка проверки на прочность</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>Драйвер SQLite для Qt не установлен (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Относительная влажность</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Относительная влажность</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Перезагрузить</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Переименовать</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>Заменить </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Отчёт</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Результаты</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>Сб</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Сохранить</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>сен</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Показать её журнал</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Начать заново</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Остановлено после {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Сохранённые условия не используются: %s Вместо них действуют встроенные </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>Вс</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 — не язык tethrix-calc (%2): используется английский</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Нажмите «Рассчитать» для пересчёта</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Касание на каждом пролёте</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Коснитесь один раз на старте, затем на каждом пролёте.</translation>
    </message>
    <message>
      <source>Temp</source>
      <translation>Темп.</translation>
    </message>
    <message>
      <source>Temperature</source>
      <translation>Температура</translation>
    </message>
    <message>
      <source>Temprature</source>
      <translation>Температура</translation>
    </message>
    <message>
      <source>Tethrix</source>
      <translation>Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Data File</source>
      <translation>Файл данных Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Задание печати Tethrix</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>Поле «%1» не может содержать управляющие символы, кроме переводов строки и табуляций</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>Поле «%1» не может содержать переводы строки, табуляции и другие управляющие символы</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1: значение бесконечно</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>Поле «%1» длиннее %2 символов</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>Нет значения: %1</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1: значение не является числом</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>Поле «%1» — недопустимый текст UTF-8</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>Время (%1) '%2' — не время UTC вида 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>Проверка на прочность (%1) не превышает величину «%2» (%3): она не подтверждает прочность корд и ручки для этого полёта.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>Воздух слишком горячий и влажный: давление водяного пара достигает давления воздуха.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>Воздух слишком разрежен на этой барометрической высоте: давление водяного пара достигает давления воздуха.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>Модели больше нет в ангаре</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>Модели этого полёта нет в ангаре</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>Воздушная скорость на этих кордах вне диапазона %1–%2 mph, допустимого для расчёта корд: расчёт ведётся при %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>Установка высотомера должна быть больше 0.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>Браузер не обещал сохранить ангар: он может очистить его, когда не хватит места. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>Браузер обещал сохранить ангар на этом устройстве.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>Не удалось загрузить калькулятор:</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>Вариант, сохранённый с прошлого посещения, нельзя использовать (%s): </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>Изменение не сохранено: не удалось создать папку %1 (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>Изменение не сохранено: не удалось записать ангар %1 (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>Высота площадки выходит за пределы атмосферы, которую может моделировать программа.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>Расчёты соответствуют показанным входным данным.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>Полёта больше нет в журнале</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>Радиус полёта нулевой или отрицательный: длина руки слишком велика для этой длины корд при таком угле ручки.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>Полёт не записан: %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>Полёт не записан: в журнале исправляется полёт.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>Не удаётся прочитать ангар %1 (%2): Tethrix работает без ангара.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Не удаётся прочитать ангар %1 (%2): он оставлен как есть, а Tethrix работает без ангара.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Не удаётся прочитать ангар %1 (это не ангар Tethrix): он оставлен как есть, а Tethrix работает без ангара.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>Не удаётся записать ангар %1 (%2): он показан только для чтения.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>Ангар %1 содержит то, что эта версия Tethrix не может прочитать (%2): он показан только для чтения и оставлен как есть.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>Ангар %1 не был обновлён для этой версии Tethrix, поэтому изменение не сохранено: не удалось создать его резервную копию %2 (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>Ангар %1 записан более новой версией Tethrix (версия базы данных %2; эта знает до %3): он показан только для чтения и оставлен как есть.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>Ангар нельзя хранить в %1 (%2): модели и полёты не будут сохраняться.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>Ангар нельзя хранить: система не указывает папку для данных пользователя.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>Не удаётся прочитать ангар: %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>Не удалось загрузить ангар: %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>Ангар слишком велик для одного файла размером не более 16 MiB: экспортируйте его модели по отдельности</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>Ангар на этом устройстве содержит записи, которые эта страница не может прочитать, поэтому она ничего в нём </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>Не удалось загрузить секундомер кругов: %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>Последнее изменение не сохранено: %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>Последнее изменение не сохранено: другие вкладки продолжали менять ангар.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>Датчики движения остановились%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>Страница остаётся на английском: %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>Телефон сдвинулся: для старта подержите его неподвижно секунду.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>Барометрическая высота выходит за пределы атмосферы, которую может моделировать программа.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>Принтер не смог завершить документ</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>Принтер не смог начать документ</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>Не удаётся прочитать файл настроек %1 (%2): он оставлен как есть; используются встроенные условия и единицы, и ничего не сохраняется, пока его не исправят или не удалят</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>Не удаётся прочитать файл настроек %1: сохранённые в нём значения не используются</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>Старт, сохранённый на этом устройстве, принадлежит не этой странице (%s): он отброшен.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>Сохранённое '%1' длиннее %2 символов: %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>Сохранённое значение '%1' отсутствует: %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>Не удаётся прочитать сохранённые настройки (%1): используются значения по умолчанию</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>Температура на уровне абсолютного нуля или ниже (-459.67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>Секундомер остановился, когда экран заблокировался или страница была скрыта, после {laps}.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>Скорость ветра равна воздушной скорости.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Полёт с id %1 уже есть</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Модель с id %1 уже есть</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>Это не файл ангара, который Tethrix может прочитать: %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>Чт</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Счётчик моих кругов</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Идёт отсчёт кругов. Для остановки удерживайте здесь 1.5 с.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Отсчёт: пройдено оборотов — %1. Первый круг не учитывается.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Отсчёт: касание на каждом пролёте.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Груз на законцовке</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Графики регулировки</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Калькулятор регулировки кордовых моделей самолётов</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Параметры настройки в зависимости от %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Параметры регулировки по оси X: время круга (с)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Журнал полётов</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Журнал полётов: </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Повторить</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>Вт</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>У двух моделей одинаковый id</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>У двух полётов одинаковый id</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Единицы</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Неизвестный параметр '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>Обновлено %1</translation>
    </message>
    <message>
      <source>Usage: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                   [--report FILE.pdf]
       tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                    [FILE.TQD] [KEY=VALUE ...]
       tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Computes the trim figures of a control-line airplane. The flying conditions
are the ones the window keeps (Advanced &gt; Data Entry), unless --no-settings;
a data file is applied next, as the window's File &gt; Open does, then the
KEY=VALUE inputs. tethrix-calc never changes the stored settings.
A file whose name contains '=' can be given after '--'.

Keys (any letter case; numbers with '.' as decimal point; metric units
in brackets, for --units=metric):
</source>
      <translation>Вызов: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                   [--report FILE.pdf]
       tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                    [FILE.TQD] [KEY=VALUE ...]
       tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Рассчитывает параметры регулировки кордовой модели самолёта. Условия полёта
берутся те, что хранит окно (Дополнительно &gt; Ввод данных), если не задан
--no-settings; затем применяется файл данных, как при «Файл &gt; Открыть»
в окне, и после него входные данные KEY=VALUE. tethrix-calc никогда
не меняет сохранённые настройки.
Файл, в имени которого есть '=', можно указать после '--'.

Ключи (регистр букв любой; в числах десятичная точка '.'; метрические
единицы в скобках, для --units=metric):
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Взять как время круга</translation>
    </message>
    <message>
      <source>VACUUM INTO ?</source>
      <translation>VACUUM INTO ?</translation>
    </message>
    <message>
      <source>Wed</source>
      <translation>Ср</translation>
    </message>
    <message>
      <source>Weight</source>
      <translation>Вес</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>Что если...</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Скорость ветра</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Скорость ветра</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Площадь крыла</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Нагрузка на крыло</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Площадь крыла</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>имя PDF-файла</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>неверная escape-последовательность \u в тексте</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>неэкранированный управляющий символ в тексте</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>ключ (%1)</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>одиночный суррогат в тексте</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>запись хранится под чужим id</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>запись слишком длинная</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>после ключа</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>модель %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>название модели</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>неизвестная escape-последовательность в тексте</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>другая вкладка Tethrix держит открытой его более старую версию</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>в конце (%1)</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>в конце </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>при той же скорости</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>унция avoirdupois: 1/16 международного фунта, ровно 453.59237 г (то же соглашение)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>не удаётся получить id модели из /dev/urandom: </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>не удаётся записать вывод</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>считает ваши круги, пока вы в центре: подержите телефон неподвижно секунду, затем летайте. Для остановки удерживайте экран 1.5 с.</translation>
    </message>
    <message>
      <source>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</source>
      <translation>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</translation>
    </message>
    <message>
      <source>deg.</source>
      <translation>град.</translation>
    </message>
    <message>
      <source>deg. F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>degrees</source>
      <translation>град.</translation>
    </message>
    <message>
      <source>degrees F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>every flying condition is stored</source>
      <translation>сохранены все условия полёта</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>ожидалось '%1' %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>ожидалось число: %1</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>ожидался текст: %1</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>сверка ошибок вычислений: проверки нашли %u, процессор %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>фут.</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>полёт %1</translation>
    </message>
    <message>
      <source>for %1</source>
      <translation>(%1)</translation>
    </message>
    <message>
      <source>for the </source>
      <translation>для </translation>
    </message>
    <message>
      <source>for them; what is stored is kept until a flying condition is changed.</source>
      <translation>значения; сохранённое остаётся, пока не изменится какое-либо условие полёта.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>разнос корд на ручке</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>imperial или metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>показаны имперские единицы</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>дюйм.</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>дюйм ртутного столба, как в установках высотомера: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</translation>
    </message>
    <message>
      <source>inches</source>
      <translation>дюйм.</translation>
    </message>
    <message>
      <source>input, select</source>
      <translation>input, select</translation>
    </message>
    <message>
      <source>international foot: 0.3048 m exactly (the same agreement)</source>
      <translation>международный фут: ровно 0.3048 м (то же соглашение)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>международный дюйм: ровно 25.4 мм (международное соглашение о ярде и фунте, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>международная миля: 5280 футов по 0.3048 м, ровно 1.609344 км</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>международный фунт: ровно 0.45359237 кг (соглашение 1959 года)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>он изменился во время работы команды: ничего не записано, повторите попытку</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>он не загрузился</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>он содержит сериализованное значение, которое Tethrix никогда не записывает</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>в нём больше моделей или полётов, чем допускает ангар</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>в нём больше 1,000,000 полётов</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>в нём больше 10,000 моделей</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>в нём нет настроек, которые хранит Tethrix, только %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>в нём нет настроек, которые хранит Tethrix, только %1 и другие</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>в нём нет настроек, только другой текст</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>в нём нет ни одного ключа файла данных (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>это устройство, а не обычный файл</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>это папка, а не файл</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>это файл ангара версии %1 от более новой версии Tethrix; эта читает версию %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>это канал (pipe), а не обычный файл</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>он повреждён: </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>он больше %1 байт</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>он больше 1 MiB — слишком велик для файла данных Tethrix</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>он больше 16 MiB</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>это не ангар Tethrix</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>это не файл</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>это не обычный файл</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>это не корректный текст UTF-8</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>он записан в UTF-16 или содержит байты NUL; Tethrix читает текст UTF-8</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>он записан более новой версией Tethrix</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>его формат не "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>его версия не является версией файла ангара</translation>
    </message>
    <message>
      <source>light dark</source>
      <translation>light dark</translation>
    </message>
    <message>
      <source>marker </source>
      <translation>marker </translation>
    </message>
    <message>
      <source>mi/ph</source>
      <translation>mi/ph</translation>
    </message>
    <message>
      <source>mph</source>
      <translation>mph</translation>
    </message>
    <message>
      <source>needle or timer setting</source>
      <translation>настройка иглы или таймера</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>нет гироскопа</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>нет модели с названием </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>не указано имя файла</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>нет текстов</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>не меняет: %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>сохранять скорость может только перебор длины корд (ll)</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>унция на квадратный фут: 28.349523125 г на 9.290304 dm² (0.3048 м в квадрате), оба значения точные</translation>
    </message>
    <message>
      <source>ounces</source>
      <translation>унц.</translation>
    </message>
    <message>
      <source>percent</source>
      <translation>%</translation>
    </message>
    <message>
      <source>pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly</source>
      <translation>фунт-сила: 0.45359237 кг при стандартном ускорении свободного падения 9.80665 м/с² (3-я ГКМВ, 1901), ровно 4.4482216152605 Н</translation>
    </message>
    <message>
      <source>pounds</source>
      <translation>фунт.</translation>
    </message>
    <message>
      <source>rotate(-90 %s %s)</source>
      <translation>rotate(-90 %s %s)</translation>
    </message>
    <message>
      <source>s airplane in the fields, or </source>
      <translation>s airplane in the fields, or </translation>
    </message>
    <message>
      <source>scale </source>
      <translation>масштаб </translation>
    </message>
    <message>
      <source>scale far left</source>
      <translation>шкала крайняя слева</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>шкала крайняя справа</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>шкала слева</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>шкала справа</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>с</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>%1: после конца есть что-то ещё</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>что-то следует после конца ангара</translation>
    </message>
    <message>
      <source>speed or laptime</source>
      <translation>speed или laptime</translation>
    </message>
    <message>
      <source>sq/inches</source>
      <translation>sq/inches</translation>
    </message>
    <message>
      <source>square inch: 0.254 dm squared, 0.064516 dm² exactly</source>
      <translation>квадратный дюйм: 0.254 дм в квадрате, ровно 0.064516 dm²</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>квадратный дюйм: 2.54 см в квадрате, ровно 6.4516 cm²</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>кв. дюймы</translation>
    </message>
    <message>
      <source>tethrix-calc </source>
      <translation>tethrix-calc </translation>
    </message>
    <message>
      <source>tethrix-calc: </source>
      <translation>tethrix-calc: </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot Open File </source>
      <translation>tethrix-calc: Не удаётся открыть файл </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc: Не удаётся записать отчёт </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc: ничего не добавлено
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc: сохранённые условия полёта: </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc: непредвиденная ошибка
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc: предупреждение: </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc: предупреждение: Altimeter: </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix: </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1: не текст UTF-8 размером не более 16 MiB</translation>
    </message>
    <message>
      <source>the %1 of %2</source>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>the airplane of %1</source>
      <translation>модель (%1)</translation>
    </message>
    <message>
      <source>the airplanes were added, but </source>
      <translation>модели добавлены, но </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>браузер его не сохранил</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>браузер отказался его открыть</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>вместо него используется встроенная модель.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>время изменения (%1)</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>условия (%1)</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>время создания (%1)</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>файл данных должен идти перед входными данными KEY=VALUE</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>дата</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>используется значение по умолчанию: %1</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>высота по плотности</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>запись отброшена</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>расчёты (%1)</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>файл</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>файл не начинается с "format" и "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>файл обрывается слишком рано</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>время полёта (%1)</translation>
    </message>
    <message>
      <source>the format</source>
      <translation>формат</translation>
    </message>
    <message>
      <source>the id of %1</source>
      <translation>id (%1)</translation>
    </message>
    <message>
      <source>the inputs of %1</source>
      <translation>входные данные (%1)</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>ключ '%1' (%2) встречается дважды</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>ключ '%1' (%2) неизвестен этой версии</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>время круга (%1)</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>в модуле %1 нет %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>не удалось загрузить модуль</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>заметки (%1)</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>число %1 вне допустимого диапазона (%2)</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>число корд принимает целые значения от 1 до 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>число корд меняется только целыми шагами</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>модуль программы %1 отсутствует</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>одна и та же единица в обеих системах</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>не удалось подготовить настройки</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>не удалось полностью записать настройки</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>не удаётся прочитать файл настроек (%1), он оставлен как есть</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>хранилище этой страницы на устройстве заполнено</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>перебор </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>диапазон перебора пуст или содержит больше </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>диапазон перебора должен иметь вид FROM:TO:STEP</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>используется язык системы</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>версия</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>ангар окна</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>ангар окна </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>ангар окна недоступен в этой сборке: укажите файл ангара после --hangar</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>их не удаётся прочитать (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>их не удаётся прочитать (нет набора текстов по ключам).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>в них нет ни одного условия полёта.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>эта модель</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>кратно весу</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>груз на законцовке</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>неизвестная ошибка</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>неизвестный ключ '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>неизвестный параметр '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>обновлено %1</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>при неизменном времени круга</translation>
    </message>
    <message>
      <source>x weight</source>
      <translation>x вес</translation>
    </message>
    <message>
      <source>}, "B": {"Name": </source>
      <translation>}, "B": {"Name": </translation>
    </message>
    <message>
      <source>}, "Change": {</source>
      <translation>}, "Change": {</translation>
    </message>
    <message>
      <source>}, "Differences": [</source>
      <translation>}, "Differences": [</translation>
    </message>
    <message>
      <source>°C = (°F - 32) / 1.8 exactly, as the Fahrenheit scale is defined</source>
      <translation>°C = (°F - 32) / 1.8 ровно, по определению шкалы Фаренгейта</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 при той же скорости</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>Не учтено точек: %1 из %2: %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 при неизменном времени круга</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Текущий вариант</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>Экспорт &amp;CSV...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>Экспорт &amp;PNG...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Сохранять время круга</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Сохранять скорость</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Время круга</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Длина корд</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Наведите на кривую, чтобы увидеть её значения.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>Не удалось нарисовать график: %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>Не удалось превратить график в изображение PNG</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Графики регулировки</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Параметры регулировки по оси X: %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>график</translation>
    </message>
    <message>
      <source>table</source>
      <translation>таблицу</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (удалена)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%1 из %2, сначала новые.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1: время круга и натяжение корд</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Исправить...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Удалить...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Печать...</translation>
    </message>
    <message>
      <source>Airplane:</source>
      <translation>Модель:</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Отмена</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>Не удаётся сохранить журнал полётов как %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>Не удаётся записать журнал полётов %1: %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>По оси X:</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Закрыть</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Исправить полёт модели %1</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Полёт модели %1 от %2 исправлен.</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Дата полёта</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Удалить</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>Удалить %1 из журнала полётов?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Удалить полёт</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Удалено: %1.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>Экспорт C&amp;SV...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Журнал полётов модели %1 экспортирован в %2.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Полёт (местное время)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Местное время</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>У модели %1 ещё нет записанных полётов.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Пока нет полётов для графика.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Печать недоступна: %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>График нельзя показать: %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>Исправление</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>Удаление</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>В ангаре пока нет моделей.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Журнал полётов</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Журнал полётов: %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>дата</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>высота по плотности</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>полёт модели %1 от %2</translation>
    </message>
  </context>
</TS>
