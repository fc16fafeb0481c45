<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AidsOverlay</name>
    <message>
        <source>%1: очков действия не осталось до следующего хода</source>
        <translation>%1: no action points left until the next turn</translation>
    </message>
</context>
<context>
    <name>AidsText</name>
    <message>
        <source>%1 очко действия|%1 очка действия|%1 очков действия</source>
        <translation>%1 action point|%1 action points</translation>
    </message>
    <message>
        <source>жизни</source>
        <translation>life</translation>
    </message>
    <message>
        <source>очков действия</source>
        <translation>action points</translation>
    </message>
    <message>
        <source>маны</source>
        <translation>mana</translation>
    </message>
    <message>
        <source>меньше 1 %</source>
        <translation>under 1 %</translation>
    </message>
    <message>
        <source>больше 99 %</source>
        <translation>over 99 %</translation>
    </message>
    <message>
        <source>Сюда пути нет</source>
        <translation>No path leads here</translation>
    </message>
    <message>
        <source>Сюда не встать: клетка занята</source>
        <translation>Cannot stand here: the cell is taken</translation>
    </message>
    <message>
        <source>Дойдёт до отмеченной клетки и остановится</source>
        <translation>Walks to the marked cell and stops</translation>
    </message>
    <message>
        <source>Сюда не дойти за этот ход</source>
        <translation>Out of reach this turn</translation>
    </message>
    <message>
        <source>Удар с места; после боя очков действия не останется</source>
        <translation>Strikes from here; no action points left after the fight</translation>
    </message>
    <message>
        <source>Иммунитет: заклинание не подействует</source>
        <translation>Immune: the spell will have no effect</translation>
    </message>
    <message>
        <source>Заклинание не подействует</source>
        <translation>The spell will have no effect</translation>
    </message>
    <message>
        <source>Подействует наверняка</source>
        <translation>Takes effect for certain</translation>
    </message>
    <message>
        <source>Обратится в кости</source>
        <translation>Crumbles to bones</translation>
    </message>
    <message>
        <source>Перейдёт под ваше начало</source>
        <translation>Comes under your command</translation>
    </message>
    <message>
        <source>%1: потеряет около %2 из %3 жизни, погибнет с шансом %4</source>
        <translation>%1: loses about %2 of %3 life, chance to fall %4</translation>
    </message>
    <message>
        <source>%1: вылечится примерно на %2 жизни, погибнет с шансом %3</source>
        <translation>%1: heals by about %2 life, chance to fall %3</translation>
    </message>
    <message>
        <source>%1: не пострадает, погибнет с шансом %2</source>
        <translation>%1: unharmed, chance to fall %2</translation>
    </message>
    <message>
        <source>До цели не дотянуться за этот ход: %1</source>
        <translation>Out of reach this turn: %1</translation>
    </message>
    <message>
        <source>Дойдёт только до отмеченной клетки: %1, останется %2</source>
        <translation>Gets only as far as the marked cell: %1, %2 left</translation>
    </message>
    <message>
        <source>Путь: %1, останется %2</source>
        <translation>Path: %1, %2 left</translation>
    </message>
    <message>
        <source>%1 нападёт на: %2</source>
        <translation>%1 attacks: %2</translation>
    </message>
    <message>
        <source>Путь: %1; после боя очков действия не останется</source>
        <translation>Path: %1; no action points left after the fight</translation>
    </message>
    <message>
        <source>%1: здесь никого нет, заклинание пропадёт</source>
        <translation>%1: nobody is here, the spell would be wasted</translation>
    </message>
    <message>
        <source>Подействует с шансом %1</source>
        <translation>Takes effect with a chance of %1</translation>
    </message>
    <message>
        <source>Восстанет из мёртвых с %1 жизни</source>
        <translation>Rises from the dead with %1 life</translation>
    </message>
    <message>
        <source>В среднем %1 %2 (сейчас %3)</source>
        <translation>On average %1 %2 (now %3)</translation>
    </message>
    <message>
        <source>Погибнет с шансом %1</source>
        <translation>Chance to fall: %1</translation>
    </message>
    <message>
        <source>Призвать сюда: %1, получится с шансом %2</source>
        <translation>Summon here: %1, succeeds with a chance of %2</translation>
    </message>
    <message>
        <source>Больше существ %1 не возглавит: это не будет подчиняться</source>
        <translation>%1 can lead no more creatures: this one will obey nobody</translation>
    </message>
</context>
<context>
    <name>AuthorMessage</name>
    <message>
        <source>    Здравствуйте! Спасибо, что заглянули сюда.</source>
        <translation>    Greetings, and thank you for stopping by.</translation>
    </message>
    <message>
        <source>Перед Вами Grimhollow — пошаговая тактика о героях,</source>
        <translation>This is Grimhollow, a turn-based tactics game of heroes,</translation>
    </message>
    <message>
        <source>призванных ими существах и заклинаниях. Игра ещё</source>
        <translation>the creatures they summon and the spells they cast.</translation>
    </message>
    <message>
        <source>не закончена: многое в ней будет дописано, что-то</source>
        <translation>The game is not finished yet: much will be added,</translation>
    </message>
    <message>
        <source>переделано, а что-то пока работает не так, как надо.</source>
        <translation>some things redone, and some do not work quite right.</translation>
    </message>
    <message>
        <source>    (Да, сразу скажу, что увеличить или уменьшить</source>
        <translation>    (Oh, and before I forget: the &quot;+&quot; and &quot;-&quot; keys</translation>
    </message>
    <message>
        <source>скорость прокрутки этого сообщения можно клавишами</source>
        <translation>speed up and slow down the scrolling of this message</translation>
    </message>
    <message>
        <source>&quot;+&quot; и &quot;-&quot; соответственно.)</source>
        <translation>respectively.)</translation>
    </message>
    <message>
        <source>    Откуда взялись идеи? Из старых настольных игр</source>
        <translation>    Where did the ideas come from? From old board games</translation>
    </message>
    <message>
        <source>на клетчатом поле, из книг о магах и некромантах</source>
        <translation>played on squares, from books of mages and necromancers,</translation>
    </message>
    <message>
        <source>и из долгих споров о том, кто кого сильнее: скелет</source>
        <translation>and from long arguments over who would win: a skeleton</translation>
    </message>
    <message>
        <source>или летучая мышь. Правила складывались понемногу,</source>
        <translation>or a bat. The rules grew little by little,</translation>
    </message>
    <message>
        <source>партия за партией, и меняются до сих пор.</source>
        <translation>match after match, and they are changing still.</translation>
    </message>
    <message>
        <source>    За советом обращайтесь к окнам сведений: правый</source>
        <translation>    For advice, turn to the information windows: a right</translation>
    </message>
    <message>
        <source>щелчок по существу, трупу или костям на поле</source>
        <translation>click on a creature, a corpse or bones on the field</translation>
    </message>
    <message>
        <source>покажет всё, что о них известно.</source>
        <translation>shows everything there is to know about them.</translation>
    </message>
    <message>
        <source>    Приветы:</source>
        <translation>    Greetings go out:</translation>
    </message>
    <message>
        <source>всем, кто первым сыграл в эту бету и не бросил её</source>
        <translation>to everyone who played this beta first and did not quit</translation>
    </message>
    <message>
        <source>после первой же победы компьютерного некроманта;</source>
        <translation>after the computer necromancer&apos;s very first victory;</translation>
    </message>
    <message>
        <source>тем, кто находил ошибки и терпеливо о них писал;</source>
        <translation>to those who found bugs and patiently reported them;</translation>
    </message>
    <message>
        <source>художникам свободных рисунков, без которых поле</source>
        <translation>to the artists of free pictures, without whom the field</translation>
    </message>
    <message>
        <source>так и осталось бы пустыми клетками;</source>
        <translation>would have stayed a grid of empty squares;</translation>
    </message>
    <message>
        <source>всем, кто пишет свободные программы и делится ими;</source>
        <translation>to everyone who writes free software and shares it;</translation>
    </message>
    <message>
        <source>лучницам, которые стреляют лучше, чем мы целимся;</source>
        <translation>to the archeresses, who shoot better than we aim;</translation>
    </message>
    <message>
        <source>скелетам, честно встающим после каждой проверки;</source>
        <translation>to the skeletons, who rise again after every test;</translation>
    </message>
    <message>
        <source>и, конечно, Вам — за то, что дочитали досюда.</source>
        <translation>and of course to you, for reading this far.</translation>
    </message>
    <message>
        <source>    Ни один скелет не пострадал при создании игры.</source>
        <translation>    No skeletons were harmed in the making of this game.</translation>
    </message>
    <message>
        <source>(Неправда: их поднимали и укладывали сотни раз.)</source>
        <translation>(Not true: they were raised and laid to rest hundreds of times.)</translation>
    </message>
    <message>
        <source>    Удачи в бою, и до новых встреч!</source>
        <translation>    Good luck in battle, and farewell until next time!</translation>
    </message>
    <message>
        <source>                              — команда Grimhollow</source>
        <translation>                              — the Grimhollow team</translation>
    </message>
</context>
<context>
    <name>Autosave</name>
    <message>
        <source>Автосохранение «%1» не записано: %2.

Игра продолжается; следующее автосохранение будет сделано в начале следующего хода.</source>
        <translation>The autosave &quot;%1&quot; was not written: %2.

The game goes on; the next autosave will be made at the start of the next turn.</translation>
    </message>
