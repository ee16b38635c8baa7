<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>Ска&amp;сувати</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>&amp;Типові</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>За&amp;повнити</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Зберегти</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Додаткові дані</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Установка висотоміра</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Інше вікно Tethrix зберегло %1 після того, як це вікно прочитало налаштування: ці значення збережено, і вони діють і тут.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Висота майданчика</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Заповнити барометричну висоту за висотою майданчика й установкою висотоміра</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Натисніть &lt;F1&gt;, щоб відкрити довідку</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Барометрична висота за майданчиком:</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 за розрахунком: %2</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Engine:</source>
      <translation>Двигун:</translation>
    </message>
    <message>
      <source>Flown (local time):</source>
      <translation>Політ (місцевий час):</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Паливо:</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Рознесення корд на ручці:</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Виміряний час кола (с):</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Голка або таймер:</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Нотатки:</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Гвинт:</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>Виміряний час кола має бути числом секунд або порожнім</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Вантаж на законцівці:</translation>
    </message>
    <message>
      <source>none</source>
      <translation>немає</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>%1 не можна експортувати: %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>%1 копія</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>%1 не вдалося додати:</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>У %1 немає файлів даних .TQD.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>%1: не збережено</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>В&amp;идалити...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Імпорт...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>Зберегти як &amp;нову</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Записати політ...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Відкрити</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>Пере&amp;йменувати...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Журнал польотів...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>Додати &amp;теку...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Додати теку</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Додати й оновити моделі та польоти з файлу ангара</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Додати всі файли даних .TQD з теки</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>%1 додано з %2.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Модель</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Скасувати</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>Не вдається імпортувати %1: %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>Не вдається зберегти файл ангара %1: %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Закрити</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>&amp;Дублювати...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Видалити</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>Видалити %1 з ангара?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>Видалити %1 з ангара? Її %2 залишаться в журналі польотів, якщо не видалити їх разом з нею.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Видалити модель</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Видалити разом з польотами</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Видалити, залишити журнал</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>Видалено %1 та її %2.</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Видалено: %1.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Дублювати модель</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>&amp;Експорт ангара...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>Експорт &amp;моделі...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>%1 та її журнал експортовано до %2.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Ангар експортовано до %1.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Польоти</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Ангар</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>Зберегти &amp;поверх</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Зберегти варіант вікна поверх відкритої в ньому моделі</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Зберегти варіант вікна разом із введеними нотатками як нову модель</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>%1 збережено як нову модель, її політ записано.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>%1 збережено як нову модель.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Копію %1 збережено як %2.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Варіант вікна збережено поверх %1.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Останній політ</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Записати політ моделі %1</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Записати політ за варіантом вікна</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Політ моделі %1 записано.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Назва копії %1:</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Нова назва для %1:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>У вікні не відкрито жодної моделі з ангара.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>У вікні не відкрито жодної моделі з ангара: збережіть варіант як новий.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>Політ не можна записати: %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Нотатки (двигун, гвинт, будь-що):</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Відкрито у вікні: %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Відкрити вибрану модель у полях вікна</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>Відкрито: %1.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Перейменувати модель</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>%1 перейменовано на %2.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>Моделі з %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>Копія</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>Видалення %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>Політ</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>Ангар не можна експортувати: %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>Імпорт %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>Нова назва</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>Вибрана модель разом з її журналом</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>Сторінок не знайдено</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Пошук у довідці</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Пошук:</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Довідка Tethrix</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Секундомір кіл</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Почати знову</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Дотик на кожному прольоті (пробіл)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Узяти як час кола</translation>
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
      <translation>%1 не можна порівняти: %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>&amp;Про програму...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>&amp;Додатково</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Зміст</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>&amp;Введення даних</translation>
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
      <translation>До&amp;відка</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Імперські</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>&amp;Секундомір кіл...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>&amp;Записати політ...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Метричні</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Відкрити...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>Дру&amp;к...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Зберегти</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>&amp;Графіки регулювання...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Журнал польотів...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Одиниці</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Додаткові дані</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>Не вдається зберегти файл %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>Не вдається записати звіт %1: %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Скинути A</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Розрахункові дані</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Умови...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>Ви&amp;хід</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>Файл не знайдено</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Умови польоту: %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>&amp;Ангар</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Вхідні дані</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Запам'ятати як A</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Мова</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Мова</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>Швидкість на колі — по всьому колу руки, ручки, корд і внутрішньої консолі; шляхова швидкість — по колу через ручку.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Час кола</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Довжина корд</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>Відкрити A...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Натисніть &lt;Enter&gt; у будь-якому полі, щоб перерахувати</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Друк недоступний: %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>З наступного запуску Tethrix використовуватиме мову: %1.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>Системна</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>Графіки регулювання не відкриваються: %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Ці вхідні дані не можна запам'ятати як A: %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>А що як...</translation>
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
      <translation>Не вдається зберегти %1 як %2: %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Ті самі вхідні дані й умови польоту, що й у A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc: нічого не додано
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
      <translation>  --lang CODE мова --help і повідомлень у стандартному потоці помилок,
              одна з: %1
              (TETHRIX_LANG=CODE діє так само); стандартний вивід однаковий
              усіма мовами
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   висота майданчика, фути [m], разом з
  Altimeter   установкою висотоміра на ньому, inHg [hPa]: барометрична
              висота замість Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (з --no-settings використовуються вбудовані)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (типово </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Тут числа вводять з десятковою комою (',').</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Тут числа вводять з десятковою крапкою ('.').</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> %</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> моделей відповідають </translation>
    </message>
    <message>
      <source> and </source>
      <translation> і </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> не може працювати: </translation>
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
      <translation> не поєднується з --add (див. --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> не поєднується зі списком моделей --hangar (див. --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> не поєднується з --log (див. --help)</translation>
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
      <translation> містить </translation>
    </message>
    <message>
      <source> holds no airplanes</source>
      <translation> не містить моделей</translation>
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
      <translation> не є файлом збірки </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> завелике для показу</translation>
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
      <translation> потребує </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> або має такий id: </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> інших назв (--hangar без аргументів показує їх список)</translation>
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
      <translation> рядків (STEP має бути ненульовим і вести від FROM до TO)</translation>
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
      <translation> вбудованою моделлю? Її дані буде втрачено, якщо їх не зберегти.</translation>
    </message>
    <message>
      <source> x weight</source>
      <translation> x вага</translation>
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
      <translation>%1 (на байті %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Ці умови польоту не збережено.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 і %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 дає повітряну швидкість поза діапазоном %2–%3 mph, допустимим для розрахунку корд: розрахунок ведеться при %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1: немає '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1: %2 — за межами того, що трапляється на практиці.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1: %2 — поза діапазоном %3, допустимим для розрахунку корд, ручки й виводів.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1: %2 — поза діапазоном %3, допустимим для розрахунку корд.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1: %2 — таке значення не має фізичного змісту.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1: не менше за повітряну швидкість (%2).</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1: за межами від -90 до 90 градусів.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1: за межами від -90 до 90 градусів; у розрахунку взято 0 градусів.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>Поле «%1» не заповнене: у розрахунку використовується %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>Поле «%1» не заповнене: у розрахунках використовується %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1: значення від'ємне, що не має фізичного змісту.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1: за межами від 0 до 100 відсотків; у розрахунку взято %2 відсотків.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1: завелике значення для показу</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>ще %1</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1: значення має бути не меншим за %2.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1: значення має бути від -90 до 90 градусів.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1: значення має бути від 0 до 100 відсотків.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1: значення має бути меншим за повітряну швидкість (%2).</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1: значення має бути більшим за %2.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 с</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>У полі «%1» вказано '%2': у розрахунку використовується %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>У полі «%1» вказано '%2': у розрахунках використовується %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>У поле «%1» вводиться число, наприклад %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>від %1 до %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x натяг за вітром</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x натяг корд</translation>
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
        <numerusform>%n моделі</numerusform>
        <numerusform>%n моделей</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n модель</numerusform>
        <numerusform>%n моделі</numerusform>
        <numerusform>%n моделей</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n файл</numerusform>
        <numerusform>%n файли</numerusform>
        <numerusform>%n файлів</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n файл</numerusform>
        <numerusform>%n файли</numerusform>
        <numerusform>%n файлів</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n політ</numerusform>
        <numerusform>%n польоти</numerusform>
        <numerusform>%n польотів</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n політ</numerusform>
        <numerusform>%n польоти</numerusform>
        <numerusform>%n польотів</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n коло</numerusform>
        <numerusform>%n кола</numerusform>
        <numerusform>%n кіл</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>Зараховано %n коло.</numerusform>
        <numerusform>Зараховано %n кола.</numerusform>
        <numerusform>Зараховано %n кіл.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n коло</numerusform>
        <numerusform>%n кола</numerusform>
        <numerusform>%n кіл</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n коло</numerusform>
        <numerusform>%n кола</numerusform>
        <numerusform>%n кіл</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>Зараховано %n коло.</numerusform>
        <numerusform>Зараховано %n кола.</numerusform>
        <numerusform>Зараховано %n кіл.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s о %s</translation>
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
      <translation>%s — журнал польотів</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>%s копія</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s не є текстом</translation>
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
      <translation>%s: %s не є текстом.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (див. --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' — неприпустиме число з рухомою комою</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' — неприпустиме число з рухомою комою для '%2': %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' — неприпустиме число для поля «%2»</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' — неприпустиме ціле число</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' — неприпустиме ціле число для поля «%2»</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' — не id: до 64 літер, цифр, - і _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' поза допустимим діапазоном для поля «%2»</translation>
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
      <translation>*** Tethrix — калькулятор регулювання кордових моделей — розрахунки для пілотів від пілотів ***</translation>
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
      <translation>, зміна </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, id </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, останній політ </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, ще не літала</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, без змін</translation>
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
      <translation>--lang приймає одну з: %1, а не '%2'</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Вкажіть замість назви її id</translation>
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
      <translation>A %1, без змін</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>Не вдається прочитати політ: %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Ангар вміщує не більше %1 моделей</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Ангар вміщує не більше %1 польотів</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Виміряний час кола має бути більшим за 0 і не більшим за 3600 секунд</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>Нова версія Tethrix готова.</translation>
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
      <translation>Кількість корд поза діапазоном від 1 до 3 замінюється найближчою з них,
як це робить поле у вікні.

Параметри:
  --json      вивести один об'єкт JSON з усіма величинами з повною точністю;
              з --sweep — масив JSON, по одному об'єкту на рядок
  --report F  також записати друкований звіт у PDF-файл F
  --units=imperial|metric
              одиниці вхідних даних KEY=VALUE, діапазону перебору й усіх
              виведених величин (типово imperial, хоч би що показувало
              вікно); файли даних і збережені умови в будь-якому разі
              в імперських одиницях, а --json зберігає свої ключі
              і додає "units"
  --no-settings
              використати вбудовані умови польоту, а не збережені
  --sweep KEY=FROM:TO:STEP
              вивести таблицю CSV: KEY від FROM до TO з кроком STEP
              (щонайбільше 100000 рядків) з усіма величинами й швидкістю
              на колі з повною точністю; у рядку, який не можна
              розрахувати, замість них стоїть повідомлення
  --hold=laptime|speed
              що зберігає перебір довжини корд (ll): час кола (типово;
              швидкість зростає разом з довжиною) або швидкість (час кола
              зростає разом з траєкторією польоту; після ll іде стовпець
              "lt (seconds) at the same speed", а в --json — "lt")
  --compare A.TQD B.TQD
              вивести обидва варіанти й зміну від A до B, величину
              за величиною; вхідні дані KEY=VALUE застосовуються до обох;
              з --json — один об'єкт з "A", "B" і "Change", з --csv —
              таблиця, а --report друкує B у порівнянні з A
  --csv       з --compare: рядки Figure,Unit,A,B,Change
  --          усі аргументи після цього — файли даних
  --help      показати цей текст
  --version   показати версію

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>Розумне значення для поля «%1»: %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A завелике для показу</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A: %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Додано: </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>Додано %1</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Модель</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Назва моделі</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Вага моделі</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Назва моделі</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Вага моделі</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Моделі</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Висотомір</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Установка висотоміра</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Висота</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= не можна задавати разом з Elevation= і Altimeter=</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>Не вдається прочитати модель: %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>Моделі потрібна назва</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Установка висотоміра %1 %2 поза діапазоном %3–%4 %2 будь-якого реального висотоміра.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Таблиці інтерполяції потрібні щонайменше дві точки.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>квіт</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Довжина руки</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Довжина руки</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Атмосферний тиск</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>серп</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Обчислити</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Скасувати</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>Не вдається відкрити файл %1</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>Не вдається змінити </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>Не вдається відкрити ангар вікна: </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>Не вдається прочитати </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>Не вдається прочитати ангар </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>Не вдається записати ангар </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>За віссю X</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Перевірте з'єднання та спробуйте ще раз.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Скинути A</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>Порівняно з %1 (значення A, потім відхилення від нього)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Розрахункові дані</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Виправити</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Дата польоту (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>груд</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>Типові</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Видалити</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>Видалити %s з ангара?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>Видалити політ моделі %s з журналу?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>Видалити й польоти моделі %s? OK видаляє їх; «Скасувати» залишає їх у журналі.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Видалено; збережено %n політ</numerusform>
        <numerusform>Видалено; збережено %n польоти</numerusform>
        <numerusform>Видалено; збережено %n польотів</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Висота за густиною</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Натяг за вітром</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Дублювати</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Висота майданчика</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Висота майданчика, висотомір: </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= і Altimeter= задають разом</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Двигун</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Введення</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Помилка</translation>
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
      <translation>Код виходу:
  0  успіх
  1  вхідні дані не можна розрахувати або файл не вдається прочитати
     чи записати; повідомлення в стандартному потоці помилок пояснює
     причину, а в стандартний вивід нічого не виводиться
  2  помилка виклику: невідомий ключ або параметр, значення, яке
     не є числом, відсутній або повторений параметр чи несумісні
     параметри (--sweep з --report або --compare, --hold без --sweep,
     --compare без двох файлів)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Експорт ангара</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Час від часу експортуйте ангар, щоб мати копію.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Експорт цієї моделі</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM і TO мають уміщатися у вхідні дані (за модулем щонайбільше 3.4E38)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO і STEP мають бути скінченними числами</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>Не вдалося задати дані для '%1': %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>лют</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Висота майданчика</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>Розрахунки застаріли: натисніть Enter</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>Файли й друк</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Заповнити барометричну висоту</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Фікс. перевірка на міцність</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Фіксоване навантаження перевірки на міцність замість кратності (0 — немає)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Радіус польоту</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Польоти</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>Ділення на нуль в обчисленнях з рухомою комою</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Переповнення в обчисленнях з рухомою комою</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Політ (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Політ (місцевий час)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>Літаєте самі? Телефон у кишені або в руці,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Умови польоту (додаткові дані)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>Умови польоту змінено в іншій вкладці: %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>Пт</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>З %1: %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>З %1: %2; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Паливо</translation>
    </message>
    <message>
      <source>General</source>
      <translation>Загальне</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Шляхова швидкість</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Кут ручки</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Рознесення корд на ручці</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Кут ручки</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Довжина ручки й виводів</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Довжина ручки й виводів</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Ангар</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Ангар і журнал польотів</translation>
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
      <translation>Команди ангара (FILE — файл ангара, як його експортують вікно й сторінка;
без FILE — власний ангар вікна):
  --hangar [FILE] [--json]
              список моделей: назва, id, останній політ (UTC), польоти
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [параметри]
              розрахувати модель (NAME — її назва або id) так само, як
              її файл даних; з нею працюють усі параметри вище, крім
              --compare
  --hangar [FILE] --add A.TQD ... [--json]
              зберегти кожен файл даних як нову модель; якщо якийсь файл
              не читається, не додається жодна. FILE створюється, якщо
              його ще немає
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              вивести журнал польотів, спершу нові, усіх моделей або
              моделі NAME: коротка таблиця; --csv — усі стовпці журналу
              NAME, як його експортує вікно; --json — польоти в тому
              вигляді, у якому їх зберігає файл ангара (в імперських
              одиницях)
  FILE — аргумент після --hangar, якщо він не починається з '-'. Якщо NAME
  не відповідає жодній моделі або відповідає кільком, це помилка
  (код виходу 1), і в повідомленні перелічено, що є в ангарі.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Зберігати час кола</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Потримайте телефон нерухомо секунду.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Зберігати швидкість</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Вологість</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>ID</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Імперські</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Довжина внутрішньої консолі</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Довжина внутрішньої консолі</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Вхідні дані </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Вхідні дані</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>Абсциси таблиці інтерполяції мають строго зростати.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Неприпустимий тип даних для '%1': %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Неприпустима операція з рухомою комою</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Неприпустиме значення для '%1': '%2' — не Imperial і не Metric; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Неприпустиме значення для '%1': '%2' — не мова Tethrix; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>У розрахунку взято %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Схоже на %1; це поле приймає %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>січ</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>лип</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>черв</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Запам'ятати як A</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Зберегти як нову модель</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Зберегти зміни</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Зберегти виправлення</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Збережено на цьому пристрої до наступного відвідування.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Мова</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Коло %1: %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Коло %1: %2 (подвійний дотик, не враховано)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Коло %1: %2 (нерегулярне, не враховано)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Коло %1: %2 (пропущено дотик, не враховано)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Швидкість на колі</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Швидкість на колі = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Швидкість на колі = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Швидкість на колі: A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Час кола</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Час кола (с)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Виміряний час кола</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Виміряний час кола (с)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Секундомір кіл</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Час кола</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Час кола й натяг корд — за віссю X: %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Останній політ %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Останній політ (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Останнє коло: %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Положення виводів</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Положення виводів за ЦМ</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Нахил виводів</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Діаметр корд</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Опір корд</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Площа опору корд</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Довжина корд</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Довжина корд (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Довжина корд (від петлі до петлі)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Потужність на корди</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Проєкція корд</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>Re корд біля законцівки</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Натяг корд</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Вага корд</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Діаметр корд</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>Графік за довжиною корд</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Довжина корд, від петлі до петлі</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Натяг корд, положення виводів, проєкція корд і нахил виводів навколо поточного варіанта, кожна величина у своєму масштабі.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Завантаження</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Завантаження калькулятора…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Записати політ</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Записати політ (модель зберігається)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Записуйте польоти з виміряним часом кола, щоб бачити їх тут.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Записати цей політ</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Записано політ з часом кола %s с.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>бер</translation>
    </message>
    <message>
      <source>May</source>
      <translation>трав</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Середнє за останні %1: %2, розкид %3 с.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Метричні</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>Пн</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Датчиків руху немає або доступ до них заборонено: натомість торкайтеся екрана на кожному прольоті.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Назва</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Назва копії %s:</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Голка або таймер</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Нова назва для %s:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>Не відкрито жодної моделі з ангара.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Жоден графік не перебирає '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>Немає величини '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>Нічого малювати: </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Записаних польотів поки немає.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>Записаних польотів немає.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>Не встановлено жодного шрифту, яким можна намалювати звіт</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Ще не літала</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Нотатки</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Нотатки про модель (двигун, гвинт, будь-що)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Нотатки про політ</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Нічого не змінилося: усе з %1 уже є в ангарі.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>На цьому пристрої нічого не буде збережено: </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>лист</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Кількість корд</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Кількість корд (від 1 до 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>жовт</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Відкрити</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>Відкрити A…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Відкрито: </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Тиск</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Барометрична висота</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Натисніть &lt;Enter&gt; у будь-якому полі, щоб перерахувати</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Барометрична висота</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Барометрична висота за майданчиком:</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Друк</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Друкувати журнал</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Надруковано: %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Гвинт</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Перевірка на міцність</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Навантаження перевірки на міцність</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>Драйвер SQLite для Qt не встановлено (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Відносна вологість</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Відносна вологість</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Перезавантажити</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Перейменувати</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>Замінити </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Звіт</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Результати</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>Сб</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Зберегти</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>вер</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Показати її журнал</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Почати знову</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Зупинено після {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Збережені умови не використано: %s Замість них діють вбудовані </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>Нд</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 — не мова tethrix-calc (%2): використовується англійська</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Натисніть «Обчислити», щоб перерахувати</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Дотик на кожному прольоті</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Торкніться один раз на старті, потім на кожному прольоті.</translation>
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
      <translation>Файл даних Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Завдання друку Tethrix</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>Поле «%1» не може містити керівні символи, крім розривів рядка й табуляцій</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>Поле «%1» не може містити розриви рядка, табуляції та інші керівні символи</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1: значення нескінченне</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>Поле «%1» довше за %2 символів</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>Немає значення: %1</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1: значення не є числом</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>Поле «%1» — неприпустимий текст UTF-8</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>Час (%1) '%2' — не час UTC на зразок 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>Перевірка на міцність (%1) не перевищує величину «%2» (%3): вона не підтверджує міцність корд і ручки для цього польоту.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>Повітря надто гаряче й вологе: тиск водяної пари сягає тиску повітря.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>Повітря надто розріджене на цій барометричній висоті: тиск водяної пари сягає тиску повітря.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>Моделі вже немає в ангарі</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>Моделі цього польоту немає в ангарі</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>Повітряна швидкість на цих кордах поза діапазоном %1–%2 mph, допустимим для розрахунку корд: розрахунок ведеться при %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>Установка висотоміра має бути більшою за 0.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>Браузер не пообіцяв зберігати ангар: він може очистити його, коли забракне місця. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>Браузер пообіцяв зберігати ангар на цьому пристрої.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>Не вдалося завантажити калькулятор:</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>Варіант, збережений з минулого відвідування, не можна використати (%s): </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>Зміну не збережено: не вдалося створити теку %1 (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>Зміну не збережено: не вдалося записати ангар %1 (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>Висота майданчика лежить поза атмосферою, яку може моделювати програма.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>Розрахунки відповідають показаним вхідним даним.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>Польоту вже немає в журналі</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>Радіус польоту нульовий або від'ємний: довжина руки завелика для цієї довжини корд за такого кута ручки.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>Політ не записано: %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>Політ не записано: у журналі виправляють політ.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>Не вдається прочитати ангар %1 (%2): Tethrix працює без ангара.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Не вдається прочитати ангар %1 (%2): його залишено як є, а Tethrix працює без ангара.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Не вдається прочитати ангар %1 (це не ангар Tethrix): його залишено як є, а Tethrix працює без ангара.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>Не вдається записати ангар %1 (%2): його показано лише для читання.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>Ангар %1 містить те, чого ця версія Tethrix не може прочитати (%2): його показано лише для читання й залишено як є.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>Ангар %1 не було оновлено для цієї версії Tethrix, тому зміну не збережено: не вдалося створити його резервну копію %2 (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>Ангар %1 записано новішою версією Tethrix (версія бази даних %2; ця знає до %3): його показано лише для читання й залишено як є.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>Ангар не можна зберігати в %1 (%2): моделі та польоти не зберігатимуться.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>Ангар не можна зберігати: система не вказує теки для даних користувача.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>Не вдається прочитати ангар: %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>Не вдалося завантажити ангар: %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>Ангар завеликий для одного файлу розміром до 16 MiB: експортуйте його моделі окремо</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>Ангар на цьому пристрої містить записи, яких ця сторінка не може прочитати, тому вона нічого в ньому </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>Не вдалося завантажити секундомір кіл: %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>Останню зміну не збережено: %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>Останню зміну не збережено: інші вкладки й далі змінювали ангар.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>Датчики руху зупинилися%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>Сторінка залишається англійською: %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>Телефон зрушив: щоб почати, потримайте його нерухомо секунду.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>Барометрична висота лежить поза атмосферою, яку може моделювати програма.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>Принтер не зміг завершити документ</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>Принтер не зміг почати документ</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>Не вдається прочитати файл налаштувань %1 (%2): його залишено як є; використано вбудовані умови й одиниці, і нічого не зберігається, доки його не виправлять або не видалять</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>Не вдається прочитати файл налаштувань %1: збережені в ньому значення не використано</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>Старт, збережений на цьому пристрої, належить не цій сторінці (%s): його відкинуто.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>Збережене '%1' довше за %2 символів: %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>Збережене значення '%1' відсутнє: %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>Не вдається прочитати збережені налаштування (%1): використовуються типові значення</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>Температура дорівнює абсолютному нулю або нижча (-459.67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>Секундомір зупинився, коли екран заблокувався або сторінку було приховано, після {laps}.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>Швидкість вітру дорівнює повітряній швидкості.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Політ з id %1 уже є</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Модель з id %1 уже є</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>Це не файл ангара, який Tethrix може прочитати: %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>Чт</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Лічильник моїх кіл</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Іде відлік кіл. Щоб зупинити, утримуйте тут 1.5 с.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Відлік: пройдено обертів — %1. Перше коло не враховується.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Відлік: дотик на кожному прольоті.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Вантаж на законцівці</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Графіки регулювання</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Калькулятор регулювання кордових моделей літаків</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Параметри налаштування залежно від %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Параметри регулювання за віссю X: час кола (с)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Журнал польотів</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Журнал польотів: </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Спробувати ще раз</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>Вт</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>Дві моделі мають однаковий id</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>Два польоти мають однаковий id</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Одиниці</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Невідомий параметр '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>Оновлено %1</translation>
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
      <translation>Виклик: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                    [--report FILE.pdf]
        tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                     [FILE.TQD] [KEY=VALUE ...]
        tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Розраховує параметри регулювання кордової моделі літака. Умови польоту
беруться ті, що зберігає вікно (Додатково &gt; Введення даних), якщо не задано
--no-settings; далі застосовується файл даних, як у вікні «Файл &gt; Відкрити»,
а після нього вхідні дані KEY=VALUE. tethrix-calc ніколи не змінює
збережених налаштувань.
Файл, у назві якого є '=', можна вказати після '--'.

Ключі (регістр літер будь-який; у числах десяткова крапка '.'; метричні
одиниці в дужках, для --units=metric):
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Узяти як час кола</translation>
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
      <translation>Вага</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>А що як...</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Швидкість вітру</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Швидкість вітру</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Площа крила</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Навантаження на крило</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Площа крила</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>ім'я PDF-файлу</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>хибна escape-послідовність \u в тексті</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>неекранований керівний символ у тексті</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>ключ (%1)</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>самотній сурогат у тексті</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>запис зберігається під чужим id</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>запис задовгий</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>після ключа</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>модель %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>назва моделі</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>невідома escape-послідовність у тексті</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>інша вкладка Tethrix тримає відкритою його старішу версію</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>наприкінці (%1)</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>наприкінці </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>за тієї самої швидкості</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>унція avoirdupois: 1/16 міжнародного фунта, рівно 453.59237 г (та сама угода)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>не вдається отримати id моделі з /dev/urandom: </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>не вдається записати вивід</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>лічить ваші кола, поки ви в центрі: потримайте телефон нерухомо секунду, потім літайте. Щоб зупинити, утримуйте екран 1.5 с.</translation>
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
      <translation>збережено всі умови польоту</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>очікувалося '%1' %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>очікувалося число: %1</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>очікувався текст: %1</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>звірка помилок обчислень: перевірки знайшли %u, процесор %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>фут.</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>політ %1</translation>
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
      <translation>значення; збережене лишається, доки не зміниться якась умова польоту.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>рознесення корд на ручці</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>imperial або metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>показано імперські одиниці</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>дюйм.</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>дюйм ртутного стовпа, як в установках висотоміра: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</translation>
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
      <translation>міжнародний фут: рівно 0.3048 м (та сама угода)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>міжнародний дюйм: рівно 25.4 мм (міжнародна угода про ярд і фунт, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>міжнародна миля: 5280 футів по 0.3048 м, рівно 1.609344 км</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>міжнародний фунт: рівно 0.45359237 кг (угода 1959 року)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>він змінився під час роботи команди: нічого не записано, спробуйте ще раз</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>він не завантажився</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>він містить серіалізоване значення, якого Tethrix ніколи не записує</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>у ньому більше моделей чи польотів, ніж дозволено в ангарі</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>у ньому понад 1,000,000 польотів</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>у ньому понад 10,000 моделей</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>в ньому немає налаштувань, які зберігає Tethrix, лише %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>в ньому немає налаштувань, які зберігає Tethrix, лише %1 та інші</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>у ньому немає налаштувань, лише інший текст</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>у ньому немає жодного ключа файлу даних (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>це пристрій, а не звичайний файл</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>це тека, а не файл</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>це файл ангара версії %1 від новішої версії Tethrix; ця читає версію %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>це канал (pipe), а не звичайний файл</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>його пошкоджено: </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>він більший за %1 байтів</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>він більший за 1 MiB — завеликий для файлу даних Tethrix</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>він більший за 16 MiB</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>це не ангар Tethrix</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>це не файл</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>це не звичайний файл</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>це не коректний текст UTF-8</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>його записано в UTF-16 або він містить байти NUL; Tethrix читає текст UTF-8</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>його записано новішою версією Tethrix</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>його формат не "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>його версія не є версією файлу ангара</translation>
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
      <translation>налаштування голки або таймера</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>немає гіроскопа</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>немає моделі з назвою </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>не вказано ім'я файлу</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>немає текстів</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>не змінює: %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>зберігати швидкість може лише перебір довжини корд (ll)</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>унція на квадратний фут: 28.349523125 г на 9.290304 dm² (0.3048 м у квадраті), обидва значення точні</translation>
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
      <translation>фунт-сила: 0.45359237 кг за стандартного прискорення вільного падіння 9.80665 м/с² (3-тя ГКМВ, 1901), рівно 4.4482216152605 Н</translation>
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
      <translation>шкала крайня ліворуч</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>шкала крайня праворуч</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>шкала ліворуч</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>шкала праворуч</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>с</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>%1: після кінця є ще щось</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>щось іде після кінця ангара</translation>
    </message>
    <message>
      <source>speed or laptime</source>
      <translation>speed або laptime</translation>
    </message>
    <message>
      <source>sq/inches</source>
      <translation>sq/inches</translation>
    </message>
    <message>
      <source>square inch: 0.254 dm squared, 0.064516 dm² exactly</source>
      <translation>квадратний дюйм: 0.254 дм у квадраті, рівно 0.064516 dm²</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>квадратний дюйм: 2.54 см у квадраті, рівно 6.4516 cm²</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>кв. дюйми</translation>
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
      <translation>tethrix-calc: Не вдається відкрити файл </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc: Не вдається записати звіт </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc: нічого не додано
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc: збережені умови польоту: </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc: неочікувана помилка
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc: попередження: </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc: попередження: Altimeter: </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix: </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1: не текст UTF-8 розміром не більше 16 MiB</translation>
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
      <translation>моделі додано, але </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>браузер його не зберіг</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>браузер відмовився його відкрити</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>замість нього використано вбудовану модель.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>час зміни (%1)</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>умови (%1)</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>час створення (%1)</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>файл даних має йти перед вхідними даними KEY=VALUE</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>дата</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>використовується типове значення: %1</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>висота за густиною</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>запис відкинуто</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>розрахунки (%1)</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>файл</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>файл не починається з "format" і "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>файл закінчується зарано</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>час польоту (%1)</translation>
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
      <translation>вхідні дані (%1)</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>ключ '%1' (%2) трапляється двічі</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>ключ '%1' (%2) невідомий цій версії</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>час кола (%1)</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>у модулі %1 немає %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>не вдалося завантажити модуль</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>нотатки (%1)</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>число %1 поза допустимим діапазоном (%2)</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>кількість корд набуває цілих значень від 1 до 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>кількість корд змінюється лише цілими кроками</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>модуль програми %1 відсутній</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>та сама одиниця в обох системах</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>не вдалося підготувати налаштування</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>не вдалося повністю записати налаштування</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>не вдається прочитати файл налаштувань (%1), його залишено як є</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>сховище цієї сторінки на пристрої заповнене</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>перебір </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>діапазон перебору порожній або містить понад </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>діапазон перебору має мати вигляд FROM:TO:STEP</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>використовується мова системи</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>версія</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>ангар вікна</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>ангар вікна </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>ангар вікна недоступний у цій збірці: вкажіть файл ангара після --hangar</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>їх не вдається прочитати (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>їх не вдається прочитати (немає набору текстів за ключами).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>у них немає жодної умови польоту.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>ця модель</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>кратно вазі</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>вантаж на законцівці</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>невідома помилка</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>невідомий ключ '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>невідомий параметр '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>оновлено %1</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>за незмінного часу кола</translation>
    </message>
    <message>
      <source>x weight</source>
      <translation>x вага</translation>
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
      <translation>°C = (°F - 32) / 1.8 рівно, за визначенням шкали Фаренгейта</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 за тієї самої швидкості</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>Не враховано точок: %1 з %2: %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 за незмінного часу кола</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Поточний варіант</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>Експорт &amp;CSV...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>Експорт &amp;PNG...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Зберігати час кола</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Зберігати швидкість</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Час кола</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Довжина корд</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Наведіть на криву, щоб побачити її значення.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>Не вдалося намалювати графік: %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>Не вдалося перетворити графік на зображення PNG</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Графіки регулювання</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Параметри регулювання за віссю X: %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>графік</translation>
    </message>
    <message>
      <source>table</source>
      <translation>таблицю</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (видалено)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%1 з %2, спершу нові.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1: час кола й натяг корд</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Виправити...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>В&amp;идалити...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>Дру&amp;к...</translation>
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
      <translation>Скасувати</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>Не вдається зберегти журнал польотів як %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>Не вдається записати журнал польотів %1: %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>За віссю X:</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Закрити</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Виправити політ моделі %1</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Політ моделі %1 від %2 виправлено.</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Дата польоту</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Видалити</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>Видалити %1 з журналу польотів?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Видалити політ</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>Видалено: %1.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>Експорт C&amp;SV...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Журнал польотів моделі %1 експортовано до %2.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Політ (місцевий час)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Місцевий час</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>У моделі %1 ще немає записаних польотів.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Поки немає польотів для графіка.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>Друк недоступний: %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>Графік не можна показати: %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>Виправлення</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>Видалення</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>В ангарі ще немає моделей.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Журнал польотів</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Журнал польотів: %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>дата</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>висота за густиною</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>політ моделі %1 від %2</translation>
    </message>
  </context>
</TS>
