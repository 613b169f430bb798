<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Core</name>
    <message>
        <location filename="../src/game/GameCore.cpp" line="+36"/>
        <source> Quarvex - фигурка    Бонус </source>
        <translation> Quarvex figure    bonus </translation>
    </message>
    <message>
        <location filename="../src/game/GameScore.cpp" line="+49"/>
        <source>Quarvex-фигурка Bonus </source>
        <translation>Quarvex figure bonus </translation>
    </message>
    <message>
        <location filename="../src/settings/SettingsRules.cpp" line="+12"/>
        <source>Инверсия</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Появление Quarvex-фигурки</source>
        <translation>Quarvex figure arrival</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Удаление линиий</source>
        <translation>Line clearing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Приземление</source>
        <translation>Landing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Бросить</source>
        <translation>Drop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Вращение</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Влево</source>
        <translation>Move left</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Вправо</source>
        <translation>Move right</translation>
    </message>
    <message>
        <location filename="../src/tools/HelpTour.cpp" line="+11"/>
        <source>Лучшие игроки. Если запустить Quarvex Zeb Ostrela.exe на удаленном компьютере, то и результат запишется в таблицу рекордов на удаленном компьютере. Чтобы очистить таблицу надо удалить файл QuarvexFathers.txt ( он в папке с Quarvex&apos;ом ).</source>
        <translation>The best players. If you run Quarvex Zeb Ostrela on a remote computer, your result goes into the records table on that computer. To clear the table, delete the file QuarvexFathers.txt (it is beside the program; an installed copy keeps it in your own data folder).</translation>
    </message>
</context>
<context>
    <name>qv::frmEnterName</name>
    <message>
        <location filename="../src/records/frmEnterName.cpp" line="+20"/>
        <source>Введите Ваше имя</source>
        <translation>Enter your name</translation>
    </message>
</context>
<context>
    <name>qv::frmGameOver</name>
    <message>
        <location filename="../src/records/frmGameOver.cpp" line="+34"/>
        <source>Начать новую игру ?</source>
        <translation>Start a new game?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>qv::frmHelp</name>
    <message>
        <location filename="../src/tools/frmHelp.cpp" line="+120"/>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>qv::frmMP3</name>
    <message>
        <location filename="../src/sound/frmMP3.cpp" line="+31"/>
        <source>Название композиции</source>
        <translation>Track name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Время проигрывания</source>
        <translation>Playing time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Повторять сначала</source>
        <translation>Loop: when on, the track starts again from the beginning each time it ends</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Выбрать файл для воспроизведения</source>
        <translation>Choose a file to play</translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Нет декодера WMA</source>
        <translation>No WMA decoder</translation>
    </message>
</context>
<context>
    <name>qv::frmMain</name>
    <message>
        <location filename="../src/game/frmMain.cpp" line="+93"/>
        <source>Удаляются только полностью заполненные горизонтальные линии. Одной фигуркой можно удалить от 1 до 4 линий.</source>
        <translation>Only completely filled horizontal lines are cleared. One figure can clear from 1 to 4 lines.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Здесь обычно изображена следующая фигурка.</source>
        <translation>This usually shows the next figure.</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>Спасибо всем, кто играл и советовал!</source>
        <translation>Thanks to all who played and gave advice!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quarvex Zeb Ostrela: спасибо всем, кто играл, находил ошибки и советовал.</source>
        <translation>Quarvex Zeb Ostrela: thanks to everyone who played, found bugs and gave advice.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Уровень сложности ( Скорость игры ). Инкрементирует ( увеличивается ) после каждых семи удаленных линий.</source>
        <translation>Difficulty level (the game&apos;s speed). It goes up after every seven lines cleared.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Число линий, которые надо удалить чтобы  перейти на следующий уровень.</source>
        <translation>How many lines you still have to clear to reach the next level.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Текущий счет.</source>
        <translation>Your current score.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Текущий счет. В окне Statistic приведена полная информация о том, как получена эта цифра.</source>
        <translation>Your current score. The Statistic window shows in full how you earned it.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Суммарный бонус за Quarvex-фигурки.</source>
        <translation>Total bonus for Quarvex figures.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Бонус ( до 5000 ) за показанную Quarvex-фигурку. Есть супер-фигурка :  Quarvex - выпадает очень редко, а бонус за нее - 25000.</source>
        <translation>Bonus (up to 5000) for the Quarvex figure shown. There is also a super figure, Quarvex: it turns up very rarely, and it is worth 25000.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Чем больше линий одновременно удалено, тем больше бонус.</source>
        <translation>The more lines you clear at once, the bigger the bonus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>За одну удаленную линию бонус - 275.</source>
        <translation>Bonus for clearing one line: 275.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>За две одновременно удаленные линии бонус - 800.</source>
        <translation>Bonus for clearing two lines at once: 800.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>За три одновременно удаленные линии бонус - 2225.</source>
        <translation>Bonus for clearing three lines at once: 2225.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>За четыре одновременно удаленные линии бонус - 5000.</source>
        <translation>Bonus for clearing four lines at once: 5000.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Ваше текущее место в таблице.</source>
        <translation>Your current place in the records table.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Сколько очков до следующего места в таблице.</source>
        <translation>Points you need to reach the next place in the table.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>Суммарный бонус за время.</source>
        <translation>Total time bonus.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Этот бонус зависит от времени.</source>
        <translation>This bonus depends on time.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Бонус за время. Чем быстрее Вы бросите фигурку, тем больше будет бонус.</source>
        <translation>Time bonus. The sooner you drop the figure, the bigger the bonus.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Пауза</source>
        <translation>Paused</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Когда эта надпись видна, игра находится в режиме паузы.</source>
        <translation>While this sign is showing, the game is paused.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Управление - стрелочными клавишами ( мышкой их тоже можно нажимать ).</source>
        <translation>Play with the arrow keys (you can click these buttons with the mouse too).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Бросить фигурку - Стрелка Вниз.</source>
        <translation>Drop the figure – Down Arrow.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Перемещение фигурки вправо - Стрелка Вправо.</source>
        <translation>Move the figure right – Right Arrow.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Перемещение фигурки влево - Стрелка Влево.</source>
        <translation>Move the figure left – Left Arrow.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Вращение фигурки - Стрелка Вверх.</source>
        <translation>Rotate the figure – Up Arrow.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Инверсия - Пробел. Заполненные квадратики становятся пустыми, пустые - заполненными.</source>
        <translation>Invert – Space bar. Filled squares become empty, and empty ones become filled.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Это меню. При продвижении по таблице кнопки в Меню начинают мигать.</source>
        <translation>This is the menu. As you climb the records table, the menu buttons start to flash.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Показать/скрыть *.mp3 &amp; *.wma Player.</source>
        <translation>Show/hide the *.mp3 &amp; *.wma Player.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Выход из игры.</source>
        <translation>Quit the game.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Показать/скрыть расширенную подсказку ( окно Future ).</source>
        <translation>Show/hide the extended preview (the Future window).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Автоматическая пристыковка окон The Best Of The Quarvex, Future, Statistic  и *.mp3 &amp; *.wma Player.</source>
        <translation>Dock the windows The Best Of The Quarvex, Future, Statistic and *.mp3 &amp; *.wma Player beside the game window.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Показать/скрыть статистику ( окно Statistic ).</source>
        <translation>Show/hide the statistics (the Statistic window).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Показать/скрыть таблицу рекордов ( окно The Best Of The Quarvex ).</source>
        <translation>Show/hide the records table (The Best Of The Quarvex window).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hастройка музыкального сопровождения, отображения фантома и т.д.</source>
        <translation>Settings for the music, the phantom and more.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Обучающий видеоролик ( пример ужасной игры ).</source>
        <translation>A training demo (an example of truly terrible play).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Вызов справки.</source>
        <translation>Open the help.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Пауза - Клавиша ESC. При нажатии ESC все окна свернутся.</source>
        <translation>Pause – Esc key. Pressing Esc minimises all the windows.</translation>
    </message>