</context>
<context>
    <name>Casting</name>
    <message>
        <source>жизни</source>
        <translation>life</translation>
    </message>
    <message>
        <source>перемещений</source>
        <translation>movement</translation>
    </message>
    <message>
        <source>маны</source>
        <translation>mana</translation>
    </message>
    <message>
        <source>Не повезло</source>
        <translation>Bad luck</translation>
    </message>
    <message>
        <source>Не выходит</source>
        <translation>It won&apos;t work</translation>
    </message>
    <message>
        <source>У %1 %2 не хватает мозгов, чтобы прочесть заклинание!</source>
        <translation>%1 %2 lacks the wits to read this spell!</translation>
    </message>
    <message>
        <source>У %1 %2, к несчастью, нету требуемого количества маны!</source>
        <translation>%1 %2, alas, does not have the mana it needs!</translation>
    </message>
    <message>
        <source>Шанс успеха: %1% + %2%</source>
        <translation>Chance of success: %1% + %2%</translation>
    </message>
    <message>
        <source>Дальность: %1</source>
        <translation>Range: %1</translation>
    </message>
    <message>
        <source>Действие: %1% %2</source>
        <translation>Effect: %1% %2</translation>
    </message>
    <message>
        <source>Действие: %1 %2</source>
        <translation>Effect: %1 %2</translation>
    </message>
    <message>
        <source>Источник воздействия: %1</source>
        <translation>Element: %1</translation>
    </message>
    <message>
        <source>Требуется разума: %1</source>
        <translation>Intellect required: %1</translation>
    </message>
    <message>
        <source>Уходит маны: %1</source>
        <translation>Mana cost: %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>нейтральные юниты</source>
        <translation>neutral units</translation>
    </message>
    <message>
        <source>Демон</source>
        <translation>Demon</translation>
    </message>
    <message>
        <source>Маг</source>
        <translation>Mage</translation>
    </message>
    <message>
        <source>Скелет</source>
        <translation>Skeleton</translation>
    </message>
    <message>
        <source>Летучая мышь-вампир</source>
        <translation>Vampire Bat</translation>
    </message>
    <message>
        <source>Некромант</source>
        <translation>Necromancer</translation>
    </message>
    <message>
        <source>Лучница</source>
        <translation>Archeress</translation>
    </message>
    <message>
        <source>Привидение</source>
        <translation>Ghost</translation>
    </message>
    <message>
        <source> - ужаснейшие существа, прибывшие прямиком из Ада, являются чуть ли не самыми сильными воинами, сражающимися на стороне Тьмы.</source>
        <translation> - the most dreadful of creatures, come straight from the Abyss, and very nearly the mightiest warriors fighting for the Darkness.</translation>
    </message>
    <message>
        <source> - знаменитый воин света, герой, возглавляющий отряды бойцов, наровит накостылять любому прислужнику сил тьмы своим посохом, испускающим молнии.</source>
        <translation> - a famed champion of the Light, a hero who leads companies of fighters and is eager to give any servant of darkness a thrashing with a staff that crackles with lightning.</translation>
    </message>
    <message>
        <source> - ходячий скелет, возражденный из мертвецов, довольно слаб и невероятно туп, ибо пролежавшие изрядное время в земле, мозги его почти все сгнили.</source>
        <translation> - a walking skeleton raised from the dead; rather weak and astonishingly dim, for after a good long while in the ground its brains have nearly all rotted away.</translation>
    </message>
    <message>
        <source> - по прозвищу &quot;Вампир&quot; слабое и не очень умное создание, которое вцепляется в волосы врага и кусает его за голову.</source>
        <translation> - known simply as &quot;the Vampire&quot;, a feeble and none too clever creature that tangles itself in a foe&apos;s hair and bites at the head.</translation>
    </message>
    <message>
        <source> - злобный колдунишка, водящий дружбу с различными скелетами, демонами, вампирами и прочей нечистью. Особой популярностью пользуется у скелетов, которые готовы следовать за ним повсюду.</source>
        <translation> - a spiteful little sorcerer who keeps company with skeletons, demons, vampires and all manner of unholy things. Skeletons adore him above all and will follow him anywhere.</translation>
    </message>
    <message>
        <source> - эльфийская воительница, прибывшая из древних эльфийских лесов. Немногие могут состязаться с ней в стрельбе из лука.</source>
        <translation> - an elven warrior maiden from the ancient elven woods. Few can match her with a bow.</translation>
    </message>
    <message>
        <source> - если после смерти душа не попадает ни в Царство Света ни в Княжество Тьмы, то она остается в этом мире в качестве привидения.</source>
        <translation> - a soul that after death reaches neither the Realm of Light nor the Principality of Darkness lingers in this world as a ghost.</translation>
    </message>
    <message>
        <source>Адский Слэш</source>
        <translation>Hellfire Slash</translation>
    </message>
    <message>
        <source>Электроразряд</source>
        <translation>Lightning Bolt</translation>
    </message>
    <message>
        <source>Клинок нежити</source>
        <translation>Undead Blade</translation>
    </message>
    <message>
        <source>Укус вампира</source>
        <translation>Vampire Bite</translation>
    </message>
    <message>
        <source>Духи демонов</source>
        <translation>Demon Spirits</translation>
    </message>
    <message>
        <source>Стрела-патриот</source>
        <translation>Loyal Arrow</translation>
    </message>
    <message>
        <source>Моральный испуг</source>
        <translation>Dread Wail</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>Часы таймеров (match.timers.now и ticks) не согласуются друг с другом.</source>
        <translation>The timers&apos; clocks (match.timers.now and ticks) disagree with each other.</translation>
    </message>
    <message>
        <source>В сохранении нет идущей партии.</source>
        <translation>The save holds no match under way.</translation>
    </message>
    <message>
        <source>Нейтральной стороной не может играть человек или сильный компьютер.</source>
        <translation>The neutral side cannot be played by a person or by a strong computer.</translation>
    </message>
    <message>
        <source>Служебная запись 0 стоит на поле.</source>
        <translation>The scratch record 0 stands on the field.</translation>
    </message>
    <message>
        <source>Ходит компьютер, но его таймер (TmrEnemy) выключен: партия бы встала.</source>
        <translation>The computer is to move, but its timer (TmrEnemy) is off: the match would stall.</translation>
    </message>
    <message>
        <source>Вид на поле (match.ViewX, match.ViewY) за пределами полос прокрутки.</source>
        <translation>The view of the field (match.ViewX, match.ViewY) lies outside the scroll bars.</translation>
    </message>
    <message>
        <source>Поле «%1» равно %2, а допустимо от %3 до %4.</source>
        <translation>The field &quot;%1&quot; is %2, but may be from %3 to %4.</translation>
    </message>
    <message>
        <source>Поле «%1» содержит точку далеко за пределами окна.</source>
        <translation>The field &quot;%1&quot; holds a point far outside the window.</translation>
    </message>
    <message>
        <source>Надпись «%1» испорчена.</source>
        <translation>The label &quot;%1&quot; is damaged.</translation>
    </message>
    <message>
        <source>Запись %1 ведёт больше существ (%2), чем может (%3).</source>
        <translation>Record %1 leads more creatures (%2) than it can (%3).</translation>
    </message>
    <message>
        <source>Имя в записи %1 не в кодировке UTF-8.</source>
        <translation>The name in record %1 is not in UTF-8.</translation>
    </message>
    <message>
        <source>Имя в записи %1 длиннее %2 знаков.</source>
        <translation>The name in record %1 is longer than %2 characters.</translation>
    </message>
    <message>
        <source>Имя в записи %1 содержит перевод строки, табуляцию или нулевой знак.</source>
        <translation>The name in record %1 holds a line break, a tab or a zero character.</translation>
    </message>
    <message>
        <source>Запись %1 стоит не в углу клетки поля (столбцы и строки от 0 до %2).</source>
        <translation>Record %1 does not stand in the corner of a field cell (columns and rows from 0 to %2).</translation>
    </message>
    <message>
        <source>Поле «match.timers.Tmr2.interval» равно %1, а бывает 1 или 20.</source>
        <translation>The field &quot;match.timers.Tmr2.interval&quot; is %1, but can only be 1 or 20.</translation>
    </message>
    <message>
        <source>Партия сохранена посреди хода, удара или заклинания (включён таймер %1).</source>
        <translation>The match was saved in the middle of a walk, a blow or a spell (the timer is on: %1).</translation>
    </message>
    <message>
        <source>Поле «match.AnimSpeed» равно %1, а бывает 1, 2, 4 или 8.</source>
        <translation>The field &quot;match.AnimSpeed&quot; is %1, but can only be 1, 2, 4 or 8.</translation>
    </message>
    <message>
        <source>Партия сохранена, когда поле ждало не приказа (InputMode %1).</source>
        <translation>The match was saved while the field waited for something other than an order (InputMode %1).</translation>
    </message>
    <message>
        <source>Запись %1 стоит на поле, но UnitCount равно %2.</source>
        <translation>Record %1 stands on the field, but UnitCount is %2.</translation>
    </message>
    <message>
        <source>Запись %1 стоит на краю поля, куда никто не ходит.</source>
        <translation>Record %1 stands on the edge of the field, where nobody walks.</translation>
    </message>
    <message>
        <source>Записи %1 и %2 стоят на одной клетке.</source>
        <translation>Records %1 and %2 stand on one cell.</translation>
    </message>
    <message>
        <source>У записи %1 жизни, маны или очков хода больше наибольшего.</source>
        <translation>Record %1 has more life, mana or action points than its maximum.</translation>
    </message>
    <message>
        <source>Ходит герой %1, которого нет на поле.</source>
        <translation>It is the turn of hero %1, who is not on the field.</translation>
    </message>
</context>
<context>
    <name>Decode</name>
    <message>
        <source>Файл пуст.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Данные в файле вложены глубже, чем бывает в сохранении.</source>
        <translation>The data in the file is nested deeper than a save ever is.</translation>
    </message>
    <message>
        <source>Файл повреждён: его не удалось разобрать.</source>
        <translation>The file is damaged: it could not be parsed.</translation>
    </message>
    <message>
        <source>Файл не похож на сохранение игры.</source>
        <translation>The file does not look like a saved game.</translation>
    </message>
    <message>
        <source>Файл не является сохранением этой игры.</source>
        <translation>The file is not a save of this game.</translation>
    </message>
    <message>
        <source>Версия формата сохранения не указана или повреждена.</source>
        <translation>The save&apos;s format version is missing or damaged.</translation>
    </message>
    <message>
        <source>Версия игры или время сохранения в файле испорчены.</source>
        <translation>The game version or the time of saving in the file is damaged.</translation>
    </message>
    <message>
        <source>Название сохранения слишком длинное или содержит управляющие знаки.</source>
        <translation>The save&apos;s name is too long or holds control characters.</translation>
    </message>
    <message>
        <source>День или ходящий герой в сводке сохранения вне допустимых пределов.</source>
        <translation>The day or the hero to move in the save&apos;s summary is out of range.</translation>
    </message>
    <message>
        <source>Герои в сводке сохранения перечислены не по порядку мест.</source>
        <translation>The heroes in the save&apos;s summary are not listed in the order of their places.</translation>
    </message>
    <message>
        <source>Имя героя в сводке сохранения слишком длинное.</source>
        <translation>A hero&apos;s name in the save&apos;s summary is too long.</translation>
    </message>
    <message>
        <source>Класс героя в сводке сохранения неизвестен.</source>
        <translation>A hero&apos;s class in the save&apos;s summary is unknown.</translation>
    </message>
    <message>
        <source>Строка журнала в сохранении: день или сторона вне допустимых пределов.</source>
        <translation>A log line in the save: the day or the side is out of range.</translation>
    </message>
    <message>
        <source>Строка журнала в сохранении слишком длинная или содержит управляющие знаки.</source>
        <translation>A log line in the save is too long or holds control characters.</translation>
    </message>
    <message>
        <source>Сводка сохранения (день, герои) не совпадает с самой партией.</source>
        <translation>The save&apos;s summary (day, heroes) does not match the match itself.</translation>
    </message>
    <message>
        <source>Журнал приказов в сохранении закрыт, хотя партия продолжается.</source>
        <translation>The journal of orders in the save is closed, although the match goes on.</translation>
    </message>
    <message>
        <source>Журнал приказов в сохранении уходит дальше самой партии.</source>
        <translation>The journal of orders in the save runs past the match itself.</translation>
    </message>
    <message>
        <source>Журнал приказов в сохранении начинается позже самой партии.</source>
        <translation>The journal of orders in the save starts later than the match itself.</translation>
    </message>
    <message>
        <source>В сохранении нет сводки («summary»).</source>
        <translation>The save has no summary (&quot;summary&quot;).</translation>
    </message>
    <message>
        <source>Поле %1 должно быть значением true или false.</source>
        <translation>The field %1 must be true or false.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть числом.</source>
        <translation>The field %1 must be a number.</translation>
    </message>
    <message>
        <source>Число в поле %1 слишком велико.</source>
        <translation>The number in the field %1 is too big.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть целым числом.</source>
        <translation>The field %1 must be a whole number.</translation>
    </message>
    <message>
        <source>Число в поле %1 вне допустимых пределов.</source>
        <translation>The number in the field %1 is out of range.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть строкой.</source>
        <translation>The field %1 must be a string.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть массивом из %2 элементов.</source>
        <translation>The field %1 must be an array of %2 elements.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть объектом.</source>
        <translation>The field %1 must be an object.</translation>
    </message>
    <message>
        <source>Поле %1 должно быть массивом не более чем из %2 элементов.</source>
        <translation>The field %1 must be an array of at most %2 elements.</translation>
    </message>
    <message>
        <source>Состояние генератора случайных чисел (%1) повреждено.</source>
        <translation>The random number generator&apos;s state (%1) is damaged.</translation>
    </message>
    <message>
        <source>В сохранении лишнее поле «%1.%2».</source>
        <translation>The save has a field too many: &quot;%1.%2&quot;.</translation>
    </message>
    <message>
        <source>В сохранении нет поля %1.</source>
        <translation>The save lacks the field %1.</translation>
    </message>
    <message>
        <source>Файл слишком велик для сохранения: %1 байт, а сохранение бывает не больше %2 МБ.</source>
        <translation>The file is too big for a save: %1 bytes, while a save is at most %2 MB.</translation>
    </message>
    <message>
        <source>Файл не в кодировке UTF-8 (ошибка в байте %1).</source>
        <translation>The file is not in UTF-8 (error at byte %1).</translation>
    </message>
    <message>
        <source>Файл повреждён: это не JSON или он оборван (ошибка около байта %1).</source>
        <translation>The file is damaged: it is not JSON or it is cut short (error near byte %1).</translation>
    </message>
    <message>
        <source>Поле «%1» встречается в одном объекте дважды.</source>
        <translation>The field &quot;%1&quot; appears twice in one object.</translation>
    </message>
    <message>
        <source>Сохранение сделано более новой версией игры (формат %1, а эта версия читает форматы до %2). Обновите игру, чтобы открыть его.</source>
        <translation>The save was made by a newer version of the game (format %1, while this version reads formats up to %2). Update the game to open it.</translation>
    </message>
    <message>
        <source>Сохранение формата %1 этой версией игры не читается.</source>
        <translation>A save of format %1 cannot be read by this version of the game.</translation>
    </message>
    <message>
        <source>Журнал приказов в сохранении повреждён: %1</source>
        <translation>The journal of orders in the save is damaged: %1</translation>
    </message>
