<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>AidsOverlay</name>
    <message>
        <source>: очков действия не осталось до следующего хода</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AidsText</name>
    <message>
        <source>%1 очко действия|%1 очка действия|%1 очков действия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>потеряет около </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> из </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> жизни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вылечится примерно на </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не пострадает</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, погибнет с шансом </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>жизни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очков действия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>маны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>меньше 1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>больше 99 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>До цели не дотянуться за этот ход: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дойдёт только до отмеченной клетки: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, останется </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сюда пути нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Путь: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сюда не встать: клетка занята</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дойдёт до отмеченной клетки и остановится</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сюда не дойти за этот ход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> нападёт на: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удар с места; после боя очков действия не останется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; после боя очков действия не останется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: здесь никого нет, заклинание пропадёт</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Иммунитет: заклинание не подействует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заклинание не подействует</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подействует с шансом </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подействует наверняка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Восстанет из мёртвых с </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обратится в кости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейдёт под ваше начало</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В среднем </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (сейчас </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Погибнет с шансом </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Призвать сюда: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, получится с шансом </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Больше существ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> не возглавит: это не будет подчиняться</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuthorMessage</name>
    <message>
        <source>    Здравствуйте! Спасибо, что заглянули сюда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перед Вами Grimhollow — пошаговая тактика о героях,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>призванных ими существах и заклинаниях. Игра ещё</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не закончена: многое в ней будет дописано, что-то</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>переделано, а что-то пока работает не так, как надо.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    (Да, сразу скажу, что увеличить или уменьшить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>скорость прокрутки этого сообщения можно клавишами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;+&quot; и &quot;-&quot; соответственно.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Откуда взялись идеи? Из старых настольных игр</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на клетчатом поле, из книг о магах и некромантах</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>и из долгих споров о том, кто кого сильнее: скелет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>или летучая мышь. Правила складывались понемногу,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>партия за партией, и меняются до сих пор.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    За советом обращайтесь к окнам сведений: правый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>щелчок по существу, трупу или костям на поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>покажет всё, что о них известно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Приветы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>всем, кто первым сыграл в эту бету и не бросил её</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>после первой же победы компьютерного некроманта;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тем, кто находил ошибки и терпеливо о них писал;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>художникам свободных рисунков, без которых поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>так и осталось бы пустыми клетками;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>всем, кто пишет свободные программы и делится ими;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лучницам, которые стреляют лучше, чем мы целимся;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>скелетам, честно встающим после каждой проверки;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>и, конечно, Вам — за то, что дочитали досюда.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Ни один скелет не пострадал при создании игры.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Неправда: их поднимали и укладывали сотни раз.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Удачи в бою, и до новых встреч!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>                              — команда Grimhollow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Autosave</name>
    <message>
        <source>День </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, ход: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автосохранение «%1» не записано: %2.

Игра продолжается; следующее автосохранение будет сделано в начале следующего хода.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Blows</name>
    <message>
        <source>иммунитет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мимо</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Casting</name>
    <message>
        <source>Шанс успеха: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>жизни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>перемещений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>маны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дальность: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действие: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник воздействия: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Требуется разума: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уходит маны: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>У </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не повезло</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> не хватает мозгов, чтобы прочесть заклинание!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не выходит</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, к несчастью, нету требуемого количества маны!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>нейтральные юниты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Демон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Маг</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скелет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Летучая мышь-вампир</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Некромант</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лучница</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Привидение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - ужаснейшие существа, прибывшие прямиком из Ада, являются чуть ли не самыми сильными воинами, сражающимися на стороне Тьмы.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - знаменитый воин света, герой, возглавляющий отряды бойцов, наровит накостылять любому прислужнику сил тьмы своим посохом, испускающим молнии.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - ходячий скелет, возражденный из мертвецов, довольно слаб и невероятно туп, ибо пролежавшие изрядное время в земле, мозги его почти все сгнили.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - по прозвищу &quot;Вампир&quot; слабое и не очень умное создание, которое вцепляется в волосы врага и кусает его за голову.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - злобный колдунишка, водящий дружбу с различными скелетами, демонами, вампирами и прочей нечистью. Особой популярностью пользуется у скелетов, которые готовы следовать за ним повсюду.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - эльфийская воительница, прибывшая из древних эльфийских лесов. Немногие могут состязаться с ней в стрельбе из лука.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - если после смерти душа не попадает ни в Царство Света ни в Княжество Тьмы, то она остается в этом мире в качестве привидения.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Адский Слэш</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Электроразряд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Клинок нежити</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укус вампира</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Духи демонов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стрела-патриот</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Моральный испуг</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Experience</name>
    <message>
        <source>повышение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>Запись партии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи партий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи партий (*%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAvtor</name>
    <message>
        <source>От автора</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmCast</name>
    <message>
        <source>Магия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Доступные заклинания:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ненадо</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmHelp</name>
    <message>
        <source>Помощь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmInfo</name>
    <message>
        <source>Информация</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmLog</name>
    <message>
        <source>Журнал битвы</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMain</name>
    <message>
        <source>Главное меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В главное меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Магия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скастовать спелл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дипломатия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дипломатия пока недоступна</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закончить ход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдаться</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Признать себя побежденным</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню настроек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMainKeys</name>
    <message>
        <source>Закончить ход</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMenu</name>
    <message>
        <source>Заново</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>От Автора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продолжить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Главное Меню</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи партий</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Посмотреть записанную партию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить сохранённую партию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить партию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить сейчас нельзя. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmMes</name>
    <message>
        <source>Сообщение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmObj</name>
    <message>
        <source>Информация</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Жизнь</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmReplay</name>
    <message>
        <source>как можно быстрее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись партии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀◀ ход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К ходу предыдущей стороны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На приказ назад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смотреть / пауза (пробел)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>На приказ вперёд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ход ▶▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К ходу следующей стороны</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>День:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Перейти к началу дня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вся партия: приказ за приказом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся открыть запись «%1»: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись «%1» не открыть.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись партии — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись «%1» расходится с игрой: %2. Показано только то, что совпало.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись «%1» расходится с игрой: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>День %1, ходит %2 · приказ %3 из %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · конец записи</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmSaveName</name>
    <message>
        <source>Сохранить партию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название сохранения:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Под этим названием партия появится в списке сохранений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmSaves</name>
    <message>
        <source>сегодня, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вчера, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить партию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>День</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Герои</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вид</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранённых партий пока нет. Сохранить партию можно кнопкой «Сохранить» главного меню; в начале каждого хода игрока партия сохраняется и сама.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть файл…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить сохранение из другой папки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить выбранное сохранение с диска</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Продолжить выбранную партию</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>автосохранение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сохранение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не читается: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл «%1» не читается: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Удалить сохранение «%1»?

Файл «%2» будет удалён с диска.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение «%1» не удалено: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Открыть сохранение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранения Grimhollow (*%1);;Все файлы (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmSelect</name>
    <message>
        <source>Выбор участников</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Назад</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Начать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нажмите для участия данного героя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>П-клик для информации</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предыдущий герой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Следующий герой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Имя героя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нажмите, чтобы герой управлялся компом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Как сильно компьютер играет этим героем</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Случайный герой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новая партия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идущая партия будет заменена новой. Её несохранённые ходы пропадут.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Сохранить её, прежде чем начать новую?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить и начать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не сохранять</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Сохранить её сейчас нельзя. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Начать новую партию?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Минимум два героя должны быть выбраны.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmSet</name>
    <message>
        <source>Пропуск кадров при передвижении юнитов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скорость движения юнитов на месте</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Меню настроек</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень компьютера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Как сильно компьютер играет героями новых партий; в выборе героев уровень можно задать каждому</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автосохранение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранять партию в начале каждого хода игрока</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Объявлять ходы компьютера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсказки на поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чёрное поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Играть на чёрном поле, без земли под юнитами</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmSplash</name>
    <message>
        <source>Игра под GPL-3.0+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Рисунки: Battle for Wesnoth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmStats</name>
    <message>
        <source>Герой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итог</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Убито</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Потери</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Призвано</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заклинаний</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дней</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись этой партии не удалось сохранить</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись партии ещё сохраняется</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итоги битвы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Посмотреть запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить запись…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранить запись</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Записи партий (*.ghrec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось записать «%1».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Левый клик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выбрать своего юнита; по клетке — идти туда, по врагу — напасть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Правый клик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сведения о юните; отменить призыв или заклинание, ждущее клетку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отменить призыв или заклинание, а если ничего не ждёт — снять выбор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выбрать следующего / предыдущего своего юнита, у которого остались очки действия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пробел или Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>показать героя, чей сейчас ход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>закончить ход, как кнопка «Закончить ход»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Стрелки, Page Up / Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прокрутить поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl + колесо мыши, + / −</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>увеличить или уменьшить поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>эта помощь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>показать или скрыть журнал битвы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>во весь экран или в обычном окне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>выключить или включить звук</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Клавиши&lt;/h2&gt;&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;3&quot;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;/table&gt;&lt;p&gt;Приказы с клавиш, как и с кнопок, принимаются только в ваш ход и когда на поле всё стихло: никто не идёт, не бьёт и не колдует.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Подсказки на поле&lt;/h2&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Поле, где можно ходить&lt;/b&gt;, отличается от чёрной пустоты вокруг; туда же можно призвать существо.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Досягаемость.&lt;/b&gt; У выбранного юнита подсвечены клетки, до которых он дойдёт с оставшимися очками действия, и отмечены враги, с которыми он может схватиться в этот ход.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Путь и цена.&lt;/b&gt; Наведите мышь на клетку: видно, каким путём пойдёт юнит, сколько очков действия это стоит и сколько останется, или что туда не дойти.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Прогноз схватки.&lt;/b&gt; Наведите мышь на врага в досягаемости: видно, сколько жизни ожидаемо потеряет каждый и с какой вероятностью погибнет.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Прогноз заклинания.&lt;/b&gt; Пока заклинание ждёт цель, над существом под мышью видны шанс успеха и ожидаемое действие.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Масштаб.&lt;/b&gt; Ctrl + колесо мыши или + / − увеличивают поле вокруг мыши.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Строка состояния&lt;/b&gt; справа на панели кнопок: чей ход и какой день, жизнь, мана и очки действия выбранного юнита, и что ждёт клетку.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Журнал&lt;/b&gt; (F2 или кнопка «Журнал» в строке состояния): каждый удар, лечение, гибель, повышение, призыв и заклинание, смена хода — с днём.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Подсказки на поле выключаются флажком «Подсказки на поле» в настройках. Флажок «Объявлять ходы компьютера» там же убирает окна о ходах компьютера: они видны в строке состояния и в журнале. Ход человека объявляется всегда — за одним компьютером игроки меняются местами. Флажок «Чёрное поле» убирает землю из-под юнитов: партия идёт на чёрном поле.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Как играть&lt;/h2&gt;&lt;ol&gt;&lt;li&gt;«Главное меню» → «Заново»: отметьте от двух до пяти героев, выберите классы и имена, отметьте «AI» у компьютерных игроков и нажмите «Начать».&lt;/li&gt;&lt;li&gt;В свой ход выберите своего юнита левым кликом (или Tab) и щёлкните по клетке: он пойдёт туда, тратя очки действия. Дойдя до врага, он вступает в схватку: первым бьёт более быстрый, второй отвечает.&lt;/li&gt;&lt;li&gt;«Магия» открывает книгу заклинаний героя: призовите существо или сотворите заклинание и щёлкните по клетке. Правый клик или Esc отменяет.&lt;/li&gt;&lt;li&gt;Неистраченные очки действия героя в конце хода превращаются в ману.&lt;/li&gt;&lt;li&gt;«Закончить ход» (или Enter) передаёт ход. После всех героев ходят нейтральные юниты, и наступает новый день.&lt;/li&gt;&lt;li&gt;Побеждает последний живой герой: победа объявляется, как только падёт последний соперник. «Сдаться» выводит вашего героя из битвы.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoText</name>
    <message>
        <source>-труп. Это существо пока еще не поздно воскресить из мертвых. Сделав это, Вы получите существо, ничем не отличающееся от своих сородичей, однако, служить оно будет своему прежнему хозяину...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гнилые кости - оживив которые, Ваша армия поплнится ходячим скелетом... Скелет не помнит своего прежнего хозяина и служить будет, естественно, тому, кто возведет его из мертвых.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отношение к Вам: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нету</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уровень </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Опыт: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Жизнь: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сила: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Магия: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Быстрота: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Воля: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разум: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Защита от </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хозяин: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лидерство: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Название атаки: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Источник атаки: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дальность атаки: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шанс попадания: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Благодать: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Иммунитет: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Слабость: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мана: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Действия: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Трупик вражеского лорда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Прежний хозяин: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>заклинание</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(жизнь </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>жизнь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>очки действия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мана</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мимо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>иммунитет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>урон </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>лечение </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>без вреда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> гибнет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> от заклинания </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сразил </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сразила </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: на клетке никого нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>без действия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>восстаёт из мёртвых </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>труп обращается в кости</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>разум подчинён</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Битва начинается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Наступает день </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходят </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходит </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: повышение до уровня </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> призывает: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (никому не подчиняется)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: не удалось призвать </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, слишком много живности</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: заклинание провалено, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> призвать не удалось</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> творит </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> сдаётся и покидает поле боя</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победили </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победил </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победила </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>День </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keeping</name>
    <message>
        <source>Сохранение партии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Загрузка партии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл повреждён или не является сохранением этой игры.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Партия не сохранена. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранение «%1» уже есть. Заменить его?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Партия не сохранена в «%1»: %2.

Файл, если он был, остался прежним; партия продолжается.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Текущая партия продолжается.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Партия «%1» сохранена более новой версией игры, и эта версия не может её прочесть.

Обновите игру, чтобы загрузить эту партию.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удаётся загрузить «%1».

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Загрузить предыдущее автосохранение «%1»?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Идущая партия будет заменена партией «%1». Её несохранённые ходы пропадут.

Загрузить?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Новичок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обычный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Опытный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сильный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Беспощадный</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MatchSummary</name>
    <message>
        <source>победитель</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>победительница</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сдался</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сдалась</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пал в бою</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>пала в бою</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в строю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>день </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победили </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Битва идёт, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победил </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победила </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Order</name>
    <message>
        <source>Игра не начата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подождите: на поле ещё идёт действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сейчас не ваш ход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Некому выполнить приказ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ничего не ждёт места на поле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Там нет врага</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эта страница пуста</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Туда не дойдёт ни одно существо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это место уже занято</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не хватает разума</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не хватает маны</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Placement</name>
    <message>
        <source>Не получается</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Туда не дойдёт ни одно существо! Выберите место поближе или правый клик для отмены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> может возглавить только </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> существ. Если призвать это существо, оно не будет подчиняться! Так вызвать или нет?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предупреждение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это место уже занято! Выберите другое или правый клик для отмены.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не удалось призвать </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>! Слишком много живности развелось...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заклинание провалено</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заклинание провалено! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> призвать не удалось, и мана протрачена впустую!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtShell</name>
    <message>
        <source>Отмена</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordFiles</name>
    <message>
        <source>не удаётся создать папку %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>Сохранение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет права записи в папку «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>на диске не хватает места</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>запись на диск не удалась (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файла нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не файл</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл слишком велик для сохранения игры (%1 КБ, сохранение не больше %2 КБ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не открывается (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нет права на чтение файла</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл не читается с диска (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл слишком велик для сохранения игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>сохранено более новой версией игры; обновите игру, чтобы загрузить его</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>это не сохранение этой игры</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся создать папку «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не удаётся удалить файл (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveState</name>
    <message>
        <source>Нет начатой партии: сохранять пока нечего.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходит компьютер: сохранить партию можно в ход игрока.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сначала призовите существо щелчком по полю или отмените призыв правым щелчком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сначала выберите цель заклинания щелчком по полю или отмените его правым щелчком.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дождитесь, пока юнит дойдёт до места.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дождитесь конца удара.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дождитесь, пока погаснет результат удара.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дождитесь конца заклинания.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дождитесь, пока на поле всё замрёт.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> и другие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>День </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — день </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Гэндальф</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Джэк</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Грэнт Непобедимый</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кащей Смертный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мракодей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лорд Вони</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Святой Гавиллан</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мордор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Герцог Тангус</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Граф Блэксторм</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Арвен</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Галадриэль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эовин</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Принцесса Гарнет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Королева Бранэ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аллерия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фаун</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Лани</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Шива</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Кид</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundPanel</name>
    <message>
        <source>Музыка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эффекты</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Интерфейс</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Звук</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Колокол в начале хода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тише в фоне</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Когда окно игры не активно, музыка тише, а эффектов не слышно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Без звука (M)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Убирайся, пока цел!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ты мне не равен!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы все ничто передо мною!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Тебе не избежать физической расправы...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдавайся, пока еще есть возможность.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мы могли бы управлять миром вместе... Подумай об этом!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мммозззги... Нннужны мозззгииии...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Они умрут.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эээээ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellCatalogue</name>
    <message>
        <source>Песнь некроманта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Разложение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Слабое лечение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Скороход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Голос ангела</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Магический поток</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Слово черепахи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ущерб души</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Избиение поневоле</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мана-урон</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мана-потеря</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Песчаная буря</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сила жизни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Эстонская песнь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пламенный шар</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контроль разума</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - призвать зловещие силы некромантов, для воскрешения мертвеца. Оживленное существо очень слабо, поэтому, после воскрешения необходимо подлечить его.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - превратить труп недавно умершего существа в кучу гнилых костей.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - восстанавливает немного жизни у выбранного существа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - на это заклинание нет инфы...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpellForecast</name>
    <message>
        <source>иммунитет</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spells</name>
    <message>
        <source>иммунитет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>мимо</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>жизнь </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, мана </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> мана </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, очки действия </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> очки </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Призыв: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ждёт клетку. Правый клик или Esc — отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Заклинание «</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>» ждёт цель. Правый клик или Esc — отмена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Битва окончена</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Игра не начата</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Новая игра: «Главное меню», затем «Заново»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходят </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходит </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>День </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusStrip</name>
    <message>
        <source>Журнал</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Показать или скрыть журнал битвы (F2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Не понимаю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Предлагаю Вам для начала начать новую игру. (Клик по кнопке &quot;Главное меню&quot;) ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сдаться</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Признать себя побежденным?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Не выйдет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, к сожалению, слшком мертв, чтобы творить заклинания...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выйти в систему?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnCycle</name>
    <message>
        <source>День </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходит </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ходят </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победил </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В битве победила </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>не стихийный</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не стихийного</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>оружие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>оружия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>огонь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>огня</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вода</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>воды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>воздух</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>воздуха</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>земля</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>земли</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>смерть</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>смерти</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>жизнь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>жизни</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тьма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тьмы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>свет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>света</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>молния</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>молнии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>яд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>яда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>магия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>магии</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>разум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>разума</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;заклятый враг&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>хуже некуда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ужасное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>дрянное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>плохое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>недоверчивое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>никакое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>снисходительное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>добренькое</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>хорошее</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>отличное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прекрасное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;лучший друг&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>непонятное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нету</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Grimhollow — пошаговая фэнтезийная тактика для двух–пяти героев.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сохранённая партия (*.ghsave), которую открыть при запуске.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grimhollow: можно открыть только одну сохранённую партию.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Автосохранение</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