</context>
<context>
    <name>qv::frmOpen</name>
    <message>
        <location filename="../src/tools/frmOpen.cpp" line="+34"/>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Устройство не готово</source>
        <translation>Device not ready</translation>
    </message>
</context>
<context>
    <name>qv::frmSeq</name>
    <message>
        <location filename="../src/tools/frmSeq.cpp" line="+59"/>
        <source>Определение последовательности появления фигурок</source>
        <translation>Set the figure sequence</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Включить</source>
        <translation>Turn on</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Отключить</source>
        <translation>Turn off</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Доступные фигурки</source>
        <translation>Available figures</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Для добавления фигурки в последовательность щелкните на ней в Доступных фигурках</source>
        <translation>To add a figure to the sequence, click it in Available figures</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Последовательность появления фигурок</source>
        <translation>Figure sequence</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Для удаления фигурки - щелкните на ней в Последовательности появления фигурок</source>
        <translation>To remove a figure from the sequence, click it in Figure sequence</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Последовательность включена</source>
        <translation>The sequence is on</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Последовательность отключена</source>
        <translation>The sequence is off</translation>
    </message>
</context>
<context>
    <name>qv::frmSettings</name>
    <message>
        <location filename="../src/settings/frmSettings.cpp" line="+90"/>
        <source>Имя wav-файла</source>
        <translation>Sound file name</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Громкость</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Скорость воспроизведения</source>
        <translation>Playback speed</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Фоновая музыка</source>
        <translation>Background music</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+29"/>
        <location line="+1"/>
        <source>Выключить</source>
        <translation>Turn off</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+30"/>
        <location line="+1"/>
        <source>Выбрать файл</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Скорость перехода звука из одной стороны в другую</source>
        <translation>How fast the sound sweeps from one side to the other</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Сетка</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Убрать</source>
        <translation>Hide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Фантом</source>
        <translation>Phantom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hе показывать</source>
        <translation>Don&apos;t show</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Только при появлении Quarvex-фигурки</source>
        <translation>Only with a Quarvex figure</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Показывать всегда</source>
        <translation>Always show</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Последовательность</source>
        <translation>Sequence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Задать последовательность появления фигурок</source>
        <translation>Set the figure sequence</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Основные события</source>
        <translation>Game events</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Выкл. озвучивание осн. событий</source>
        <translation>Mute the game event sounds</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Первый вариант</source>
        <translation>First sound</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Второй вариант</source>
        <translation>Second sound</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message>
        <source>Файл записи игры не читается.</source>
        <translation>The replay file cannot be read.</translation>
    </message>
    <message>
        <source>Этот файл - не запись игры Quarvex.</source>
        <translation>This file is not a Quarvex replay.</translation>
    </message>
    <message>
        <source>Эта запись игры сделана более новой версией Quarvex.</source>
        <translation>This replay was made by a newer version of Quarvex.</translation>
    </message>
    <message>
        <source>Запись игры повреждена или не дописана.</source>
        <translation>This replay is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Игра закончилась не так, как записано: счет %1, линий %2, уровень %3.</source>
        <translation>The game did not end as recorded: score %1, rows %2, level %3.</translation>
    </message>
</context>
<context>
    <name>qv::frmQuarvexFathers</name>
    <message>
        <source>Смотреть игру</source>
        <translation>Watch the game</translation>
    </message>
</context>
</TS>