</context>
<context>
    <name>FieldLabel</name>
    <message>
        <source>повышение</source>
        <translation>level up</translation>
    </message>
    <message>
        <source>иммунитет</source>
        <translation>immune</translation>
    </message>
    <message>
        <source>мимо</source>
        <translation>miss</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Запись партии</source>
        <translation>Match record</translation>
    </message>
</context>
<context>
    <name>FrmAvtor</name>
    <message>
        <source>От автора</source>
        <translation>From the Author</translation>
    </message>
</context>
<context>
    <name>FrmCast</name>
    <message>
        <source>Магия</source>
        <translation>Magic</translation>
    </message>
    <message>
        <source>Доступные заклинания:</source>
        <translation>Spells at hand:</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Cast</translation>
    </message>
    <message>
        <source>Ненадо</source>
        <translation>Never mind</translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>FrmLog</name>
    <message>
        <source>Журнал битвы</source>
        <translation>Battle log</translation>
    </message>
    <message>
        <source>Сообщение всем игрокам (Enter — отправить)</source>
        <translation>A message to every player (Enter sends it)</translation>
    </message>
    <message>
        <source>Сообщение всем игрокам</source>
        <translation>A message to every player</translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Главное меню</source>
        <translation>Main Menu</translation>
    </message>
    <message>
        <source>В главное меню</source>
        <translation>Open the main menu</translation>
    </message>
    <message>
        <source>Магия</source>
        <translation>Magic</translation>
    </message>
    <message>
        <source>Скастовать спелл</source>
        <translation>Cast a spell</translation>
    </message>
    <message>
        <source>Дипломатия</source>
        <translation>Diplomacy</translation>
    </message>
    <message>
        <source>Дипломатия пока недоступна</source>
        <translation>Diplomacy is not available yet</translation>
    </message>
    <message>
        <source>Закончить ход</source>
        <translation>End Turn</translation>
    </message>
    <message>
        <source>Сдаться</source>
        <translation>Surrender</translation>
    </message>
    <message>
        <source>Признать себя побежденным</source>
        <translation>Admit defeat</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Меню настроек</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Поле по горизонтали</source>
        <translation>Battlefield, across</translation>
    </message>
    <message>
        <source>Поле по вертикали</source>
        <translation>Battlefield, up and down</translation>
    </message>
    <message>
        <source> (играет %1)</source>
        <translation> (played by %1)</translation>
    </message>
</context>
<context>
    <name>FrmMenu</name>
    <message>
        <source>Заново</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>От Автора</source>
        <translation>From the Author</translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Главное Меню</source>
        <translation>Main Menu</translation>
    </message>
    <message>
        <source>Записи партий</source>
        <translation>Match records</translation>
    </message>
    <message>
        <source>Посмотреть записанную партию</source>
        <translation>Watch a recorded match</translation>
    </message>
    <message>
        <source>Загрузить сохранённую партию</source>
        <translation>Load a saved match</translation>
    </message>
    <message>
        <source>Сохранить партию</source>
        <translation>Save the match</translation>
    </message>
    <message>
        <source>Сохранить сейчас нельзя. </source>
        <translation>The match cannot be saved now. </translation>
    </message>
    <message>
        <source>Сначала закройте выбор участников: пока он открыт, партия ждёт.</source>
        <translation>Close the hero selection first: the match waits while it is open.</translation>
    </message>
    <message>
        <source>Сетевая игра</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>Создать партию для игры по сети или подключиться к чужой</source>
        <translation>Host a match to play over the network, or join someone else&apos;s</translation>
    </message>
</context>
<context>
    <name>FrmMes</name>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>FrmNet</name>
    <message>
        <source>Порт: у хозяина и у того, кто подключается, он должен быть один и тот же</source>
        <translation>Port: the host and whoever joins must use the same one</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Сетевая игра</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>Порт для подключений</source>
        <translation>Port to accept players on</translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>необязательно</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Код партии</source>
        <translation>Join code</translation>
    </message>
    <message>
        <source>Подключиться смогут только те, кто знает этот код</source>
        <translation>Only those who know this code can join</translation>
    </message>
    <message>
        <source>Код партии:</source>
        <translation>Join code:</translation>
    </message>
    <message>
        <source>Открыть партию</source>
        <translation>Open the match</translation>
    </message>
    <message>
        <source>Ждать подключений других игроков</source>
        <translation>Wait for other players to join</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>адрес или имя компьютера</source>
        <translation>address or computer name</translation>
    </message>
    <message>
        <source>Адрес хозяина партии</source>
        <translation>The host&apos;s address</translation>
    </message>
    <message>
        <source>Адрес:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Порт хозяина партии</source>
        <translation>The host&apos;s port</translation>
    </message>
    <message>
        <source>Ваше имя</source>
        <translation>Your name</translation>
    </message>
    <message>
        <source>Ваше имя:</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>если хозяин его задал</source>
        <translation>if the host set one</translation>
    </message>
    <message>
        <source>Подключиться</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>Места в партии</source>
        <translation>Seats in the match</translation>
    </message>
    <message>
        <source>Двойной щелчок по свободному месту — занять его</source>
        <translation>Double-click an open seat to take it</translation>
    </message>
    <message>
        <source>Состояние сетевой игры</source>
        <translation>Network game status</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Начать партию: у каждого места есть игрок</source>
        <translation>Start the match: every seat has its player</translation>
    </message>
    <message>
        <source>Выйти из сетевой игры</source>
        <translation>Leave the network game</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Места:</source>
        <translation>Seats:</translation>
    </message>
    <message>
        <source>%1 — играет по сети</source>
        <translation>%1 — played over the network</translation>
    </message>
    <message>
        <source>Сначала начните партию («Заново» в главном меню): по сети играют героями, за которых играют люди.</source>
        <translation>Start a match first («New Game» in the main menu): over the network people play the heroes marked as played by people.</translation>
    </message>
    <message>
        <source>В этой партии за всех героев играет компьютер. Отметьте людей в выборе участников («Заново»).</source>
        <translation>The computer plays every hero in this match. Mark the people in the hero selection («New Game»).</translation>
    </message>
    <message>
        <source>Партия на этом экране. Отметьте героев, за которых играют на других компьютерах:</source>
        <translation>The match on this screen. Mark the heroes played at other computers:</translation>
    </message>
    <message>
        <source>Укажите адрес компьютера, на котором открыта партия.</source>
        <translation>Enter the address of the computer the match is open on.</translation>
    </message>
    <message>
        <source>Партия хозяина заменит партию на этом экране.</source>
        <translation>The host&apos;s match will replace the match on this screen.</translation>
    </message>
    <message>
        <source>Сторона %1</source>
        <translation>Side %1</translation>
    </message>
    <message>
        <source>свободно</source>
        <translation>open</translation>
    </message>
    <message>
        <source>%1 (вы)</source>
        <translation>%1 (you)</translation>
    </message>
    <message>
        <source>%1 — нет связи</source>
        <translation>%1 — connection lost</translation>
    </message>
    <message>
        <source>Все на местах: можно начинать.</source>
        <translation>Everyone is seated: the match can start.</translation>
    </message>
    <message>
        <source>Партия открыта на порту %1. Ждём игроков…</source>
        <translation>The match is open on port %1. Waiting for players…</translation>
    </message>
    <message>
        <source>Партия идёт. Порт %1.</source>
        <translation>The match is under way. Port %1.</translation>
    </message>
    <message>
        <source>Подключаемся…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>Подключено. Ждём, пока хозяин начнёт партию.</source>
        <translation>Connected. Waiting for the host to start the match.</translation>
    </message>
    <message>
        <source>Партия идёт.</source>
        <translation>The match is under way.</translation>
    </message>
    <message>
        <source>как решит хозяин</source>
        <translation>as the host decides</translation>
    </message>
    <message>
        <source>Класс героя</source>
        <translation>Hero class</translation>
    </message>
    <message>
        <source>Каким героем играть: хозяин сменит класс перед началом партии</source>
        <translation>Which hero to play: the host changes the class before the match starts</translation>
    </message>
    <message>
        <source>Класс героя:</source>
        <translation>Hero class:</translation>
    </message>
    <message>
        <source>как назовёт хозяин</source>
        <translation>as the host names it</translation>
    </message>
    <message>
        <source>Имя героя</source>
        <translation>Hero&apos;s name</translation>
    </message>
    <message>
        <source>Имя героя:</source>
        <translation>Hero name:</translation>
    </message>
</context>
<context>
    <name>FrmObj</name>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Действия</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Жизнь</source>
        <translation>Life</translation>
    </message>
</context>
<context>
    <name>FrmRecords</name>
    <message>
        <source>не окончена</source>
        <translation>not finished</translation>
    </message>
    <message>
        <source>Записи партий</source>
        <translation>Match Records</translation>
    </message>
    <message>
        <source>Герои</source>
        <translation>Heroes</translation>
    </message>
    <message>
        <source>Дней</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Победитель</source>
        <translation>Winner</translation>
    </message>
    <message>
        <source>Записана</source>
        <translation>Recorded</translation>
    </message>
    <message>
        <source>Записей пока нет. Когда партия кончается, её запись появляется здесь; хранятся последние %1.</source>
        <translation>No records yet. When a match ends, its record appears here; the latest %1 are kept.</translation>
    </message>
    <message>
        <source>Открыть файл…</source>
        <translation>Open File…</translation>
    </message>
    <message>
        <source>Посмотреть запись из другой папки</source>
        <translation>Watch a record from another folder</translation>
    </message>
    <message>
        <source>Посмотреть</source>
        <translation>Watch</translation>
    </message>
    <message>
        <source>Посмотреть выбранную запись</source>
        <translation>Watch the selected record</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1
приказов: %2</source>
        <translation>%1
orders: %2</translation>
    </message>
    <message>
        <source>%1 не читается: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Файл «%1» не читается: %2</source>
        <translation>The file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>Открыть запись партии</source>
        <translation>Open a Match Record</translation>
    </message>
    <message>
        <source>Записи партий (*%1);;Все файлы (*)</source>
        <translation>Match records (*%1);;All files (*)</translation>
    </message>
</context>
<context>
    <name>FrmReplay</name>
    <message>
        <source>как можно быстрее</source>
        <translation>as fast as possible</translation>
    </message>
    <message>
        <source>Запись партии</source>
        <translation>Match record</translation>
    </message>
    <message>
        <source>◀◀ ход</source>
        <translation>◀◀ turn</translation>
    </message>
    <message>
        <source>К ходу предыдущей стороны</source>
        <translation>To the previous side&apos;s turn</translation>
    </message>
    <message>
        <source>На приказ назад</source>
        <translation>One order back</translation>
    </message>
    <message>
        <source>Смотреть / пауза (пробел)</source>
        <translation>Play / pause (Space)</translation>
    </message>
    <message>
        <source>На приказ вперёд</source>
        <translation>One order forward</translation>
    </message>
    <message>
        <source>ход ▶▶</source>
        <translation>turn ▶▶</translation>
    </message>
    <message>
        <source>К ходу следующей стороны</source>
        <translation>To the next side&apos;s turn</translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>День:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>Перейти к началу дня</source>
        <translation>Go to the start of the day</translation>
    </message>
    <message>
        <source>Вся партия: приказ за приказом</source>
        <translation>The whole match, order by order</translation>
    </message>
    <message>
        <source>Не удаётся открыть запись «%1»: %2.</source>
        <translation>Cannot open the record &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Запись «%1» не открыть.

%2</source>
        <translation>The record &quot;%1&quot; cannot be opened.

%2</translation>
    </message>
    <message>
        <source>Запись партии — %1</source>
        <translation>Match record — %1</translation>
    </message>
    <message>
        <source>Запись «%1» расходится с игрой: %2. Показано только то, что совпало.</source>
        <translation>The record &quot;%1&quot; does not agree with the game: %2. Only what agreed is shown.</translation>
    </message>
    <message>
        <source>Запись «%1» расходится с игрой: %2.</source>
        <translation>The record &quot;%1&quot; does not agree with the game: %2.</translation>
    </message>
    <message>
        <source>День %1, ходит %2 · приказ %3 из %4</source>
        <translation>Day %1, %2 to move · order %3 of %4</translation>
    </message>
    <message>
        <source> · конец записи</source>
        <translation> · end of the record</translation>
    </message>
