#include "windows/AuthorMessage.h"

#include <algorithm>
#include <cmath>

#include "platform/Numbers.h"
#include "platform/Texts.h"

namespace gh {

namespace {

// Empty strings are the blank lines between paragraphs; the paragraphs start
// with four spaces, the way the title does.
constexpr const char* kMessage[kAuthorLines] = {
    "    Grimhollow (beta)",
    "",
    "",
    GH_TR_NOOP("AuthorMessage", "    Здравствуйте! Спасибо, что заглянули сюда."),
    GH_TR_NOOP("AuthorMessage", "Перед Вами Grimhollow — пошаговая тактика о героях,"),
    GH_TR_NOOP("AuthorMessage", "призванных ими существах и заклинаниях. Игра ещё"),
    GH_TR_NOOP("AuthorMessage", "не закончена: многое в ней будет дописано, что-то"),
    GH_TR_NOOP("AuthorMessage", "переделано, а что-то пока работает не так, как надо."),
    "",
    GH_TR_NOOP("AuthorMessage", "    (Да, сразу скажу, что увеличить или уменьшить"),
    GH_TR_NOOP("AuthorMessage", "скорость прокрутки этого сообщения можно клавишами"),
    GH_TR_NOOP("AuthorMessage", "\"+\" и \"-\" соответственно.)"),
    "",
    GH_TR_NOOP("AuthorMessage", "    Откуда взялись идеи? Из старых настольных игр"),
    GH_TR_NOOP("AuthorMessage", "на клетчатом поле, из книг о магах и некромантах"),
    GH_TR_NOOP("AuthorMessage", "и из долгих споров о том, кто кого сильнее: скелет"),
    GH_TR_NOOP("AuthorMessage", "или летучая мышь. Правила складывались понемногу,"),
    GH_TR_NOOP("AuthorMessage", "партия за партией, и меняются до сих пор."),
    GH_TR_NOOP("AuthorMessage", "    За советом обращайтесь к окнам сведений: правый"),
    GH_TR_NOOP("AuthorMessage", "щелчок по существу, трупу или костям на поле"),
    GH_TR_NOOP("AuthorMessage", "покажет всё, что о них известно."),
    "",
    "",
    GH_TR_NOOP("AuthorMessage", "    Приветы:"),
    GH_TR_NOOP("AuthorMessage", "всем, кто первым сыграл в эту бету и не бросил её"),
    GH_TR_NOOP("AuthorMessage", "после первой же победы компьютерного некроманта;"),
    GH_TR_NOOP("AuthorMessage", "тем, кто находил ошибки и терпеливо о них писал;"),
    GH_TR_NOOP("AuthorMessage", "художникам свободных рисунков, без которых поле"),
    GH_TR_NOOP("AuthorMessage", "так и осталось бы пустыми клетками;"),
    GH_TR_NOOP("AuthorMessage", "всем, кто пишет свободные программы и делится ими;"),
    GH_TR_NOOP("AuthorMessage", "лучницам, которые стреляют лучше, чем мы целимся;"),
    GH_TR_NOOP("AuthorMessage", "скелетам, честно встающим после каждой проверки;"),
    GH_TR_NOOP("AuthorMessage", "и, конечно, Вам — за то, что дочитали досюда."),
    "",
    "",
    GH_TR_NOOP("AuthorMessage", "    Ни один скелет не пострадал при создании игры."),
    GH_TR_NOOP("AuthorMessage", "(Неправда: их поднимали и укладывали сотни раз.)"),
    GH_TR_NOOP("AuthorMessage", "    Удачи в бою, и до новых встреч!"),
    "",
    GH_TR_NOOP("AuthorMessage", "                              — команда Grimhollow"),
};

} // namespace

const char* AuthorLine(int lineNo)
{
    if (lineNo < 0 || lineNo >= kAuthorLines)
        return "";
    return kMessage[lineNo];
}

std::int32_t LineBrightness(float lineY, float centerY)
{
    if (lineY == centerY)
        return 255;
    // Worked in single precision, as the positions are: a line 2000 twips off
    // gets 127.5, which rounds to the even 128.
    const float distance = std::fabs(centerY - lineY);
    const float level = 255.0f / (distance / 1000.0f);
    return std::min<std::int32_t>(255, CLng(level));
}

std::int16_t SpeedAfterKey(std::int16_t speed, SpeedKey key)
{
    // The checks let a press through only below the top or above the
    // bottom; steps of 5 from 30 land exactly on 0 and 200. A speed that is
    // not a multiple of 5 would step past either end, so the result is
    // held to 0..200 as well.
    int next = speed;
    switch (key) {
    case SpeedKey::Faster:
        if (next <= kAuthorMaxSpeed - 1)
            next += kAuthorSpeedStep;
        break;
    case SpeedKey::Slower:
        if (next >= 2)
            next -= kAuthorSpeedStep;
        break;
    case SpeedKey::Other: break;
    }
    return static_cast<std::int16_t>(std::clamp(next, 0, static_cast<int>(kAuthorMaxSpeed)));
}

float ScrollStep(float scrollY, std::int16_t speed, float windowHeight)
{
    if (scrollY > kAuthorWrapY)
        return scrollY - static_cast<float>(speed);
    return windowHeight;
}

} // namespace gh