</context>
<context>
    <name>FrmSaveName</name>
    <message>
        <source>Сохранить партию</source>
        <translation>Save the match</translation>
    </message>
    <message>
        <source>Название сохранения:</source>
        <translation>Name of the save:</translation>
    </message>
    <message>
        <source>Под этим названием партия появится в списке сохранений</source>
        <translation>The match appears under this name in the list of saves</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FrmSaves</name>
    <message>
        <source>Загрузить партию</source>
        <translation>Load a Match</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>День</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Герои</source>
        <translation>Heroes</translation>
    </message>
    <message>
        <source>Сохранено</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Сохранённых партий пока нет. Сохранить партию можно кнопкой «Сохранить» главного меню; в начале каждого хода игрока партия сохраняется и сама.</source>
        <translation>No saved matches yet. Save a match with &quot;Save&quot; in the main menu; a match also saves itself at the start of every player&apos;s turn.</translation>
    </message>
    <message>
        <source>Открыть файл…</source>
        <translation>Open File…</translation>
    </message>
    <message>
        <source>Загрузить сохранение из другой папки</source>
        <translation>Load a save from another folder</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить выбранное сохранение с диска</source>
        <translation>Delete the chosen save from the disk</translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Продолжить выбранную партию</source>
        <translation>Continue the chosen match</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>автосохранение</source>
        <translation>autosave</translation>
    </message>
    <message>
        <source>сохранение</source>
        <translation>save</translation>
    </message>
    <message>
        <source>не читается: </source>
        <translation>unreadable: </translation>
    </message>
    <message>
        <source>Файл «%1» не читается: %2</source>
        <translation>The file &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>Удалить сохранение «%1»?

Файл «%2» будет удалён с диска.</source>
        <translation>Delete the save &quot;%1&quot;?

The file &quot;%2&quot; will be removed from the disk.</translation>
    </message>
    <message>
        <source>Сохранение «%1» не удалено: %2.</source>
        <translation>The save &quot;%1&quot; was not deleted: %2.</translation>
    </message>
    <message>
        <source>Открыть сохранение</source>
        <translation>Open a Save</translation>
    </message>
    <message>
        <source>Сохранения Grimhollow (*%1);;Все файлы (*)</source>
        <translation>Grimhollow saves (*%1);;All files (*)</translation>
    </message>
    <message>
        <source>сегодня, %1</source>
        <translation>today, %1</translation>
    </message>
    <message>
        <source>вчера, %1</source>
        <translation>yesterday, %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>FrmSelect</name>
    <message>
        <source>Выбор участников</source>
        <translation>Choose the Heroes</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Начать</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Нажмите для участия данного героя</source>
        <translation>Tick to bring this hero into the battle</translation>
    </message>
    <message>
        <source>П-клик для информации</source>
        <translation>Right-click for information</translation>
    </message>
    <message>
        <source>Предыдущий герой</source>
        <translation>Previous hero</translation>
    </message>
    <message>
        <source>Следующий герой</source>
        <translation>Next hero</translation>
    </message>
    <message>
        <source>Имя героя</source>
        <translation>Hero&apos;s name</translation>
    </message>
    <message>
        <source>Нажмите, чтобы герой управлялся компом</source>
        <translation>Tick to let the computer play this hero</translation>
    </message>
    <message>
        <source>Как сильно компьютер играет этим героем</source>
        <translation>How strongly the computer plays this hero</translation>
    </message>
    <message>
        <source>Случайный герой</source>
        <translation>Random hero</translation>
    </message>
    <message>
        <source>Новая партия</source>
        <translation>New Match</translation>
    </message>
    <message>
        <source>Идущая партия будет заменена новой. Её несохранённые ходы пропадут.</source>
        <translation>The match under way will be replaced by a new one. Its unsaved moves will be lost.</translation>
    </message>
    <message>
        <source>

Сохранить её, прежде чем начать новую?</source>
        <translation>

Save it before starting a new one?</translation>
    </message>
    <message>
        <source>Сохранить и начать</source>
        <translation>Save and Start</translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Минимум два героя должны быть выбраны.</source>
        <translation>At least two heroes must be chosen.</translation>
    </message>
    <message>
        <source>

Сохранить её сейчас нельзя. %1

Начать новую партию?</source>
        <translation>

It cannot be saved now. %1

Start a new match?</translation>
    </message>
</context>
<context>
    <name>FrmSet</name>
    <message>
        <source>Пропуск кадров при передвижении юнитов</source>
        <translation>Frames skipped while units walk</translation>
    </message>
    <message>
        <source>Скорость движения юнитов на месте</source>
        <translation>Speed of units idling in place</translation>
    </message>
    <message>
        <source>Меню настроек</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Уровень компьютера</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>Как сильно компьютер играет героями новых партий; в выборе героев уровень можно задать каждому</source>
        <translation>How strongly the computer plays the heroes of new matches; each hero can be given a level when heroes are chosen</translation>
    </message>
    <message>
        <source>Автосохранение</source>
        <translation>Autosave</translation>
    </message>
    <message>
        <source>Сохранять партию в начале каждого хода игрока</source>
        <translation>Save the match at the start of every player&apos;s turn</translation>
    </message>
    <message>
        <source>Объявлять ходы компьютера</source>
        <translation>Announce the computer&apos;s turns</translation>
    </message>
    <message>
        <source>Подсказки на поле</source>
        <translation>Field hints</translation>
    </message>
    <message>
        <source>Чёрное поле</source>
        <translation>Black field</translation>
    </message>
    <message>
        <source>Играть на чёрном поле, без земли под юнитами</source>
        <translation>Play on a black field, with no ground under the units</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Как в системе</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Язык игры; меняется после перезапуска игры</source>
        <translation>The game&apos;s language; takes effect when the game is restarted</translation>
    </message>
    <message>
        <source>Язык сменится после перезапуска игры.</source>
        <translation>The language changes when the game is restarted.</translation>
    </message>
    <message>
        <source>Различимые цвета сторон</source>
        <translation>Colour-blind friendly sides</translation>
    </message>
    <message>
        <source>Цвета, которые различают и при дальтонизме, и номер стороны рядом с её цветом</source>
        <translation>Side colours that stay apart for colour-blind players, with each side&apos;s number beside its colour</translation>
    </message>
</context>
<context>
    <name>FrmSplash</name>
    <message>
        <source>Игра под GPL-3.0+</source>
        <translation>Game under GPL-3.0+</translation>
    </message>
    <message>
        <source>Рисунки: Battle for Wesnoth</source>
        <translation>Art: Battle for Wesnoth</translation>
    </message>
</context>
<context>
    <name>FrmStats</name>
    <message>
        <source>Герой</source>
        <translation>Hero</translation>
    </message>
    <message>
        <source>Итог</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Убито</source>
        <translation>Killed</translation>
    </message>
    <message>
        <source>Потери</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Призвано</source>
        <translation>Summoned</translation>
    </message>
    <message>
        <source>Заклинаний</source>
        <translation>Spells</translation>
    </message>
    <message>
        <source>Дней</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Запись этой партии не удалось сохранить</source>
        <translation>The record of this match could not be saved</translation>
    </message>
    <message>
        <source>Запись партии ещё сохраняется</source>
        <translation>The match record is still being saved</translation>
    </message>
    <message>
        <source>Итоги битвы</source>
        <translation>Battle Summary</translation>
    </message>
    <message>
        <source>Посмотреть запись</source>
        <translation>Watch the Record</translation>
    </message>
    <message>
        <source>Сохранить запись…</source>
        <translation>Save the Record…</translation>
    </message>
    <message>
        <source>Сохранить запись</source>
        <translation>Save the Record</translation>
    </message>
    <message>
        <source>Записи партий (*.ghrec)</source>
        <translation>Match records (*.ghrec)</translation>
    </message>
    <message>
        <source>Не удалось записать «%1».</source>
        <translation>Could not write &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Левый клик</source>
        <translation>Left click</translation>
    </message>
    <message>
        <source>выбрать своего юнита; по клетке — идти туда, по врагу — напасть</source>
        <translation>select one of your units; on a cell, walk there; on a foe, attack</translation>
    </message>
    <message>
        <source>Правый клик</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>сведения о юните; отменить призыв или заклинание, ждущее клетку</source>
        <translation>information about a unit; call off a summon or spell waiting for a cell</translation>
    </message>
    <message>
        <source>отменить призыв или заклинание, а если ничего не ждёт — снять выбор</source>
        <translation>call off a summon or spell, or, when nothing waits, clear the selection</translation>
    </message>
    <message>
        <source>выбрать следующего / предыдущего своего юнита, у которого остались очки действия</source>
        <translation>select your next / previous unit that still has action points</translation>
    </message>
    <message>
        <source>закончить ход, как кнопка «Закончить ход»</source>
        <translation>end the turn, as the &quot;End Turn&quot; button does</translation>
    </message>
    <message>
        <source>прокрутить поле</source>
        <translation>scroll the field</translation>
    </message>
    <message>
        <source>Ctrl + колесо мыши, + / −</source>
        <translation>Ctrl + mouse wheel, + / −</translation>
    </message>
    <message>
        <source>увеличить или уменьшить поле</source>
        <translation>zoom the field in or out</translation>
    </message>
    <message>
        <source>эта помощь</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>показать или скрыть журнал битвы</source>
        <translation>show or hide the battle log</translation>
    </message>
    <message>
        <source>во весь экран или в обычном окне</source>
        <translation>full screen or an ordinary window</translation>
    </message>
    <message>
        <source>выключить или включить звук</source>
        <translation>turn the sound off or on</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Клавиши&lt;/h2&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;</source>
        <translation>&lt;h2&gt;Keys&lt;/h2&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;</translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;p&gt;Приказы с клавиш, как и с кнопок, принимаются только в ваш ход и когда на поле всё стихло: никто не идёт, не бьёт и не колдует.&lt;/p&gt;</source>
        <translation>&lt;/table&gt;&lt;p&gt;Orders from the keys, like those from the buttons, are taken only on your turn and when the field is still: nobody walking, striking or casting.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Подсказки на поле&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Поле, где можно ходить&lt;/b&gt;, отличается от чёрной пустоты вокруг; туда же можно призвать существо.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Досягаемость.&lt;/b&gt; У выбранного юнита подсвечены клетки, до которых он дойдёт с оставшимися очками действия, и отмечены враги, с которыми он может схватиться в этот ход.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Путь и цена.&lt;/b&gt; Наведите мышь на клетку: видно, каким путём пойдёт юнит, сколько очков действия это стоит и сколько останется, или что туда не дойти.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Прогноз схватки.&lt;/b&gt; Наведите мышь на врага в досягаемости: видно, сколько жизни ожидаемо потеряет каждый и с какой вероятностью погибнет.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Прогноз заклинания.&lt;/b&gt; Пока заклинание ждёт цель, над существом под мышью видны шанс успеха и ожидаемое действие.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Масштаб.&lt;/b&gt; Ctrl + колесо мыши или + / − увеличивают поле вокруг мыши.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Строка состояния&lt;/b&gt; справа на панели кнопок: чей ход и какой день, жизнь, мана и очки действия выбранного юнита, и что ждёт клетку.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Журнал&lt;/b&gt; (F2 или кнопка «Журнал» в строке состояния): каждый удар, лечение, гибель, повышение, призыв и заклинание, смена хода — с днём.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Подсказки на поле выключаются флажком «Подсказки на поле» в настройках. Флажок «Объявлять ходы компьютера» там же убирает окна о ходах компьютера: они видны в строке состояния и в журнале. Ход человека объявляется всегда — за одним компьютером игроки меняются местами. Флажок «Чёрное поле» убирает землю из-под юнитов: партия идёт на чёрном поле.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Field hints&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;The walkable field&lt;/b&gt; stands out from the black void around it; creatures can be summoned there too.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Reach.&lt;/b&gt; The selected unit&apos;s reachable cells are lit for the action points it has left, and the foes it can engage this turn are marked.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Path and cost.&lt;/b&gt; Point at a cell to see the path the unit will take, how many action points it costs and how many remain, or that it cannot get there.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Fight forecast.&lt;/b&gt; Point at a foe within reach to see how much life each side is expected to lose and how likely each is to fall.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Spell forecast.&lt;/b&gt; While a spell waits for its target, the creature under the pointer shows the chance of success and the expected effect.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Zoom.&lt;/b&gt; Ctrl + mouse wheel or + / − zoom the field around the pointer.&lt;/li&gt;&lt;li&gt;&lt;b&gt;The status strip&lt;/b&gt; at the right of the button bar: whose turn and which day it is, the selected unit&apos;s life, mana and action points, and what waits for a cell.&lt;/li&gt;&lt;li&gt;&lt;b&gt;The log&lt;/b&gt; (F2 or the &quot;Log&quot; button on the status strip): every blow, heal, death, level up, summon and spell, and every change of turn, with its day.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;The field hints are turned off with the &quot;Field hints&quot; box in the settings. The &quot;Announce the computer&apos;s turns&quot; box there drops the messages about the computer&apos;s turns: they still show on the status strip and in the log. A person&apos;s turn is always announced, since players take turns at one computer. The &quot;Black field&quot; box takes the ground from under the units: the match is played on a black field.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Как играть&lt;/h2&gt;&lt;ol&gt;&lt;li&gt;«Главное меню» → «Заново»: отметьте от двух до пяти героев, выберите классы и имена, отметьте «AI» у компьютерных игроков и нажмите «Начать».&lt;/li&gt;&lt;li&gt;В свой ход выберите своего юнита левым кликом (или Tab) и щёлкните по клетке: он пойдёт туда, тратя очки действия. Дойдя до врага, он вступает в схватку: первым бьёт более быстрый, второй отвечает.&lt;/li&gt;&lt;li&gt;«Магия» открывает книгу заклинаний героя: призовите существо или сотворите заклинание и щёлкните по клетке. Правый клик или Esc отменяет.&lt;/li&gt;&lt;li&gt;Неистраченные очки действия героя в конце хода превращаются в ману.&lt;/li&gt;&lt;li&gt;«Закончить ход» (или Enter) передаёт ход. После всех героев ходят нейтральные юниты, и наступает новый день.&lt;/li&gt;&lt;li&gt;Побеждает последний живой герой: победа объявляется, как только падёт последний соперник. «Сдаться» выводит вашего героя из битвы.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;h2&gt;How to play&lt;/h2&gt;&lt;ol&gt;&lt;li&gt;&quot;Main Menu&quot; → &quot;New Game&quot;: tick two to five heroes, choose their classes and names, tick &quot;AI&quot; for the computer players and press &quot;Start&quot;.&lt;/li&gt;&lt;li&gt;On your turn, select one of your units with a left click (or Tab) and click a cell: it walks there, spending action points. When it reaches a foe it joins battle: the quicker strikes first, the other strikes back.&lt;/li&gt;&lt;li&gt;&quot;Magic&quot; opens the hero&apos;s spellbook: summon a creature or cast a spell, then click a cell. A right click or Esc calls it off.&lt;/li&gt;&lt;li&gt;A hero&apos;s unspent action points turn into mana at the end of the turn.&lt;/li&gt;&lt;li&gt;&quot;End Turn&quot; (or Enter) passes the turn. After all the heroes the neutral units move, and a new day dawns.&lt;/li&gt;&lt;li&gt;The last hero standing wins: victory is declared as soon as the last rival falls. &quot;Surrender&quot; takes your hero out of the battle.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Стрелки</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>передвинуть по полю курсор (жёлтая пунктирная рамка); поле следует за ним, а подсказки показываются для клетки под курсором, как под мышью</source>
        <translation>move the cursor over the field (a yellow dashed square); the view follows it, and the aids show for the cell under the cursor as they do under the mouse</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>как левый клик по клетке под курсором: выбрать своего юнита, послать выбранного туда или напасть, призвать существо или направить заклинание</source>
        <translation>as a left click on the cell under the cursor: select your unit, send the selected one there or attack, summon a creature or aim a spell</translation>
    </message>
    <message>
        <source>Shift + Пробел</source>
        <translation>Shift + Space</translation>
    </message>
    <message>
        <source>только выбрать своего юнита под курсором</source>
        <translation>only select your unit under the cursor</translation>
    </message>
    <message>
        <source>Клавиша меню</source>
        <translation>Menu key</translation>
    </message>
    <message>
        <source>как правый клик по клетке под курсором: сведения о юните или отмена призыва или заклинания</source>
        <translation>as a right click on the cell under the cursor: information on the unit, or call off a summon or spell</translation>
    </message>
    <message>
        <source>показать героя, чей сейчас ход, и поставить на него курсор</source>
        <translation>show the hero whose turn it is and put the cursor on them</translation>
    </message>
    <message>
        <source>кнопки панели по порядку: 1 «Главное меню», 2 «Магия», 3 «Дипломатия», 4 «Отменить», 5 «Закончить ход», 6 «Сдаться», 7 «Настройки», 8 «Помощь»</source>
        <translation>the toolbar&apos;s buttons in order: 1 &quot;Main Menu&quot;, 2 &quot;Magic&quot;, 3 &quot;Diplomacy&quot;, 4 &quot;Undo&quot;, 5 &quot;End Turn&quot;, 6 &quot;Surrender&quot;, 7 &quot;Settings&quot;, 8 &quot;Help&quot;</translation>
    </message>
    <message>
        <source>вернуть последнее перемещение, как кнопка «Отменить»</source>
        <translation>take back the last walk, as the &quot;Undo&quot; button does</translation>
    </message>
    <message>
        <source>Shift + стрелки, Page Up / Page Down</source>
        <translation>Shift + arrows, Page Up / Page Down</translation>
    </message>
    <message>
        <source>&lt;p&gt;Играть можно и без мыши. В окнах Tab и Shift+Tab переходят между кнопками и полями, Enter нажимает выбранную кнопку, Esc закрывает окно; в главном меню кнопки выбираются стрелками, в книге заклинаний стрелки листают страницы, а Enter читает выбранную. Когда окно закрывается, клавиатура возвращается на поле.&lt;/p&gt;</source>
        <translation>&lt;p&gt;The game can be played without a mouse. In the windows Tab and Shift+Tab go from button to button and field to field, Enter presses the chosen button and Esc closes the window; in the main menu the arrows choose the button, in the spellbook they turn the pages and Enter reads the chosen one. When a window closes, the keyboard goes back to the field.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>InfoText</name>
    <message>
        <source>-труп. Это существо пока еще не поздно воскресить из мертвых. Сделав это, Вы получите существо, ничем не отличающееся от своих сородичей, однако, служить оно будет своему прежнему хозяину...</source>
        <translation> corpse. It is not yet too late to raise this creature from the dead. Do so and you get a creature no different from its kin; it will, however, serve its former master...</translation>
    </message>
    <message>
        <source>Гнилые кости - оживив которые, Ваша армия поплнится ходячим скелетом... Скелет не помнит своего прежнего хозяина и служить будет, естественно, тому, кто возведет его из мертвых.</source>
        <translation>Rotten bones - raise them and your army gains a walking skeleton... A skeleton remembers no former master and will naturally serve whoever raises it from the dead.</translation>
    </message>
    <message>
        <source>нету</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Хозяин: </source>
        <translation>Master: </translation>
    </message>
    <message>
        <source>Шанс попадания: </source>
        <translation>Chance to hit: </translation>
    </message>
    <message>
        <source>Трупик вражеского лорда</source>
        <translation>The corpse of an enemy lord</translation>
    </message>
    <message>
        <source>Отношение к Вам: %1</source>
        <translation>Attitude towards you: %1</translation>
    </message>
    <message>
        <source>Уровень %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Опыт: %1/%2</source>
        <translation>Experience: %1/%2</translation>
    </message>
    <message>
        <source>Жизнь: %1/%2</source>
        <translation>Life: %1/%2</translation>
    </message>
    <message>
        <source>Защита от %1: %2</source>
        <translation>Protection from %1: %2</translation>
    </message>
    <message>
        <source>Сила: %1</source>
        <translation>Strength: %1</translation>
    </message>
    <message>
        <source>Магия: %1</source>
        <translation>Magic: %1</translation>
    </message>
    <message>
        <source>Быстрота: %1</source>
        <translation>Speed: %1</translation>
    </message>
    <message>
        <source>Воля: %1</source>
        <translation>Will: %1</translation>
    </message>
    <message>
        <source>Разум: %1</source>
        <translation>Intellect: %1</translation>
    </message>
    <message>
        <source>Лидерство: %1/%2</source>
        <translation>Leadership: %1/%2</translation>
    </message>
    <message>
        <source>Источник атаки: %1</source>
        <translation>Attack element: %1</translation>
    </message>
    <message>
        <source>Дальность атаки: %1</source>
        <translation>Attack range: %1</translation>
    </message>
    <message>
        <source>Благодать: %1</source>
        <translation>Blessed by: %1</translation>
    </message>
    <message>
        <source>Иммунитет: %1</source>
        <translation>Immune to: %1</translation>
    </message>
    <message>
        <source>Слабость: %1</source>
        <translation>Weak against: %1</translation>
    </message>
    <message>
        <source>Мана: %1/%2</source>
        <translation>Mana: %1/%2</translation>
    </message>
    <message>
        <source>Действия: %1/%2</source>
        <translation>Actions: %1/%2</translation>
    </message>
    <message>
        <source>Хозяин: %1</source>
        <translation>Master: %1</translation>
    </message>
    <message>
        <source>Прежний хозяин: %1</source>
        <translation>Former master: %1</translation>
    </message>
    <message>
        <source>Название атаки: %1</source>
        <translation>Attack: %1</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>заклинание</source>
        <translation>spell</translation>
    </message>
    <message>
        <source>жизнь</source>
        <translation>life</translation>
    </message>
    <message>
        <source>очки действия</source>
        <translation>action points</translation>
    </message>
    <message>
        <source>мана</source>
        <translation>mana</translation>
    </message>
    <message>
        <source>мимо</source>
        <translation>miss</translation>
    </message>
    <message>
        <source>иммунитет</source>
        <translation>immune</translation>
    </message>
    <message>
        <source>без вреда</source>
        <translation>no harm</translation>
    </message>
    <message>
        <source>без действия</source>
        <translation>no effect</translation>
    </message>
    <message>
        <source>труп обращается в кости</source>
        <translation>the corpse crumbles to bones</translation>
    </message>
    <message>
        <source>разум подчинён</source>
        <translation>mind enslaved</translation>
    </message>
    <message>
        <source>Битва начинается</source>
        <translation>The battle begins</translation>
    </message>
    <message>
        <source>(жизнь %1/%2)</source>
        <translation>(life %1/%2)</translation>
    </message>
    <message>
        <source>урон %1</source>
        <translation>damage %1</translation>
    </message>
    <message>
        <source>лечение %1</source>
        <translation>healing %1</translation>
    </message>
    <message>
        <source>%1 гибнет от заклинания %2</source>
        <translation>%1 falls to the spell %2</translation>
    </message>
    <message>
        <source>%1 гибнет; сразил %2</source>
        <translation>%1 falls, slain by %2</translation>
    </message>
    <message>
        <source>%1 гибнет; сразила %2</source>
        <translation>%1 falls, slain by %2</translation>
    </message>
    <message>
        <source>%1: на клетке никого нет</source>
        <translation>%1: nobody on the cell</translation>
    </message>
    <message>
        <source>восстаёт из мёртвых %1</source>
        <translation>rises from the dead %1</translation>
    </message>
    <message>
        <source>Наступает день %1</source>
        <translation>Day %1 dawns</translation>
    </message>
    <message>
        <source>Ходят %1</source>
        <translation>The %1 move</translation>
    </message>
    <message>
        <source>Ходит %1</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>%1: повышение до уровня %2</source>
        <translation>%1 is promoted to level %2</translation>
    </message>
    <message>
        <source>%1 призывает: %2 (никому не подчиняется)</source>
        <translation>%1 summons: %2 (obeys nobody)</translation>
    </message>
    <message>
        <source>%1 призывает: %2</source>
        <translation>%1 summons: %2</translation>
    </message>
    <message>
        <source>%1: не удалось призвать %2, слишком много живности</source>
        <translation>%1 failed to summon %2: too many creatures about</translation>
    </message>
    <message>
        <source>%1: заклинание провалено, %2 призвать не удалось</source>
        <translation>%1: the spell failed, %2 could not be summoned</translation>
    </message>
    <message>
        <source>%1 творит %2</source>
        <translation>%1 casts %2</translation>
    </message>
    <message>
        <source>%1 сдаётся и покидает поле боя</source>
        <translation>%1 surrenders and leaves the battlefield</translation>
    </message>
    <message>
        <source>В битве победили %1</source>
        <translation>The %1 win the battle</translation>
    </message>
    <message>
        <source>В битве победил %1</source>
        <translation>%1 wins the battle</translation>
    </message>
    <message>
        <source>В битве победила %1</source>
        <translation>%1 wins the battle</translation>
    </message>
    <message>
        <source>День %1. %2</source>
        <translation>Day %1. %2</translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>Сохранение партии</source>
        <translation>Save the Match</translation>
    </message>
    <message>
        <source>Загрузка партии</source>
        <translation>Load a Match</translation>
    </message>
    <message>
        <source>Файл повреждён или не является сохранением этой игры.</source>
        <translation>The file is damaged or is not a save of this game.</translation>
    </message>
    <message>
        <source>Партия не сохранена. </source>
        <translation>The match was not saved. </translation>
    </message>
    <message>
        <source>Сохранение «%1» уже есть. Заменить его?</source>
        <translation>A save named &quot;%1&quot; already exists. Replace it?</translation>
    </message>
    <message>
        <source>Партия не сохранена в «%1»: %2.

Файл, если он был, остался прежним; партия продолжается.</source>
        <translation>The match was not saved to &quot;%1&quot;: %2.

The file, if there was one, is unchanged; the match goes on.</translation>
    </message>
    <message>
        <source>

Текущая партия продолжается.</source>
        <translation>

The current match goes on.</translation>
    </message>
    <message>
        <source>Партия «%1» сохранена более новой версией игры, и эта версия не может её прочесть.

Обновите игру, чтобы загрузить эту партию.%2</source>
        <translation>The match &quot;%1&quot; was saved by a newer version of the game, and this version cannot read it.

Update the game to load this match.%2</translation>
    </message>
    <message>
        <source>Не удаётся загрузить «%1».

%2</source>
        <translation>Cannot load &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>

Загрузить предыдущее автосохранение «%1»?</source>
        <translation>

Load the previous autosave &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Идущая партия будет заменена партией «%1». Её несохранённые ходы пропадут.

Загрузить?</source>
        <translation>The match under way will be replaced by the match &quot;%1&quot;. Its unsaved moves will be lost.

Load it?</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Новичок</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Apprentice</translation>
    </message>
    <message>
        <source>Обычный</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Опытный</source>
        <translation>Veteran</translation>
    </message>
    <message>
        <source>Сильный</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>Беспощадный</source>
        <translation>Merciless</translation>
    </message>
</context>
<context>
    <name>MatchSummary</name>
    <message>
        <source>победитель</source>
        <translation>victor</translation>
    </message>
    <message>
        <source>победительница</source>
        <translation>victor</translation>
    </message>
    <message>
        <source>сдался</source>
        <translation>surrendered</translation>
    </message>
    <message>
        <source>сдалась</source>
        <translation>surrendered</translation>
    </message>
    <message>
        <source>пал в бою</source>
        <translation>fell in battle</translation>
    </message>
    <message>
        <source>пала в бою</source>
        <translation>fell in battle</translation>
    </message>
    <message>
        <source>в строю</source>
        <translation>still fighting</translation>
    </message>
    <message>
        <source>В битве победили %1, день %2</source>
        <translation>The %1 won the battle, day %2</translation>
    </message>
    <message>
        <source>Битва идёт, день %1</source>
        <translation>The battle goes on, day %1</translation>
    </message>
    <message>
        <source>В битве победил %1, день %2</source>
        <translation>%1 won the battle, day %2</translation>
    </message>
    <message>
        <source>В битве победила %1, день %2</source>
        <translation>%1 won the battle, day %2</translation>
    </message>
</context>
<context>
    <name>NetPlay</name>
    <message>
        <source>У хозяина партии другая версия игры. Играть вместе можно только одной и той же версией.

Хозяин ответил: %1</source>
        <translation>The host has another version of the game. You can only play together with the same version.

The host said: %1</translation>
    </message>
    <message>
        <source>Неверный код партии.</source>
        <translation>Wrong join code.</translation>
    </message>
    <message>
        <source>В этой партии все места уже заняты.</source>
        <translation>Every seat in this match is taken.</translation>
    </message>
    <message>
        <source>Партия уже идёт, и места для вас в ней нет.</source>
        <translation>The match is under way and has no seat for you.</translation>
    </message>
    <message>
        <source>Хозяин партии не принял подключение: %1</source>
        <translation>The host did not accept the connection: %1</translation>
    </message>
    <message>
        <source>Сначала начните партию: «Заново» в главном меню.</source>
        <translation>Start a match first: «New Game» in the main menu.</translation>
    </message>
    <message>
        <source>Отметьте хотя бы одного героя, за которого играют по сети.</source>
        <translation>Mark at least one hero to be played over the network.</translation>
    </message>
    <message>
        <source>Не удаётся принимать подключения на порту %1: %2</source>
        <translation>Cannot accept players on port %1: %2</translation>
    </message>
    <message>
        <source>Партия здесь разошлась с партией хозяина (%1); хозяин присылает свою.</source>
        <translation>The match here has drifted from the host&apos;s (%1); the host is sending its own.</translation>
    </message>
    <message>
        <source>Не удаётся подключиться к %1, порт %2: там никто не ждёт игроков.

%3</source>
        <translation>Cannot connect to %1, port %2: nobody is waiting for players there.

%3</translation>
    </message>
    <message>
        <source>Партия окончена.</source>
        <translation>The match is over.</translation>
    </message>
    <message>
        <source>Хозяин партии закончил сетевую игру. Партия осталась на этом компьютере: её можно продолжить здесь или загрузить из автосохранения.</source>
        <translation>The host has ended the network game. The match stays on this computer: you can go on with it here or load it from the autosave.</translation>
    </message>
    <message>
        <source>Хозяин партии не отвечает уже две минуты. Партия осталась на этом компьютере: её можно продолжить здесь или загрузить из автосохранения.</source>
        <translation>The host has not answered for two minutes. The match stays on this computer: you can go on with it here or load it from the autosave.</translation>
    </message>
    <message>
        <source>Хозяин</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>%1: связь потеряна, время ожидания вышло</source>
        <translation>%1: connection lost, the wait is over</translation>
    </message>
    <message>
        <source>%1: связь потеряна, ждём %2:%3</source>
        <translation>%1: connection lost, waiting %2:%3</translation>
    </message>
    <message>
        <source>Сетевая игра</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>хозяин партии</source>
        <translation>the host</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>Сетевая игра</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>Игрок «%1» (%2) не вернулся вовремя. Что делать?</source>
        <translation>Player «%1» (%2) has not come back in time. What now?</translation>
    </message>
    <message>
        <source>Ждать дальше</source>
        <translation>Keep waiting</translation>
    </message>
    <message>
        <source>Пусть играет компьютер</source>
        <translation>Let the computer play</translation>
    </message>
    <message>
        <source>Сохранить и закончить</source>
        <translation>Save and stop</translation>
    </message>
    <message>
        <source>Идёт сетевая игра. Выйти из неё? Партия останется на этом компьютере.</source>
        <translation>A network game is under way. Leave it? The match stays on this computer.</translation>
    </message>
    <message>
        <source>Выйти</source>
        <translation>Leave</translation>
    </message>
    <message>
        <source>Остаться</source>
        <translation>Stay</translation>
    </message>
</context>
<context>
    <name>Order</name>
    <message>
        <source>Игра не начата</source>
        <translation>No match has begun</translation>
    </message>
    <message>
        <source>Подождите: на поле ещё идёт действие</source>
        <translation>Wait: something is still happening on the field</translation>
    </message>
    <message>
        <source>Сейчас не ваш ход</source>
        <translation>It is not your turn</translation>
    </message>
    <message>
        <source>Некому выполнить приказ</source>
        <translation>Nobody to carry out the order</translation>
    </message>
    <message>
        <source>Ничего не ждёт места на поле</source>
        <translation>Nothing is waiting for a place on the field</translation>
    </message>
    <message>
        <source>Там нет врага</source>
        <translation>There is no foe there</translation>
    </message>
    <message>
        <source>Эта страница пуста</source>
        <translation>That page is empty</translation>
    </message>
    <message>
        <source>Туда не дойдёт ни одно существо</source>
        <translation>No creature can get there</translation>
    </message>
    <message>
        <source>Это место уже занято</source>
        <translation>That place is already taken</translation>
    </message>
    <message>
        <source>Не хватает разума</source>
        <translation>Not enough intellect</translation>
    </message>
    <message>
        <source>Не хватает маны</source>
        <translation>Not enough mana</translation>
    </message>
</context>
<context>
    <name>Placement</name>
    <message>
        <source>Не получается</source>
        <translation>No Good</translation>
    </message>
    <message>
        <source>Туда не дойдёт ни одно существо! Выберите место поближе или правый клик для отмены.</source>
        <translation>No creature can get there! Choose a closer place, or right-click to call it off.</translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Это место уже занято! Выберите другое или правый клик для отмены.</source>
        <translation>That place is already taken! Choose another, or right-click to call it off.</translation>
    </message>
    <message>
        <source>Заклинание провалено</source>
        <translation>The Spell Failed</translation>
    </message>
    <message>
        <source>%1 %2 может возглавить только %3 существ. Если призвать это существо, оно не будет подчиняться! Так вызвать или нет?</source>
        <translation>%1 %2 can lead only %3 creatures. A creature summoned now will obey nobody! Summon it anyway?</translation>
    </message>
    <message>
        <source>Не удалось призвать %1! Слишком много живности развелось...</source>
        <translation>Could not summon the %1! Too many creatures about already...</translation>
    </message>
    <message>
        <source>Заклинание провалено! %1 призвать не удалось, и мана протрачена впустую!</source>
        <translation>The spell failed! The %1 could not be summoned, and the mana is wasted!</translation>
    </message>
</context>
<context>
    <name>QtShell</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>не объект</source>
        <translation>not an object</translation>
    </message>
    <message>
        <source>нет поля «</source>
        <translation>no field &quot;</translation>
    </message>
    <message>
        <source>поле «</source>
        <translation>the field &quot;</translation>
    </message>
    <message>
        <source>» не да/нет</source>
        <translation>&quot; is not yes/no</translation>
    </message>
    <message>
        <source>» не число в допустимых пределах</source>
        <translation>&quot; is not a number in range</translation>
    </message>
    <message>
        <source>» не записывается числом одинарной точности</source>
        <translation>&quot; does not fit a single-precision number</translation>
    </message>
    <message>
        <source>» не текст или слишком длинное</source>
        <translation>&quot; is not text or is too long</translation>
    </message>
    <message>
        <source>» не хеш из 16 шестнадцатеричных цифр</source>
        <translation>&quot; is not a hash of 16 hexadecimal digits</translation>
    </message>
    <message>
        <source> из </source>
        <translation> of </translation>
    </message>
    <message>
        <source> чисел</source>
        <translation> numbers</translation>
    </message>
    <message>
        <source>поле «CurrentSpell» испорчено</source>
        <translation>the field &quot;CurrentSpell&quot; is damaged</translation>
    </message>
    <message>
        <source>поле «ComputerLevel» испорчено</source>
        <translation>the field &quot;ComputerLevel&quot; is damaged</translation>
    </message>
    <message>
        <source>» не список да/нет</source>
        <translation>&quot; is not a list of yes/no</translation>
    </message>
    <message>
        <source>поле «timers» испорчено</source>
        <translation>the field &quot;timers&quot; is damaged</translation>
    </message>
    <message>
        <source>данные вложены глубже, чем бывает в записи</source>
        <translation>the data is nested deeper than a record ever is</translation>
    </message>
    <message>
        <source>строка не JSON или оборвана</source>
        <translation>the line is not JSON or is cut short</translation>
    </message>
    <message>
        <source>Первая строка не похожа на заголовок записи.</source>
        <translation>The first line does not look like a record&apos;s header.</translation>
    </message>
    <message>
        <source>Первая строка повреждена: это не JSON или она оборвана.</source>
        <translation>The first line is damaged: it is not JSON or it is cut short.</translation>
    </message>
    <message>
        <source>Файл не является записью партии этой игры.</source>
        <translation>The file is not a match record of this game.</translation>
    </message>
    <message>
        <source>Заголовок записи</source>
        <translation>The record&apos;s header</translation>
    </message>
    <message>
        <source>Заголовок записи: версия игры, имя партии или время испорчены.</source>
        <translation>The record&apos;s header: the game version, the match&apos;s name or the time is damaged.</translation>
    </message>
    <message>
        <source>ответов больше, чем бывает</source>
        <translation>more answers than there can be</translation>
    </message>
    <message>
        <source>ответ не «yes» и не «no»</source>
        <translation>an answer that is neither &quot;yes&quot; nor &quot;no&quot;</translation>
    </message>
    <message>
        <source>изменение вида бывает только между тиками</source>
        <translation>the view changes only between ticks</translation>
    </message>
    <message>
        <source>часы вида не совпадают с тиком строки</source>
        <translation>the view&apos;s clock does not match the line&apos;s tick</translation>
    </message>
    <message>
        <source>Последняя строка</source>
        <translation>The last line</translation>
    </message>
    <message>
        <source>Итог записи</source>
        <translation>The record&apos;s outcome</translation>
    </message>
    <message>
        <source>Файл пуст.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>В записи больше строк, чем бывает.</source>
        <translation>The record has more lines than there can be.</translation>
    </message>
    <message>
        <source>Запись оборвана: в ней нет итога партии.</source>
        <translation>The record is cut short: it has no outcome of the match.</translation>
    </message>
    <message>
        <source>Строка 2: тик раньше начала записи.</source>
        <translation>Line 2: the tick is before the record begins.</translation>
    </message>
    <message>
        <source>Последняя строка: партия кончается раньше последнего приказа.</source>
        <translation>The last line: the match ends before the last order.</translation>
    </message>
    <message>
        <source>» не целое число в пределах %1..%2</source>
        <translation>&quot; is not a whole number within %1..%2</translation>
    </message>
    <message>
        <source>» не список%1</source>
        <translation>&quot; is not a list%1</translation>
    </message>
    <message>
        <source>лишнее поле «%1»</source>
        <translation>a field too many: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>неизвестный приказ «%1»</source>
        <translation>unknown order &quot;%1&quot;</translation>
    </message>
    <message>
        <source>неизвестная рука «%1»</source>
        <translation>unknown hand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Запись сделана более новой версией игры (формат %1, а эта версия читает форматы до %2). Обновите игру, чтобы посмотреть её.</source>
        <translation>The record was made by a newer version of the game (format %1, while this version reads formats up to %2). Update the game to watch it.</translation>
    </message>
    <message>
        <source>Партия записана по другим правилам игры (версия %1): эта версия не может воспроизвести её точно.</source>
        <translation>The match was recorded under other rules of the game (version %1): this version cannot replay it exactly.</translation>
    </message>
    <message>
        <source>Начальная позиция записи повреждена: %1</source>
        <translation>The record&apos;s starting position is damaged: %1</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>номер %1 не по порядку</source>
        <translation>number %1 out of order</translation>
    </message>
    <message>
        <source>Строка %1, приказ</source>
        <translation>Line %1, order</translation>
    </message>
    <message>
        <source>Строка %1, вид</source>
        <translation>Line %1, view</translation>
    </message>
    <message>
        <source>в записи %1 строк приказов, а названо %2</source>
        <translation>the record has %1 lines of orders, but names %2</translation>
    </message>
    <message>
        <source>Файл слишком велик для записи партии: %1 байт, а запись бывает не больше %2 МБ.</source>
        <translation>The file is too big for a match record: %1 bytes, while a record is at most %2 MB.</translation>
    </message>
    <message>
        <source>Файл не в кодировке UTF-8 (ошибка в байте %1).</source>
        <translation>The file is not in UTF-8 (error at byte %1).</translation>
    </message>
    <message>
        <source>Строка %1 длиннее, чем бывает в записи.</source>
        <translation>Line %1 is longer than a record&apos;s line ever is.</translation>
    </message>
    <message>
        <source>Строка %1: %2.</source>
        <translation>Line %1: %2.</translation>
    </message>
    <message>
        <source>Строка %1: итог записи стоит не в конце.</source>
        <translation>Line %1: the record&apos;s outcome is not at the end.</translation>
    </message>
    <message>
        <source>Строка %1: тик меньше, чем у строки перед ней.</source>
        <translation>Line %1: its tick is earlier than the line before it.</translation>
    </message>
</context>
<context>
    <name>RecordFiles</name>
    <message>
        <source>не удаётся создать папку %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>: позиция после него отличается от записанной</source>
        <translation>: the position after it differs from the recorded one</translation>
    </message>
    <message>
        <source>: компьютер отдал другой приказ, чем записано</source>
        <translation>: the computer gave another order than recorded</translation>
    </message>
    <message>
        <source>: ходит другая сторона, чем записано</source>
        <translation>: another side is to move than recorded</translation>
    </message>
    <message>
        <source>: вопросы приказа не совпадают с записанными ответами</source>
        <translation>: the order&apos;s questions do not match the recorded answers</translation>
    </message>
    <message>
        <source>: приказ не был отдан в свой тик</source>
        <translation>: the order was not given at its tick</translation>
    </message>
    <message>
        <source>в конце записи позиция отличается от записанной</source>
        <translation>at the end of the record the position differs from the recorded one</translation>
    </message>
    <message>
        <source>приказ %1 (тик %2)</source>
        <translation>order %1 (tick %2)</translation>
    </message>
    <message>
        <source>на тике %1 компьютер отдал приказ, которого нет в записи</source>
        <translation>at tick %1 the computer gave an order that is not in the record</translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>Сохранение</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>нет права записи в папку «%1»</source>
        <translation>no permission to write to the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>на диске не хватает места</source>
        <translation>not enough space on the disk</translation>
    </message>
    <message>
        <source>запись на диск не удалась (%1)</source>
        <translation>writing to the disk failed (%1)</translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>это не файл</source>
        <translation>it is not a file</translation>
    </message>
    <message>
        <source>файл слишком велик для сохранения игры (%1 КБ, сохранение не больше %2 КБ)</source>
        <translation>the file is too big for a saved game (%1 KB; a save is at most %2 KB)</translation>
    </message>
    <message>
        <source>файл не открывается (%1)</source>
        <translation>the file does not open (%1)</translation>
    </message>
    <message>
        <source>нет права на чтение файла</source>
        <translation>no permission to read the file</translation>
    </message>
    <message>
        <source>файл не читается с диска (%1)</source>
        <translation>the file cannot be read from the disk (%1)</translation>
    </message>
    <message>
        <source>файл слишком велик для сохранения игры</source>
        <translation>the file is too big for a saved game</translation>
    </message>
    <message>
        <source>сохранено более новой версией игры; обновите игру, чтобы загрузить его</source>
        <translation>saved by a newer version of the game; update the game to load it</translation>
    </message>
    <message>
        <source>это не сохранение этой игры</source>
        <translation>it is not a save of this game</translation>
    </message>
    <message>
        <source>не удаётся создать папку «%1»</source>
        <translation>cannot create the folder &quot;%1&quot;</translation>
    </message>
    <message>
        <source>не удаётся удалить файл (%1)</source>
        <translation>cannot delete the file (%1)</translation>
    </message>
</context>
<context>
    <name>SaveState</name>
    <message>
        <source>Нет начатой партии: сохранять пока нечего.</source>
        <translation>No match has begun: there is nothing to save yet.</translation>
    </message>
    <message>
        <source>Ходит компьютер: сохранить партию можно в ход игрока.</source>
        <translation>The computer is moving: a match can be saved on a player&apos;s turn.</translation>
    </message>
    <message>
        <source>Сначала призовите существо щелчком по полю или отмените призыв правым щелчком.</source>
        <translation>First summon the creature with a click on the field, or call the summon off with a right click.</translation>
    </message>
    <message>
        <source>Сначала выберите цель заклинания щелчком по полю или отмените его правым щелчком.</source>
        <translation>First choose the spell&apos;s target with a click on the field, or call it off with a right click.</translation>
    </message>
    <message>
        <source>Дождитесь, пока юнит дойдёт до места.</source>
        <translation>Wait until the unit gets where it is going.</translation>
    </message>
    <message>
        <source>Дождитесь конца удара.</source>
        <translation>Wait until the blow is over.</translation>
    </message>
    <message>
        <source>Дождитесь, пока погаснет результат удара.</source>
        <translation>Wait until the blow&apos;s result fades.</translation>
    </message>
    <message>
        <source>Дождитесь конца заклинания.</source>
        <translation>Wait until the spell is over.</translation>
    </message>
    <message>
        <source>Дождитесь, пока на поле всё замрёт.</source>
        <translation>Wait until everything on the field is still.</translation>
    </message>
    <message>
        <source> и другие</source>
        <translation> and others</translation>
    </message>
    <message>
        <source>День %1, ход: %2</source>
        <translation>Day %1, %2 to move</translation>
    </message>
    <message>
        <source>День %1</source>
        <translation>Day %1</translation>
    </message>
    <message>
        <source> — день %1</source>
        <translation> — day %1</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Гэндальф</source>
        <translation>Gandolf</translation>
    </message>
    <message>
        <source>Джэк</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Грэнт Непобедимый</source>
        <translation>Grant the Invincible</translation>
    </message>
    <message>
        <source>Кащей Смертный</source>
        <translation>Koschei the Mortal</translation>
    </message>
    <message>
        <source>Мракодей</source>
        <translation>Gloomwright</translation>
    </message>
    <message>
        <source>Лорд Вони</source>
        <translation>Lord Vonny</translation>
    </message>
    <message>
        <source>Святой Гавиллан</source>
        <translation>Saint Gavillan</translation>
    </message>
    <message>
        <source>Мордор</source>
        <translation>Mordor</translation>
    </message>
    <message>
        <source>Герцог Тангус</source>
        <translation>Duke Tangus</translation>
    </message>
    <message>
        <source>Граф Блэксторм</source>
        <translation>Count Blackstorm</translation>
    </message>
    <message>
        <source>Арвен</source>
        <translation>Arwen</translation>
    </message>
    <message>
        <source>Галадриэль</source>
        <translation>Galadriel</translation>
    </message>
    <message>
        <source>Эовин</source>
        <translation>Eowyn</translation>
    </message>
    <message>
        <source>Принцесса Гарнет</source>
        <translation>Princess Garnet</translation>
    </message>
    <message>
        <source>Королева Бранэ</source>
        <translation>Queen Brane</translation>
    </message>
    <message>
        <source>Аллерия</source>
        <translation>Alleria</translation>
    </message>
    <message>
        <source>Фаун</source>
        <translation>Fawn</translation>
    </message>
    <message>
        <source>Лани</source>
        <translation>Lani</translation>
    </message>
    <message>
        <source>Шива</source>
        <translation>Shiva</translation>
    </message>
    <message>
        <source>Кид</source>
        <translation>Kid</translation>
    </message>
</context>
<context>
    <name>SoundPanel</name>
    <message>
        <source>Музыка</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Эффекты</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Звук</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Колокол в начале хода</source>
        <translation>Bell at the start of a turn</translation>
    </message>
    <message>
        <source>Тише в фоне</source>
        <translation>Quieter in the background</translation>
    </message>
    <message>
        <source>Когда окно игры не активно, музыка тише, а эффектов не слышно</source>
        <translation>While the game&apos;s window is not active, the music is quieter and the effects are silent</translation>
    </message>
    <message>
        <source>Без звука (M)</source>
        <translation>Mute (M)</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Убирайся, пока цел!</source>
        <translation>Begone while you still can!</translation>
    </message>
    <message>
        <source>Ты мне не равен!</source>
        <translation>You are no match for me!</translation>
    </message>
    <message>
        <source>Вы все ничто передо мною!</source>
        <translation>You are all as nothing before me!</translation>
    </message>
    <message>
        <source>Тебе не избежать физической расправы...</source>
        <translation>You shall not escape a sound thrashing...</translation>
    </message>
    <message>
        <source>Сдавайся, пока еще есть возможность.</source>
        <translation>Yield while you still have the chance.</translation>
    </message>
    <message>
        <source>Мы могли бы управлять миром вместе... Подумай об этом!</source>
        <translation>We could rule the world together... Think about it!</translation>
    </message>
    <message>
        <source>Мммозззги... Нннужны мозззгииии...</source>
        <translation>Brrraaains... Need brrraaaiiins...</translation>
    </message>
    <message>
        <source>Они умрут.</source>
        <translation>They will die.</translation>
    </message>
    <message>
        <source>Эээээ...</source>
        <translation>Uhhhhh...</translation>
    </message>
</context>
<context>
    <name>SpellCatalogue</name>
    <message>
        <source>Песнь некроманта</source>
        <translation>Necromancer&apos;s Chant</translation>
    </message>
    <message>
        <source>Разложение</source>
        <translation>Decay</translation>
    </message>
    <message>
        <source>Слабое лечение</source>
        <translation>Minor Healing</translation>
    </message>
    <message>
        <source>Скороход</source>
        <translation>Swiftfoot</translation>
    </message>
    <message>
        <source>Голос ангела</source>
        <translation>Angel&apos;s Voice</translation>
    </message>
    <message>
        <source>Магический поток</source>
        <translation>Mana Stream</translation>
    </message>
    <message>
        <source>Слово черепахи</source>
        <translation>Word of the Tortoise</translation>
    </message>
    <message>
        <source>Ущерб души</source>
        <translation>Soul Blight</translation>
    </message>
    <message>
        <source>Избиение поневоле</source>
        <translation>Unwilling Beating</translation>
    </message>
    <message>
        <source>Мана-урон</source>
        <translation>Mana Burn</translation>
    </message>
    <message>
        <source>Мана-потеря</source>
        <translation>Mana Drain</translation>
    </message>
    <message>
        <source>Песчаная буря</source>
        <translation>Sandstorm</translation>
    </message>
    <message>
        <source>Сила жизни</source>
        <translation>Life Force</translation>
    </message>
    <message>
        <source>Эстонская песнь</source>
        <translation>Slumber Song</translation>
    </message>
    <message>
        <source>Пламенный шар</source>
        <translation>Fireball</translation>
    </message>
    <message>
        <source>Контроль разума</source>
        <translation>Mind Control</translation>
    </message>
    <message>
        <source> - призвать зловещие силы некромантов, для воскрешения мертвеца. Оживленное существо очень слабо, поэтому, после воскрешения необходимо подлечить его.</source>
        <translation> - call on the sinister powers of the necromancers to raise the dead. The risen creature is very weak, so it needs healing once raised.</translation>
    </message>
    <message>
        <source> - превратить труп недавно умершего существа в кучу гнилых костей.</source>
        <translation> - turn the corpse of a creature that died recently into a heap of rotten bones.</translation>
    </message>
    <message>
        <source> - восстанавливает немного жизни у выбранного существа.</source>
        <translation> - restores a little life to the chosen creature.</translation>
    </message>
    <message>
        <source> - на это заклинание нет инфы...</source>
        <translation> - nothing is known about this spell...</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Битва окончена</source>
        <translation>The battle is over</translation>
    </message>
    <message>
        <source>Игра не начата</source>
        <translation>No match has begun</translation>
    </message>
    <message>
        <source>Новая игра: «Главное меню», затем «Заново»</source>
        <translation>New game: &quot;Main Menu&quot;, then &quot;New Game&quot;</translation>
    </message>
    <message>
        <source>Призыв: %1 ждёт клетку. Правый клик или Esc — отмена</source>
        <translation>Summon: the %1 waits for a cell. Right click or Esc calls it off</translation>
    </message>
    <message>
        <source>Заклинание «%1» ждёт цель. Правый клик или Esc — отмена</source>
        <translation>The spell &quot;%1&quot; waits for a target. Right click or Esc calls it off</translation>
    </message>
    <message>
        <source>Ходят %1</source>
        <translation>The %1 move</translation>
    </message>
    <message>
        <source>Ходит %1</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>Ходит %1 %2</source>
        <translation>%1 %2&apos;s turn</translation>
    </message>
    <message>
        <source>День %1</source>
        <translation>Day %1</translation>
    </message>
    <message>
        <source>жизнь %1</source>
        <translation>life %1</translation>
    </message>
    <message>
        <source>, мана %1</source>
        <translation>, mana %1</translation>
    </message>
    <message>
        <source> мана %1</source>
        <translation> mana %1</translation>
    </message>
    <message>
        <source>, очки действия %1</source>
        <translation>, action points %1</translation>
    </message>
    <message>
        <source> очки %1</source>
        <translation> points %1</translation>
    </message>
</context>
<context>
    <name>StatusStrip</name>
    <message>
        <source>Журнал</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Показать или скрыть журнал битвы (F2)</source>
        <translation>Show or hide the battle log (F2)</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Не понимаю</source>
        <translation>I Don&apos;t Follow</translation>
    </message>
    <message>
        <source>Предлагаю Вам для начала начать новую игру. (Клик по кнопке &quot;Главное меню&quot;) ...</source>
        <translation>I suggest you start a new game first. (Click the &quot;Main Menu&quot; button) ...</translation>
    </message>
    <message>
        <source>Сдаться</source>
        <translation>Surrender</translation>
    </message>
    <message>
        <source>Признать себя побежденным?</source>
        <translation>Admit defeat?</translation>
    </message>
    <message>
        <source>Не выйдет</source>
        <translation>No Use</translation>
    </message>
    <message>
        <source>Выйти в систему?</source>
        <translation>Quit the game?</translation>
    </message>
    <message>
        <source>%1 %2, к сожалению, слшком мертв, чтобы творить заклинания...</source>
        <translation>%1 %2 is, sadly, far too dead to cast spells...</translation>
    </message>
</context>
<context>
    <name>TurnCycle</name>
    <message>
        <source>День %1</source>
        <translation>Day %1</translation>
    </message>
    <message>
        <source>Ходит %1 %2</source>
        <translation>%1 %2&apos;s turn</translation>
    </message>
    <message>
        <source>Ходят %1 %2</source>
        <translation>The %1 move %2</translation>
    </message>
    <message>
        <source>В битве победил %1 %2</source>
        <translation>%1 %2 wins the battle</translation>
    </message>
    <message>
        <source>В битве победила %1 %2</source>
        <translation>%1 %2 wins the battle</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Отменить последнее перемещение (Ctrl+Z)</source>
        <translation>Undo the last move (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Отменить нечего: партия не идёт</source>
        <translation>Nothing to undo: no match is under way</translation>
    </message>
    <message>
        <source>Отменить нельзя: сейчас не ваш ход</source>
        <translation>Cannot undo: it is not your turn</translation>
    </message>
    <message>
        <source>Отменить нельзя, пока на поле идёт действие</source>
        <translation>Cannot undo while something is happening on the field</translation>
    </message>
    <message>
        <source>Отменить нечего: в этот ход ещё никто не перемещался</source>
        <translation>Nothing to undo: nobody has moved this turn</translation>
    </message>
    <message>
        <source>Отменить нельзя: после перемещения был обмен ударами</source>
        <translation>Cannot undo: blows were exchanged after the move</translation>
    </message>
    <message>
        <source>Отменить нельзя: после перемещения творилась магия</source>
        <translation>Cannot undo: magic was worked after the move</translation>
    </message>
    <message>
        <source>Отменить нельзя: после перемещения своё слово сказал случай</source>
        <translation>Cannot undo: chance has had its say since the move</translation>
    </message>
    <message>
        <source>Отменить нельзя: после перемещения изменились настройки партии</source>
        <translation>Cannot undo: the match settings changed after the move</translation>
    </message>
</context>
<context>
    <name>UpgradeV1</name>
    <message>
        <source>Поле match.Tally появилось только в формате 2.</source>
        <translation>The field match.Tally appeared only in format 2.</translation>
    </message>
</context>
<context>
    <name>UpgradeV2</name>
    <message>
        <source>Поля journal и log появились только в формате 3.</source>
        <translation>The fields journal and log appeared only in format 3.</translation>
    </message>
    <message>
        <source>Поле match.ComputerLevel появилось только в формате 3.</source>
        <translation>The field match.ComputerLevel appeared only in format 3.</translation>
    </message>
    <message>
        <source>Поле «match.StrongComputer» отсутствует или не является списком.</source>
        <translation>The field &quot;match.StrongComputer&quot; is missing or is not a list.</translation>
    </message>
    <message>
        <source>Поле «match.StrongComputer» содержит не флажок.</source>
        <translation>The field &quot;match.StrongComputer&quot; holds something other than a flag.</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>не стихийный</source>
        <translation>non-elemental</translation>
    </message>
    <message>
        <source>не стихийного</source>
        <translation>non-elemental</translation>
    </message>
    <message>
        <source>оружие</source>
        <translation>weapons</translation>
    </message>
    <message>
        <source>оружия</source>
        <translation>weapons</translation>
    </message>
    <message>
        <source>огонь</source>
        <translation>fire</translation>
    </message>
    <message>
        <source>огня</source>
        <translation>fire</translation>
    </message>
    <message>
        <source>вода</source>
        <translation>water</translation>
    </message>
    <message>
        <source>воды</source>
        <translation>water</translation>
    </message>
    <message>
        <source>воздух</source>
        <translation>air</translation>
    </message>
    <message>
        <source>воздуха</source>
        <translation>air</translation>
    </message>
    <message>
        <source>земля</source>
        <translation>earth</translation>
    </message>
    <message>
        <source>земли</source>
        <translation>earth</translation>
    </message>
    <message>
        <source>смерть</source>
        <translation>death</translation>
    </message>
    <message>
        <source>смерти</source>
        <translation>death</translation>
    </message>
    <message>
        <source>жизнь</source>
        <translation>life</translation>
    </message>
    <message>
        <source>жизни</source>
        <translation>life</translation>
    </message>
    <message>
        <source>тьма</source>
        <translation>darkness</translation>
    </message>
    <message>
        <source>тьмы</source>
        <translation>darkness</translation>
    </message>
    <message>
        <source>свет</source>
        <translation>light</translation>
    </message>
    <message>
        <source>света</source>
        <translation>light</translation>
    </message>
    <message>
        <source>молния</source>
        <translation>lightning</translation>
    </message>
    <message>
        <source>молнии</source>
        <translation>lightning</translation>
    </message>
    <message>
        <source>яд</source>
        <translation>poison</translation>
    </message>
    <message>
        <source>яда</source>
        <translation>poison</translation>
    </message>
    <message>
        <source>магия</source>
        <translation>magic</translation>
    </message>
    <message>
        <source>магии</source>
        <translation>magic</translation>
    </message>
    <message>
        <source>разум</source>
        <translation>mind</translation>
    </message>
    <message>
        <source>разума</source>
        <translation>mind</translation>
    </message>
    <message>
        <source>&quot;заклятый враг&quot;</source>
        <translation>&quot;sworn enemy&quot;</translation>
    </message>
    <message>
        <source>хуже некуда</source>
        <translation>as bad as it gets</translation>
    </message>
    <message>
        <source>ужасное</source>
        <translation>dreadful</translation>
    </message>
    <message>
        <source>дрянное</source>
        <translation>nasty</translation>
    </message>
    <message>
        <source>плохое</source>
        <translation>poor</translation>
    </message>
    <message>
        <source>недоверчивое</source>
        <translation>wary</translation>
    </message>
    <message>
        <source>никакое</source>
        <translation>indifferent</translation>
    </message>
    <message>
        <source>снисходительное</source>
        <translation>condescending</translation>
    </message>
    <message>
        <source>добренькое</source>
        <translation>kindly</translation>
    </message>
    <message>
        <source>хорошее</source>
        <translation>good</translation>
    </message>
    <message>
        <source>отличное</source>
        <translation>excellent</translation>
    </message>
    <message>
        <source>прекрасное</source>
        <translation>splendid</translation>
    </message>
    <message>
        <source>&quot;лучший друг&quot;</source>
        <translation>&quot;best friend&quot;</translation>
    </message>
    <message>
        <source>непонятное</source>
        <translation>unclear</translation>
    </message>
    <message>
        <source>нету</source>
        <translation>nobody</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Grimhollow — пошаговая фэнтезийная тактика для двух–пяти героев.</source>
        <translation>Grimhollow — turn-based fantasy tactics for two to five heroes.</translation>
    </message>
    <message>
        <source>Сохранённая партия (*.ghsave), которую открыть при запуске.</source>
        <translation>A saved match (*.ghsave) to open at start.</translation>
    </message>
    <message>
        <source>grimhollow: можно открыть только одну сохранённую партию.

</source>
        <translation>grimhollow: only one saved match can be opened.

</translation>
    </message>
    <message>
        <source>Автосохранение</source>
        <translation>Autosave</translation>
    </message>
</context>
</TS>
